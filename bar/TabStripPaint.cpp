// Painting the tab strip: the tabs in their polygons, their names (rotated in
// a vertical strip), the engraved emblem after the last tab, the splitter.
#include <algorithm>
#include <climits>

#include "bar/BarPaint.h"
#include "bar/TabStrip.h"

namespace {
const UINT kCentredEllipsis = DT_CENTER | DT_END_ELLIPSIS;
const UINT kLineFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
// The selected tab's bold font is wider: its shortened name keeps a margin.
const double kSelectedShare = 0.93;

enum Align { kAlignStart, kAlignCentre, kAlignEnd };

// Narrows the clipping region of dc to a rectangle for one scope.
class ClipTo {
 public:
  ClipTo(HDC dc, const RECT& r) : m_dc(dc), m_saved(::SaveDC(dc)) {
    ::IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  ~ClipTo() {
    if (m_saved) ::RestoreDC(m_dc, m_saved);
  }
  ClipTo(const ClipTo&) = delete;
  ClipTo& operator=(const ClipTo&) = delete;

 private:
  HDC m_dc;
  int m_saved;
};

int TextLength(const std::string& text) {
  return static_cast<int>(std::min<size_t>(text.size(), INT_MAX));
}

int MeasureWidth(HDC dc, const std::string& text) {
  SIZE size{};
  if (!text.empty()) ::GetTextExtentPoint32A(dc, text.data(), TextLength(text), &size);
  return size.cx;
}

// The longest start of text that fits into limit pixels followed by "...".
std::string ShortenWithEllipsis(HDC dc, const std::string& text, int limit) {
  static const char kDots[] = "...";
  int room = limit - MeasureWidth(dc, kDots);
  int fit = 0;
  SIZE size{};
  if (room > 0 &&
      !::GetTextExtentExPointA(dc, text.data(), TextLength(text), room, &fit, nullptr, &size))
    fit = 0;
  size_t keep =
      tablayout::MbPrefixLength(text.data(), text.size(), static_cast<size_t>(std::max(0, fit)));
  return text.substr(0, keep) + kDots;
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
      if (m_emblemWidth < 0) m_emblemWidth = MeasureWidth(dc, m_emblem);
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
  const std::string& name = tab.GetName();
  if (name.empty()) return;
  ::SetTextColor(dc, tablayout::ResolveColor(tab.GetTextColor(), COLOR_BTNTEXT));
  RECT r = tab.GetRect();
  if (m_orientation == tablayout::kHorizontal) {
    RECT box{r.left + 10, r.top + 1, r.right - 10, r.bottom - 2};
    if (!tab.IsTruncated()) {
      // A whole name is placed by hand where DrawText would put it: laying
      // it out through DrawText on every paint costs more than the rest of
      // the tab.
      SIZE& size = tab.PaintedExtent(selected);
      if (size.cx < 0 && !::GetTextExtentPoint32A(dc, name.data(), TextLength(name), &size))
        size = SIZE{-1, -1};
      const int width = box.right - box.left;
      if (size.cx >= 0 && size.cx <= width) {
        ::ExtTextOutA(dc, box.left + (width - size.cx) / 2,
                      box.top + (box.bottom - box.top) / 2 - size.cy / 2, ETO_CLIPPED, &box,
                      name.data(), static_cast<UINT>(TextLength(name)), nullptr);
        return;
      }
      ::DrawTextA(dc, name.data(), TextLength(name), &box, kCentredEllipsis | kLineFormat);
      return;
    }
    // A cut name is clipped to its box, the underline of the selected
    // tab's font included.
    ClipTo clip(dc, box);
    ::DrawTextA(dc, name.data(), TextLength(name), &box, m_overflowFormat | kLineFormat);
    return;
  }
  RECT box{r.left + 1, r.top + 10, r.right - 1, r.bottom - 10};
  ClipTo clip(dc, box);
  int boxLength = box.bottom - box.top;
  if (!tab.IsTruncated()) {
    PaintRotatedText(dc, name, box, MeasureWidth(dc, name), kAlignCentre);
  } else if (m_overflowFormat == DT_RIGHT) {
    PaintRotatedText(dc, name, box, MeasureWidth(dc, name), kAlignEnd);
  } else if (m_overflowFormat == DT_LEFT) {
    PaintRotatedText(dc, name, box, MeasureWidth(dc, name), kAlignStart);
  } else {
    int limit = selected ? static_cast<int>(boxLength * kSelectedShare) : boxLength;
    std::string shortened = name;
    if (MeasureWidth(dc, name) > limit) shortened = ShortenWithEllipsis(dc, name, limit);
    PaintRotatedText(dc, shortened, box, MeasureWidth(dc, shortened), kAlignCentre);
  }
}

// Draws text along a vertical box with the rotated font selected, clipped to
// the box. Upward text (the right-edge strip) starts at the box's bottom,
// downward text (the left-edge strip) at its top.
void CTabStrip::PaintRotatedText(HDC dc, const std::string& text, const RECT& box, int width,
                                 int align) const {
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  const int across = box.right - box.left;
  const int along = box.bottom - box.top;
  const int height = metrics.tmHeight;
  int x, y;
  if (m_orientation == tablayout::kVerticalRight) {
    x = box.left + (across - height) / 2;
    y = align == kAlignStart ? box.bottom
        : align == kAlignEnd ? box.top + width
                             : box.bottom - (along - width) / 2;
  } else {
    x = box.right - (across - height) / 2;
    y = align == kAlignStart ? box.top
        : align == kAlignEnd ? box.bottom - width
                             : box.top + (along - width) / 2;
  }
  UINT oldAlign = ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  ::ExtTextOutA(dc, x, y, ETO_CLIPPED, &box, text.data(), static_cast<UINT>(TextLength(text)),
                nullptr);
  ::SetTextAlign(dc, oldAlign);
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
      PaintRotatedText(dc, m_emblem, box, m_emblemWidth, kAlignStart);
  }
}
