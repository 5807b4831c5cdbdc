// The driver's own means, which the scenarios rely on, tried on windows of this process: reading
// message boxes (each system icon must be named right) and sending real input.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Input.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

TEST(DriverTest, ReadsTheIconTextAndButtonsOfAMessageBox) {
  const struct {
    UINT style;
    BoxIcon icon;
  } cases[] = {{MB_ICONSTOP, BoxIcon::kStop},
               {MB_ICONEXCLAMATION, BoxIcon::kExclamation},
               {MB_ICONINFORMATION, BoxIcon::kInformation},
               {MB_ICONQUESTION, BoxIcon::kQuestion},
               {0, BoxIcon::kNone}};
  for (const auto& c : cases) {
    SCOPED_TRACE(BoxIconName(c.icon));
    std::thread shower(
        [&c] { ::MessageBoxA(nullptr, "一行目\n2", "DriverTest", MB_OKCANCEL | c.style); });
    HWND box = WaitForTopLevelWindow(::GetCurrentProcessId(), "#32770", "DriverTest", 10000);
    if (box) {
      // Once it has painted its icon, if it is to show one.
      MessageBoxInfo info = ReadShownMessageBox(box, c.icon != BoxIcon::kNone);
      EXPECT_EQ(info.icon, c.icon) << BoxIconName(info.icon);
      EXPECT_EQ(info.title, "DriverTest");
      EXPECT_EQ(info.text, "一行目\n2");
      EXPECT_EQ(info.buttons.size(), 2u);
      ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    }
    shower.join();
    ASSERT_NE(box, nullptr);
  }
}

// A top-level edit control and a button, run by a thread of their own as another program's
// windows would be.
class InputTarget {
 public:
  InputTarget() : thread_([this] { Run(); }) {
    WaitUntil([this] { return ready_.load(); }, 10000);
  }
  ~InputTarget() {
    if (edit_) ::PostMessageA(edit_, WM_CLOSE, 0, 0);
    if (button_) ::PostMessageA(button_, WM_CLOSE, 0, 0);
    ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND edit() const { return edit_; }
  HWND button() const { return button_; }
  int clicks() const { return clicks_; }

 private:
  void Run() {
    threadId_ = ::GetCurrentThreadId();
    edit_ = ::CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100, 300, 40,
                              nullptr, nullptr, nullptr, nullptr);
    button_ = ::CreateWindowExA(0, "BUTTON", "push", WS_POPUP | WS_VISIBLE | BS_PUSHBUTTON, 500,
                                300, 120, 60, nullptr, nullptr, nullptr, nullptr);
    ready_ = true;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      // A click on the pop-up button: pressed and released over it.
      if (msg.hwnd == button_ && msg.message == WM_LBUTTONUP) ++clicks_;
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::DestroyWindow(edit_);
    ::DestroyWindow(button_);
  }

  std::atomic<bool> ready_{false};
  std::atomic<int> clicks_{0};
  HWND edit_ = nullptr;
  HWND button_ = nullptr;
  DWORD threadId_ = 0;
  std::thread thread_;
};

TEST(DriverTest, SendsKeysAndClicksThatReachTheirWindows) {
  InputTarget target;
  ASSERT_NE(target.edit(), nullptr);
  ASSERT_TRUE(BringToFront(target.edit()));
  ::SetFocus(nullptr);
  ASSERT_TRUE(ClickAtPointer(150, 120));  // into the edit control, which takes the focus
  ASSERT_TRUE(TypeText(L"ab1"));
  ASSERT_TRUE(PressKey('C', false, true));  // Shift+C
  EXPECT_TRUE(WaitUntil([&] { return TextOf(target.edit()) == "ab1C"; }, 5000))
      << TextOf(target.edit());

  ASSERT_TRUE(ClickAtPointer(560, 330));
  EXPECT_TRUE(WaitUntil([&] { return target.clicks() == 1; }, 5000)) << target.clicks();
  ParkPointer();
}

}  // namespace
}  // namespace e2e
