#include "framework/FrameWnd.h"

#include "framework/WinApp.h"

bool CFrameWnd::RegisterFrameClass(const char* className, UINT classStyle, HCURSOR cursor,
                                   HBRUSH background, HICON icon) {
  HINSTANCE instance = AfxGetApp() ? AfxGetApp()->m_hInstance : ::GetModuleHandleA(nullptr);
  WNDCLASSA existing{};
  if (::GetClassInfoA(instance, className, &existing)) return true;
  WNDCLASSA wc{};
  wc.style = classStyle;
  wc.lpfnWndProc = &CWnd::StaticWindowProc;
  wc.hInstance = instance;
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = className;
  return ::RegisterClassA(&wc) != 0;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      OnClose();
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
