// What a released program folder promises beyond the bar itself: one bar per folder, a backup
// of the settings file, and a package that sets itself up and starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Input.h"
#include "ProgramFolder.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const char kSettings[] = "[Common]\r\nTrans=10\r\nEmblem=before\r\n";

size_t BarCount() { return FindTopLevelWindows(0, "KestrelFrame", "Kestrel").size(); }

class ReleaseTest : public ::testing::Test {
 protected:
  void SetUp() override { ParkPointer(); }

  static AppProcess StartBar(const ProgramFolder& folder, HWND* frame) {
    AppProcess bar = folder.Start();
    EXPECT_TRUE(bar.Started()) << "error " << bar.StartError();
    *frame = bar.WaitForFrame();
    EXPECT_NE(*frame, nullptr) << "no bar in " << folder.Path();
    return bar;
  }
};

TEST_F(ReleaseTest, ASecondStartFromTheSameFolderShowsTheRunningBarAndEnds) {
  ProgramFolder folder, other("-other");
  for (ProgramFolder* f : {&folder, &other}) {
    ASSERT_TRUE(f->AddKestrel());
    ASSERT_TRUE(f->WriteIni(kSettings));
  }
  HWND first = nullptr;
  AppProcess bar = StartBar(folder, &first);
  ASSERT_NE(first, nullptr);

  AppProcess second = folder.Start();
  ASSERT_TRUE(second.Started());
  EXPECT_TRUE(second.WaitForExit()) << "the second start did not end";
  EXPECT_EQ(second.FindFrame(), nullptr);
  EXPECT_EQ(BarCount(), 1u);
  EXPECT_TRUE(::IsWindowVisible(first));
  EXPECT_TRUE(bar.IsRunning());

  // Another folder has its own settings file and its own bar.
  HWND third = nullptr;
  AppProcess otherBar = StartBar(other, &third);
  EXPECT_NE(third, nullptr);
  EXPECT_EQ(BarCount(), 2u);
  EXPECT_TRUE(otherBar.CloseFrame());
  EXPECT_TRUE(bar.CloseFrame());
}

TEST_F(ReleaseTest, ARunThatChangesTheSettingsKeepsTheFileAsItWasInBak) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.AddKestrel());
  ASSERT_TRUE(folder.WriteIni(kSettings));
  HWND frame = nullptr;
  AppProcess bar = StartBar(folder, &frame);
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(folder.Exists("Kestrel.ini.bak")) << "nothing was written yet";
  ASSERT_TRUE(bar.CloseFrame());  // closing stores the placement
  ASSERT_NE(folder.ReadIni(), kSettings);
  EXPECT_EQ(folder.ReadFileBytes("Kestrel.ini.bak"), kSettings);
}

// Run by e2e.Package with the folder an unpacked zip made; skipped on its own.
TEST_F(ReleaseTest, AnUnpackedPackageSetsItselfUpThenShowsTheBar) {
  char unpacked[MAX_PATH] = {};
  if (!::GetEnvironmentVariableA("KESTREL_UNPACKED", unpacked, MAX_PATH)) {
    GTEST_SKIP() << "needs KESTREL_UNPACKED (e2e.Package sets it)";
  }
  std::string path = std::string(unpacked) + "\\";
  AppProcess start(path + "Kestrel.exe", "", path);
  ASSERT_TRUE(start.Started()) << "error " << start.StartError();
  // The first start hands over to the setup tool, which starts the bar again.
  HWND frame = WaitForTopLevelWindow(0, "KestrelFrame", "Kestrel", 60000);
  ASSERT_NE(frame, nullptr) << "no bar after setup";
  char trans[16] = {};
  ::GetPrivateProfileStringA("Common", "Trans", "", trans, sizeof trans,
                             (path + "Kestrel.ini").c_str());
  EXPECT_STREQ(trans, "10");
  ::PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([] { return BarCount() == 0; }, 15000)) << "the bar did not close";
}

}  // namespace
}  // namespace e2e
