#include "bar/TabTextPaint.h"

#include <algorithm>
#include <climits>

namespace tabtext {
namespace {
const UINT kCentredEllipsis = DT_CENTER | DT_END_ELLIPSIS;
const UINT kLineFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
// The selected tab's bold font is wider: its shortened name keeps a margin.
const double kSelectedShare = 0.93;
const int kMaxFontHeight = 0x7FFF;

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

int MeasureWidth(HDC dc, const std::string& text) {
  SIZE size{};
  if (!text.empty()) ::GetTextExtentPoint32A(dc, text.data(), TextLength(text), &size);
  return size.cx;
}

LOGFONTA TabFont(int thickness, tablayout::Orientation orientation, bool selected) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  LOGFONTA font{};
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    font = metrics.lfMenuFont;
  else
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  // A strip thinner than the font's margin still gets a one-pixel font.
  font.lfHeight = -std::max(1, std::min(thickness - 4, kMaxFontHeight));
  font.lfWidth = 0;
  int angle = orientation == tablayout::kVerticalRight  ? 900
              : orientation == tablayout::kVerticalLeft ? 2700
                                                        : 0;
  font.lfEscapement = angle;
  font.lfOrientation = angle;
  if (selected) {
    font.lfWeight = FW_BOLD;
    font.lfUnderline = TRUE;
  }
  return font;
}

void PaintTabName(HDC dc, const std::string& name, const RECT& r, bool truncated, bool selected,
                  tablayout::Orientation orientation, UINT overflowFormat, SIZE& extent) {
  if (name.empty()) return;
  if (orientation == tablayout::kHorizontal) {
    RECT box{r.left + 10, r.top + 1, r.right - 10, r.bottom - 2};
    if (!truncated) {
      // A whole name is placed by hand where DrawText would put it: laying
      // it out through DrawText on every paint costs more than the rest of
      // the tab.
      if (extent.cx < 0 && !::GetTextExtentPoint32A(dc, name.data(), TextLength(name), &extent))
        extent = SIZE{-1, -1};
      const int width = box.right - box.left;
      if (extent.cx >= 0 && extent.cx <= width) {
        ::ExtTextOutA(dc, box.left + (width - extent.cx) / 2,
                      box.top + (box.bottom - box.top) / 2 - extent.cy / 2, ETO_CLIPPED, &box,
                      name.data(), static_cast<UINT>(TextLength(name)), nullptr);
        return;
      }
      ::DrawTextA(dc, name.data(), TextLength(name), &box, kCentredEllipsis | kLineFormat);
      return;
    }
    // A cut name is clipped to its box, the underline of the selected
    // tab's font included.
    ClipTo clip(dc, box);
    ::DrawTextA(dc, name.data(), TextLength(name), &box, overflowFormat | kLineFormat);
    return;
  }
  RECT box{r.left + 1, r.top + 10, r.right - 1, r.bottom - 10};
  ClipTo clip(dc, box);
  int boxLength = box.bottom - box.top;
  if (!truncated) {
    PaintRotatedText(dc, name, box, MeasureWidth(dc, name), kAlignCentre, orientation);
  } else if (overflowFormat == DT_RIGHT) {
    PaintRotatedText(dc, name, box, MeasureWidth(dc, name), kAlignEnd, orientation);
  } else if (overflowFormat == DT_LEFT) {
    PaintRotatedText(dc, name, box, MeasureWidth(dc, name), kAlignStart, orientation);
  } else {
    int limit = selected ? static_cast<int>(boxLength * kSelectedShare) : boxLength;
    std::string shortened = name;
    if (MeasureWidth(dc, name) > limit) shortened = ShortenWithEllipsis(dc, name, limit);
    PaintRotatedText(dc, shortened, box, MeasureWidth(dc, shortened), kAlignCentre, orientation);
  }
}

// Upward text (the right-edge strip) starts at the box's bottom, downward
// text (the left-edge strip) at its top.
void PaintRotatedText(HDC dc, const std::string& text, const RECT& box, int width, Align align,
                      tablayout::Orientation orientation) {
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  const int across = box.right - box.left;
  const int along = box.bottom - box.top;
  const int height = metrics.tmHeight;
  int x, y;
  if (orientation == tablayout::kVerticalRight) {
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

}  // namespace tabtext
