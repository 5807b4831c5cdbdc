// The mouse hook as the bar starts it: Talon loaded and the listener window made only when a
// touch spot is live, and a missing Talon reported without stopping the bar.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>

#include "Input.h"
#include "ProgramFolder.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const char kListenerClass[] = "KestrelSpyHookClass";
const char kListenerTitle[] = "KestrelSpyHookWindow";

bool HasModule(DWORD pid, const char* name) {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  bool found = false;
  for (BOOL more = ::Module32First(snapshot, &module); more && !found;
       more = ::Module32Next(snapshot, &module))
    found = ::lstrcmpiA(module.szModule, name) == 0;
  ::CloseHandle(snapshot);
  return found;
}

class HookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ParkPointer();
  }
  HWND StartBar(const std::string& commonLines) {
    EXPECT_TRUE(folder_.WriteIni("[Common]\r\nTrans=10\r\n" + commonLines));
    bar_ = folder_.Start();
    EXPECT_TRUE(bar_.Started()) << "error " << bar_.StartError();
    return bar_.WaitForFrame();
  }

  ProgramFolder folder_;
  AppProcess bar_;
};

TEST_F(HookTest, TalonAndTheListenerRunOnlyWhileSomeSpotIsLive) {
  ASSERT_TRUE(folder_.AddBinary("Talon.dll", "Talon.dll"));
  const struct {
    const char* what;
    const char* common;
    bool live;
    LONG word;  // the live word while the bar is shown
  } cases[] = {
      {"no touch spots", "Style=33500\r\nHookScnPos=32\r\n", false, 0},
      {"touch-to-hide at the right edge", "Style=268468956\r\nHookScnPos=32\r\nHookScnSize=7\r\n",
       true, 0x07A0},
      {"thin line at the top (nothing live while shown)",
       "Style=33500\r\nHidType=1\r\nHidLinePos=0\r\n", true, 0x0500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HWND frame = StartBar(c.common);
    ASSERT_NE(frame, nullptr);
    // The listener starts once the bar is on screen; a second is plenty to see none appear.
    HWND listener = WaitForTopLevelWindow(bar_.Id(), kListenerClass, kListenerTitle,
                                          c.live ? 10000 : 1000, bar_.Handle());
    EXPECT_EQ(listener != nullptr, c.live);
    EXPECT_EQ(HasModule(bar_.Id(), "Talon.dll"), c.live);
    if (listener) {
      EXPECT_FALSE(::IsWindowVisible(listener));
      EXPECT_EQ(::GetWindowLongA(listener, 0), c.word);
    }
    EXPECT_EQ(bar_.WaitForMessageBox("Kestrel", 300), nullptr);
    ASSERT_TRUE(bar_.CloseFrame());
  }
}

TEST_F(HookTest, MissingTalonIsReportedAndTheBarWorksOn) {
  HWND frame = StartBar("Style=33500\r\nHidType=1\r\nHidLinePos=3\r\n");
  ASSERT_NE(frame, nullptr);
  HWND box = bar_.WaitForMessageBox("Kestrel", 10000);
  ASSERT_NE(box, nullptr);
  MessageBoxInfo info = ReadMessageBox(box);
  EXPECT_EQ(info.text, "TALON.DLLモジュールをロードできませんでした。rc=126");
  // The icon is read from the screen, which a shared display does not always show.
  if (info.icon != BoxIcon::kNone) {
    EXPECT_EQ(info.icon, BoxIcon::kExclamation);
  }
  EXPECT_EQ(::GetWindow(box, GW_OWNER), frame);
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 3000));
  EXPECT_NE(WaitForTopLevelWindow(bar_.Id(), kListenerClass, kListenerTitle, 3000), nullptr)
      << "the listener runs on without the hook";
  EXPECT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 5000));
  EXPECT_TRUE(bar_.CloseFrame());
}

}  // namespace
}  // namespace e2e
