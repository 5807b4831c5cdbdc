#include <gtest/gtest.h>

#include "frame/HookListener.h"
#include "hook/TalonProtocol.h"
#include "tests/unit/TalonLibrary.h"

namespace {

TEST(HookListenerTest, HookWordsCarryTheChosenSpotsTheLineEdgeAndTheSize) {
  struct Case {
    const char* what;
    WORD word;
    WORD expected;
  };
  const Case cases[] = {
      {"hide: chosen corner and strip", HideTouchHookWord(true, 0x21, 5), 0x05A1},
      {"hide: style bit off", HideTouchHookWord(false, 0x21, 5), 0x0500},
      {"hide: top edge is not a choice", HideTouchHookWord(true, 0x40, 5), 0x0580},
      {"hide: oversized spot", HideTouchHookWord(true, 0x01, 300), 0xFF81},
      {"show: chosen corner", ShowTouchHookWord(true, 0x02, 5, 0, 0), 0x0582},
      {"show: square window adds nothing", ShowTouchHookWord(false, 0x02, 7, 2, 0), 0x0700},
      {"show: line at the top", ShowTouchHookWord(false, 0x02, 5, 1, 0), 0x05C0},
      {"show: line at the left", ShowTouchHookWord(true, 0x04, 5, 1, 1), 0x0594},
      {"show: line at the bottom", ShowTouchHookWord(false, 0, 5, 1, 2), 0x0580},
      {"show: line at the right", ShowTouchHookWord(false, 0, 6, 1, 3), 0x06A0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.word, c.expected) << c.what;
}

const UINT kReport = 0x8004;

// Waits for the listener's report; other processes' pointer moves never match it.
bool WaitForReport(HWND frame, WPARAM wParam, LPARAM lParam) {
  for (int round = 0; round < 500; ++round) {
    MSG msg;
    while (::PeekMessageA(&msg, frame, kReport, kReport, PM_REMOVE))
      if (msg.wParam == wParam && msg.lParam == lParam) return true;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_POSTMESSAGE);
  }
  return false;
}

TEST(HookListenerTest, ListenerPassesTalonReportsToTheFrameUntilStopped) {
  HWND frame = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
  ASSERT_TRUE(StartHookListener(frame, kReport, 0x0581));
  HWND listener = ::FindWindowA(TALON_LISTENER_CLASS, TALON_LISTENER_TITLE);
  ASSERT_NE(listener, nullptr);
  EXPECT_EQ(listener, GetHookListenerWindow());
  EXPECT_FALSE(::IsWindowVisible(listener));
  EXPECT_EQ(::GetWindowLongA(listener, 0), 0x0581);
  HMODULE talon = ::GetModuleHandleA("Talon.dll");
  ASSERT_NE(talon, nullptr) << "the listener loads Talon from the program's folder";

  MOUSEHOOKSTRUCT mouse{};
  mouse.pt = {4, 3};
  mouse.hwnd = frame;
  TalonHookProc(talon)(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&mouse));
  EXPECT_TRUE(WaitForReport(frame, 0x00030004, 0x00050001));

  SetHookWord(0);
  EXPECT_EQ(::GetWindowLongA(listener, 0), 0);

  StopHookListener();
  EXPECT_EQ(GetHookListenerWindow(), nullptr);
  EXPECT_FALSE(::IsWindow(listener));
  EXPECT_EQ(::GetModuleHandleA("Talon.dll"), nullptr);
  ::DestroyWindow(frame);
}

}  // namespace
