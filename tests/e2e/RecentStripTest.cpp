// The recently used strip in the real bar: what a launch leaves in the settings file, the handle
// that opens the strip when the pointer touches it, the strip that stays open by itself where
// the tabs leave room, a click that launches an item again, and its menu's delete and clear.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BarWindows.h"
#include "Input.h"
#include "Menus.h"
#include "ProgramFolder.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

int Width(HWND window) {
  RECT r = WindowRectOf(window);
  return r.right - r.left;
}

class RecentStripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    // Two programs that log how they were started, to Recorder.log beside them.
    ASSERT_TRUE(folder_.AddBinary("e2e\\Recorder.exe", "Recorder.exe"));
    ASSERT_TRUE(folder_.AddBinary("e2e\\Recorder.exe", "Second.exe"));
    MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);  // away from the bar
  }
  void TearDown() override {
    if (HWND menu = OpenMenuOf(bar_.Id())) Post(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  }

  std::string Path(const std::string& name) const { return folder_.PathOf(name); }

  // One tab whose two buttons start the two programs; its name decides how much room the tab
  // area leaves after it. The bar lies at the top of the screen, 500 pixels long.
  HWND StartBar(const std::string& tabName, const std::string& recent) {
    std::string ini =
        "[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:100:0:600:60\r\n"
        "[Order]\r\n1=1\r\n[Tab1]\r\nNo=2\r\nDesc=" +
        tabName + "\r\nBtn1=" + Path("Recorder.exe") + "\r\nBtn2=" + Path("Second.exe") + "\r\n" +
        recent;
    HWND frame = e2e::StartBar(folder_, ini, &bar_);
    EXPECT_TRUE(bar_.Started());
    if (frame) BringToFront(frame);
    return frame;
  }
  HWND Recent(HWND frame) const { return FirstChild(frame, "KestrelRecentStrip"); }
  // The side of an item: the strip's thickness.
  int Side(HWND recent) const {
    RECT client;
    ::GetClientRect(recent, &client);
    return client.bottom;
  }
  POINT ItemCentre(HWND recent, int index) const {
    RECT r = WindowRectOf(recent);
    int side = Side(recent);
    return POINT{r.left + 3 + index * side + side / 2, r.top + side / 2};
  }
  // Lines of Recorder.log once count programs have written theirs.
  std::vector<std::string> Recorded(size_t count) {
    // With count 0: the time a click would take to start a program.
    return WaitForLines(folder_, "Recorder.log", count, count ? 10000 : 1000);
  }
  // Chooses an item of the open menu by its access key, sent to the menu window itself.
  bool ChooseFromMenu(char key) {
    HWND menu = WaitForMenu(bar_.Id(), 3000);
    if (!menu) return false;
    // The key waits in the queue until the menu's loop reads it.
    Post(menu, WM_CHAR, static_cast<WPARAM>(key), 1);
    return WaitUntil([&] { return OpenMenuOf(bar_.Id()) == nullptr; }, 3000);
  }
  std::string Section() const { return folder_.IniSection("RecentUsed"); }

  ProgramFolder folder_;
  AppProcess bar_;
};

// A tab name longer than the tab area: no room for the open strip after it.
const std::string kLongTab(80, 'W');

TEST_F(RecentStripTest, ALaunchedButtonIsInTheFileAfterTheBarCloses) {
  HWND frame = StartBar("Main", "");
  ASSERT_NE(frame, nullptr);
  RECT panel = WindowRectOf(FirstChild(frame, "KestrelBtnPanel", true));
  ClickAtPointer(panel.left + 10, (panel.top + panel.bottom) / 2);
  ASSERT_EQ(Recorded(1).size(), 1u);
  MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Section(), "[RecentUsed]\r\nBtn1=" + Path("Recorder.exe") + "\r\nBtn2=\r\n");
}

TEST_F(RecentStripTest, AnEmptyListNeverOpensWhenThePointerTouchesIt) {
  HWND frame = StartBar("Main", "");
  ASSERT_NE(frame, nullptr);
  HWND recent = Recent(frame);
  ASSERT_NE(recent, nullptr);
  ASSERT_EQ(Width(recent), 3);
  RECT r = WindowRectOf(recent);
  MovePointerTo(r.left + 1, (r.top + r.bottom) / 2);
  ::Sleep(500);  // it is not to open: a moment in which it would
  EXPECT_EQ(Width(recent), 3);
  EXPECT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 5000));
  MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  ASSERT_TRUE(bar_.CloseFrame());
  // Nothing changed: nothing is written.
  EXPECT_EQ(Section(), "");
}

TEST_F(RecentStripTest, TouchingTheHandleOpensTheStripAndAClickLaunchesTheItemAgain) {
  HWND frame = StartBar(kLongTab, "[RecentUsed]\r\nBtn1=" + Path("Recorder.exe") +
                                      "\r\nBtn2=" + Path("Second.exe") + "\r\n");
  ASSERT_NE(frame, nullptr);
  HWND recent = Recent(frame);
  ASSERT_NE(recent, nullptr);
  ::Sleep(500);  // idle time: no room, so it stays closed
  ASSERT_EQ(Width(recent), 3);
  RECT handle = WindowRectOf(recent);
  MovePointerTo(handle.left + 1, (handle.top + handle.bottom) / 2);
  int side = Side(recent);
  ASSERT_TRUE(WaitUntil([&] { return Width(recent) == 3 + 2 * side; }, 3000)) << Width(recent);
  EXPECT_EQ(WindowRectOf(recent).right, handle.right);  // it grew toward the tabs
  POINT second = ItemCentre(recent, 1);
  ClickAtPointer(second.x, second.y);
  std::vector<std::string> lines = Recorded(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("Second.exe"), std::string::npos) << lines[0];
  // The pointer leaves: back to the handle (the launch just made may hold the bar's thread up for
  // a while on a busy machine).
  MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  EXPECT_TRUE(WaitUntil([&] { return Width(recent) == 3; }, 10000));
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Section(), "[RecentUsed]\r\nBtn1=" + Path("Second.exe") +
                           "\r\nBtn2=" + Path("Recorder.exe") + "\r\nBtn3=\r\n");
}

TEST_F(RecentStripTest, OpenByItselfWhereTheTabsLeaveRoomItsMenuDeletesAnItemAndClearsTheList) {
  std::string three = "[RecentUsed]\r\nBtn1=" + Path("Recorder.exe") +
                      "\r\nBtn2=" + Path("Second.exe") + "\r\nBtn3=" + Path("Kestrel.exe") + "\r\n";
  HWND frame = StartBar("Main", three);
  ASSERT_NE(frame, nullptr);
  HWND recent = Recent(frame);
  ASSERT_NE(recent, nullptr);
  int side = Side(recent);
  // The tab leaves room: the strip opens at idle time without being touched.
  ASSERT_TRUE(WaitUntil([&] { return Width(recent) == 3 + 3 * side; }, 3000)) << Width(recent);
  POINT second = ItemCentre(recent, 1);
  BringToFront(frame);
  ClickAtPointer(second.x, second.y, true);
  ASSERT_TRUE(ChooseFromMenu('d'));
  EXPECT_TRUE(WaitUntil([&] { return Width(recent) == 3 + 2 * side; }, 3000)) << Width(recent);
  MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Section(), "[RecentUsed]\r\nBtn1=" + Path("Recorder.exe") +
                           "\r\nBtn2=" + Path("Kestrel.exe") + "\r\nBtn3=\r\n");

  frame = StartBar("Main", Section());
  ASSERT_NE(frame, nullptr);
  recent = Recent(frame);
  ASSERT_TRUE(WaitUntil([&] { return Width(recent) == 3 + 2 * side; }, 3000)) << Width(recent);
  RECT handle = WindowRectOf(recent);
  BringToFront(frame);
  ClickAtPointer(handle.left + 1, (handle.top + handle.bottom) / 2, true);
  ASSERT_TRUE(ChooseFromMenu('c'));
  EXPECT_TRUE(WaitUntil([&] { return Width(recent) == 3; }, 3000));
  MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Section(), "[RecentUsed]\r\nBtn1=\r\n");
}

}  // namespace
}  // namespace e2e
