#include "bar/TabItem.h"

void CTabItem::SetRect(const RECT& rect, tablayout::Orientation orientation) {
  if (::EqualRect(&rect, &m_rect) && orientation == m_orientation && m_regionValid) return;
  m_rect = rect;
  m_orientation = orientation;
  m_polygon = tablayout::TabPolygon(rect, orientation);
  m_regionValid = false;
}

HRGN CTabItem::GetRegion() const {
  if (!m_regionValid) {
    // A region the system refuses (coordinates far off the screen) leaves
    // the tab without one: it is then neither hit nor filled.
    m_region.Attach(::CreatePolygonRgn(m_polygon.points, 4, WINDING));
    m_regionValid = true;
  }
  return m_region.GetSafeHandle();
}

bool CTabItem::Contains(POINT point) const {
  if (!::PtInRect(&m_rect, point)) return false;
  HRGN region = GetRegion();
  return region && ::PtInRegion(region, point.x, point.y);
}
