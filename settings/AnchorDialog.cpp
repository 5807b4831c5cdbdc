#include "settings/AnchorDialog.h"

namespace {
AnchorPoint Resolve(AnchorPoint bottomRight, AnchorPoint topLeft) {
  return bottomRight.x < 0 || bottomRight.y < 0 ? topLeft : bottomRight;
}
int Part(int percent, LONG length) { return static_cast<int>(MulDiv(percent, length, 100)); }
SIZE ClientSize(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}
}  // namespace

RECT AnchorMargins(const RECT& c, AnchorPoint tl, AnchorPoint br, SIZE s) {
  br = Resolve(br, tl);
  return RECT{c.left - Part(tl.x, s.cx), c.top - Part(tl.y, s.cy), c.right - Part(br.x, s.cx),
              c.bottom - Part(br.y, s.cy)};
}

RECT AnchoredRect(const RECT& m, AnchorPoint tl, AnchorPoint br, SIZE s) {
  br = Resolve(br, tl);
  return RECT{m.left + Part(tl.x, s.cx), m.top + Part(tl.y, s.cy), m.right + Part(br.x, s.cx),
              m.bottom + Part(br.y, s.cy)};
}

BOOL CAnchorDialog::OnInitDialog() {
  RECT window{};
  GetWindowRect(&window);
  m_minTrack = SIZE{window.right - window.left, window.bottom - window.top};
  return CDialog::OnInitDialog();
}

void CAnchorDialog::AddAnchor(HWND control, AnchorPoint topLeft, AnchorPoint bottomRight) {
  if (!control) return;
  RECT r{};
  ::GetWindowRect(control, &r);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
  char className[16] = "";
  ::GetClassNameA(control, className, sizeof className);
  const LONG_PTR style = ::GetWindowLongPtrA(control, GWL_STYLE);
  Anchor a{control, false, false, topLeft, bottomRight, {}};
  if (lstrcmpiA(className, "Button") == 0) {
    // Group boxes and check boxes drawn over their neighbours flicker less when clipped.
    LONG_PTR type = style & BS_TYPEMASK;
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)
      ::SetWindowLongPtrA(control, GWL_STYLE, style | WS_CLIPSIBLINGS);
  } else if (lstrcmpiA(className, "Static") == 0) {
    LONG_PTR type = style & SS_TYPEMASK;
    a.repaint = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_CENTERIMAGE;
  } else if (lstrcmpiA(className, "ListBox") == 0) {
    a.listBox = true;
  }
  a.margins = AnchorMargins(r, topLeft, bottomRight, ClientSize(m_hWnd));
  m_anchors.push_back(a);
}

void CAnchorDialog::OnSize(UINT type, int cx, int cy) {
  if (type == SIZE_MAXSHOW || type == SIZE_MAXHIDE || m_anchors.empty()) return;
  const SIZE client{cx, cy};
  HDWP batch = ::BeginDeferWindowPos(static_cast<int>(m_anchors.size()));
  for (const Anchor& a : m_anchors) {
    RECT r = AnchoredRect(a.margins, a.topLeft, a.bottomRight, client);
    if (batch)
      batch = ::DeferWindowPos(batch, a.control, nullptr, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (batch) ::EndDeferWindowPos(batch);
  for (const Anchor& a : m_anchors) {
    bool repaint = a.repaint;
    if (a.listBox) {
      // A list narrower than its scroll range redraws its cut items.
      RECT inside{};
      ::GetClientRect(a.control, &inside);
      repaint = ::SendMessageA(a.control, LB_GETHORIZONTALEXTENT, 0, 0) > inside.right;
    }
    if (repaint) ::InvalidateRect(a.control, nullptr, TRUE);
  }
  // The grip moved with the corner.
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

RECT CAnchorDialog::GripRect() const {
  RECT client{};
  GetClientRect(&client);
  return RECT{client.right - ::GetSystemMetrics(SM_CXVSCROLL),
              client.bottom - ::GetSystemMetrics(SM_CYHSCROLL), client.right, client.bottom};
}

void CAnchorDialog::OnPaint(CPaintDC& dc) {
  if (::IsZoomed(m_hWnd)) return;
  RECT grip = GripRect();
  ::DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

LRESULT CAnchorDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      if (m_minTrack.cx > 0) info->ptMinTrackSize = POINT{m_minTrack.cx, m_minTrack.cy};
      if (m_hasMaxTrack) info->ptMaxTrackSize = POINT{m_maxTrack.cx, m_maxTrack.cy};
      return 0;
    }
    case WM_NCHITTEST: {
      POINT p = PointFromLParam(lParam);
      ::ScreenToClient(m_hWnd, &p);
      RECT grip = GripRect();
      if (!::IsZoomed(m_hWnd) && ::PtInRect(&grip, p)) return HTBOTTOMRIGHT;
      break;
    }
    default:
      break;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}
