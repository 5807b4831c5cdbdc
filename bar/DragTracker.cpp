#include "bar/DragTracker.h"

#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "kestrel_res.h"

namespace dragscroll {
namespace {
bool Vertical(int orientation) { return orientation == 1 || orientation == 2; }
}  // namespace

int CellScrollCode(POINT cursor, const RECT& panel, const RECT& frame, int orientation) {
  if (::PtInRect(&panel, cursor)) return kNone;
  const bool vertical = Vertical(orientation);
  const LONG across = vertical ? cursor.x : cursor.y;
  const LONG acrossStart = vertical ? panel.left : panel.top;
  const LONG acrossEnd = vertical ? panel.right : panel.bottom;
  if (across < acrossStart || across >= acrossEnd) return kNone;
  const bool toEnd = (vertical ? cursor.y : cursor.x) >= (vertical ? panel.top : panel.left);
  // Beyond the bar's own window the steps grow to a page.
  if (!::PtInRect(&frame, cursor)) return toEnd ? SB_PAGERIGHT : SB_PAGELEFT;
  return toEnd ? SB_LINERIGHT : SB_LINELEFT;
}

int TabScrollCode(POINT cursor, const RECT& tabArea, int orientation) {
  if (::PtInRect(&tabArea, cursor)) return kNone;
  const bool vertical = Vertical(orientation);
  const LONG across = vertical ? cursor.x : cursor.y;
  if (across < (vertical ? tabArea.left : tabArea.top) ||
      across >= (vertical ? tabArea.right : tabArea.bottom))
    return kNone;
  const bool toEnd = (vertical ? cursor.y : cursor.x) >= (vertical ? tabArea.top : tabArea.left);
  return toEnd ? SB_LINERIGHT : SB_LINELEFT;
}

}  // namespace dragscroll

HCURSOR LoadModeCursor(UINT id) {
  HCURSOR cursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
  return cursor ? cursor : ::LoadCursorA(nullptr, IDC_ARROW);
}

CDragTracker::CDragTracker(HWND owner, int source, int orientation, const RECT& targetArea,
                           const RECT& frameRect, HCURSOR modeCursor)
    : m_area(targetArea),
      m_frame(frameRect),
      m_owner(owner),
      m_source(source),
      m_current(source),
      m_orientation(orientation),
      m_mark(orientation),
      m_modeCursor(modeCursor),
      m_noTargetCursor(LoadModeCursor(IDC_MODE_NONE)) {}

CDragTracker::~CDragTracker() {
  if (m_state == State::kRunning) m_cancelled = true;
  if (m_state == State::kRunning || m_state == State::kReleasing) End(false, 0);
}

bool CDragTracker::Start(POINT sourceCentre) {
  if (m_state != State::kIdle || !m_owner || !::IsWindow(m_owner)) return false;
  HookWindow(m_owner);
  m_state = State::kRunning;
  m_current = m_source;
  ::SetCursorPos(sourceCentre.x, sourceCentre.y);
  m_previousCursor = ::SetCursor(m_modeCursor);
  Update(sourceCentre);
  m_timer = ::SetTimer(m_owner, kScrollTimer, kScrollPeriod, nullptr) != 0;
  ::SetCapture(m_owner);
  return true;
}

void CDragTracker::Update(POINT cursor) {
  POINT mark{};
  m_found = FindTarget(cursor, &mark);
  if (m_found) {
    m_mark.Show(mark);
    ::SetCursor(m_modeCursor);
  } else {
    m_mark.Hide();
    ::SetCursor(m_noTargetCursor);
  }
}

void CDragTracker::Track(int node, POINT cursor) {
  if (m_state != State::kRunning) return;
  m_current = node;
  Update(cursor);
}

void CDragTracker::Finish(int node) {
  if (m_state != State::kRunning) return;
  // The target is the one the mark showed at the last move, not one found at the click.
  m_current = node;
  End(false, 0);
  if (!m_cancelled && m_found) NotifyFinished();
}

void CDragTracker::Cancel() {
  if (m_state == State::kRunning) {
    m_cancelled = true;
    End(false, 0);
  } else if (m_state == State::kReleasing) {
    Detach();
  }
}

void CDragTracker::End(bool awaitRelease, UINT releaseMessage) {
  if (m_timer && ::IsWindow(m_owner)) ::KillTimer(m_owner, kScrollTimer);
  m_timer = false;
  m_mark.Hide();
  ::SetCursor(m_previousCursor ? m_previousCursor : ::LoadCursorA(nullptr, IDC_ARROW));
  if (awaitRelease && ::GetCapture() == m_owner) {
    m_state = State::kReleasing;
    m_releaseMessage = releaseMessage;
  } else {
    Detach();
  }
}

void CDragTracker::Detach() {
  m_state = State::kDone;
  // The owner hears of the lost capture through the hook, which now only passes it on.
  if (::GetCapture() == m_owner) ::ReleaseCapture();
  HookWindow(nullptr);
}

LRESULT CDragTracker::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_state == State::kReleasing) {
    switch (message) {
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP:
        if (message == m_releaseMessage) Detach();
        return 0;
      case WM_MOUSEMOVE: {
        // The release may have happened where no message reported it.
        const WPARAM held = m_releaseMessage == WM_LBUTTONUP   ? MK_LBUTTON
                            : m_releaseMessage == WM_RBUTTONUP ? MK_RBUTTON
                                                               : MK_MBUTTON;
        if (!(wParam & held)) Detach();
        return 0;
      }
      case WM_CONTEXTMENU:
        return 0;
      case WM_CAPTURECHANGED:
      case WM_DESTROY: {
        LRESULT result = Default(message, wParam, lParam);
        Detach();
        return result;
      }
      default:
        return Default(message, wParam, lParam);
    }
  }
  if (m_state != State::kRunning) return Default(message, wParam, lParam);
  switch (message) {
    case WM_MOUSEMOVE: {
      POINT point = PointFromLParam(lParam);
      const int node = NodeAt(point);
      ::ClientToScreen(m_owner, &point);
      Track(node, point);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
      POINT point = PointFromLParam(lParam);
      const UINT release = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ? WM_LBUTTONUP
                           : message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK
                               ? WM_RBUTTONUP
                               : WM_MBUTTONUP;
      m_current = NodeAt(point);
      // The capture stays until the button comes up, so that its release neither clicks
      // nor opens a context menu.
      End(true, release);
      if (!m_cancelled && m_found) NotifyFinished();
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_CONTEXTMENU:
    case WM_SETCURSOR:
      return message == WM_SETCURSOR ? TRUE : 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      Cancel();
      return 0;
    case WM_TIMER:
      if (wParam != kScrollTimer) break;
      {
        POINT cursor{};
        if (::GetCursorPos(&cursor)) AutoScroll(cursor);
      }
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (another program, a system menu): the mode ends as if
      // cancelled, leaving nothing behind.
      if (reinterpret_cast<HWND>(lParam) == m_owner) break;
      [[fallthrough]];
    case WM_CANCELMODE:
    case WM_DESTROY: {
      LRESULT result = Default(message, wParam, lParam);
      Cancel();
      return result;
    }
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

RECT FrameWindowRect(HWND owner) {
  HWND frame = ::GetAncestor(owner, GA_ROOT);
  RECT r{};
  if (frame) ::GetWindowRect(frame, &r);
  return r;
}
