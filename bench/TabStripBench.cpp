// Painting a tab strip of 100 tabs against bare GDI calls that draw the same
// content: the same polygons in the same colours, the same three-colour
// outlines, the same names at the same places in the same fonts, and the
// engraved emblem. The baseline takes every position from the strip's own
// layout before timing starts, so it costs only the drawing the picture
// needs. Both paint the same memory bitmap in alternating rounds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bar/TabStrip.h"
#include "bar/TabTextPaint.h"
#include "bench/BenchTiming.h"
#include "framework/WinApp.h"

CWinApp theBenchApp("Kestrel");

namespace {
const int kTabs = 100;

COLORREF Resolve(uint32_t value, int fallback) { return tablayout::ResolveColor(value, fallback); }

// The fonts the strip makes for its thickness (the menu font, and bold and underlined for the
// selected tab): made once before the rounds, so not part of either figure.
HFONT StripFont(int thickness, bool selected) {
  LOGFONTA font = tabtext::TabFont(thickness, tablayout::kHorizontal, selected);
  return ::CreateFontIndirectA(&font);
}

struct Text {
  std::string text;
  POINT at;
  COLORREF color;
};

struct Tab {
  POINT points[4];
  COLORREF fill;
  Text name;
};

// Where a single line lands when centred in box (horizontally when centre is
// set, else from the left), rounded as DrawText rounds.
POINT Place(HDC dc, const std::string& text, const RECT& box, bool centre) {
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  LONG x = centre ? box.left + (box.right - box.left - size.cx) / 2 : box.left;
  return {x, box.top + (box.bottom - box.top) / 2 - size.cy / 2};
}

Tab Describe(HDC dc, const CTabItem& item) {
  Tab tab{};
  std::copy(item.GetPolygon().points, item.GetPolygon().points + 4, tab.points);
  tab.fill = Resolve(item.GetColor(), COLOR_BTNFACE);
  const RECT& r = item.GetRect();
  RECT box{r.left + 10, r.top + 1, r.right - 10, r.bottom - 2};
  tab.name = {item.GetName(), Place(dc, item.GetName(), box, true),
              Resolve(item.GetTextColor(), COLOR_BTNTEXT)};
  return tab;
}

void DrawText(HDC dc, const Text& text) {
  ::SetTextColor(dc, text.color);
  ::ExtTextOutA(dc, text.at.x, text.at.y, 0, nullptr, text.text.data(),
                static_cast<UINT>(text.text.size()), nullptr);
}

void DrawTab(HDC dc, const Tab& tab) {
  const POINT* p = tab.points;
  const int bottom = p[1].y - 1;
  ::SelectObject(dc, ::GetStockObject(NULL_PEN));
  ::SetDCBrushColor(dc, tab.fill);
  ::Polygon(dc, p, 4);
  ::SelectObject(dc, ::GetStockObject(DC_PEN));
  ::SetDCPenColor(dc, ::GetSysColor(COLOR_3DHILIGHT));
  ::MoveToEx(dc, p[0].x, p[0].y, nullptr);
  ::LineTo(dc, p[1].x, bottom);
  ::SetDCPenColor(dc, ::GetSysColor(COLOR_3DDKSHADOW));
  ::LineTo(dc, p[2].x, bottom);
  ::LineTo(dc, p[3].x, p[3].y);
  ::SetDCPenColor(dc, ::GetSysColor(COLOR_3DSHADOW));
  ::MoveToEx(dc, p[1].x + 1, bottom - 1, nullptr);
  ::LineTo(dc, p[2].x - 1, bottom - 1);
  ::LineTo(dc, p[3].x - 1, p[3].y);
  DrawText(dc, tab.name);
}
}  // namespace

int main() {
  theBenchApp.m_hInstance = ::GetModuleHandleA(nullptr);
  CWnd::RegisterWndClass("KestrelBenchParent", 0, nullptr,
                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  CWnd parent;
  const int thickness = ::GetSystemMetrics(SM_CYVTHUMB);
  const int length = 12000;  // every tab visible, so every tab is painted
  if (!parent.CreateEx(0, "KestrelBenchParent", "", WS_POPUP, RECT{0, 0, length, thickness},
                       nullptr, 0)) {
    std::printf("cannot create the parent window\n");
    return 1;
  }
  CTabStrip strip;
  if (!strip.Create(parent, RECT{0, 0, length, thickness})) {
    std::printf("cannot create the tab strip\n");
    return 1;
  }
  strip.SetTextOptions(0.4, 0, 6, false);
  for (int i = 0; i < kTabs; ++i)
    strip.AddTab("タブ" + std::to_string(i + 1), i % 3 ? 0x2000000 : 0x00C0FFC0,
                 i % 5 ? 0x2000000 : 0x000000FF, i + 1 == kTabs);
  strip.Select(kTabs / 2);
  const std::string emblem = "Kestrel";
  strip.SetEmblem(emblem);
  if (strip.GetOrientation() != tablayout::kHorizontal || strip.IsPanelScrollBarShown()) {
    std::printf("the baseline draws a horizontal strip without its scroll bar\n");
    return 1;
  }

  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, length, thickness);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
  RECT area{0, 0, length, thickness};
  HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);

  // The baseline's picture, laid out once from the strip's own layout.
  RECT client;
  strip.GetClientRect(&client);
  const int fontThickness = client.bottom;
  HFONT font = StripFont(fontThickness, false);
  HFONT bold = StripFont(fontThickness, true);
  std::vector<Tab> tabs;
  Tab selected{};
  HGDIOBJ oldFont = ::SelectObject(dc, font);
  for (int i = 0; i < strip.GetTabCount(); ++i)
    if (i != strip.GetSelected()) tabs.push_back(Describe(dc, *strip.GetTab(i)));
  SIZE emblemSize{};
  ::GetTextExtentPoint32A(dc, emblem.data(), static_cast<int>(emblem.size()), &emblemSize);
  const int lastFar = strip.GetTab(kTabs - 1)->GetRect().right;
  const bool emblemShown = strip.GetPlacement().tabEnd >= lastFar + emblemSize.cx + 16;
  RECT emblemBox{lastFar + 8, 0, lastFar + 8 + emblemSize.cx, fontThickness};
  POINT emblemAt = Place(dc, emblem, emblemBox, false);
  Text engraved[] = {{emblem, {emblemAt.x + 1, emblemAt.y + 1}, ::GetSysColor(COLOR_GRAYTEXT)},
                     {emblem, emblemAt, ::GetSysColor(COLOR_3DHILIGHT)}};
  ::SelectObject(dc, bold);
  selected = Describe(dc, *strip.GetTab(strip.GetSelected()));
  ::SelectObject(dc, oldFont);

  auto baseline = [&] {
    ::FillRect(dc, &area, face);
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldPen = ::GetCurrentObject(dc, OBJ_PEN);
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(DC_BRUSH));
    HGDIOBJ previousFont = ::SelectObject(dc, font);
    for (const Tab& tab : tabs) DrawTab(dc, tab);
    if (emblemShown)
      for (const Text& pass : engraved) DrawText(dc, pass);
    ::SelectObject(dc, bold);
    DrawTab(dc, selected);
    ::SelectObject(dc, previousFont);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::SetBkMode(dc, oldMode);
  };
  auto measured = [&] {
    ::FillRect(dc, &area, face);
    strip.Paint(dc);
  };
  bench::Pair t = bench::Alternate(measured, baseline);
  char what[96];
  std::snprintf(what, sizeof what, "tab strip paint, %d tabs (%dx%d px)", kTabs, length, thickness);
  bench::Print(what, t.measured, t.baseline, "us");

  ::SelectObject(dc, oldBitmap);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  ::DeleteObject(font);
  ::DeleteObject(bold);
  return 0;
}
