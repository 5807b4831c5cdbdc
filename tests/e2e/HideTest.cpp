// Hiding and showing the bar with real timers and real input: auto-hide, the hide command, the
// thin line and the square left in its place, the tray icon, touches reported by the hook,
// hot keys, and docking as a desktop bar.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "BarWindows.h"
#include "Input.h"
#include "Menus.h"
#include "ProgramFolder.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const UINT kHideCommand = 32806;
const UINT WM_APPBAR_CALLBACK = 0x8002, kHookTouch = 0x8004, kHideBar = 0x8005;
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
    // A thin line or a touch spot loads the hook, as an installed bar has it beside itself.
    EXPECT_TRUE(folder_.AddBinary("Talon.dll", "Talon.dll"));
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

  // Whether the shell holds window as a desktop bar: it refuses a second registration.
  static bool Registered(HWND window) {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    if (!::SHAppBarMessage(ABM_NEW, &data)) return true;
    ::SHAppBarMessage(ABM_REMOVE, &data);
    return false;
  }
  static bool StillAnswers(HWND frame) { return SendWithTimeout(frame, WM_NULL, 0, 0, 5000); }

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

TEST_F(HideTest, TouchesWaitTheirDelayOnTheSpotAndThenCoolDown) {
  HWND frame = Start("Style=" + std::to_string(kNoAutoHide) +
                     "\r\nHidType=0\r\nHookTime=300\r\nHookAwkTime=60000\r\n");
  ASSERT_NE(frame, nullptr);
  const LPARAM rightStrip = (5 << 16) | 0x20;
  // Bad reports do nothing.
  for (LPARAM bad : {LPARAM{0}, LPARAM{0xFF}, LPARAM{(255 << 16) | 0x3F}})
    ASSERT_TRUE(SendWithTimeout(frame, kHookTouch, 0, bad, 5000));
  // The pointer left the spot before the delay ended: the bar stays.
  ASSERT_TRUE(SendWithTimeout(frame, kHookTouch, 0, rightStrip, 5000));
  EXPECT_FALSE(WaitHidden(frame, true, 1500));

  // Still on the spot after the delay: hidden.
  MovePointerTo(1021, 500);
  ASSERT_TRUE(SendWithTimeout(frame, kHookTouch, 0, rightStrip, 5000));
  ASSERT_TRUE(WaitHidden(frame, true));
  DWORD hiddenAt = ::GetTickCount();

  // A touch with a button held shows at once, whatever the delay, but not during the
  // cool-down: the touches that come then are ignored until it ends.
  PressAtPointer(1021, 500);
  ASSERT_TRUE(SendWithTimeout(frame, kHookTouch, 0, (5 << 16) | 0x04, 5000));
  EXPECT_TRUE(Hidden(frame));
  bool shown = WaitUntil(
      [&] {
        SendWithTimeout(frame, kHookTouch, 0, (5 << 16) | 0x04, 5000);
        return !Hidden(frame);
      },
      10000);
  ReleaseAtPointer(1021, 500);
  MovePointerTo(512, 700);
  ASSERT_TRUE(shown);
  EXPECT_GE(::GetTickCount() - hiddenAt, 2500u);  // timers never end early
}

TEST_F(HideTest, HotKeysHideShowAndExitAndATakenKeyIsReported) {
  // Ctrl+Shift+F10 is taken by the driver; hide and show share Ctrl+Shift+F11.
  ASSERT_TRUE(::RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_SHIFT, VK_F10));
  HWND frame = Start("Style=" + std::to_string(kNoAutoHide) +
                     "\r\nHidType=0\r\nHotKeyHide=1658\r\nHotKeyShow=1658\r\n"
                     "HotKeyExit=1657\r\n");
  HWND box = bar_.WaitForMessageBox("Kestrel");
  ::UnregisterHotKey(nullptr, 1);
  ASSERT_NE(frame, nullptr);
  ASSERT_NE(box, nullptr);
  MessageBoxInfo info = ReadShownMessageBox(box, true);
  EXPECT_EQ(info.text, Cp932(L"ホットキーを設定できませんでした。\n設定は無効となります。\n"
                             L"Ctrl + ShiftF10"));
  EXPECT_EQ(info.icon, BoxIcon::kInformation);
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 5000));

  PressKey(VK_F11, true, true);
  ASSERT_TRUE(WaitHidden(frame, true));
  PressKey(VK_F11, true, true);
  ASSERT_TRUE(WaitHidden(frame, false));
  // The exit key was refused, so the bar stays.
  PressKey(VK_F10, true, true);
  EXPECT_TRUE(StillAnswers(frame));
}

TEST_F(HideTest, TheExitHotKeyClosesAnOpenMenuAndEndsTheBar) {
  HWND frame = Start("Style=" + std::to_string(kNoAutoHide) + "\r\nHotKeyExit=1657\r\n");
  ASSERT_NE(frame, nullptr);
  RECT r = WindowRectOf(frame);
  MovePointerTo(r.left + 50, r.top + 1);
  Post(frame, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(frame), MAKELPARAM(r.left + 50, r.top + 1));
  ASSERT_NE(WaitForMenu(bar_.Id()), nullptr);
  PressKey(VK_F10, true, true);
  EXPECT_TRUE(bar_.WaitForExit());
}

TEST_F(HideTest, ADesktopBarDocksAtTheNearerEdgeAndAutoHideUnregistersIt) {
  ASSERT_TRUE(folder_.AddBinary("e2e\\Plumage.dll", "Plumage.dll"));
  const std::string style = "Style=" + std::to_string(kNoAutoHide | kDesktopBar) + "\r\n";
  for (const auto& c : {std::make_pair("0:1:-1:-1:-1:-1:100:500:700:540", false),
                        std::make_pair("0:1:-1:-1:-1:-1:100:383:700:423", true)}) {
    HWND frame = Start(style, c.first);
    ASSERT_NE(frame, nullptr);
    RECT r{};
    EXPECT_TRUE(WaitUntil(
        [&] {
          r = WindowRectOf(frame);
          return r.left == 0 && r.right == 1024 && (c.second ? r.top == 0 : r.bottom == 768);
        },
        5000))
        << RectText(r);
    EXPECT_TRUE(Registered(frame));
    // Notifications the bar does not know change nothing; a position change docks it again.
    ASSERT_TRUE(SendWithTimeout(frame, WM_APPBAR_CALLBACK, 99, 0, 5000));
    ASSERT_TRUE(SendWithTimeout(frame, WM_APPBAR_CALLBACK, ABN_POSCHANGED, 0, 5000));
    EXPECT_EQ(RectText(WindowRectOf(frame)), RectText(r));
    if (c.second) {
      // Held still, dragged and dropped in the lower half, it docks at the bottom.
      const int x = 512, y = (r.top + r.bottom) / 2;
      PressAtPointer(x, y);
      ::Sleep(900);
      MovePointerTo(x, y + 250);
      MovePointerTo(x, y + 500);
      ReleaseAtPointer(x, y + 500);
      MovePointerTo(512, 384);
      EXPECT_TRUE(WaitUntil(
          [&] {
            RECT d = WindowRectOf(frame);
            return d.left == 0 && d.right == 1024 && d.bottom == 768 && d.top > 384;
          },
          5000))
          << RectText(WindowRectOf(frame));
      // Turning auto-hide on in the options leaves the desktop-bar bit but unregisters the bar.
      ASSERT_TRUE(folder_.WriteFileBytes(
          "FakeOptions.txt",
          "Style=" + std::to_string(kNoAutoHide | kDesktopBar | kAutoHide) + "\n"));
      ASSERT_TRUE(SendWithTimeout(frame, WM_COMMAND, 32800, 0, 10000));
      EXPECT_FALSE(Registered(frame));
    }
    ASSERT_TRUE(bar_.CloseFrame());
    EXPECT_FALSE(Registered(frame));
  }
}
}  // namespace
}  // namespace e2e
