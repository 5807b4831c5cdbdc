// The colour grid on its own: the cells a click hits (inside their frames
// only), what it tells its parent, and the fixed colours' tips.
#include <windows.h>
#include <gtest/gtest.h>

#include "settings/ColorGrid.h"
#include "settings/ColorSheetValues.h"

namespace {
int g_clicked = -1;

LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* notify = reinterpret_cast<const ColorGridNotify*>(lParam);
    if (notify->header.code == kColorGridClicked && notify->header.idFrom == 1002)
      g_clicked = notify->cell;
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

TEST(ColorGrid, ClicksInsideACellsFrameReachTheParentWithItsIndex) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &ParentProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "ColorGridTestParent";
  ::RegisterClassA(&wc);
  HWND parent = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 300, 200, nullptr,
                                  nullptr, wc.hInstance, nullptr);
  ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 10, 10, 200, 100, parent,
                    reinterpret_cast<HMENU>(1002), wc.hInstance, nullptr);
  CColorGrid grid;
  ASSERT_TRUE(
      grid.Replace(parent, 1002, kGeneralGridRows, kGeneralGridColumns, kGeneralGridColors));
  EXPECT_EQ(::GetDlgItem(parent, 1002), grid.GetSafeHwnd());
  // 200 x 100 in 10 x 5 cells of 20 x 20; the outer 2 pixels of each cell are frame.
  const struct {
    int x, y, cell;
  } clicks[] = {{10, 10, 0},  {2, 2, 0},    {1, 10, -1},   {17, 10, 0},
                {18, 10, -1}, {22, 30, 11}, {197, 97, 49}, {205, 50, -1}};
  for (const auto& c : clicks) {
    g_clicked = -1;
    ::SendMessageA(grid.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
    ::SendMessageA(grid.GetSafeHwnd(), WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
    EXPECT_EQ(g_clicked, c.cell) << c.x << "," << c.y;
  }
  EXPECT_EQ(grid.GetCellTip(0), "R:255 G:128 B:128");  // 0x8080FF
  EXPECT_EQ(grid.GetCellTip(49), "R:255 G:255 B:255");
  EXPECT_EQ(grid.GetCellTip(50), "");
  ::DestroyWindow(parent);
}
