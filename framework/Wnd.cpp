#include "framework/Wnd.h"

#include <exception>

#include "framework/NotifySource.h"
#include "framework/WinApp.h"

CWnd::~CWnd() {
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    // Unbind first so no message reaches a half-destroyed object.
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    ::DestroyWindow(m_hWnd);
  }
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&) { return TRUE; }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT_PTR idOrMenu) {
  CREATESTRUCTA cs{};
  cs.dwExStyle = exStyle;
  cs.lpszClass = className;
  cs.lpszName = windowName;
  cs.style = style;
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.right - rect.left;
  cs.cy = rect.bottom - rect.top;
  cs.hwndParent = parent;
  cs.hMenu = reinterpret_cast<HMENU>(idOrMenu);
  cs.hInstance = AfxGetApp() ? AfxGetApp()->m_hInstance : ::GetModuleHandleA(nullptr);
  cs.lpCreateParams = this;
  if (!PreCreateWindow(cs)) return FALSE;
  HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, this);
  if (!hwnd) return FALSE;
  // A system control never saw our procedure: bind it now.
  if (FromHandlePermanent(hwnd) != this) return SubclassWindow(hwnd);
  return TRUE;
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (!window || m_hWnd) return FALSE;
  m_hWnd = window;
  ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  m_superProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
  return m_superProc != nullptr;
}

bool CWnd::RegisterWndClass(const char* className, UINT classStyle, HCURSOR cursor,
                            HBRUSH background, HICON icon) {
  HINSTANCE instance = AfxGetApp() ? AfxGetApp()->m_hInstance : ::GetModuleHandleA(nullptr);
  if (!instance) instance = ::GetModuleHandleA(nullptr);
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

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  if (!hwnd) return nullptr;
  return reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

BOOL CWnd::OnCommand(UINT, UINT, HWND) { return FALSE; }

BOOL CWnd::OnUpdateCommand(CCmdUI&) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND &&
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
    return 0;
  return Default(message, wParam, lParam);
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_superProc) return ::CallWindowProcA(m_superProc, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = nullptr;
  if (message == WM_NCCREATE) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    wnd = static_cast<CWnd*>(cs->lpCreateParams);
    if (wnd) {
      wnd->m_hWnd = hwnd;
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(wnd));
    }
  } else {
    wnd = FromHandlePermanent(hwnd);
  }
  if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  // A notification points into its sender's memory: one that is not the bar's own is
  // nothing this window could read.
  if (message == WM_NOTIFY && !IsOwnNotification(reinterpret_cast<const NMHDR*>(lParam))) return 0;

  LRESULT result = 0;
  try {
    result = wnd->WindowProc(message, wParam, lParam);
  } catch (const std::exception& e) {
    // Nothing may unwind through the system's dispatcher; tell the user instead.
    AfxMessageBox(e.what(), MB_OK | MB_ICONSTOP);
  } catch (...) {
    AfxMessageBox("Unexpected error", MB_OK | MB_ICONSTOP);
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (wnd->m_superProc)
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_superProc));
    wnd->m_superProc = nullptr;
    wnd->m_hWnd = nullptr;
    wnd->PostNcDestroy();
  }
  return result;
}
