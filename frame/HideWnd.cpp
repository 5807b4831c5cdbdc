#include "frame/HideWnd.h"

#include "core/BarMessages.h"
#include "frame/ScreenPoint.h"

const char CHideWnd::kClassName[] = "KestrelHideWnd";

namespace {
const UINT_PTR kTimerShow = 202;
const COLORREF kSquareColour = RGB(0, 255, 255);
const COLORREF kSquareHoverColour = RGB(255, 0, 0);

// Ctrl as the mouse message reports it, or as the keyboard has it now: the bar is not the
// foreground window, so its thread's own key state does not follow Ctrl.
bool CtrlHeld(WPARAM keys) {
  return (keys & MK_CONTROL) || (::GetAsyncKeyState(VK_CONTROL) & 0x8000);
}

}  // namespace

CHideWnd::CHideWnd(hide::Kind kind, UINT showTime)
    : m_kind(kind),
      m_showTime(showTime),
      m_squareBrush(::CreateSolidBrush(kSquareColour)),
      m_hoverBrush(::CreateSolidBrush(kSquareHoverColour)) {}

CHideWnd::~CHideWnd() {
  if (m_hWnd) DestroyWindow();
}

BOOL CHideWnd::Create(HWND frame, const RECT& rect) {
  m_frame = frame;
  if (!RegisterWndClass(kClassName, 0, ::LoadCursorA(nullptr, IDC_ARROW), nullptr, nullptr))
    return FALSE;
  // Pop-up, visible, top-most above everything, owned by the hidden frame.
  return CreateEx(WS_EX_TOPMOST, kClassName, "", WS_POPUP | WS_VISIBLE, rect, frame, 0);
}

LRESULT CHideWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;  // painting fills the whole window
    case WM_MOUSEMOVE:
      OnMouseMove(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(wParam);
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp();
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_CAPTURECHANGED:
      if (m_dragging && reinterpret_cast<HWND>(lParam) != m_hWnd) StopDragging();
      return 0;
    case WM_TIMER:
      if (wParam == kTimerShow) OnShowTimer();
      return 0;
    case WM_DESTROY:
      if (m_showTimer) ::KillTimer(m_hWnd, kTimerShow);
      m_showTimer = 0;
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void CHideWnd::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(m_hWnd, &ps);
  RECT client;
  GetClientRect(&client);
  if (m_kind == hide::kSquare) {
    ::FillRect(dc, &client, (m_hover ? m_hoverBrush : m_squareBrush).GetSafeHandle());
    ::FrameRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOWTEXT));
    if (m_hover) {
      RECT inner = client;
      ::InflateRect(&inner, -1, -1);
      ::DrawEdge(dc, &inner, BDR_RAISEDINNER, BF_RECT);
    }
  } else {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    bool wide = client.right > client.bottom;
    ::DrawEdge(dc, &client, EDGE_RAISED, wide ? BF_TOP : BF_LEFT);
  }
  ::EndPaint(m_hWnd, &ps);
}

void CHideWnd::OnMouseMove(WPARAM keys) {
  if (!m_tracking) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    m_tracking = ::TrackMouseEvent(&track) != FALSE;
    m_hover = true;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
  }
  if (m_dragging) {
    if (::GetCapture() != m_hWnd) {
      StopDragging();
      return;
    }
    POINT p = PointerPosition();
    ::SetWindowPos(m_hWnd, nullptr, m_dragRect.left + p.x - m_dragStart.x,
                   m_dragRect.top + p.y - m_dragStart.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return;
  }
  if (CtrlHeld(keys) || m_showTimer) return;
  if (m_showTime == 0) {
    ::PostMessageA(m_frame, WM_SHOW_BAR, 1, 0);
  } else {
    m_showTimer = ::SetTimer(m_hWnd, kTimerShow, m_showTime, nullptr);
  }
}

void CHideWnd::OnLButtonDown(WPARAM keys) {
  if (!CtrlHeld(keys)) return;
  if (m_showTimer) ::KillTimer(m_hWnd, kTimerShow);
  m_showTimer = 0;
  m_previousCursor = ::SetCursor(::LoadCursorA(nullptr, IDC_SIZEALL));
  ::SetCapture(m_hWnd);
  m_dragStart = PointerPosition();
  GetWindowRect(&m_dragRect);
  m_dragging = true;
}

void CHideWnd::OnLButtonUp() {
  if (!m_dragging) return;
  StopDragging();
  GetWindowRect(&m_movedRect);
  m_moved = true;
}

void CHideWnd::StopDragging() {
  if (!m_dragging) return;
  m_dragging = false;  // first: releasing the capture comes back as WM_CAPTURECHANGED
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  ::SetCursor(m_previousCursor);
}

void CHideWnd::OnMouseLeave() {
  m_tracking = false;
  m_hover = false;
  ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CHideWnd::OnShowTimer() {
  ::KillTimer(m_hWnd, kTimerShow);
  m_showTimer = 0;
  RECT r;
  GetWindowRect(&r);
  if (::PtInRect(&r, PointerPosition())) ::PostMessageA(m_frame, WM_SHOW_BAR, 1, 0);
}
