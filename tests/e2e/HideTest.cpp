// Hiding and showing the bar with real timers and real input: auto-hide, the hide command, the
// thin line and the square left in its place, the tray icon, touches reported by the hook,
// hot keys, and docking as a desktop bar.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>

#include "BarWindows.h"
#include "Input.h"
#include "Menus.h"
#include "ProgramFolder.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const UINT kHideCommand = 32806;
const UINT kHookTouch = 0x8004, kHideBar = 0x8005;
const char kHideWndClass[] = "KestrelHideWnd";
// The style word of a new settings file without auto-hide, and its bits used here.
const unsigned long kNoAutoHide = 33500 & ~0x4ul;
const unsigned long kAutoHide = 0x4, kDesktopBar = 0x40000000;

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

class HideTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    MovePointerTo(512, 767);  // away from the bar and from the top line
  }

  // Starts the bar as a 600 x 40 horizontal bar at (100, 300) unless lines say otherwise.
  HWND Start(const std::string& lines, const char* winPos = "0:1:-1:-1:-1:-1:100:300:700:340") {
    EXPECT_TRUE(
        folder_.WriteIni("[Common]\r\nTrans=10\r\nWinPos=" + std::string(winPos) + "\r\n" + lines));
    bar_ = folder_.Start();
    EXPECT_TRUE(bar_.Started());
    HWND frame = bar_.WaitForFrame();
    if (frame) {
      EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(frame) != FALSE; }, 5000));
    }
    return frame;
  }

  HWND HideWindow() const {
    auto found = FindTopLevelWindows(bar_.Id(), kHideWndClass, nullptr);
    return found.empty() ? nullptr : found.front();
  }
  static bool Hidden(HWND frame) { return !::IsWindowVisible(frame); }
  static bool WaitHidden(HWND frame, bool hidden, DWORD timeoutMs = 8000) {
    return WaitUntil([&] { return Hidden(frame) == hidden; }, timeoutMs);
  }
  // Whether the shell holds the bar's tray icon: changing nothing of an icon only works on one
  // that exists.
  static bool TrayIconShown(HWND frame) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = frame;
    data.uID = 1;
    return ::Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
  }

  ProgramFolder folder_;
  AppProcess bar_;
};

TEST_F(HideTest, AutoHideWaitsWhileThePointerRestsOnTheBarAndTheLineBringsItBack) {
  HWND frame = Start("Style=" + std::to_string(33500) +
                     "\r\nSleepTime=1000\r\nHidType=1\r\nHidLinePos=0\r\nHidShowTime=0\r\n");
  ASSERT_NE(frame, nullptr);
  RECT shown = WindowRectOf(frame);
  MovePointerTo(300, 320);  // on the bar
  EXPECT_FALSE(WaitHidden(frame, true, 3500));

  MovePointerTo(512, 700);
  ASSERT_TRUE(WaitHidden(frame, true));
  HWND line = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (line = HideWindow()) != nullptr; }, 3000));
  EXPECT_EQ(RectText(WindowRectOf(line)), "0,0,1024,2");
  EXPECT_FALSE(TrayIconShown(frame));

  // HidShowTime 0: the first move over the line shows the bar where it was.
  MovePointerTo(500, 1);
  ASSERT_TRUE(WaitHidden(frame, false));
  EXPECT_EQ(RectText(WindowRectOf(frame)), RectText(shown));
  EXPECT_EQ(HideWindow(), nullptr);
}

TEST_F(HideTest, TheHideCommandLeavesASquareThatCtrlDragMovesAndTheNextHideKeeps) {
  // A huge square at an impossible place is made small enough and put back on the screen.
  HWND frame = Start("Style=" + std::to_string(kNoAutoHide) +
                     "\r\nHidType=2\r\nHidScnSize=100000\r\nHidWinPos=-5000:99999\r\n"
                     "HidShowTime=500\r\nSleepTime=0\r\n");
  ASSERT_NE(frame, nullptr);
  const RECT shown = WindowRectOf(frame);
  // The sleep check's own request is ignored with auto-hide off; the command is not.
  ASSERT_TRUE(SendWithTimeout(frame, kHideBar, 0, 0, 5000));
  EXPECT_FALSE(Hidden(frame));
  ASSERT_TRUE(SendWithTimeout(frame, WM_COMMAND, kHideCommand, 0, 5000));
  ASSERT_TRUE(WaitHidden(frame, true));
  HWND square = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (square = HideWindow()) != nullptr; }, 3000));
  EXPECT_EQ(RectText(WindowRectOf(square)), "0,576,192,768");

  // Ctrl+drag moves it without showing the bar. The press and release are posted with Ctrl in
  // their key flags: Wine drops injected keys while no window has the focus, as here where the
  // bar is hidden. The pointer itself moves for real.
  MovePointerTo(50, 600, false);
  ASSERT_TRUE(Post(square, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(50, 24)));
  MovePointerTo(250, 400);
  ASSERT_TRUE(Post(square, WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(50, 24)));
  EXPECT_TRUE(WaitUntil([&] { return RectText(WindowRectOf(square)) == "200,376,392,568"; }, 3000))
      << RectText(WindowRectOf(square));
  EXPECT_TRUE(Hidden(frame));

  // Resting on it for HidShowTime shows the bar; the next hide puts the square where it was left.
  MovePointerTo(260, 410);
  ASSERT_TRUE(WaitHidden(frame, false));
  MovePointerTo(512, 700);
  ASSERT_TRUE(SendWithTimeout(frame, WM_COMMAND, kHideCommand, 0, 5000));
  ASSERT_TRUE(WaitUntil([&] { return (square = HideWindow()) != nullptr; }, 3000));
  EXPECT_EQ(RectText(WindowRectOf(square)), "200,376,392,568");
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(folder_.IniValue("Common", "HidWinPos"), "200:376");
  // Closed while hidden, the bar keeps the place it will come back to.
  EXPECT_EQ(folder_.IniValue("Common", "WinPos"),
            "0:1:-1:-1:-1:-1:" + std::to_string(shown.left) + ":" + std::to_string(shown.top) +
                ":" + std::to_string(shown.right) + ":" + std::to_string(shown.bottom));
}

TEST_F(HideTest, TheTrayIconStandsInOnlyWhileCompletelyHiddenAndShowTabPicksTheTab) {
  HWND frame = Start("Style=" + std::to_string(kNoAutoHide) +
                     "\r\nHidType=0\r\nShowTab=1\r\n[Order]\r\n1=1\r\n2=1\r\n3=1\r\n"
                     "[Tab1]\r\nNo=1\r\nDesc=One\r\n[Tab2]\r\nNo=2\r\nDesc=Two\r\n"
                     "[Tab3]\r\nNo=3\r\nDesc=Three\r\n");
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(TrayIconShown(frame));
  ASSERT_TRUE(SendWithTimeout(frame, WM_COMMAND, kHideCommand, 0, 5000));
  ASSERT_TRUE(WaitHidden(frame, true));
  EXPECT_TRUE(WaitUntil([&] { return TrayIconShown(frame); }, 3000));
  EXPECT_EQ(HideWindow(), nullptr);

  // What the shell sends for a click on the icon.
  ASSERT_TRUE(Post(frame, 0x8006, 1, WM_LBUTTONUP));
  ASSERT_TRUE(WaitHidden(frame, false));
  EXPECT_FALSE(TrayIconShown(frame));
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), "Two");
}
}  // namespace
}  // namespace e2e
