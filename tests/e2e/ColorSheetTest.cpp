// The tab's colour sheet of the real settings library, opened from the real
// bar's tab menu and used with real clicks: what "標準の色" and the grids store,
// what OK with the same colours leaves alone, and how the pages describe
// colours, including values no page makes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "AppProcess.h"
#include "BarWindows.h"
#include "Input.h"
#include "Menus.h"
#include "ProgramFolder.h"
#include "TabGeometry.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

class ColorSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ASSERT_TRUE(folder_.AddPlumage());
    ParkPointer();
  }

  // One tab with the given colour values. Its section carries a key the bar does not know:
  // it is gone once the bar has saved its tabs.
  HWND Start(const std::string& color, const std::string& textColor) {
    frame_ = StartBar(folder_,
                      "[Common]\r\nTrans=10\r\n[Order]\r\n1=1\r\n[Tab1]\r\nNo=1\r\nDesc=Main\r\n"
                      "Color=" +
                          color + "\r\nTxtColor=" + textColor +
                          "\r\nBtn1=C:\\windows\\notepad.exe\r\nUnsaved=1\r\n",
                      &bar_);
    return frame_;
  }

  // The tab's menu, "プロパティ(&P)".
  HWND Open() {
    POINT p = TabCentre(TabStripOf(frame_), {"Main"}, 0);
    BringToFront(frame_);
    ClickAtPointer(p.x, p.y, true);
    if (!WaitForMenu(bar_.Id(), 3000)) return nullptr;
    ChooseFromMenu(bar_.Id(), 'P');
    sheet_ = bar_.WaitForWindow("#32770", Cp932(L"背景のプロパティ").c_str(), 10000);
    if (sheet_ && !WaitUntil([this] { return Page() != nullptr; }, 5000)) return nullptr;
    return sheet_;
  }
  HWND Page() const {
    return reinterpret_cast<HWND>(::SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
  }
  std::string Description() const { return TextOf(::GetDlgItem(Page(), 1609)); }
  bool WaitForDescription(const wchar_t* text) const {
    return WaitUntil([&] { return Description() == Cp932(text); }, 5000);
  }
  void ClickControl(int id, int column = 0, int columns = 1, int row = 0, int rows = 1) const {
    RECT r = WindowRectOf(::GetDlgItem(Page(), id));
    const int width = (r.right - r.left) / columns, height = (r.bottom - r.top) / rows;
    ClickAtPointer(r.left + column * width + width / 2, r.top + row * height + height / 2);
  }
  void Select(int page) const { ::SendMessageA(sheet_, PSM_SETCURSEL, page, 0); }
  bool Press(int button) {
    HWND sheet = sheet_;
    return Post(sheet, PSM_PRESSBUTTON, button, 0) &&
           WaitUntil([sheet] { return !::IsWindow(sheet); }, 10000);
  }
  std::string Tab(const char* key) const { return folder_.IniValue("Tab1", key); }

  ProgramFolder folder_;
  AppProcess bar_;
  HWND frame_ = nullptr;
  HWND sheet_ = nullptr;
};

COLORREF ScreenPixel(int x, int y) {
  HDC screen = ::GetDC(nullptr);
  COLORREF pixel = ::GetPixel(screen, x, y);
  ::ReleaseDC(nullptr, screen);
  return pixel;
}

TEST_F(ColorSheetTest, StandardColourOnTheBackgroundPageStoresTheButtonFace) {
  ASSERT_NE(Start("255", "16777224"), nullptr);  // red, system colour 8
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(TextOf(Page()), Cp932(L"背景の色"));
  // The whole bar waits for the sheet, not only the view it was opened for.
  EXPECT_FALSE(::IsWindowEnabled(frame_));
  EXPECT_TRUE(WaitForDescription(L"赤:255 緑:0 青:0")) << Description();
  ClickControl(1648);
  EXPECT_TRUE(WaitForDescription(L"ボタンの表面")) << Description();
  // The panel's free part shows the tab's colour, and after OK its new colour.
  RECT panel = WindowRectOf(ShownPanel(frame_));
  const POINT free{panel.right - 3, (panel.top + panel.bottom) / 2};
  EXPECT_EQ(ScreenPixel(free.x, free.y), RGB(255, 0, 0));
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_TRUE(
      WaitUntil([&] { return ScreenPixel(free.x, free.y) == ::GetSysColor(COLOR_BTNFACE); }, 5000));
  ASSERT_TRUE(bar_.CloseFrame());
  // The system colour itself, never "default"; the tab was saved.
  EXPECT_EQ(Tab("Color"), std::to_string(0x100000F));
  EXPECT_EQ(Tab("TxtColor"), "16777224");
  EXPECT_EQ(Tab("Unsaved"), "");
}

TEST_F(ColorSheetTest, AGridColourIsDescribedAndStoredAndTheUnopenedPageKeepsItsValue) {
  // The default colour opens as the standard one; the text colour is of no known kind.
  ASSERT_NE(Start("33554432", std::to_string(0x5000007)), nullptr);
  ASSERT_NE(Open(), nullptr);
  EXPECT_TRUE(WaitForDescription(L"ボタンの表面")) << Description();
  ClickControl(1002, 0, 10, 0, 5);  // the first fixed colour, 0x8080FF
  EXPECT_TRUE(WaitForDescription(L"赤:255 緑:128 青:128")) << Description();
  ASSERT_TRUE(Press(PSBTN_OK));
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Tab("Color"), std::to_string(0x8080FF));
  EXPECT_EQ(Tab("TxtColor"), std::to_string(0x5000007));
}

TEST_F(ColorSheetTest, OkWithTheSameColoursWritesNothingAndBadValuesShowTheStandardColours) {
  // A system colour index no system has, and an unknown kind.
  const std::string color = std::to_string(0x10003E7), textColor = std::to_string(0x9ABCDEF);
  ASSERT_NE(Start(color, textColor), nullptr);
  const std::string before = folder_.IniSection("Tab1");
  ASSERT_NE(Open(), nullptr);
  EXPECT_TRUE(WaitForDescription(L"ボタンの表面")) << Description();
  Select(1);
  EXPECT_EQ(TextOf(Page()), Cp932(L"文字の色"));
  EXPECT_TRUE(WaitForDescription(L"ボタンのテキスト")) << Description();
  Select(0);
  ASSERT_TRUE(Press(PSBTN_OK));
  // The library is loaded afresh for the next call: its grids are made again.
  ASSERT_NE(Open(), nullptr);
  EXPECT_NE(::GetDlgItem(Page(), 1002), nullptr);
  EXPECT_TRUE(WaitForDescription(L"ボタンの表面")) << Description();
  ASSERT_TRUE(Press(PSBTN_CANCEL));
  ASSERT_TRUE(bar_.CloseFrame());
  // Not even marked as changed: the tab was not saved again.
  EXPECT_EQ(folder_.IniSection("Tab1"), before);
}

}  // namespace
}  // namespace e2e
