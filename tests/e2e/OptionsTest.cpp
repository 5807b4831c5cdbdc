// The options sheet of the real settings library, opened from the real bar:
// which page each menu opens, what OK and Cancel leave in Kestrel.ini, the
// hot key trial, and what the running bar does with the new options.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "AppProcess.h"
#include "BarWindows.h"
#include "Input.h"
#include "ProgramFolder.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const UINT kOptionsFrame = 32800, kOptionsButton = 32808, kOptionsTab = 32807,
           kOptionsRecent = 32779;

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ASSERT_TRUE(folder_.AddPlumage());
    ParkPointer();
  }

  HWND Start(const std::string& common = "") {
    std::string ini = "[Common]\r\nTrans=10\r\n" + common +
                      "[Order]\r\n1=1\r\n[Tab1]\r\nNo=2\r\nDesc=Main\r\n"
                      "Btn1=C:\\windows\\notepad.exe\r\nBtn2=C:\\windows\\regedit.exe\r\n"
                      "[RecentUsed]\r\nBtn1=C:\\windows\\notepad.exe\r\n";
    frame_ = StartBar(folder_, ini, &bar_);
    return frame_;
  }

  // Opens the sheet with a menu command. Posted: a command sent from here
  // would hold the bar inside this test's call for as long as the sheet runs.
  HWND Open(UINT command) {
    if (!Post(frame_, WM_COMMAND, command, 0)) return nullptr;
    sheet_ = bar_.WaitForWindow("#32770", Cp932(L"オプション").c_str(), 10000);
    // The window exists a moment before its first page.
    if (sheet_ && !WaitUntil([this] { return Page() != nullptr; }, 5000)) return nullptr;
    return sheet_;
  }
  HWND Page() const {
    return reinterpret_cast<HWND>(::SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
  }
  int PageIndex() const {
    return static_cast<int>(
        ::SendMessageA(sheet_, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(Page()), 0));
  }
  HWND Control(int id) const { return ::GetDlgItem(Page(), id); }
  void Select(int page) const { ::SendMessageA(sheet_, PSM_SETCURSEL, page, 0); }
  void Click(int id) const { ::SendMessageA(Control(id), BM_CLICK, 0, 0); }
  // Posted, not sent: the sheet ends inside the button's handling.
  bool Press(int button) {
    HWND sheet = sheet_;
    return Post(sheet, PSM_PRESSBUTTON, button, 0) &&
           WaitUntil([sheet] { return !::IsWindow(sheet); }, 10000);
  }
  bool WaitForIni(const char* key, const std::string& value) {
    return WaitUntil([&] { return folder_.IniValue("Common", key) == value; }, 5000);
  }

  ProgramFolder folder_;
  AppProcess bar_;
  HWND frame_ = nullptr;
  HWND sheet_ = nullptr;
};

TEST_F(OptionsTest, EachMenuOpensItsPageAndCancelChangesNothing) {
  ASSERT_NE(Start("SleepTime=5050\r\n"), nullptr);
  const struct {
    UINT command;
    int page;
  } menus[] = {{kOptionsFrame, 1}, {kOptionsButton, 2}, {kOptionsTab, 3}, {kOptionsRecent, 5}};
  std::string before;
  for (const auto& m : menus) {
    ASSERT_NE(Open(m.command), nullptr) << m.command;
    EXPECT_EQ(PageIndex(), m.page) << m.command;
    // The bar writes its cache before the sheet opens; from then on the file stays.
    if (before.empty()) {
      before = folder_.ReadIni();
      // Closing the bar while its sheet runs would pull the library from under the sheet: the
      // bar stays. Sent, so the frame has handled it when the call returns.
      ASSERT_TRUE(SendWithTimeout(frame_, WM_CLOSE, 0, 0, 10000));
      ASSERT_TRUE(::IsWindow(sheet_) && ::IsWindow(frame_) && bar_.IsRunning());
    }
    Select(4);
    ::SetWindowTextA(Control(1667), "70");
    ASSERT_TRUE(Press(PSBTN_CANCEL));
  }
  EXPECT_EQ(folder_.ReadIni(), before);
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(OptionsTest, OkWritesOnlyWhatTheOpenedPagesHold) {
  ASSERT_NE(Start("SleepTime=5050\r\nHidType=2\r\nRctNo=3\r\n"), nullptr);
  // The Recently used page alone: RctNo and the end of the stored list.
  ASSERT_NE(Open(kOptionsRecent), nullptr);
  ::SetWindowTextA(Control(1805), "7");
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_TRUE(WaitForIni("RctNo", "7"));
  EXPECT_EQ(folder_.IniValue("RecentUsed", "Btn8", "absent"), "");
  EXPECT_EQ(folder_.IniValue("Common", "SleepTime"), "5050");

  // The Hide page opened: its times come back in whole tenths.
  ASSERT_NE(Open(kOptionsFrame), nullptr);
  Select(4);
  EXPECT_EQ(TextOf(Control(1667)), "50");
  ASSERT_TRUE(Press(PSBTN_OK));
  EXPECT_TRUE(WaitForIni("SleepTime", "5000"));
  EXPECT_EQ(folder_.IniValue("Common", "HidType"), "2");
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(OptionsTest, HotKeysAreTriedBeforeOkTakesThem) {
  ASSERT_NE(Start(), nullptr);
  // One key for hiding and showing is one registration: it passes.
  ASSERT_NE(Open(kOptionsFrame), nullptr);
  Select(6);
  const LPARAM ctrlShiftK = MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT);
  ::SendMessageA(Control(1026), HKM_SETHOTKEY, ctrlShiftK, 0);
  ::SendMessageA(Control(1028), HKM_SETHOTKEY, ctrlShiftK, 0);
  ASSERT_TRUE(Press(PSBTN_OK));
  const std::string stored = std::to_string(0x600 | 'K');
  // The bar writes the keys one after the other.
  EXPECT_TRUE(WaitForIni("HotKeyHide", stored));
  EXPECT_TRUE(WaitForIni("HotKeyShow", stored));

  // A key this program holds is refused, and the sheet stays open.
  ASSERT_TRUE(::RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'J'));
  ASSERT_NE(Open(kOptionsFrame), nullptr);
  Select(6);
  ::SendMessageA(Control(1027), HKM_SETHOTKEY, MAKEWORD('J', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
  HWND sheet = sheet_;
  ASSERT_TRUE(Post(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0));
  HWND box = bar_.WaitForMessageBox("Kestrel", 10000);
  ASSERT_NE(box, nullptr);
  MessageBoxInfo info = ReadShownMessageBox(box, true);
  EXPECT_EQ(info.text.rfind(Cp932(L"ホットキーを設定できませんでした。"), 0), 0u) << info.text;
  EXPECT_NE(info.text.find("Ctrl + Alt + J"), std::string::npos) << info.text;
  EXPECT_EQ(info.icon, BoxIcon::kExclamation);
  Post(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([box] { return !::IsWindow(box); }, 5000));
  EXPECT_TRUE(::IsWindow(sheet));
  ASSERT_TRUE(Press(PSBTN_CANCEL));
  ::UnregisterHotKey(nullptr, 1);
  EXPECT_EQ(folder_.IniValue("Common", "HotKeyExit", "0"), "0");
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(OptionsTest, LargeIconsAndAlwaysOnTopReachTheRunningBar) {
  // Small icons, not on top at first.
  ASSERT_NE(Start("Style=" + std::to_string(33500 & ~0x208) + "\r\n"), nullptr);
  const RECT smallFrame = WindowRectOf(frame_);
  ASSERT_EQ(::GetWindowLongA(frame_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  ASSERT_NE(Open(kOptionsButton), nullptr);
  Click(1519);
  Select(0);
  Click(1500);
  ASSERT_TRUE(Press(PSBTN_OK));

  // The cells grow with their icons, and the frame fits them again.
  EXPECT_TRUE(WaitUntil(
      [&] {
        RECT r = WindowRectOf(frame_);
        return r.bottom - r.top > smallFrame.bottom - smallFrame.top;
      },
      5000));
  // The bar took the style word with both bits. Wine 8 does not show WS_EX_TOPMOST on the frame
  // after its SetWindowPos(HWND_TOPMOST), from this sheet or from the bar's own menu command, so
  // the z-order band itself is not checked here.
  EXPECT_TRUE(WaitForIni("Style", std::to_string(33500)));
  ASSERT_TRUE(bar_.CloseFrame());
}

}  // namespace
}  // namespace e2e
