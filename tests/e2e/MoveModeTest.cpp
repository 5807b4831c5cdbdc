// The copy, move and swap modes with real clicks: started from the cell and tab menus, aimed
// with the pointer, ended by a click or a key. Every scenario ends with the settings file the
// bar wrote at exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BarWindows.h"
#include "Input.h"
#include "Menus.h"
#include "ProgramFolder.h"
#include "TabGeometry.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

// Small icons without text: every cell is 20 x 20, BorderX 5 apart, separators 4 long, so cell
// k starts 5 + 25 k into the panel while no separator comes before it.
const char kSmallCells[] = "Style=32860\r\n";
const int kCell = 20, kPitch = 25, kBorder = 5;

COLORREF ScreenPixel(POINT p) {
  HDC screen = ::GetDC(nullptr);
  COLORREF colour = ::GetPixel(screen, p.x, p.y);
  ::ReleaseDC(nullptr, screen);
  return colour;
}

class MoveModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);  // away from the bar
  }
  void TearDown() override {
    if (OpenMenuOf(bar_.Id())) Choose(VK_ESCAPE);
  }

  // A bar 600 long at (100, 100).
  HWND StartBar(const std::string& tabs, const std::string& common = kSmallCells,
                const std::string& place = "100:100:700:160") {
    HWND frame = e2e::StartBar(
        folder_, "[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:" + place + "\r\n" + common + tabs,
        &bar_);
    EXPECT_TRUE(bar_.Started());
    if (frame) BringToFront(frame);
    return frame;
  }
  HWND Panel(HWND frame) const { return ShownPanel(frame); }
  HWND Strip(HWND frame) const { return TabStripOf(frame); }
  // A point of the panel's client area in screen coordinates.
  POINT InPanel(HWND frame, int x, int y = kBorder + kCell / 2) const {
    POINT p{x, y};
    ::ClientToScreen(Panel(frame), &p);
    return p;
  }
  // Along cell k (no separator before it): its left quarter, middle and right quarter.
  static int Left(int k) { return kBorder + kPitch * k + 1; }
  static int Middle(int k) { return kBorder + kPitch * k + kCell / 2; }
  static int Right(int k) { return kBorder + kPitch * k + kCell - 2; }

  bool WaitForMenu() const { return e2e::WaitForMenu(bar_.Id(), 3000) != nullptr; }
  void Choose(WORD key) { ChooseFromMenu(bar_.Id(), key); }
  // Opens the menu of the panel's cell at x (client) with a real right click and chooses key.
  void StartCellMode(HWND frame, int x, WORD key) {
    POINT p = InPanel(frame, x);
    BringToFront(frame);
    ClickAtPointer(p.x, p.y, true);
    // The shared display sometimes loses the very first click after the bar came up.
    if (!WaitForMenu()) ClickAtPointer(p.x, p.y, true);
    ASSERT_TRUE(WaitForMenu());
    Choose(key);
    ASSERT_EQ(OpenMenuOf(bar_.Id()), nullptr);
    // The mode holds the mouse while it runs.
    WaitUntil([&] { return CaptureOf(frame) != nullptr; }, 3000);
    // The mode puts the cursor on the source cell itself; Wine's display pointer need not
    // follow it, so the test always moves the pointer before it clicks.
  }
  // Ends the running mode with a click on the panel at x (client).
  void ClickPanel(HWND frame, int x) {
    POINT p = InPanel(frame, x);
    ClickAtPointer(p.x, p.y);
    EXPECT_TRUE(WaitUntil([&] { return CaptureOf(frame) == nullptr; }, 3000)) << "the mode runs on";
  }
  HWND Mark() const {
    std::vector<HWND> marks = FindTopLevelWindows(bar_.Id(), "KestrelDropMark", nullptr);
    return marks.empty() ? nullptr : marks.front();
  }
  bool MarkShown() const {
    HWND mark = Mark();
    return mark && ::IsWindowVisible(mark);
  }
  std::string Btn(int tab, int k) const {
    return folder_.IniValue("Tab" + std::to_string(tab), "Btn" + std::to_string(k), "?");
  }
  std::vector<std::string> Cells(int tab) const {
    std::vector<std::string> cells;
    int count = std::stoi(folder_.IniValue("Tab" + std::to_string(tab), "No", "0"));
    for (int k = 1; k <= count; ++k) cells.push_back(Btn(tab, k));
    return cells;
  }
  std::string Section(const std::string& name) const { return folder_.IniSection(name); }

  ProgramFolder folder_;
  AppProcess bar_;
};

using V = std::vector<std::string>;

const char kThree[] =
    "[Order]\r\n1=1\r\n[Tab1]\r\nNo=3\r\nDesc=Work\r\nBtn1=C:\\a.exe\r\nBtn2=C:\\b.exe\r\n"
    "Btn3=C:\\c.exe\r\n";

TEST_F(MoveModeTest, MovingOntoTheNextCellsLeftQuarterKeepsTheOrderAndItsRightQuarterMovesIt) {
  HWND frame = StartBar(kThree);
  ASSERT_NE(frame, nullptr);
  StartCellMode(frame, Middle(0), 'M');
  // The mark shows while the mode runs.
  EXPECT_TRUE(WaitUntil([&] { return MarkShown(); }, 2000));
  ClickPanel(frame, Left(1));
  EXPECT_FALSE(MarkShown());
  StartCellMode(frame, Middle(0), 'M');
  ClickPanel(frame, Right(1));
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Cells(1), (V{"C:\\b.exe", "C:\\a.exe", "C:\\c.exe"}));
}

TEST_F(MoveModeTest, AVerticalBarMovesCellsAlongItsColumn) {
  // Strip on the right: the cells stand one under the other, 5 + 25 k from the panel's top.
  HWND frame = StartBar(kThree, "Style=98396\r\n", "100:100:160:600");
  ASSERT_NE(frame, nullptr);
  auto at = [&](int along) { return InPanel(frame, kBorder + kCell / 2, along); };
  POINT source = at(Middle(0));
  BringToFront(frame);
  ClickAtPointer(source.x, source.y, true);
  if (!WaitForMenu()) ClickAtPointer(source.x, source.y, true);
  ASSERT_TRUE(WaitForMenu());
  Choose('M');
  POINT target = at(Right(1));  // the lower quarter of the second cell
  MovePointerTo(target.x, target.y);
  ASSERT_TRUE(WaitUntil([&] { return MarkShown(); }, 2000));
  // Beside the cells' left edge, in the middle of the gap after the second cell.
  RECT shown = WindowRectOf(Mark());
  POINT gap = InPanel(frame, kBorder, kBorder + kPitch + kCell / 2 + 12);
  EXPECT_EQ(shown.right, gap.x - 5 + 4 + 1);
  EXPECT_EQ(shown.top, gap.y - 3);
  ClickAt(target.x, target.y);
  EXPECT_TRUE(WaitUntil([&] { return CaptureOf(frame) == nullptr; }, 3000));
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Cells(1), (V{"C:\\b.exe", "C:\\a.exe", "C:\\c.exe"}));
}

TEST_F(MoveModeTest, CopyOntoAButtonInsertsBeforeItAndABlankSourceBlanksTheTarget) {
  HWND frame = StartBar(
      "[Order]\r\n1=1\r\n[Tab1]\r\nNo=4\r\nDesc=Work\r\nBtn1=C:\\a.exe\r\nBtn2=*\r\n"
      "Btn3=C:\\c.exe\r\nBtn4=C:\\d.exe\r\n");
  ASSERT_NE(frame, nullptr);
  StartCellMode(frame, Middle(0), 'Y');
  ClickPanel(frame, Middle(2));  // a * a c d
  StartCellMode(frame, Middle(1), 'Y');
  ClickPanel(frame, Middle(4));  // a * a c *
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Cells(1), (V{"C:\\a.exe", "*", "C:\\a.exe", "C:\\c.exe", "*"}));
}

TEST_F(MoveModeTest, SwapOverASeparatorDoesNothingAndOntoAButtonExchangesThem) {
  HWND frame = StartBar(
      "[Order]\r\n1=1\r\n[Tab1]\r\nNo=3\r\nDesc=Work\r\nBtn1=C:\\a.exe\r\nBtn2=/\r\n"
      "Btn3=C:\\c.exe\r\n");
  ASSERT_NE(frame, nullptr);
  StartCellMode(frame, Middle(0), 'S');
  POINT separator = InPanel(frame, kBorder + kPitch + 2);
  MovePointerTo(separator.x, separator.y);
  ::Sleep(200);               // no mark is to come: a moment in which it would show
  EXPECT_FALSE(MarkShown());  // no target there
  ClickPanel(frame, kBorder + kPitch + 2);
  // The separator is 4 long: the last cell starts at 5 + 25 + 4 + 5.
  StartCellMode(frame, Middle(0), 'S');
  // Ended with the right button: its release must not open the cell's menu.
  POINT last = InPanel(frame, 39 + kCell / 2);
  ClickAtPointer(last.x, last.y, true);
  WaitUntil([&] { return CaptureOf(frame) == nullptr; }, 3000);
  ::Sleep(300);  // no menu is to come: a moment in which it would open
  EXPECT_EQ(OpenMenuOf(bar_.Id()), nullptr);
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Cells(1), (V{"C:\\c.exe", "/", "C:\\a.exe"}));
}

TEST_F(MoveModeTest, AKeyEndsTheModeAndLeavesNoTrace) {
  HWND frame = StartBar(kThree);
  ASSERT_NE(frame, nullptr);
  // The mark for the right quarter of cell 1 points down at the cells' top edge, in the middle
  // of the gap after the cell: 40 + 12 along, 5 pixels above the cells.
  POINT tip = InPanel(frame, kBorder + kPitch + kCell / 2 + 12, kBorder - 5 + 2);
  COLORREF before = ScreenPixel(tip);
  StartCellMode(frame, Middle(0), 'M');
  POINT aim = InPanel(frame, Right(1));
  MovePointerTo(aim.x, aim.y);
  ASSERT_TRUE(WaitUntil([&] { return MarkShown(); }, 2000));
  RECT shown = WindowRectOf(Mark());
  EXPECT_EQ(shown.left, tip.x - 3);
  EXPECT_EQ(shown.right, tip.x + 4);
  COLORREF during = ScreenPixel(tip);
  // The bar is in front since its menu closed.
  PressKey('A');
  // Wine's desktop does not always give the keyboard back to the bar after the pointer
  // moved: then the key goes to the bar's queue as the system would deliver it.
  if (!WaitUntil([&] { return !MarkShown(); }, 1000)) Post(Panel(frame), WM_KEYDOWN, 'A', 1);
  EXPECT_TRUE(WaitUntil([&] { return !MarkShown(); }, 2000));
  // The bar repaints what the mark covered.
  WaitUntil([&] { return ScreenPixel(tip) == before; }, 2000);
  COLORREF after = ScreenPixel(tip);
  // The screen can be read back only where the display shows the bar (a black picture means
  // it does not): then the mark was black and its pixels are back as they were.
  if (before != RGB(0, 0, 0)) {
    EXPECT_EQ(during, RGB(0, 0, 0));
    EXPECT_EQ(after, before);
  }
  // A click now is an ordinary one again: on the bar's margin it does nothing.
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Cells(1), (V{"C:\\a.exe", "C:\\b.exe", "C:\\c.exe"}));
}

TEST_F(MoveModeTest, HoldingThePointerPastThePanelScrollsItStepByStep) {
  // 60 blank cells are far longer than the bar.
  HWND frame = StartBar("[Order]\r\n1=1\r\n[Tab1]\r\nNo=60\r\nDesc=Long\r\n");
  ASSERT_NE(frame, nullptr);
  HWND bar = ::GetDlgItem(Strip(frame), 2);  // the panel's scroll bar in the tab strip
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(::IsWindowVisible(bar));
  auto position = [bar] { return static_cast<int>(::SendMessageA(bar, SBM_GETPOS, 0, 0)); };
  EXPECT_EQ(position(), 0);
  StartCellMode(frame, Middle(0), 'M');
  RECT panel = WindowRectOf(Panel(frame));
  RECT outer = WindowRectOf(frame);
  const int y = (panel.top + panel.bottom) / 2;
  // Right of the bar's window: page steps onwards.
  MovePointerTo(outer.right + 40, y);
  EXPECT_TRUE(WaitUntil([&] { return position() >= 50; }, 3000));
  // Left of the panel, still over the bar: line steps back.
  MovePointerTo(panel.left - 2, y);
  ::Sleep(300);  // the page steps already under way end: they have no sign of their own
  int ahead = position();
  EXPECT_TRUE(WaitUntil([&] { return position() < ahead; }, 3000)) << ahead;
  int back = position();
  // Over the panel it stops.
  POINT inside = InPanel(frame, Middle(3));
  MovePointerTo(inside.x, inside.y);
  ::Sleep(300);  // a step under way ends
  int still = position();
  ::Sleep(400);  // longer than a step: no more come
  EXPECT_EQ(position(), still);
  EXPECT_LE(still, back);
  // A click left of everything ends the mode with no target.
  MovePointerTo(outer.left - 40, y);
  ClickAt(outer.left - 40, y);
  EXPECT_TRUE(WaitUntil([&] { return CaptureOf(frame) == nullptr; }, 3000));
  int ended = position();
  ::Sleep(400);                  // longer than a step: no more come
  EXPECT_EQ(position(), ended);  // no more scrolling once the mode is over
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(folder_.IniValue("Tab1", "No"), "60");
}

std::string ThreeTabs() {
  return "[Order]\r\n1=1\r\n2=1\r\n3=1\r\n"
         "[Tab1]\r\nNo=1\r\nDesc=Work\r\nBtn1=C:\\work.exe\r\n"
         "[Tab2]\r\nNo=1\r\nDesc=Mail\r\nBtn1=C:\\mail.exe\r\n"
         "[Tab3]\r\nNo=1\r\nDesc=Play\r\nBtn1=C:\\play.exe\r\n";
}

TEST_F(MoveModeTest, TabsMoveAndCopyBeforeTheClickedTab) {
  HWND frame = StartBar(ThreeTabs(), "");
  ASSERT_NE(frame, nullptr);
  auto startTabMode = [&](const V& names, size_t index, WORD key) {
    POINT p = TabCentre(Strip(frame), names, index);
    BringToFront(frame);
    ClickAtPointer(p.x, p.y, true);
    ASSERT_TRUE(WaitForMenu());
    Choose(key);
  };
  auto clickTab = [&](const V& names, size_t index) {
    POINT p = TabCentre(Strip(frame), names, index);
    ClickAtPointer(p.x, p.y);
    EXPECT_TRUE(WaitUntil([&] { return CaptureOf(frame) == nullptr; }, 3000));
  };
  startTabMode({"Work", "Mail", "Play"}, 0, 'M');
  EXPECT_TRUE(WaitUntil([&] { return MarkShown(); }, 2000));
  clickTab({"Work", "Mail", "Play"}, 2);  // Work goes before Play
  EXPECT_FALSE(MarkShown());
  startTabMode({"Mail", "Work", "Play"}, 2, 'C');
  clickTab({"Mail", "Work", "Play"}, 0);  // a copy of Play before Mail
  EXPECT_TRUE(WaitUntil([&] { return ChildWindows(frame, "KestrelBtnPanel").size() == 3; }, 3000));
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Section("Order"), "[Order]\r\n4=1\r\n2=1\r\n1=1\r\n3=1\r\n");
  EXPECT_EQ(folder_.IniValue("Tab4", "Desc"), Cp932(L"タブ4"));
  EXPECT_EQ(folder_.IniValue("Tab4", "Btn1"), "C:\\play.exe");
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), Cp932(L"タブ4"));
}

}  // namespace
}  // namespace e2e
