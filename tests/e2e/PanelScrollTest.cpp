// The button panel in the real bar: its scroll bar in the tab strip (absent while every cell
// fits, real clicks on its arrows and its trough), the keys that switch tabs and bring a tab back
// unscrolled, and a press that only launches when it is released on the button it began on.
// Buttons start hard links to Recorder.exe, which log how they were started; which one a click at a
// fixed point starts tells where the cells are.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "BarWindows.h"
#include "Input.h"
#include "ProgramFolder.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

// Small icons without text: every cell is 20 x 20, BorderX 5 apart, so cell k starts 5 + 25 k
// into the unscrolled panel; a line step is a quarter of that pitch (6), a page step all of it.
const char kSmallCells[] = "Style=32860\r\n";
const int kCell = 20, kPitch = 25, kBorder = 5, kLine = kPitch / 4;

// Cell k of the long tab starts R<k>.exe, a hard link to (or copy of) Recorder.exe.
std::string Name(int k) { return "R" + std::to_string(k) + ".exe"; }

class PanelScrollTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ASSERT_TRUE(folder_.AddBinary("e2e\\Recorder.exe", "Recorder.exe"));
    MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);  // away from the bar
  }
  void TearDown() override {
    // A failed step must not leave the button held down for the next scenario.
    if (pressed_) ReleaseAtPointer(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  }

  // Tab "Long" with the buttons R0..R<cells - 1> and then blanks blank slots, and a tab "Short"
  // with one button, in a bar 600 long at (100, 100).
  // With secondLong, tab 2 ("Long too") holds the same buttons as tab 1 instead.
  HWND StartBar(int cells, int blanks = 0, bool secondLong = false) {
    std::string ini =
        "[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:100:100:700:160\r\n" +
        std::string(kSmallCells) +
        "[Order]\r\n1=1\r\n2=1\r\n[Tab1]\r\nDesc=Long\r\nNo=" + std::to_string(cells + blanks) +
        "\r\n";
    for (int k = 0; k < cells; ++k) {
      std::string name = folder_.PathOf(Name(k));
      if (!::CreateHardLinkA(name.c_str(), folder_.PathOf("Recorder.exe").c_str(), nullptr)) {
        EXPECT_TRUE(folder_.AddBinary("e2e\\Recorder.exe", Name(k)));
      }
      ini += "Btn" + std::to_string(k + 1) + "=" + name + "\r\n";
    }
    if (secondLong) {
      ini += "[Tab2]\r\nDesc=Long too\r\nNo=" + std::to_string(cells) + "\r\n";
      for (int k = 0; k < cells; ++k)
        ini += "Btn" + std::to_string(k + 1) + "=" + folder_.PathOf(Name(k)) + "\r\n";
    } else {
      ini += "[Tab2]\r\nDesc=Short\r\nNo=1\r\nBtn1=C:\\short.exe\r\n";
    }
    HWND frame = e2e::StartBar(folder_, ini, &bar_);
    EXPECT_TRUE(bar_.Started());
    if (frame) BringToFront(frame);
    return frame;
  }
  static HWND Panel(HWND frame) { return ShownPanel(frame); }
  static HWND ScrollBar(HWND frame) { return PanelScrollBarOf(frame); }
  static bool Shown(HWND bar) { return bar && ::IsWindowVisible(bar); }
  static int Position(HWND bar) { return ::GetScrollPos(bar, SB_CTL); }
  static int Maximum(HWND bar) {
    int minimum = 0, maximum = 0;
    ::GetScrollRange(bar, SB_CTL, &minimum, &maximum);
    return maximum;
  }
  // Screen points of a horizontal scroll bar: its arrows (square, as thick as the bar) and the
  // trough just inside each arrow.
  static POINT LeftArrow(HWND bar) { return Along(bar, Thickness(bar) / 2); }
  static POINT RightArrow(HWND bar) { return Along(bar, Length(bar) - Thickness(bar) / 2); }
  static POINT LeftTrough(HWND bar) { return Along(bar, Thickness(bar) + 2); }
  static POINT RightTrough(HWND bar) { return Along(bar, Length(bar) - Thickness(bar) - 3); }
  static int Thickness(HWND bar) {
    RECT r = WindowRectOf(bar);
    return r.bottom - r.top;
  }
  static int Length(HWND bar) {
    RECT r = WindowRectOf(bar);
    return r.right - r.left;
  }
  static POINT Along(HWND bar, int x) {
    RECT r = WindowRectOf(bar);
    return POINT{r.left + x, (r.top + r.bottom) / 2};
  }
  void Click(POINT p, int times = 1) {
    for (int i = 0; i < times; ++i) ClickAtPointer(p.x, p.y);
    // The scroll bar's own loop scrolls the panel; nothing shows when it is done.
    ::Sleep(100);
  }

  // A point over the panel, at distance along from its left edge, in screen coordinates.
  static POINT InPanel(HWND frame, int along) {
    POINT p{along, kBorder + kCell / 2};
    ::ClientToScreen(Panel(frame), &p);
    return p;
  }
  // The middle of cell k in the unscrolled panel.
  static int Middle(int k) { return kBorder + kPitch * k + kCell / 2; }

  // The cells whose buttons have started so far, once count have logged their start.
  std::vector<int> Started(size_t count) {
    std::vector<int> cells;
    // With count 0: the time a click would take to start a program.
    for (const std::string& line :
         WaitForLines(folder_, "Recorder.log", count, count ? 10000 : 800)) {
      size_t name = line.find("\\R");
      cells.push_back(name == std::string::npos ? -1 : std::atoi(line.c_str() + name + 2));
    }
    return cells;
  }
  // Clicks the panel at distance along from its left edge: the cell whose button started then,
  // or -1 when nothing started.
  int CellClickedAt(HWND frame, int along) {
    size_t before = Started(0).size();
    POINT p = InPanel(frame, along);
    ClickAtPointer(p.x, p.y);
    std::vector<int> cells = Started(before + 1);
    MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    return cells.size() > before ? cells[before] : -1;
  }

  ProgramFolder folder_;
  AppProcess bar_;
  bool pressed_ = false;
};

TEST_F(PanelScrollTest, WhileEveryCellFitsThereIsNoScrollBarAndTheCellsStayUnscrolled) {
  // Eight cells need 205 pixels: they fit a bar 600 long, not one 150 long.
  HWND frame = StartBar(8);
  ASSERT_NE(frame, nullptr);
  HWND bar = ScrollBar(frame);
  ASSERT_NE(bar, nullptr);
  EXPECT_FALSE(Shown(bar));
  EXPECT_EQ(Position(bar), 0);
  EXPECT_EQ(CellClickedAt(frame, Middle(0)), 0);

  // Made shorter than its cells, the bar shows the scroll bar and scrolls.
  RECT full = WindowRectOf(frame);
  ::SetWindowPos(frame, nullptr, 0, 0, 150, full.bottom - full.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(WaitUntil([&] { return Shown(bar); }, 3000));
  EXPECT_GT(Maximum(bar), 0);
  Click(RightArrow(bar), 2);
  EXPECT_EQ(Position(bar), 2 * kLine);
  EXPECT_EQ(CellClickedAt(frame, Middle(1) - 2 * kLine), 1);

  // Long enough again: no scroll bar, and the cells are back at their unscrolled places.
  ::SetWindowPos(frame, nullptr, 0, 0, full.right - full.left, full.bottom - full.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(WaitUntil([&] { return !Shown(bar); }, 3000));
  EXPECT_EQ(CellClickedAt(frame, Middle(0)), 0);
  EXPECT_EQ(CellClickedAt(frame, Middle(7)), 7);
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(PanelScrollTest, ArrowClicksMoveTheCellsAQuarterPitchAndTroughClicksAWholePitch) {
  // 40 cells need 1005 pixels, of which the bar shows 578: the range is 0 .. 427.
  HWND frame = StartBar(40);
  ASSERT_NE(frame, nullptr);
  HWND bar = ScrollBar(frame);
  ASSERT_TRUE(Shown(bar));
  EXPECT_EQ(Maximum(bar), 1005 - 578);
  EXPECT_EQ(Position(bar), 0);
  Click(LeftArrow(bar));  // nothing before the start
  EXPECT_EQ(Position(bar), 0);
  Click(RightArrow(bar));
  EXPECT_EQ(Position(bar), kLine);
  Click(RightTrough(bar), 2);
  EXPECT_EQ(Position(bar), kLine + 2 * kPitch);
  Click(LeftArrow(bar));
  ASSERT_EQ(Position(bar), 2 * kPitch);
  // The cells moved with it: cell 2 stands where cell 0 stood.
  EXPECT_EQ(CellClickedAt(frame, Middle(0)), 2);
  Click(LeftTrough(bar), 3);  // two pages back, and the third stops at the start
  EXPECT_EQ(Position(bar), 0);
  EXPECT_EQ(CellClickedAt(frame, Middle(0)), 0);
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(PanelScrollTest, DraggingTheThumbToTheEndShowsTheLastCellWhole) {
  // 26 cells need 655 pixels: a short range, so the drag is over soon (one line step per unit).
  HWND frame = StartBar(26);
  ASSERT_NE(frame, nullptr);
  HWND bar = ScrollBar(frame);
  ASSERT_TRUE(Shown(bar));
  const int maximum = Maximum(bar);
  ASSERT_EQ(maximum, 655 - 578);
  POINT thumb = LeftTrough(bar);  // the thumb lies at the start
  pressed_ = PressAtPointer(thumb.x, thumb.y);
  POINT end = RightArrow(bar);
  MovePointerTo(end.x + 30, end.y);
  pressed_ = !ReleaseAtPointer(end.x + 30, end.y);
  EXPECT_TRUE(WaitUntil([&] { return Position(bar) == maximum; }, 10000)) << Position(bar);
  EXPECT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 10000));
  // The last cell ends 5 pixels before the panel's end.
  RECT panel;
  ::GetClientRect(Panel(frame), &panel);
  EXPECT_EQ(Middle(25) - maximum, panel.right - kBorder - kCell / 2);
  EXPECT_EQ(CellClickedAt(frame, Middle(25) - maximum), 25);
  ASSERT_TRUE(bar_.CloseFrame());
}

// Disabled while it fails: the strip turns a thumb drag into one line step (a quarter pitch) per
// unit, and the scroll bar is moved back by one unit after each step, so the cells end a quarter
// pitch less one pixel beyond the position the scroll bar shows; the final thumb position is
// then equal to the scroll bar's and re-places nothing.
TEST_F(PanelScrollTest, AfterAThumbDragTheCellsStandWhereTheScrollBarSays) {
  HWND frame = StartBar(26);
  ASSERT_NE(frame, nullptr);
  HWND bar = ScrollBar(frame);
  ASSERT_TRUE(Shown(bar));
  POINT thumb = LeftTrough(bar);
  pressed_ = PressAtPointer(thumb.x, thumb.y);
  MovePointerTo(thumb.x + 30, thumb.y);
  pressed_ = !ReleaseAtPointer(thumb.x + 30, thumb.y);
  ASSERT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 10000));
  const int position = Position(bar);
  ASSERT_GT(position, 0);
  ASSERT_LT(position, Maximum(bar));
  // Near the far end of the cell m that the position brings under the point: a cell further
  // on would leave the point in the gap after it.
  const int m = (position + 40) / kPitch;
  EXPECT_EQ(CellClickedAt(frame, kBorder + kPitch * m + kCell - 2 - position), m) << position;
  ASSERT_TRUE(bar_.CloseFrame());
}

// Disabled while it fails: the scroll bar reports the thumb's final position in 16 bits, and the
// view reads them as a signed number, so a thumb let go beyond 32767 (a tab of some 1,400 small
// cells) sends the panel back to the start. The message is the one the scroll bar sends when the
// thumb is let go; a real drag that far takes minutes of line steps.
TEST_F(PanelScrollTest, AThumbLetGoBeyond32767StaysThere) {
  HWND frame = StartBar(1, 2000);
  ASSERT_NE(frame, nullptr);
  HWND bar = ScrollBar(frame);
  ASSERT_TRUE(Shown(bar));
  ASSERT_GT(Maximum(bar), 40000);
  for (int position : {20000, 40000}) {
    ASSERT_TRUE(SendWithTimeout(TabStripOf(frame), WM_HSCROLL,
                                MAKEWPARAM(SB_THUMBPOSITION, position),
                                reinterpret_cast<LPARAM>(bar), 10000));
    EXPECT_EQ(Position(bar), position);
  }
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(PanelScrollTest, TheCellsStandWhereTheScrollBarSaysInANewPanelAndAfterTheRangeShrinks) {
  HWND frame = StartBar(40, 0, true);
  ASSERT_NE(frame, nullptr);
  HWND bar = ScrollBar(frame);
  ASSERT_TRUE(Shown(bar));
  auto scroll = [&](WORD code, int position) {
    ASSERT_TRUE(SendWithTimeout(TabStripOf(frame), WM_HSCROLL, MAKEWPARAM(code, position),
                                reinterpret_cast<LPARAM>(bar), 10000));
  };
  scroll(SB_THUMBPOSITION, 3 * kPitch);
  ASSERT_EQ(Position(bar), 3 * kPitch);
  // The second tab's panel is made now: it starts at 0, and so does the scroll bar.
  const HWND first = Panel(frame);
  ASSERT_TRUE(SendWithTimeout(FirstChild(frame, "KestrelView"), WM_COMMAND, 20001, 0, 10000));
  ASSERT_TRUE(WaitUntil([&] { return Panel(frame) != first; }, 3000));
  EXPECT_EQ(Position(bar), 0);
  EXPECT_EQ(CellClickedAt(frame, Middle(0)), 0);

  // At the end, a wider bar shortens the range: the cells follow the clamped position, so the
  // last cell still ends 5 pixels before the panel's end.
  scroll(SB_RIGHT, 0);
  const int before = Maximum(bar);
  ASSERT_EQ(Position(bar), before);
  RECT r = WindowRectOf(frame);
  ::SetWindowPos(frame, nullptr, 0, 0, r.right - r.left + 100, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 10000));
  const int after = Maximum(bar);
  ASSERT_LT(after, before);
  EXPECT_EQ(Position(bar), after);
  EXPECT_EQ(CellClickedAt(frame, Middle(39) - after), 39);
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(PanelScrollTest, PageKeysSwitchTabsRatherThanScrollAndATabComesBackUnscrolled) {
  HWND frame = StartBar(40);
  ASSERT_NE(frame, nullptr);
  HWND bar = ScrollBar(frame);
  ASSERT_TRUE(Shown(bar));
  Click(RightTrough(bar), 2);
  ASSERT_EQ(Position(bar), 2 * kPitch);
  const HWND longPanel = Panel(frame);
  const struct { WORD away, back; } keys[] = {{VK_NEXT, VK_PRIOR}, {VK_END, VK_HOME}};
  for (const auto& k : keys) {
    SCOPED_TRACE(k.away);
    BringToFront(frame);
    PressKey(k.away);
    // The short tab's cells fit: its panel shows without a scroll bar.
    EXPECT_TRUE(WaitUntil([&] { return Panel(frame) != longPanel && !Shown(bar); }, 3000));
    PressKey(k.back);
    EXPECT_TRUE(WaitUntil([&] { return Panel(frame) == longPanel && Shown(bar); }, 3000));
    EXPECT_EQ(Position(bar), 0);
    EXPECT_EQ(CellClickedAt(frame, Middle(0)), 0);
    Click(RightTrough(bar), 2);
  }
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(PanelScrollTest, APressLaunchesOnlyWhenReleasedOnTheButtonItBeganOn) {
  HWND frame = StartBar(3);
  ASSERT_NE(frame, nullptr);
  const POINT first = InPanel(frame, Middle(0)), second = InPanel(frame, Middle(1));
  RECT outer = WindowRectOf(frame);
  // Pressed on the first button, released on the second: neither starts.
  pressed_ = PressAtPointer(first.x, first.y);
  MovePointerTo(second.x, second.y);
  pressed_ = !ReleaseAtPointer(second.x, second.y);
  // Pressed on the first button, released outside the bar.
  pressed_ = PressAtPointer(first.x, first.y);
  MovePointerTo(first.x, outer.bottom + 60);
  pressed_ = !ReleaseAtPointer(first.x, outer.bottom + 60);
  EXPECT_TRUE(Started(0).empty());
  // Moved off and back before the release: it starts.
  pressed_ = PressAtPointer(first.x, first.y);
  MovePointerTo(second.x, second.y);
  MovePointerTo(first.x, first.y);
  pressed_ = !ReleaseAtPointer(first.x, first.y);
  // Pressed and released on the second: it starts, once.
  ClickAtPointer(second.x, second.y);
  EXPECT_EQ(Started(2), (std::vector<int>{0, 1}));
  MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  ::Sleep(500);  // nothing more is to start: a moment in which it would
  EXPECT_EQ(Started(0), (std::vector<int>{0, 1}));
  ASSERT_TRUE(bar_.CloseFrame());
}

}  // namespace
}  // namespace e2e
