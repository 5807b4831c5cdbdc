// The tab-order and show/hide dialogs of the real settings library, opened from the real bar's
// tab menu commands: what the lists allow, what OK asks, and what the bar keeps afterwards.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>

#include "AppProcess.h"
#include "BarWindows.h"
#include "Input.h"
#include "ProgramFolder.h"
#include "Text.h"
#include "WindowFinder.h"
#include "core/ShellLink.h"

namespace e2e {
namespace {

const UINT kTabOrder = 32776, kShowHide = 32828;
const UINT kNew = 32780, kDelete = 32781, kRename = 32785, kLeft = 32786, kRight = 32787;

class TabDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ASSERT_TRUE(folder_.AddPlumage());
    ASSERT_TRUE(folder_.AddBinary("e2e\\LauncherHarness.exe", "LauncherHarness.exe"));
    ASSERT_TRUE(folder_.AddFakeHatchling());
    ParkPointer();
  }

  // tabs: one line per tab, "number=visibility" with its section text.
  HWND Start(const std::string& order, const std::string& sections) {
    frame_ = StartBar(folder_, "[Common]\r\nTrans=10\r\n[Order]\r\n" + order + sections, &bar_);
    return frame_;
  }
  HWND Open(UINT command, const wchar_t* title) {
    if (!Post(frame_, WM_COMMAND, command, 0)) return nullptr;
    dialog_ = bar_.WaitForWindow("#32770", Cp932(title).c_str(), 10000);
    // The window exists while its lists are being filled; it shows once they are.
    HWND dialog = dialog_;
    if (dialog &&
        !WaitUntil([dialog] { return ::IsWindowVisible(dialog); }, AppProcess::kWindowTimeoutMs))
      return nullptr;
    return dialog_;
  }
  HWND List(int id) const { return ::GetDlgItem(dialog_, id); }
  static int Count(HWND list) { return static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0)); }
  // Asked for in wide characters: Wine 8 hands another process's ANSI request the wide text.
  static std::string Item(HWND list, int index) {
    wchar_t text[256] = L"";
    ::SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    char narrow[512] = "";
    ::WideCharToMultiByte(932, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
  }
  HWND Toolbar() const { return ::FindWindowExA(dialog_, nullptr, TOOLBARCLASSNAMEA, nullptr); }
  void Command(UINT id) const {
    Post(dialog_, WM_COMMAND, id, reinterpret_cast<LPARAM>(Toolbar()));
  }
  bool Disabled(UINT id) const {
    return WaitUntil([&] { return ::SendMessageA(Toolbar(), TB_ISBUTTONENABLED, id, 0) == 0; },
                     AppProcess::kWindowTimeoutMs);
  }
  // Types text into the running in-place edit and presses Enter there.
  bool Type(HWND list, const std::string& text) const {
    HWND edit = nullptr;
    if (!WaitUntil(
            [&] {
              edit = ::FindWindowExA(list, nullptr, "Edit", nullptr);
              return edit && ::IsWindowVisible(edit);
            },
            AppProcess::kWindowTimeoutMs))
      return false;
    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Post(edit, WM_KEYDOWN, VK_RETURN, 0);
    return WaitUntil([&] { return !::IsWindowVisible(edit); }, AppProcess::kWindowTimeoutMs);
  }
  bool Rename(HWND list, int index, const std::string& text) const {
    const LRESULT height = ::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    Post(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
         MAKELPARAM(20, static_cast<int>(index * height + height / 2)));
    return Type(list, text);
  }
  void Select(HWND list, int index) const {
    ::SendMessageA(list, LB_SETCURSEL, index, 0);
    Post(dialog_, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), LBN_SELCHANGE),
         reinterpret_cast<LPARAM>(list));
  }
  // Presses OK; the box it asks with, when it asks.
  HWND PressOk(DWORD boxTimeout = AppProcess::kWindowTimeoutMs) {
    Post(dialog_, WM_COMMAND, IDOK, 0);
    return bar_.WaitForMessageBox("Kestrel", boxTimeout);
  }
  bool Answer(HWND box, int button) {
    Post(box, WM_COMMAND, button, 0);
    return WaitUntil([box] { return !::IsWindow(box); }, AppProcess::kWindowTimeoutMs);
  }
  bool Closed() const {
    HWND dialog = dialog_;
    return WaitUntil([dialog] { return !::IsWindow(dialog); }, AppProcess::kWindowTimeoutMs);
  }
  // Drags with real input from the middle of item 0 of from to the middle of to.
  void Drag(HWND from, HWND to) const {
    BringToFront(dialog_);
    const LRESULT height = ::SendMessageA(from, LB_GETITEMHEIGHT, 0, 0);
    POINT start{20, static_cast<LONG>(height / 2)};
    ::ClientToScreen(from, &start);
    RECT target = WindowRectOf(to);
    PressAtPointer(start.x, start.y);
    MovePointerTo(start.x + 10, start.y + 10);
    MovePointerTo((target.left + target.right) / 2, (target.top + target.bottom) / 2);
    ReleaseAtPointer((target.left + target.right) / 2, (target.top + target.bottom) / 2);
    ParkPointer();
  }

  ProgramFolder folder_;
  AppProcess bar_;
  HWND frame_ = nullptr;
  HWND dialog_ = nullptr;
};

TEST_F(TabDialogsTest, TabOrderKeepsRenamedAndSwappedTabsAndAsksBeforeDeleting) {
  // Main holds an action button that switches to Two.
  std::string action = folder_.PathOf("two.lnk");
  AppProcess harness =
      folder_.Start("LauncherHarness.exe", "shortcut \"" + action + "\" \"" +
                                               folder_.PathOf("Hatchling.exe") + "\" \"/sw:Two\"");
  ASSERT_TRUE(harness.WaitForExit());
  ASSERT_NE(Start("1=1\r\n2=1\r\n3=1\r\n",
                  "[Tab1]\r\nDesc=Main\r\nNo=2\r\nBtn1=C:\\windows\\notepad.exe\r\nBtn2=" + action +
                      "|2\r\n[Tab2]\r\nDesc=Two\r\nNo=1\r\nBtn1=C:\\windows\\regedit.exe"
                      "\r\n[Tab3]\r\nDesc=Three\r\nNo=0\r\n"),
            nullptr);
  ASSERT_NE(Open(kTabOrder, L"順序の変更"), nullptr);
  HWND list = List(1000);
  ASSERT_EQ(Count(list), 3);
  // The icon strip follows the selection: Main's two buttons, nothing for the empty Three.
  for (int index : {0, 2}) {
    Select(list, index);
    EXPECT_TRUE(WaitUntil([&] { return Count(List(1818)) == (index == 0 ? 2 : 0); },
                          AppProcess::kWindowTimeoutMs))
        << index;
  }

  // Main and Two swap names in place; the blanks around a name go.
  ASSERT_TRUE(Rename(list, 0, "Swap"));
  ASSERT_TRUE(Rename(list, 1, "  Main "));
  ASSERT_TRUE(Rename(list, 0, "Two"));
  // The list takes the name just after the edit hides, and may not have it yet.
  EXPECT_TRUE(WaitUntil([&] { return Item(list, 0) == "Two" && Item(list, 1) == "Main"; },
                        AppProcess::kWindowTimeoutMs))
      << Item(list, 0) << ", " << Item(list, 1);

  // A new item left empty is gone once its edit ends.
  Command(kNew);
  ASSERT_TRUE(Type(list, "   "));
  EXPECT_TRUE(WaitUntil([&] { return Count(list) == 3; }, AppProcess::kWindowTimeoutMs));

  // Deleting Three asks with its name; Cancel keeps the dialog.
  Select(list, 2);
  Command(kDelete);
  ASSERT_TRUE(WaitUntil([&] { return Count(list) == 2; }, AppProcess::kWindowTimeoutMs));
  HWND box = PressOk();
  ASSERT_NE(box, nullptr);
  MessageBoxInfo info = ReadShownMessageBox(box, true, 10000);
  EXPECT_EQ(info.text.rfind(Cp932(L"次のバーとバーのボタンをすべて削除してよろしいですか？")), 0u)
      << info.text;
  EXPECT_NE(info.text.find(" 'Three'"), std::string::npos) << info.text;
  EXPECT_EQ(info.icon, BoxIcon::kQuestion);
  ASSERT_TRUE(Answer(box, IDCANCEL));
  EXPECT_TRUE(::IsWindow(dialog_));
  box = PressOk();
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(Answer(box, IDOK));
  ASSERT_TRUE(Closed());
  ASSERT_TRUE(bar_.CloseFrame());

  // Each tab kept its number and its buttons under its new name; the action follows Two.
  EXPECT_EQ(folder_.IniValue("Order", "3", "gone"), "gone");
  EXPECT_EQ(folder_.IniValue("Tab1", "Desc"), "Two");
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), "C:\\windows\\notepad.exe");
  EXPECT_EQ(folder_.IniValue("Tab2", "Desc"), "Main");
  EXPECT_EQ(folder_.IniValue("Tab2", "Btn1"), "C:\\windows\\regedit.exe");
  ::CoInitialize(nullptr);
  ShortcutFields fields;
  EXPECT_TRUE(ReadShortcut(nullptr, action.c_str(), fields));
  EXPECT_EQ(fields.arguments, "/sw:Main");
  ::CoUninitialize();
}

TEST_F(TabDialogsTest, ShowHideKeepsOneShownTabAndRefusesTakenNames) {
  ASSERT_NE(Start("1=1\r\n2=-1\r\n",
                  "[Tab1]\r\nDesc=Main\r\nNo=1\r\nBtn1=C:\\windows\\notepad.exe\r\n"
                  "[Tab2]\r\nDesc=Secret\r\nNo=1\r\nBtn1=C:\\windows\\regedit.exe\r\n"),
            nullptr);
  ASSERT_NE(Open(kShowHide, L"表示切替"), nullptr);
  HWND shown = List(1033), hidden = List(1002);
  ASSERT_EQ(Count(shown), 1);
  ASSERT_EQ(Count(hidden), 1);

  // The dialog grows in height only, up to two thirds of the desktop, and its lists with it.
  const RECT start = WindowRectOf(dialog_), startList = WindowRectOf(shown);
  ::SetWindowPos(dialog_, nullptr, 0, 0, 2000, 2000, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT grown = WindowRectOf(dialog_), grownList = WindowRectOf(shown);
  RECT desktop{};
  ::GetClientRect(::GetDesktopWindow(), &desktop);
  EXPECT_EQ(grown.right - grown.left, start.right - start.left);
  EXPECT_EQ(grown.bottom - grown.top, desktop.bottom * 2 / 3);
  EXPECT_EQ(grownList.bottom - startList.bottom, grown.bottom - start.bottom);

  // The last shown tab can be neither deleted nor hidden, by the toolbar or by a drop.
  EXPECT_TRUE(Disabled(kDelete));
  EXPECT_TRUE(Disabled(kRight));
  Command(kRight);
  Drag(shown, hidden);
  EXPECT_EQ(Count(shown), 1);
  EXPECT_EQ(Count(hidden), 1);

  // A hidden tab's name is taken, whatever its case.
  Select(shown, 0);
  Command(kRename);
  Type(shown, "SECRET");
  HWND box = bar_.WaitForMessageBox("Kestrel");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(ReadShownMessageBox(box).text,
            Cp932(L"同じ名前がすでにあります。\n別な名前を指定してください。"));
  ASSERT_TRUE(Answer(box, IDOK));
  EXPECT_EQ(Item(shown, 0), "Main");

  // With a second shown tab, Main goes to the hidden list by a drop and comes back by the
  // toolbar: nothing was deleted, so OK asks nothing.
  Command(kNew);
  ASSERT_TRUE(Type(shown, "Extra"));
  Drag(shown, hidden);
  ASSERT_TRUE(WaitUntil([&] { return Count(hidden) == 2; }, AppProcess::kWindowTimeoutMs));
  EXPECT_EQ(Item(hidden, 1), "Main");
  Command(kLeft);
  ASSERT_TRUE(WaitUntil([&] { return Count(shown) == 2; }, AppProcess::kWindowTimeoutMs));
  // The dialog closes at once: a question would hold it open.
  Post(dialog_, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(Closed());
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(folder_.IniValue("Order", "1"), "1");
  EXPECT_EQ(folder_.IniValue("Order", "2"), "-1");
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), "C:\\windows\\notepad.exe");
  EXPECT_EQ(folder_.IniValue("Tab3", "Desc"), "Extra");
}

}  // namespace
}  // namespace e2e
