#include "framework/FrameWnd.h"

#include "framework/CmdUI.h"
#include "framework/WinApp.h"

bool CFrameWnd::RegisterFrameClass(const char* className, UINT classStyle, HCURSOR cursor,
                                   HBRUSH background, HICON icon) {
  return RegisterWndClass(className, classStyle, cursor, background, icon);
}

BOOL CFrameWnd::LoadAccelTable(UINT id) {
  m_accelerators = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
  return m_accelerators != nullptr;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
  if (m_accelerators && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST &&
      (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd)))
    return ::TranslateAcceleratorA(m_hWnd, m_accelerators, msg) != 0;
  return FALSE;
}

void CFrameWnd::UpdatePopupItems(HMENU popup) {
  int count = ::GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    UINT id = ::GetMenuItemID(popup, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or submenu
    CCmdUI ui(popup, static_cast<UINT>(i), id);
    bool claimed = (m_pView && m_pView->OnUpdateCommand(ui)) || OnUpdateCommand(ui);
    if (!claimed) ui.Enable(false);
  }
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_COMMAND: {
      UINT id = LOWORD(wParam), code = HIWORD(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      if (m_pView && m_pView->OnCommand(id, code, control)) return 0;
      if (OnCommand(id, code, control)) return 0;
      return Default(message, wParam, lParam);
    }
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) UpdatePopupItems(reinterpret_cast<HMENU>(wParam));
      return 0;
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::PostNcDestroy() {
  // The main frame's end is the application's end.
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    app->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
  }
}
