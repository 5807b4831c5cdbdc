// The bar view: tabs from the settings file, lazy panels, switching tabs by
// keyboard and by clicking, the strip's place in each orientation, and
// settings that would make a careless view fail.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Input.h"
#include "Screenshot.h"
#include "ProgramFolder.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const UINT kArrangeHorz = 32822, kArrangeLeft = 32823, kArrangeRight = 32824;

std::vector<HWND> VisiblePanels(HWND frame) {
  std::vector<HWND> visible;
  for (HWND panel : ChildWindows(frame, "KestrelBtnPanel"))
    if (::IsWindowVisible(panel)) visible.push_back(panel);
  return visible;
}

// Client rectangle of child in its parent's client coordinates.
RECT PlaceIn(HWND parent, HWND child) {
  RECT r = WindowRectOf(child);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
  return WaitUntil(condition, timeoutMs);
}

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ParkPointer();
  }

  std::string ThreeTabs() const {
    return "[Order]\r\n1=1\r\n2=1\r\n3=1\r\n"
           "[Tab1]\r\nNo=4\r\nDesc=" +
           Cp932(L"メイン") +
           "\r\nBtn1=C:\\windows\\notepad.exe\r\nBtn2=/\r\nBtn3=*\r\nBtn4=&#17\r\n"
           "[Tab2]\r\nNo=2\r\nDesc=" +
           Cp932(L"ツール") +
           "\r\nBtn1=C:\\windows\\regedit.exe\r\n"
           "[Tab3]\r\nNo=1\r\nDesc=Third\r\n";
  }

  HWND StartBar(const std::string& common, const std::string& rest,
                DWORD timeoutMs = AppProcess::kWindowTimeoutMs) {
    EXPECT_TRUE(folder_.WriteIni("[Common]\r\nTrans=10\r\n" + common + rest));
    bar_ = folder_.Start();
    EXPECT_TRUE(bar_.Started());
    HWND frame = bar_.WaitForFrame(timeoutMs);
    if (frame) WaitFor([frame] { return !VisiblePanels(frame).empty(); });
    return frame;
  }

  void Screenshot(const char* name) {
    std::string folder = ProgramFolder::BinFolder() + "..\\artefacts";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    SaveScreenBitmap(folder + "\\" + name);
  }

  ProgramFolder folder_;
  AppProcess bar_;
};

TEST_F(ViewTest, OnlyTheStartTabHasAPanelAndKeysSwitchTabs) {
  HWND frame = StartBar("LastActiveTab=" + Cp932(L"ツール") + "\r\n", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  // The start tab comes from LastActiveTab; no other tab's panel exists yet.
  EXPECT_EQ(ChildWindows(frame, "KestrelBtnPanel").size(), 1u);
  ASSERT_EQ(ChildWindows(frame, "KestrelTabStrip").size(), 1u);

  // Keys as the view receives them (focus under a window-manager-less Xvfb is
  // not what is tested here).
  HWND view = ChildWindows(frame, "KestrelView").at(0);
  auto press = [view](WPARAM key) { Post(view, WM_KEYDOWN, key, 1); };
  press(VK_NEXT);  // to the third tab: a second panel is made and shown
  EXPECT_TRUE(WaitFor([frame] { return ChildWindows(frame, "KestrelBtnPanel").size() == 2; }));
  EXPECT_TRUE(WaitFor([frame] { return VisiblePanels(frame).size() == 1; }));
  press(VK_HOME);  // to the first tab
  EXPECT_TRUE(WaitFor([frame] { return ChildWindows(frame, "KestrelBtnPanel").size() == 3; }));
  // The new panel exists before the old one is hidden: wait for the switch to end.
  EXPECT_TRUE(WaitFor([frame] { return VisiblePanels(frame).size() == 1; }));
  press(VK_PRIOR);  // nothing before the first tab
  ::Sleep(200);     // no panel is to come: a moment in which it would
  EXPECT_EQ(ChildWindows(frame, "KestrelBtnPanel").size(), 3u);
  ASSERT_TRUE(bar_.CloseFrame());
  // The tab shown at the end is the next start's tab.
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), Cp932(L"メイン"));
}

TEST_F(ViewTest, TheStripLiesAlongTheEdgeOfEachOrientation) {
  HWND frame = StartBar("WinPos=0:1:-1:-1:-1:-1:100:200:700:240\r\n", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  std::vector<HWND> views = ChildWindows(frame, "KestrelView");
  ASSERT_EQ(views.size(), 1u);
  HWND view = views[0];
  HWND strip = ChildWindows(frame, "KestrelTabStrip").at(0);
  auto check = [&](const char* name, UINT command) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(SendWithTimeout(frame, WM_COMMAND, command, 0, 10000));
    ::Sleep(300);
    RECT client;
    ::GetClientRect(view, &client);
    RECT s = PlaceIn(view, strip);
    if (command == kArrangeHorz) {
      EXPECT_EQ(s.bottom, client.bottom);
      EXPECT_EQ(s.right - s.left, client.right);
    } else if (command == kArrangeLeft) {
      EXPECT_EQ(s.right, client.right);  // at the view's right edge
      EXPECT_EQ(s.bottom - s.top, client.bottom);
    } else {
      EXPECT_EQ(s.left, 0);  // at the view's left edge
      EXPECT_EQ(s.bottom - s.top, client.bottom);
    }
    // The frame was fitted across the bar: the panel's cells fit, nothing is cut.
    std::vector<HWND> panels = VisiblePanels(frame);
    ASSERT_EQ(panels.size(), 1u);
    RECT p = PlaceIn(view, panels[0]);
    EXPECT_GT(p.right - p.left, 0);
    EXPECT_GT(p.bottom - p.top, 0);
    Screenshot((std::string("bar-") + name + ".bmp").c_str());
  };
  check("vertical-left", kArrangeLeft);
  check("vertical-right", kArrangeRight);
  check("horizontal", kArrangeHorz);
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(ViewTest, AManualResizeSurvivesATabSwitch) {
  HWND frame = StartBar("WinPos=0:1:-1:-1:-1:-1:100:200:700:240\r\n", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  RECT fitted = WindowRectOf(frame);
  ::SetWindowPos(frame, nullptr, 0, 0, 600, fitted.bottom - fitted.top + 30,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT resized = WindowRectOf(frame);
  Post(ChildWindows(frame, "KestrelView").at(0), WM_KEYDOWN, VK_END, 1);
  EXPECT_TRUE(WaitFor([frame] { return ChildWindows(frame, "KestrelBtnPanel").size() == 2; }));
  ::Sleep(200);  // the size is to stay: a moment in which it would change
  RECT after = WindowRectOf(frame);
  EXPECT_EQ(after.bottom - after.top, resized.bottom - resized.top);
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(ViewTest, NotificationsFromAnotherProgramAreIgnored) {
  HWND frame = StartBar("", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  // Their pointers lead nowhere in the bar's memory: sent or posted, to the
  // frame, the view or a panel, none may be read.
  std::vector<HWND> targets{frame, ChildWindows(frame, "KestrelView").at(0),
                            VisiblePanels(frame).at(0)};
  for (HWND target : targets) {
    for (LPARAM bogus : {LPARAM(0x10), LPARAM(0x7FFF0000), LPARAM(-1)}) {
      SendWithTimeout(target, WM_NOTIFY, 1000, bogus, 2000);
      Post(target, WM_NOTIFY, 19000, bogus);
    }
  }
  EXPECT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 3000)) << "the bar does not answer";
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(ViewTest, HostileSettingsStillOpenAUsableBar) {
  std::string blanks = "[Order]\r\n1=1\r\n[Tab1]\r\nNo=10000\r\nDesc=Huge\r\n";
  // Ten thousand real buttons: their icons are still being read while the
  // bar must already answer, and it must close in the middle of that.
  std::string programs = "[Order]\r\n1=1\r\n[Tab1]\r\nNo=10000\r\nDesc=Huge\r\n";
  for (int i = 1; i <= 10000; ++i)
    programs += "Btn" + std::to_string(i) + "=C:\\windows\\notepad.exe\r\n";
  // Ten thousand cells take a few times as long as three to start (about 2 s against 0.5 s on a
  // machine busy with builds, nearly all of it before the bar's message loop runs); they get the
  // time a damaged settings file gets.
  const DWORD kLarge = 60000, kSmall = AppProcess::kWindowTimeoutMs;
  const struct {
    const char* name;
    std::string common;
    std::string rest;
    DWORD startMs;
  } cases[] = {
      {"10,000 blank cells", "", blanks, kLarge},
      {"10,000 buttons still being read", "", programs, kLarge},
      {"a server that does not answer", "",
       "[Order]\r\n1=1\r\n[Tab1]\r\nNo=2\r\nBtn1=\\\\unreachable.invalid\\share\\tool.exe\r\n"
       "Btn2=\\\\unreachable.invalid\\share\\folder\r\n",
       kSmall},
      {"LastActiveTab names nothing", "LastActiveTab=nowhere\r\n", ThreeTabs(), kSmall},
      {"FrmBorderX 1000", "FrmBorderX=1000\r\nFrmBorderY=1000\r\n", ThreeTabs(), kSmall},
      {"missing files and devices", "",
       "[Order]\r\n1=1\r\n[Tab1]\r\nNo=3\r\nBtn1=C:\\no\\such.exe\r\nBtn2=Q:\\x.txt\r\n"
       "Btn3=\\\\.\\nul\r\n",
       kSmall},
      {"TabHightAdj -100", "TabHightAdj=-100\r\n", ThreeTabs(), kSmall},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HWND frame = StartBar(c.common, c.rest, c.startMs);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 3000)) << "the bar does not answer";
    EXPECT_TRUE(::IsWindowVisible(frame));
    ASSERT_TRUE(bar_.CloseFrame());
  }
}

}  // namespace
}  // namespace e2e
