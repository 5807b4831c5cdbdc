#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "core/BtnData.h"
#include "bar/IconMenu.h"

namespace {

ULONG_PTR ItemData(const CIconMenu& menu, UINT position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA | MIIM_FTYPE;
  EXPECT_TRUE(::GetMenuItemInfoA(menu.GetSafeHmenu(), position, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  return info.dwItemData;
}

// Draws one item into a memory bitmap and gives the colours at a few points.
class Canvas {
 public:
  Canvas() : m_dc(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 200;
    info.bmiHeader.biHeight = 60;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_old = ::SelectObject(m_dc, m_bitmap);
    RECT all{0, 0, 200, 60};
    ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  ~Canvas() {
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
  }
  HDC Dc() const { return m_dc; }
  COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }

 private:
  HDC m_dc;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
};

DRAWITEMSTRUCT Draw(HDC dc, ULONG_PTR data, UINT state, UINT action = ODA_DRAWENTIRE) {
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_MENU;
  draw.itemAction = action;
  draw.itemState = state;
  draw.hDC = dc;
  draw.rcItem = {0, 0, 200, 40};
  draw.itemData = data;
  return draw;
}

TEST(IconMenuTest, ItemsAreMeasuredFromIconCellMenuHeightAndText) {
  for (bool large : {false, true}) {
    CIconMenu menu(large);
    ASSERT_TRUE(menu.AppendItem("Editor\tCtrl+E", -1, 1000));
    ASSERT_TRUE(menu.AppendItem("", -1, 0));
    int icon = ::GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
    EXPECT_EQ(menu.GetCellWidth(), icon + 4);

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = ItemData(menu, 0);
    ASSERT_TRUE(menu.MeasureItem(measure));
    RECT text{};
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, menu.GetFont());
    ::DrawTextA(screen, "Editor\tCtrl+E", -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    int height = std::max({icon + 4, ::GetSystemMetrics(SM_CYMENU), int(text.bottom - text.top)});
    EXPECT_EQ(static_cast<int>(measure.itemHeight), height);
    EXPECT_EQ(static_cast<int>(measure.itemWidth),
              icon + 4 + (text.right - text.left) - ::GetSystemMetrics(SM_CXMENUCHECK) + 12);

    MEASUREITEMSTRUCT separator{};
    separator.itemData = ItemData(menu, 1);
    ASSERT_TRUE(menu.MeasureItem(separator));
    EXPECT_EQ(separator.itemWidth, 0u);
    EXPECT_EQ(static_cast<int>(separator.itemHeight), ::GetSystemMetrics(SM_CYMENU) / 2);
  }
}

TEST(IconMenuTest, ItemsOfOtherMenusAreLeftAlone) {
  CIconMenu menu(false);
  DWORD foreign[4] = {0x12345678, 0, 0, 0};
  MEASUREITEMSTRUCT measure{};
  measure.itemWidth = 77;
  measure.itemData = reinterpret_cast<ULONG_PTR>(foreign);
  EXPECT_FALSE(menu.MeasureItem(measure));
  EXPECT_EQ(measure.itemWidth, 77u);
  measure.itemData = 0;
  EXPECT_FALSE(menu.MeasureItem(measure));
  Canvas canvas;
  EXPECT_FALSE(menu.DrawItem(Draw(canvas.Dc(), reinterpret_cast<ULONG_PTR>(foreign), 0)));
  EXPECT_EQ(canvas.At(100, 20), RGB(255, 255, 255));
}

TEST(IconMenuTest, HighlightCheckAndGrayFollowTheItemState) {
  CIconMenu menu(false);
  ASSERT_TRUE(menu.AppendItem("Tool", -1, 1000));
  ULONG_PTR data = ItemData(menu, 0);
  int cellMiddle = menu.GetCellWidth() / 2;
  const struct {
    UINT state;
    UINT action;
    COLORREF text;
    COLORREF cell;
  } cases[] = {
      {ODS_SELECTED, ODA_SELECT, ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_MENU)},
      {0, ODA_SELECT, ::GetSysColor(COLOR_MENU), ::GetSysColor(COLOR_MENU)},
      {ODS_SELECTED | ODS_DISABLED, ODA_SELECT, ::GetSysColor(COLOR_MENU),
       ::GetSysColor(COLOR_MENU)},
      {ODS_CHECKED, ODA_SELECT, ::GetSysColor(COLOR_MENU), ::GetSysColor(COLOR_3DLIGHT)},
      // Drawn whole without a change of selection: the text area is not painted over.
      {0, ODA_DRAWENTIRE, RGB(255, 255, 255), ::GetSysColor(COLOR_MENU)},
  };
  for (const auto& c : cases) {
    Canvas canvas;
    ASSERT_TRUE(menu.DrawItem(Draw(canvas.Dc(), data, c.state, c.action)));
    EXPECT_EQ(canvas.At(190, 2), c.text) << c.state << "/" << c.action;
    EXPECT_EQ(canvas.At(cellMiddle, 20), c.cell) << c.state << "/" << c.action;
  }
}

TEST(IconMenuTest, SeparatorIsAnEtchedLineAcrossTheMiddle) {
  CIconMenu menu(false);
  ASSERT_TRUE(menu.AppendButton(nullptr, 0));
  Canvas canvas;
  ASSERT_TRUE(menu.DrawItem(Draw(canvas.Dc(), ItemData(menu, 0), 0)));
  EXPECT_EQ(canvas.At(100, 20), ::GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(canvas.At(100, 21), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.At(100, 5), RGB(255, 255, 255));
}

TEST(IconMenuTest, AButtonItemIsNamedAfterItsTarget) {
  CIconMenu menu(false);
  CBtnData button("C:\\");
  ASSERT_TRUE(menu.AppendButton(&button, 1000));
  const CIconMenu::Item* item = CIconMenu::ItemOf(ItemData(menu, 0));
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(item->text.empty());
  CBtnData missing("C:\\no such folder\\nothing.kestrelnone");
  ASSERT_TRUE(menu.AppendButton(&missing, 1001));
  EXPECT_FALSE(CIconMenu::ItemOf(ItemData(menu, 1))->text.empty());
}

}  // namespace
