#include "framework/Wnd.h"

#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "framework/Module.h"
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
  cs.hInstance = AfxGetInstanceHandle();
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
  WNDCLASSA wc{};
  wc.style = classStyle;
  wc.lpfnWndProc = &CWnd::StaticWindowProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = className;
  return AfxRegisterClass(wc);
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
  UINT flags = static_cast<UINT>(wParam);
  switch (message) {
    case WM_CREATE:
      return OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_SIZE:
      OnSize(flags, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT: {
      if (wParam) break;  // asked to paint into a given DC: the default knows how
      bool painted = false;
      {
        CPaintDC dc(m_hWnd, CPaintDC::Deferred{});
        OnPaint(dc);
        painted = dc.Begun();
      }
      if (painted) return 0;
      break;
    }
    case WM_ERASEBKGND:
      return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_NOTIFY:
      if (!lParam) break;
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      break;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam), PointFromLParam(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(flags, PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(flags, PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(flags, PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      OnLButtonDblClk(flags, PointFromLParam(lParam));
      return 0;
    case WM_RBUTTONDOWN:
      OnRButtonDown(flags, PointFromLParam(lParam));
      return 0;
    case WM_RBUTTONUP:
      OnRButtonUp(flags, PointFromLParam(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam),
                   PointFromLParam(lParam));
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(flags, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_CHAR:
      OnChar(flags, LOWORD(lParam), HIWORD(lParam));
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

// The defaults rebuild the message they were unpacked from.
namespace {
LPARAM PointParam(POINT point) { return MAKELPARAM(point.x, point.y); }
}  // namespace

int CWnd::OnCreate(const CREATESTRUCTA& cs) {
  return static_cast<int>(Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)));
}
void CWnd::OnDestroy() { Default(WM_DESTROY, 0, 0); }
void CWnd::OnSize(UINT type, int cx, int cy) { Default(WM_SIZE, type, MAKELPARAM(cx, cy)); }
void CWnd::OnPaint(CPaintDC&) {}
BOOL CWnd::OnEraseBkgnd(HDC dc) {
  return static_cast<BOOL>(Default(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
}
void CWnd::OnTimer(UINT_PTR id) { Default(WM_TIMER, id, 0); }
LRESULT CWnd::OnNotify(const NMHDR& header) {
  return Default(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}
void CWnd::OnContextMenu(HWND window, POINT point) {
  Default(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), PointParam(point));
}
void CWnd::OnMouseMove(UINT flags, POINT point) { Default(WM_MOUSEMOVE, flags, PointParam(point)); }
void CWnd::OnLButtonDown(UINT flags, POINT point) {
  Default(WM_LBUTTONDOWN, flags, PointParam(point));
}
void CWnd::OnLButtonUp(UINT flags, POINT point) { Default(WM_LBUTTONUP, flags, PointParam(point)); }
void CWnd::OnLButtonDblClk(UINT flags, POINT point) {
  Default(WM_LBUTTONDBLCLK, flags, PointParam(point));
}
void CWnd::OnRButtonDown(UINT flags, POINT point) {
  Default(WM_RBUTTONDOWN, flags, PointParam(point));
}
void CWnd::OnRButtonUp(UINT flags, POINT point) { Default(WM_RBUTTONUP, flags, PointParam(point)); }
void CWnd::OnMouseWheel(UINT flags, short delta, POINT point) {
  Default(WM_MOUSEWHEEL, MAKEWPARAM(flags, delta), PointParam(point));
}
void CWnd::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  Default(WM_KEYDOWN, key, MAKELPARAM(repeat, flags));
}
void CWnd::OnChar(UINT code, UINT repeat, UINT flags) {
  Default(WM_CHAR, code, MAKELPARAM(repeat, flags));
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_isDialog) {
    m_leftToDialogManager = true;
    return 0;
  }
  if (m_superProc) return ::CallWindowProcA(m_superProc, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::ReportFault(UINT message, const char* what) {
  // A fault in a paint or timer handler comes back with every paint or tick,
  // and the message box's own loop would bring the next one while it shows.
  static bool showing = false;
  static std::vector<std::pair<UINT, std::string>> reported;
  std::pair<UINT, std::string> fault(message, what ? what : "");
  if (showing) return;
  for (const auto& known : reported)
    if (known == fault) return;
  reported.push_back(fault);
  showing = true;
  AfxMessageBox(fault.second.c_str(), MB_OK | MB_ICONSTOP);
  showing = false;
}

LRESULT CWnd::Dispatch(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const char* fault = nullptr;
  std::string text;
  try {
    return wnd->WindowProc(message, wParam, lParam);
  } catch (const std::exception& e) {
    // Nothing may unwind through the system's dispatcher; tell the user instead.
    text = e.what();
    fault = text.c_str();
  } catch (...) {
    fault = "Unexpected error";
  }
  if (message == WM_NCCREATE || message == WM_CREATE) {
    // Fail the creation and let the half-built window go without its object.
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (wnd->m_superProc)
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_superProc));
    wnd->m_superProc = nullptr;
    wnd->m_hWnd = nullptr;
    ReportFault(message, fault);
    return message == WM_CREATE ? -1 : FALSE;
  }
  // A paint that failed would otherwise be asked for again at once, forever.
  if (message == WM_PAINT) ::ValidateRect(hwnd, nullptr);
  ReportFault(message, fault);
  return 0;
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

  LRESULT result = Dispatch(wnd, hwnd, message, wParam, lParam);
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
