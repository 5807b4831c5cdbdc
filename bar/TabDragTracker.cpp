#include "bar/TabDragTracker.h"

#include <algorithm>

#include "bar/TabStrip.h"
#include "kestrel_res.h"

namespace tabtarget {

POINT MarkPoint(const RECT& tab, const RECT& tabArea, int orientation) {
  if (orientation == tablayout::kHorizontal)
    return POINT{std::max(tab.left, tabArea.left), tab.top};
  const LONG along = std::max(tab.top, tabArea.top);
  return POINT{orientation == tablayout::kVerticalRight ? tab.left : tab.right, along};
}

}  // namespace tabtarget

namespace {
// The strip's tab area in screen coordinates: along from the tab area's start to its end,
// across the whole strip.
RECT TabArea(const CTabStrip& strip) {
  HWND window = strip.GetSafeHwnd();
  RECT client{};
  ::GetClientRect(window, &client);
  const tablayout::Placement& p = strip.GetPlacement();
  RECT area = strip.GetOrientation() == tablayout::kHorizontal
                  ? RECT{p.tabStart, 0, p.tabEnd, client.bottom}
                  : RECT{0, p.tabStart, client.right, p.tabEnd};
  ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return area;
}
}  // namespace

CTabDragTracker::CTabDragTracker(CTabStrip& strip, int mode, int source)
    : CDragTracker(strip.GetSafeHwnd(), source, strip.GetOrientation(), TabArea(strip),
                   FrameWindowRect(strip.GetSafeHwnd()),
                   LoadModeCursor(mode == tabtarget::kCopy ? IDC_MODE_COPY : IDC_MODE_MOVE)),
      m_strip(strip),
      m_mode(mode) {}

bool CTabDragTracker::Start() {
  if (!m_strip.GetTab(GetSource())) return false;
  const RECT tab = TabOnScreen(GetSource());
  return CDragTracker::Start(
      POINT{tab.left + (tab.right - tab.left) / 2, tab.top + (tab.bottom - tab.top) / 2});
}

RECT CTabDragTracker::TabOnScreen(int index) const {
  const CTabItem* tab = m_strip.GetTab(index);
  RECT r = tab ? tab->GetRect() : RECT{};
  ::MapWindowPoints(m_strip.GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int CTabDragTracker::NodeAt(POINT point) const { return m_strip.HitTest(point); }

bool CTabDragTracker::FindTarget(POINT cursor, POINT* mark) {
  // Tabs scrolled under the arrows or past the tab area's end are not there to point at.
  m_target = -1;
  if (!m_strip.GetTab(GetCurrent()) || !::PtInRect(&m_area, cursor)) return false;
  m_target = GetCurrent();
  *mark = tabtarget::MarkPoint(TabOnScreen(m_target), m_area, GetOrientation());
  return true;
}

bool CTabDragTracker::AutoScroll(POINT cursor) {
  const int code = dragscroll::TabScrollCode(cursor, m_area, GetOrientation());
  if (code == dragscroll::kNone) return false;
  RemoveMark();
  // As if the strip's own arrows had been pressed.
  HWND strip = m_strip.GetSafeHwnd();
  ::SendMessageA(strip, GetOrientation() == tablayout::kHorizontal ? WM_HSCROLL : WM_VSCROLL,
                 MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(m_strip.GetArrows()));
  return true;
}

void CTabDragTracker::NotifyFinished() {
  HWND strip = m_strip.GetSafeHwnd();
  NMTABMODE record{};
  record.hdr.hwndFrom = strip;
  record.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(strip));
  record.hdr.code = tabstrip::kTabMoved;
  record.source = GetSource();
  record.target = m_target;
  record.mode = m_mode;
  ::SendMessageA(::GetParent(strip), WM_NOTIFY, record.hdr.idFrom,
                 reinterpret_cast<LPARAM>(&record));
}
