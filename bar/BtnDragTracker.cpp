#include "bar/BtnDragTracker.h"

#include <algorithm>

#include "bar/BtnItem.h"
#include "bar/BtnPanel.h"
#include "bar/CellGeometry.h"
#include "bar/TabLayout.h"
#include "bar/TabStrip.h"
#include "kestrel_res.h"

namespace celltarget {

Target FindTarget(int mode, const std::vector<Cell>& cells, int current, int along, bool inArea,
                  int quarter) {
  const int count = static_cast<int>(cells.size());
  const bool onCell = current >= 0 && current < count && !cells[current].separator;
  if (mode == kSwap) return onCell ? Target{true, kOnto, current} : Target{};
  if (!inArea || count == 0) return Target{};
  if (onCell) {
    const Cell& cell = cells[current];
    const int offset = along - cell.nearEdge;
    const int length = cell.farEdge - cell.nearEdge;
    int kind = kOnto;
    if (offset < quarter)
      kind = kBefore;
    else if (offset >= length - quarter)
      kind = kAfter;
    return Target{true, kind, current};
  }
  // On a separator or on empty space: before the next real cell, or after the last one.
  for (int i = 0; i < count; ++i) {
    if (!cells[i].separator && cells[i].nearEdge >= along) return Target{true, kBefore, i};
  }
  const int last = count - 1;
  return Target{true, cells[last].nearEdge >= along ? kBefore : kAfter, last};
}

int MarkAlong(int kind, int nearEdge, int farEdge, int areaStart, int areaEnd, int halfPitch,
              int quarter) {
  const int centre = nearEdge + (farEdge - nearEdge) / 2;
  switch (kind) {
    case kBefore:
      return std::min(std::max(centre - halfPitch, areaStart), nearEdge + quarter);
    case kAfter:
      return std::max(std::min(centre + halfPitch, areaEnd), farEdge - quarter);
    default:
      return std::min(std::max(centre, areaStart), areaEnd);
  }
}

POINT MarkPoint(int kind, const RECT& cell, const RECT& area, int orientation, int halfPitch,
                int quarter) {
  if (orientation == tablayout::kHorizontal) {
    return POINT{MarkAlong(kind, cell.left, cell.right, area.left, area.right, halfPitch, quarter),
                 cell.top};
  }
  const int along =
      MarkAlong(kind, cell.top, cell.bottom, area.top, area.bottom, halfPitch, quarter);
  return POINT{orientation == tablayout::kVerticalRight ? cell.left : cell.right, along};
}

}  // namespace celltarget

namespace {
RECT ScreenClient(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HCURSOR CursorFor(int mode) {
  return LoadModeCursor(mode == celltarget::kCopy   ? IDC_MODE_COPY
                        : mode == celltarget::kSwap ? IDC_MODE_SWAP
                                                    : IDC_MODE_MOVE);
}
}  // namespace

CBtnDragTracker::CBtnDragTracker(CBtnPanel& panel, int mode, int source, DWORD style, int borderX)
    : CDragTracker(panel.GetSafeHwnd(), source, tablayout::OrientationFromStyle(style),
                   ScreenClient(panel.GetSafeHwnd()), FrameWindowRect(panel.GetSafeHwnd()),
                   CursorFor(mode)),
      m_panel(panel),
      m_mode(mode) {
  // The steps of the mark come from the source cell.
  if (const CBtnItem* item = panel.GetItem(source)) {
    const int length = FarEdge(style, item->m_rect) - NearEdge(style, item->m_rect);
    m_halfPitch = (length + borderX) / 2;
    m_quarter = length / 4;
  }
}

bool CBtnDragTracker::Start() {
  if (!m_panel.GetItem(GetSource())) return false;
  const RECT cell = CellOnScreen(GetSource());
  return CDragTracker::Start(
      POINT{cell.left + (cell.right - cell.left) / 2, cell.top + (cell.bottom - cell.top) / 2});
}

RECT CBtnDragTracker::CellOnScreen(int index) const {
  const CBtnItem* item = m_panel.GetItem(index);
  RECT r = item ? item->m_rect : RECT{};
  ::MapWindowPoints(m_panel.GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int CBtnDragTracker::NodeAt(POINT point) const { return m_panel.HitTest(point); }

bool CBtnDragTracker::FindTarget(POINT cursor, POINT* mark) {
  const bool vertical = GetOrientation() != tablayout::kHorizontal;
  std::vector<celltarget::Cell> cells;
  cells.reserve(static_cast<size_t>(m_panel.GetCount()));
  for (int i = 0; i < m_panel.GetCount(); ++i) {
    const RECT r = CellOnScreen(i);
    cells.push_back(celltarget::Cell{
        vertical ? static_cast<int>(r.top) : static_cast<int>(r.left),
        vertical ? static_cast<int>(r.bottom) : static_cast<int>(r.right), m_panel.IsSeparator(i)});
  }
  const celltarget::Target target =
      celltarget::FindTarget(m_mode, cells, GetCurrent(), vertical ? cursor.y : cursor.x,
                             ::PtInRect(&m_area, cursor) != FALSE, m_quarter);
  m_kind = target.found ? target.kind : 0;
  m_target = target.found ? target.index : -1;
  if (!target.found) return false;
  *mark = celltarget::MarkPoint(target.kind, CellOnScreen(target.index), m_area, GetOrientation(),
                                m_halfPitch, m_quarter);
  return true;
}

bool CBtnDragTracker::AutoScroll(POINT cursor) {
  const int code = dragscroll::CellScrollCode(cursor, m_area, m_frame, GetOrientation());
  if (code == dragscroll::kNone) return false;
  RemoveMark();
  // The view scrolls the panel as if its scroll bar in the tab strip had been used.
  HWND view = ::GetParent(m_panel.GetSafeHwnd());
  HWND strip = ::GetDlgItem(view, CTabStrip::kControlId);
  HWND bar = strip ? ::GetDlgItem(strip, CTabStrip::kPanelScrollBarId) : nullptr;
  ::SendMessageA(view, WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(bar));
  return true;
}

void CBtnDragTracker::NotifyFinished() {
  HWND panel = m_panel.GetSafeHwnd();
  NMBTNMODE record{};
  record.hdr.hwndFrom = panel;
  record.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(panel));
  record.hdr.code = btnpanel::kModeFinished;
  record.targetKind = m_kind;
  record.target = m_target;
  record.mode = m_mode;
  ::SendMessageA(::GetParent(panel), WM_NOTIFY, record.hdr.idFrom,
                 reinterpret_cast<LPARAM>(&record));
}
