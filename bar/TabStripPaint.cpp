// Painting the tab strip: the tabs in their polygons, their names (rotated in
// a vertical strip, placed by the shared tab text painting), the engraved
// emblem after the last tab, the splitter.
#include <algorithm>
#include <climits>

#include "bar/BarPaint.h"
#include "bar/TabStrip.h"
#include "bar/TabTextPaint.h"

namespace {
const UINT kLineFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

int TextLength(const std::string& text) {
  return static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
}
}  // namespace

void CTabStrip::OnPaint(CPaintDC& dc) {
  if (HDC painting = dc) Paint(painting);
}

void CTabStrip::Paint(HDC dc) {
  const bool horizontal = m_orientation == tablayout::kHorizontal;
  const int length = Length();
  auto nearOf = [horizontal](const RECT& r) { return horizontal ? r.left : r.top; };
  auto farOf = [horizontal](const RECT& r) { return horizontal ? r.right : r.bottom; };
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  int lastFar = m_placement.tabStart;
  {
    CSelectObject font(dc, m_font.GetSafeHandle());
    for (int i = 0; i < GetTabCount(); ++i) {
      const RECT& r = m_tabs[i]->GetRect();
      // Tabs scrolled wholly out at the start are not drawn.
      if (i != m_selected && farOf(r) > 0) PaintTab(dc, *m_tabs[i], false);
      if (farOf(r) > length) break;
    }
    if (!m_tabs.empty()) lastFar = farOf(m_tabs.back()->GetRect());
    if (!m_emblem.empty()) {
      if (m_emblemWidth < 0) m_emblemWidth = tabtext::MeasureWidth(dc, m_emblem);
      PaintEmblem(dc, lastFar);
    }
  }
  if (CTabItem* selected = GetTab(m_selected)) {
    const RECT& r = selected->GetRect();
    if (farOf(r) > 0 && nearOf(r) < length) {
      CSelectObject font(dc, m_selectedFont.GetSafeHandle());
      PaintTab(dc, *selected, true);
    }
  }
  if (m_scrollShown) {
    RECT splitter = GetSplitterRect();
    ::DrawFrameControl(dc, &splitter, DFC_BUTTON, DFCS_BUTTONPUSH);
  }
  ::SetBkMode(dc, oldMode);
}

void CTabStrip::PaintTab(HDC dc, const CTabItem& tab, bool selected) const {
  HRGN region = tab.GetRegion();
  if (!region) return;
  PaintTabFace(dc, region, tab.GetPolygon(), m_orientation,
               tablayout::ResolveColor(tab.GetColor(), COLOR_BTNFACE));
  PaintTabText(dc, tab, selected);
}

void CTabStrip::PaintTabText(HDC dc, const CTabItem& tab, bool selected) const {
  if (tab.GetName().empty()) return;
  ::SetTextColor(dc, tablayout::ResolveColor(tab.GetTextColor(), COLOR_BTNTEXT));
  tabtext::PaintTabName(dc, tab.GetName(), tab.GetRect(), tab.IsTruncated(), selected,
                        m_orientation, m_overflowFormat, tab.PaintedExtent(selected));
}

void CTabStrip::PaintEmblem(HDC dc, int lastFar) const {
  const int start = lastFar + 8;
  if (static_cast<long long>(m_placement.tabEnd) <
      static_cast<long long>(lastFar) + m_emblemWidth + 16)
    return;
  // Engraved: a grey copy one pixel right and down, the text in highlight on top.
  const struct {
    int offset;
    int color;
  } passes[] = {{1, COLOR_GRAYTEXT}, {0, COLOR_3DHILIGHT}};
  for (const auto& pass : passes) {
    ::SetTextColor(dc, ::GetSysColor(pass.color));
    RECT box = AlongRect(start, m_emblemWidth);
    ::OffsetRect(&box, pass.offset, pass.offset);
    if (m_orientation == tablayout::kHorizontal)
      ::DrawTextA(dc, m_emblem.data(), TextLength(m_emblem), &box, kLineFormat | DT_LEFT);
    else
      tabtext::PaintRotatedText(dc, m_emblem, box, m_emblemWidth, tabtext::kAlignStart,
                                m_orientation);
  }
}
