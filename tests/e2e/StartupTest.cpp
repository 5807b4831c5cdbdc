// Start-up and shutdown of the bar: when the setup tool runs instead, where the frame appears,
// what closing stores.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Input.h"
#include "ProgramFolder.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const DWORD kHatchlingTimeoutMs = 10000;

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

int ScreenWidth() { return ::GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel()) << "Kestrel.exe not found in " << ProgramFolder::BinFolder();
    ParkPointer();
  }

  // Starts the bar with the given [Common] lines (Trans=10 is added) and returns its frame.
  HWND StartBar(AppProcess* bar, const std::string& commonLines) {
    EXPECT_TRUE(folder_.WriteIni("[Common]\r\nTrans=10\r\n" + commonLines));
    *bar = folder_.Start();
    EXPECT_TRUE(bar->Started()) << "error " << bar->StartError();
    return bar->WaitForFrame();
  }

  ProgramFolder folder_;
};

TEST_F(StartupTest, SettingsNotOfThisLayoutStartTheSetupToolAndShowNoBar) {
  const struct {
    const char* name;
    bool writeFile;
    const char* ini;
  } cases[] = {
      {"no settings file", false, ""},
      {"Trans 9", true, "[Common]\r\nTrans=9\r\n"},
      {"no Trans", true, "[Common]\r\nStyle=33500\r\n"},
      {"Trans 11", true, "[Common]\r\nTrans=11\r\n"},
      {"Trans not a number", true, "[Common]\r\nTrans=ten\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFolder folder;
    ASSERT_TRUE(folder.AddKestrel());
    ASSERT_TRUE(folder.AddFakeHatchling());
    if (c.writeFile) {
      ASSERT_TRUE(folder.WriteIni(c.ini));
    }

    AppProcess bar = folder.Start();
    ASSERT_TRUE(bar.Started()) << "error " << bar.StartError();
    // Watch for a frame for as long as the process lives.
    EXPECT_EQ(bar.WaitForFrame(kHatchlingTimeoutMs), nullptr) << "a bar window appeared";
    EXPECT_TRUE(bar.WaitForExit()) << "Kestrel did not end";
    EXPECT_EQ(bar.FindFrame(), nullptr);

    std::string commandLine = folder.WaitForFileBytes("Hatchling.ran", kHatchlingTimeoutMs);
    ASSERT_FALSE(commandLine.empty()) << "the setup tool was not started";
    EXPECT_NE(commandLine.find(folder.PathOf("Hatchling.exe")), std::string::npos) << commandLine;

    // Starting the setup tool is all the bar does: the settings file is the tool's to write.
    if (c.writeFile) {
      EXPECT_EQ(folder.ReadIni(), c.ini);
    } else {
      EXPECT_FALSE(folder.Exists("Kestrel.ini"));
    }
  }
}

TEST_F(StartupTest, MissingSetupToolGivesStopBoxAndAbnormalEnd) {
  ASSERT_TRUE(folder_.WriteIni("[Common]\r\nTrans=9\r\n"));
  AppProcess bar = folder_.Start();
  ASSERT_TRUE(bar.Started());

  HWND box = bar.WaitForMessageBox("Kestrel");
  ASSERT_NE(box, nullptr) << "no message box";
  MessageBoxInfo info = ReadShownMessageBox(box, true);
  EXPECT_EQ(info.icon, BoxIcon::kStop) << BoxIconName(info.icon);
  // The system's text for "file not found", its code, a line feed and the command line.
  size_t lineFeed = info.text.find('\n');
  ASSERT_NE(lineFeed, std::string::npos) << info.text;
  std::string error = info.text.substr(0, lineFeed);
  EXPECT_GT(error.size(), std::string(" (0x2)").size()) << error;
  EXPECT_EQ(error.substr(error.size() - 6), " (0x2)") << error;
  EXPECT_EQ(error.find('\r'), std::string::npos) << "the system text keeps its line end";
  EXPECT_NE(info.text.find(folder_.PathOf("Hatchling.exe"), lineFeed), std::string::npos)
      << info.text;
  EXPECT_EQ(info.buttons.size(), 1u);
  EXPECT_EQ(bar.FindFrame(), nullptr);

  ASSERT_TRUE(Post(box, WM_COMMAND, IDOK));
  ASSERT_TRUE(bar.WaitForExit());
  EXPECT_NE(bar.ExitCode(), 0u);
  EXPECT_EQ(bar.FindFrame(), nullptr);
}

TEST_F(StartupTest, FrameAppearsAtTheStoredOrDefaultPlacement) {
  const int w = ScreenWidth(), h = ScreenHeight();
  // The view fits the bar's thickness to its buttons once it has started: the thickness
  // (f) is checked to be a usable one, the position and the length to be what was asked.
  const int f = -1;
  const struct {
    const char* name;
    const char* lines;
    RECT expected;
  } cases[] = {
      {"stored rectangle", "WinPos=0:1:-1:-1:-1:-1:100:200:700:240\r\n", {100, 200, 700, f}},
      {"clamped to the top left", "WinPos=0:1:-1:-1:-1:-1:-10:-20:300:40\r\n", {0, 0, 300, f}},
      {"clamped to the bottom right",
       "WinPos=0:1:-1:-1:-1:-1:900:700:5000:5000\r\n",
       {900, 700, w, f}},
      // A horizontal bar asks for an empty rectangle from the middle to the right edge, a
      // vertical one for the screen's height at the left.
      {"no WinPos", "", {w / 2, 0, w, f}},
      {"empty WinPos", "WinPos=\r\n", {w / 2, 0, w, f}},
      {"fewer than ten numbers", "WinPos=0:1:-1:-1:-1:-1:100:200:700\r\n", {w / 2, 0, w, f}},
      {"inverted", "WinPos=0:1:-1:-1:-1:-1:500:0:400:40\r\n", {w / 2, 0, w, f}},
      {"off the screen", "WinPos=0:1:-1:-1:-1:-1:5000:0:5100:40\r\n", {w / 2, 0, w, f}},
      {"vertical at the left", "Style=99036\r\n", {0, 0, f, h}},
      {"vertical at the right", "Style=164572\r\n", {0, 0, f, h}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    AppProcess bar;
    HWND frame = StartBar(&bar, c.lines);
    ASSERT_NE(frame, nullptr) << "no frame window";
    EXPECT_TRUE(::IsWindowVisible(frame));
    // A pop-up tool window with a dialog frame and a minimise box, not in the taskbar (the
    // system adds WS_CLIPSIBLINGS to every top-level window).
    EXPECT_EQ(::GetWindowLongA(frame, GWL_STYLE) & 0xFFFF0000L & ~WS_CLIPSIBLINGS, 0x90420000L);
    EXPECT_TRUE(::GetWindowLongA(frame, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(VisibleTopLevelWindows(bar.Id()), std::vector<HWND>{frame});
    RECT actual = WindowRectOf(frame), expected = c.expected;
    bool vertical = expected.right == f;
    // The fitted thickness: more than the tab strip alone, less than half the screen.
    int thickness = vertical ? actual.right - actual.left : actual.bottom - actual.top;
    EXPECT_GT(thickness, ::GetSystemMetrics(SM_CYVTHUMB));
    EXPECT_LT(thickness, (vertical ? w : h) / 2);
    (vertical ? expected.right : expected.bottom) =
        (vertical ? expected.left : expected.top) + thickness;
    EXPECT_EQ(RectText(actual), RectText(expected));
    EXPECT_TRUE(bar.CloseFrame());
  }
}

TEST_F(StartupTest, ClosingStoresTheFramePlacement) {
  AppProcess bar;
  HWND frame = StartBar(&bar, "WinPos=0:1:-1:-1:-1:-1:100:200:700:240\r\n");
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(::SetWindowPos(frame, nullptr, 50, 60, 600, 40, SWP_NOZORDER | SWP_NOACTIVATE));
  ASSERT_EQ(RectText(WindowRectOf(frame)), RectText({50, 60, 650, 100}));
  ASSERT_TRUE(bar.CloseFrame());
  EXPECT_EQ(bar.ExitCode(), 0u);

  // flags:show command:minimised x:y:maximised x:y:normal left:top:right:bottom
  std::string winPos = folder_.IniValue("Common", "WinPos");
  EXPECT_EQ(winPos.substr(0, 4), "0:1:") << winPos;
  const std::string normal = ":50:60:650:100";
  ASSERT_GE(winPos.size(), normal.size()) << winPos;
  EXPECT_EQ(winPos.substr(winPos.size() - normal.size()), normal) << winPos;
  EXPECT_EQ(std::count(winPos.begin(), winPos.end(), ':'), 9) << winPos;
}

TEST_F(StartupTest, ClosingWithoutEditsLeavesTheTabSectionsAsTheyWere) {
  // Not in the form the bar writes (key order, a foreign key, a hidden tab, a tab without a
  // section): a save would show in the bytes.
  const std::string ini =
      "[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:100:200:700:240\r\n"
      "[Order]\r\n2=1\r\n1=-1\r\n3=1\r\n"
      "[Tab1]\r\nDesc=隠しタブ\r\nNo=1\r\nBtn1=C:\\windows\\notepad.exe\r\n"
      "[Tab2]\r\nBtn2=/\r\nBtn1=C:\\windows\\regedit.exe|0/2/0/2/0\r\nNo=3\r\nDesc=表示タブ\r\n"
      "Memo=kept\r\n";
  ASSERT_TRUE(folder_.WriteIni(ini));
  AppProcess bar = folder_.Start();
  ASSERT_NE(bar.WaitForFrame(), nullptr);
  ASSERT_TRUE(bar.CloseFrame());

  std::string after = folder_.ReadIni();
  for (const char* section : {"Order", "Tab1", "Tab2"}) {
    SCOPED_TRACE(section);
    EXPECT_FALSE(SectionBytes(ini, section).empty());
    EXPECT_EQ(SectionBytes(after, section), SectionBytes(ini, section));
  }
  EXPECT_EQ(SectionBytes(after, "Tab3"), "");
}

TEST_F(StartupTest, DamagedSettingsFileStillGivesABarThatClosesCleanly) {
  // Hand-edited and damaged: an [Order] far beyond what is read, binary bytes, a line of a
  // megabyte, a record of thousands of separators, a huge button count, negative numbers.
  std::string order = "[Order]\r\n";
  for (int i = 1; i <= 10000; ++i) order += std::to_string(i) + "=1\r\n";
  std::string binary = "[Tab3]\r\nDesc=";
  for (int c = 1; c < 256; ++c)
    if (c != '\r' && c != '\n') binary += static_cast<char>(c);
  binary += "\r\nNo=-5\r\n";
  const std::string ini =
      "[Common]\r\nTrans=10\r\nWinPos=0:1:a:b:-1:-1:100:200:700:240\r\n"
      "NewBtnNum=-7\r\nTabScrW=-100000\r\n" +
      order + "[Tab1]\r\nNo=100000\r\nDesc=" + std::string(1 << 20, 'x') +
      "\r\nBtn1=" + std::string(5000, '|') + std::string(5000, '/') +
      "\r\nBtn2=C:\\windows\\notepad.exe|99999999999/7/-1/9/4294967296\r\n"
      "[Tab2]\r\nNo=1\r\nDesc=残る\r\nBtn1=C:\\a.exe\r\n" +
      binary;
  ASSERT_TRUE(folder_.WriteIni(ini));
  AppProcess bar = folder_.Start();
  // The rest of the WinPos is not read as numbers: the default placement.
  HWND frame = bar.WaitForFrame(60000);
  ASSERT_NE(frame, nullptr) << "exit code " << bar.ExitCode();
  EXPECT_EQ(WindowRectOf(frame).left, ScreenWidth() / 2);
  ASSERT_TRUE(bar.CloseFrame(60000));
  EXPECT_EQ(bar.ExitCode(), 0u);
  // Nothing was edited, so nothing of the tabs was written back.
  EXPECT_EQ(folder_.IniValue("Tab2", "Desc"), "残る");
  EXPECT_EQ(folder_.IniValue("Tab1", "No"), "100000");
  EXPECT_EQ(folder_.IniValue("Tab1", "Desc").size(), 1u << 20);
}

TEST_F(StartupTest, ProgramFolderWithSpacesAndJapaneseNameIsFound) {
  // A space, and characters whose second byte in code page 932 is the byte of a backslash.
  const std::string suffix = " ソ表能";
  {
    ProgramFolder folder(suffix);
    ASSERT_TRUE(folder.Created());
    ASSERT_TRUE(folder.AddKestrel());
    ASSERT_TRUE(
        folder.WriteIni("[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:100:200:700:240\r\n"));
    AppProcess bar = folder.Start();
    HWND frame = bar.WaitForFrame();
    ASSERT_NE(frame, nullptr) << "exit code " << bar.ExitCode();
    // The stored placement proves that the settings file of this folder was read (the
    // thickness is the view's fit).
    RECT r = WindowRectOf(frame);
    EXPECT_EQ(RectText({r.left, r.top, r.right, 0}), RectText({100, 200, 700, 0}));
    EXPECT_TRUE(bar.CloseFrame());
  }
  {
    ProgramFolder folder(suffix);
    ASSERT_TRUE(folder.AddKestrel());
    ASSERT_TRUE(folder.AddFakeHatchling());
    ASSERT_TRUE(folder.WriteIni("[Common]\r\nTrans=9\r\n"));
    AppProcess bar = folder.Start();
    EXPECT_TRUE(bar.WaitForExit());
    std::string commandLine = folder.WaitForFileBytes("Hatchling.ran", kHatchlingTimeoutMs);
    ASSERT_FALSE(commandLine.empty()) << "the setup tool of this folder was not started";
    EXPECT_NE(commandLine.find(folder.PathOf("Hatchling.exe")), std::string::npos);
  }
}

}  // namespace
}  // namespace e2e
