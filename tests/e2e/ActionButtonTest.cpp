// Action buttons clicked on the real bar: a tab's buttons offered as a menu or all started,
// with the bar set to end after a launch, and a tab whose start-all action names itself.
// Started programs are Recorder.exe, which logs each start; the action shortcuts point at the
// stand-in setup tool beside the bar.
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

// Small icons without text: cell k's middle is 15 + 25 k into the panel.
const DWORD kSmallCells = 32860;
const DWORD kExitAfterLaunch = 0x100000;

class ActionButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ASSERT_TRUE(folder_.AddBinary("e2e\\Recorder.exe", "Recorder.exe"));
    ASSERT_TRUE(folder_.AddBinary("e2e\\LauncherHarness.exe", "LauncherHarness.exe"));
    ASSERT_TRUE(folder_.AddFakeHatchling());
    ParkPointer();
  }

  // An action shortcut to the setup tool beside the bar; its path with the action flag.
  std::string Action(const std::string& name, const std::string& arguments) {
    std::string path = folder_.PathOf(name);
    AppProcess harness = folder_.Start("LauncherHarness.exe", "shortcut \"" + path + "\" \"" +
                                                                  folder_.PathOf("Hatchling.exe") +
                                                                  "\" \"" + arguments + "\"");
    EXPECT_TRUE(harness.WaitForExit());
    EXPECT_TRUE(folder_.Exists(name)) << name;
    return path + "|2";
  }

  // Tabs "Main" and "Two" with their cells; clicks cell 0 of Main.
  HWND StartAndClick(DWORD style, const std::vector<std::string>& main,
                     const std::vector<std::string>& two, int cell = 0) {
    std::string ini = "[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:100:100:700:160\r\nStyle=" +
                      std::to_string(style) + "\r\n[Order]\r\n1=1\r\n2=1\r\n";
    const std::vector<std::string>* tabs[] = {&main, &two};
    const char* names[] = {"Main", "Two"};
    for (int t = 0; t < 2; ++t) {
      ini += "[Tab" + std::to_string(t + 1) + "]\r\nDesc=" + names[t] +
             "\r\nNo=" + std::to_string(tabs[t]->size()) + "\r\n";
      for (size_t i = 0; i < tabs[t]->size(); ++i)
        ini += "Btn" + std::to_string(i + 1) + "=" + (*tabs[t])[i] + "\r\n";
    }
    HWND frame = StartBar(folder_, ini, &bar_);
    if (!frame) return nullptr;
    BringToFront(frame);
    POINT p{15 + 25 * cell, 15};
    ::ClientToScreen(ShownPanel(frame), &p);
    ClickAtPointer(p.x, p.y);
    ParkPointer();
    return frame;
  }

  // Recorder starts logged once count are there, or after the time a start takes.
  size_t Starts(size_t count, DWORD timeoutMs = 10000) {
    return WaitForLines(folder_, "Recorder.log", count, timeoutMs).size();
  }

  ProgramFolder folder_;
  AppProcess bar_;
};

TEST_F(ActionButtonTest, ExitAfterLaunchWaitsUntilTheButtonMenuHasRunAndKeepsTheSession) {
  std::string menu = Action("menu.lnk", "/menu:Two");
  ASSERT_NE(StartAndClick(kSmallCells | kExitAfterLaunch, {menu}, {folder_.PathOf("Recorder.exe")}),
            nullptr);
  ASSERT_NE(WaitForMenu(bar_.Id(), 10000), nullptr);
  ChooseFromMenu(bar_.Id(), VK_DOWN);
  ChooseFromMenu(bar_.Id(), VK_RETURN);
  EXPECT_EQ(Starts(1), 1u);
  ASSERT_TRUE(bar_.WaitForExit());
  EXPECT_EQ(bar_.ExitCode(), 0u);
  // The exit saved the session: the click is in the recently used list.
  EXPECT_EQ(folder_.IniValue("RecentUsed", "Btn1"), folder_.PathOf("menu.lnk"));
}

TEST_F(ActionButtonTest, ExitAfterLaunchWaitsUntilEveryButtonOfTheTabWasStarted) {
  std::string all = Action("all.lnk", "/str:Two");
  ASSERT_NE(StartAndClick(kSmallCells | kExitAfterLaunch, {all},
                          {"C:\\no\\such.exe", folder_.PathOf("Recorder.exe")}),
            nullptr);
  // The shell may tell of the program it cannot start (Wine does, in a box of its own).
  HWND box = nullptr;
  WaitUntil(
      [&] {
        for (HWND w : FindTopLevelWindows(bar_.Id(), "#32770", nullptr))
          if (::IsWindowVisible(w)) box = w;
        return box != nullptr || Starts(1, 0) == 1 || !bar_.IsRunning();
      },
      10000);
  if (box) Post(box, WM_COMMAND, IDOK);
  EXPECT_EQ(Starts(1), 1u);
  ASSERT_TRUE(bar_.WaitForExit());
  EXPECT_EQ(bar_.ExitCode(), 0u);
  EXPECT_EQ(folder_.IniValue("RecentUsed", "Btn1"), folder_.PathOf("all.lnk"));
}

TEST_F(ActionButtonTest, ATabThatStartsItselfStartsEachOfItsProgramsOnce) {
  std::string self = Action("self.lnk", "/str:Main");
  HWND frame = StartAndClick(kSmallCells, {folder_.PathOf("Recorder.exe"), self}, {"*"}, 1);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(Starts(1), 1u);
  ASSERT_TRUE(bar_.CloseFrame());
  // Time for any further start to show.
  EXPECT_EQ(Starts(2, 2000), 1u);
}

}  // namespace
}  // namespace e2e
