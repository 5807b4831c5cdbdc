#include "frame/MainFrame.h"

#include "core/Globals.h"
#include "core/KestrelApp.h"
#include "core/ShellWindows.h"

const char CMainFrame::kClassName[] = "KestrelFrame";

namespace {
const DWORD kStyleTopmost = 0x8;
}

BOOL CMainFrame::Create(const char* title, const RECT& rect) {
  // Tool window; pop-up, visible, dialog frame, minimise box.
  return CreateEx(WS_EX_TOOLWINDOW, kClassName, title, 0x90420000, rect, nullptr, 0);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
  if (!RegisterFrameClass(kClassName, 0, nullptr, nullptr, nullptr)) return FALSE;
  m_style = static_cast<DWORD>(g_barOptions.GetInt("Style", 0x82DC));
  if (m_style & kStyleTopmost) cs.dwExStyle |= WS_EX_TOPMOST;
  return TRUE;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_QUERYENDSESSION:
      return OnQueryEndSession();
    case WM_ERASEBKGND:
      return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    default:
      return CFrameWnd::WindowProc(message, wParam, lParam);
  }
}

int CMainFrame::OnCreate() {
  ApplyWinDisp();
  return 0;
}

BOOL CMainFrame::OnEraseBkgnd(HDC dc) {
  // The class has no background brush: the frame paints its own face.
  RECT client;
  GetClientRect(&client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  return TRUE;
}

void CMainFrame::OnClose() {
  RestoreShellWindows();
  SavePlacement();
  CFrameWnd::OnClose();
}

BOOL CMainFrame::OnQueryEndSession() {
  // Windows is ending: nothing else will save the placement and options.
  SavePlacement();
  g_barOptions.SetInt("Style", static_cast<int>(m_style));
  g_barOptions.Flush();
  return TRUE;
}

void CMainFrame::OnDestroy() { g_barOptions.SetInt("Style", static_cast<int>(m_style)); }

void CMainFrame::SavePlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!::GetWindowPlacement(m_hWnd, &placement)) return;
  if (::IsZoomed(m_hWnd)) placement.flags |= WPF_RESTORETOMAXIMIZED;
  GetKestrelApp().WriteWinPos(placement);
}

void CMainFrame::PostNcDestroy() {
  CFrameWnd::PostNcDestroy();
  if (m_autoDelete) delete this;
}
