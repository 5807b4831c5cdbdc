#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "bar/BarPaint.h"
#include "bar/BtnItem.h"
#include "bar/CellGeometry.h"

namespace {
const DWORD kSmallNoText = 0x82DC & ~0x80u & ~0x200u;
const SIZE kSmallIcon{16, 16};
const SIZE kLargeIcon{32, 32};
const SIZE kNoText{0, 0};

bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
}  // namespace

TEST(CellGeometry, IconOnlyCellsAreTheIconPlusPadding) {
  struct Case {
    DWORD style;
    SIZE icon;
    SIZE cell;
    RECT icon_rect;
    SIZE separator;
  } cases[] = {
      // Small icons: 20 x 20, separator 20 / 5 = 4.
      {kSmallNoText, kSmallIcon, {20, 20}, {2, 2, 18, 18}, {4, 20}},
      // Large icons: 38 x 38, separator 7 clamped to 6.
      {kSmallNoText | 0x200, kLargeIcon, {38, 38}, {3, 3, 35, 35}, {6, 38}},
      // Vertical bars shorten the separator along y.
      {kSmallNoText | 0x10000, kSmallIcon, {20, 20}, {2, 2, 18, 18}, {20, 4}},
      {kSmallNoText | 0x20000 | 0x200, kLargeIcon, {38, 38}, {3, 3, 35, 35}, {38, 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    ButtonCell cell = CellGeometryFor(c.style, c.icon, kNoText, 8);
    EXPECT_FALSE(cell.showText);
    EXPECT_EQ(c.cell.cx, cell.size.cx);
    EXPECT_EQ(c.cell.cy, cell.size.cy);
    EXPECT_TRUE(c.icon_rect == cell.icon);
    SIZE separator = SeparatorGeometry(c.style, cell);
    EXPECT_EQ(c.separator.cx, separator.cx);
    EXPECT_EQ(c.separator.cy, separator.cy);
  }
}

TEST(CellGeometry, SeparatorLengthStaysWithinThreeAndSixPixels) {
  ButtonCell cell;
  for (auto [length, expected] :
       std::vector<std::pair<int, int>>{{5, 3}, {14, 3}, {20, 4}, {29, 5}, {38, 6}, {300, 6}}) {
    cell.size = {length, 20};
    EXPECT_EQ(expected, SeparatorGeometry(0, cell).cx) << length;
  }
}

TEST(CellGeometry, SystemMetricsGiveTheIconSize) {
  ButtonCell small = CellGeometry(kSmallNoText, 10, nullptr, 8);
  EXPECT_EQ(4 + GetSystemMetrics(SM_CXSMICON), small.size.cx);
  ButtonCell large = CellGeometry(kSmallNoText | 0x200, 10, nullptr, 8);
  EXPECT_EQ(6 + GetSystemMetrics(SM_CYICON), large.size.cy);
}

TEST(CellGeometry, TextUnderIconIsEightLettersWideAndCentresTheIcon) {
  const SIZE w{7, 12};
  ButtonCell cell = CellGeometryFor(0x80, kSmallIcon, w, 8);
  ASSERT_TRUE(cell.showText);
  EXPECT_EQ(4 + 56, cell.size.cx);
  EXPECT_EQ(12 + 16 + 8, cell.size.cy);
  EXPECT_TRUE((RECT{22, 2, 38, 18}) == cell.icon);
  EXPECT_TRUE((RECT{2, 20, 58, 32}) == cell.text);

  // A narrow text area never makes the cell narrower than the icon.
  ButtonCell narrow = CellGeometryFor(0x80, kSmallIcon, w, 1);
  EXPECT_EQ(20, narrow.size.cx);
  // Large icons pad one pixel more on every side.
  ButtonCell large = CellGeometryFor(0x80 | 0x200, kLargeIcon, w, 8);
  EXPECT_EQ(6 + 56, large.size.cx);
  EXPECT_EQ(12 + 32 + 10, large.size.cy);
  EXPECT_EQ(3, large.icon.top);
}

TEST(CellGeometry, TextOverIconEndsAtTheIconsBottom) {
  ButtonCell cell = CellGeometryFor(0x80 | 0x20, kSmallIcon, SIZE{7, 12}, 8);
  EXPECT_EQ(60, cell.size.cx);
  EXPECT_EQ(20, cell.size.cy);
  EXPECT_TRUE((RECT{2, 6, 58, 18}) == cell.text);
  EXPECT_EQ(cell.icon.bottom, cell.text.bottom);
}

TEST(CellGeometry, TextIsHiddenWithoutTheBitOrWithFontHeightZero) {
  EXPECT_FALSE(CellGeometry(0x80, 0, nullptr, 8).showText);
  EXPECT_FALSE(CellGeometry(0, 10, nullptr, 8).showText);
  EXPECT_TRUE(CellGeometry(0x80, 10, nullptr, 8).showText);
}

TEST(CellGeometry, AbsurdTextWidthsStayWithinScreenCoordinates) {
  for (int width : {-5, 0, 100000, 0x7FFFFFFF}) {
    ButtonCell cell = CellGeometryFor(0x80, kSmallIcon, SIZE{7, 12}, width);
    EXPECT_GE(cell.size.cx, 20) << width;
    EXPECT_LE(cell.size.cx, 0x7FFF + 4) << width;
  }
}

TEST(BarPaint, ColourValuesResolveByKind) {
  EXPECT_EQ(0x123456u, ResolveColor(0x123456, 7));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), ResolveColor(0x1000000 | COLOR_HIGHLIGHT, 7));
  EXPECT_EQ(7u, ResolveColor(0x2000000, 7));
  EXPECT_EQ(7u, ResolveColor(0xFFFFFFFF, 7));
}

namespace {
// A 16 x 16 icon with a different colour in every pixel, fully opaque, so
// that a shifted copy is found exactly.
HICON PatternIcon() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 16;
  info.bmiHeader.biHeight = -16;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP color = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int i = 0; i < 256; ++i) pixels[i] = 0xFF000000u | static_cast<DWORD>(i * 997 + 13);
  std::vector<BYTE> zeros(16 * 16 / 8, 0);
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, zeros.data());
  ICONINFO ii{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&ii);
  DeleteObject(color);
  DeleteObject(mask);
  return icon;
}

// Paints the cell into a 32-bit bitmap and returns its pixels.
std::vector<DWORD> Render(const CBtnItem& item, SIZE size, bool pressed,
                          const CellPaintContext& c) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT r{0, 0, size.cx, size.cy};
  PaintCell(dc, item, r, pressed, false, c);
  GdiFlush();
  auto* p = static_cast<DWORD*>(bits);
  std::vector<DWORD> pixels(p, p + size.cx * size.cy);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// Whether the pressed picture inside area equals the released one moved by (dx, dy).
bool Shifted(const std::vector<DWORD>& released, const std::vector<DWORD>& pressed, int width,
             const RECT& area, int dx, int dy) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if ((released[y * width + x] & 0xFFFFFF) != (pressed[(y + dy) * width + x + dx] & 0xFFFFFF))
        return false;
  return true;
}
}  // namespace

TEST(BarPaint, PressedButtonsMoveTheirIconDiagonallyAndTheirTextRight) {
  HICON icon = PatternIcon();
  ASSERT_NE(nullptr, icon);
  CBtnData data("C:\\x.exe");
  CBtnItem item(&data);
  item.m_icon = icon;
  item.m_text = "WW";
  const SIZE w{7, 12};
  struct Case {
    DWORD edge;
    int offset;
  } cases[] = {{0, 2}, {0x1000, 1}, {0x800, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edge);
    const DWORD style = 0x80 | c.edge;
    ButtonCell cell = CellGeometryFor(style, kSmallIcon, w, 8);
    HDC screen = GetDC(nullptr);
    item.Measure(screen, cell);
    ReleaseDC(nullptr, screen);
    EXPECT_FALSE(item.m_overflow);
    CellPaintContext context;
    context.style = style;
    context.tabColor = RGB(200, 200, 200);
    context.font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(c.offset, PressOffset(style));
    auto released = Render(item, cell.size, false, context);
    auto pressed = Render(item, cell.size, true, context);
    EXPECT_TRUE(Shifted(released, pressed, cell.size.cx, cell.icon, c.offset, c.offset));
    RECT text = cell.text;
    text.right -= 2 + c.offset;  // the far edge lines lie under the moved text's end
    EXPECT_TRUE(Shifted(released, pressed, cell.size.cx, text, c.offset, 0));
    EXPECT_FALSE(Shifted(released, pressed, cell.size.cx, cell.icon, 0, 0));
  }
  DestroyIcon(icon);
}

TEST(BarPaint, ViewFrameSurvivesBordersLargerThanTheView) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 50, 50);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT client{0, 0, 50, 50};
  for (DWORD style : {0u, 0x2000u, 0x4000u, 0x10000u, 0x20000u}) {
    PaintViewFrame(dc, client, style, 20, 1000, 1000);
    PaintViewFrame(dc, client, style, 20, -1000, 5);
    PaintViewFrame(dc, client, style, 500, 5, 5);
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
