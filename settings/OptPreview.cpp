#include "settings/OptPreview.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bar/BarPaint.h"
#include "bar/BtnItem.h"
#include "bar/CellGeometry.h"
#include "bar/TabLayout.h"
#include "bar/TabTextPaint.h"
#include "core/StyleWord.h"
#include "framework/GdiObject.h"

namespace {
const char kSampleFace[] = "ＭＳ Ｐゴシック";

// The shell's image list and an item's index for a kind of file, asked
// without touching any file.
int SampleImage(const char* file, DWORD attributes, bool large, HIMAGELIST* list) {
  SHFILEINFOA info{};
  *list = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
      file, attributes, &info, sizeof info,
      SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)));
  return *list ? info.iIcon : -1;
}

HFONT MakeFont(int height, int weight) {
  LOGFONTA font{};
  font.lfHeight = -height;
  font.lfWeight = weight;
  font.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpynA(font.lfFaceName, kSampleFace, LF_FACESIZE);
  return ::CreateFontIndirectA(&font);
}
}  // namespace

DWORD PreviewStyle(DWORD style, const OptValues& values) {
  // The sample lies horizontally whatever the bar does.
  return ApplyButtonBits(ApplyFrameBits(style, values), values) & ~style::kVertical;
}

void DrawBarPreview(HDC dc, const RECT& area, DWORD style, const OptValues& v) {
  ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_3DFACE));
  RECT frame = area;
  ::InflateRect(&frame, -4, -4);
  PaintViewFrame(dc, frame, style, 0, v.frmBorderX, v.frmBorderY);

  CFont font(MakeFont(v.fontSize, 300));
  const bool large = (style & style::kLargeIcons) != 0;
  ButtonCell cell =
      CellGeometry(style, v.showText ? v.fontSize : 0, font.GetSafeHandle(), v.btnTxtWidth);
  const struct {
    const char* file;
    DWORD attributes;
    const char* name;
  } samples[] = {{"sample.txt", FILE_ATTRIBUTE_NORMAL, "メモ帳"},
                 {"sample", FILE_ATTRIBUTE_DIRECTORY, "ドキュメント フォルダー"},
                 {"sample.exe", FILE_ATTRIBUTE_NORMAL, "電卓"}};
  CellPaintContext context;
  context.style = style;
  // The same-as-background choice shows on a blue tab with white text.
  context.tabColor = v.buttonColor == 1 ? RGB(0, 0, 255) : ::GetSysColor(COLOR_3DFACE);
  context.tabTextColor = v.buttonColor == 1 ? RGB(255, 255, 255) : ::GetSysColor(COLOR_BTNTEXT);
  context.font = font.GetSafeHandle();
  context.overflowFormat = OverflowFormat(v.btnOverflow);

  const int inset = (style & (style::kFlatFrame | style::kThinFrame)) ? 2 : 2 + v.frmBorderX;
  int x = frame.left + inset + v.borderX;
  const int y = frame.top + inset + v.borderY;
  CSelectObject selectFont(dc, font.GetSafeHandle());
  HRGN clip = ::CreateRectRgnIndirect(&frame);
  ::SelectClipRgn(dc, clip);
  for (const auto& sample : samples) {
    CBtnData data(sample.file);
    CBtnItem item(&data);
    ButtonShellInfo info;
    HIMAGELIST images = nullptr;
    info.imageIndex = SampleImage(sample.file, sample.attributes, large, &images);
    info.text = sample.name;
    item.ApplyShellInfo(info);
    context.images = images;
    item.Measure(dc, cell);
    RECT r{x, y, x + cell.size.cx, y + cell.size.cy};
    PaintCell(dc, item, r, false, false, context);
    x += cell.size.cx + v.borderX;
  }
  ::SelectClipRgn(dc, nullptr);
  ::DeleteObject(clip);
}

void DrawTabPreview(HDC dc, const RECT& area, const OptValues& v) {
  ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_3DFACE));
  const std::string names[] = {"メイン", "ツール", "とても長い名前のタブ"};
  // Thick as the bar's tabs, in the bar's fonts, laid out with the selected
  // (first) tab's font as the bar lays its tabs out.
  const int thickness = std::max(0, ::GetSystemMetrics(SM_CYHSCROLL) + v.tabHightAdj);
  LOGFONTA plain = tabtext::TabFont(thickness, tablayout::kHorizontal, false);
  LOGFONTA bold = tabtext::TabFont(thickness, tablayout::kHorizontal, true);
  CFont font(::CreateFontIndirectA(&plain));
  CFont selectedFont(::CreateFontIndirectA(&bold));
  CSelectObject selectFont(dc, selectedFont.GetSafeHandle());
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  std::vector<int> widths;
  for (const std::string& name : names) widths.push_back(tabtext::MeasureWidth(dc, name));
  const int fixed = v.tabWidthMode == 1 ? v.tabTxtWidth * metrics.tmAveCharWidth : -1;
  const int top = area.top + (area.bottom - area.top - thickness) / 2;
  std::vector<tablayout::Span> spans = tablayout::LayoutSpans(widths, area.left + 6, 0, fixed);
  const UINT overflow = static_cast<UINT>(OverflowFormat(v.tabOverflow));
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  // The others first, the selected tab last, on top of its neighbours.
  for (size_t n = 1; n <= spans.size(); ++n) {
    const size_t i = n % spans.size();
    const bool selected = i == 0;
    RECT r{spans[i].start, top, spans[i].start + spans[i].length, top + thickness};
    tablayout::Quad quad = tablayout::TabPolygon(r, tablayout::kHorizontal);
    CRgn region(::CreatePolygonRgn(quad.points, 4, WINDING));
    if (!region) continue;
    PaintTabFace(dc, region.GetSafeHandle(), quad, tablayout::kHorizontal,
                 ::GetSysColor(COLOR_BTNFACE));
    ::SelectObject(dc, selected ? selectedFont.GetSafeHandle() : font.GetSafeHandle());
    SIZE extent{-1, -1};
    tabtext::PaintTabName(dc, names[i], r, spans[i].truncated, selected, tablayout::kHorizontal,
                          overflow, extent);
  }
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
}
