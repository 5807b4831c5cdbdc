// The view's commands with real clicks and menus: the tab and cell menus, what their items do
// to the tabs and cells, rename validation, the tab-list menu, launching with the after-launch
// exit, and messages of other programs. Every scenario ends with the settings file the bar
// wrote at exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BarWindows.h"
#include "Input.h"
#include "Menus.h"
#include "ProgramFolder.h"
#include "TabGeometry.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const UINT kTabList = 0x80C8;

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    MovePointerTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);  // away from the bar
  }
  void TearDown() override {
    if (MenuOpen()) Choose(VK_ESCAPE);
  }
  bool MenuOpen() const { return OpenMenuOf(bar_.Id()) != nullptr; }
  // A chosen item closes its submenu first and the menu a moment later: wait for both.
  bool MenuClosed() const {
    return WaitUntil([this] { return !MenuOpen(); }, 3000);
  }
  HWND WaitForMenu(DWORD timeoutMs = 5000) const { return e2e::WaitForMenu(bar_.Id(), timeoutMs); }

  HWND StartBar(const std::string& common, const std::string& rest) {
    HWND frame = e2e::StartBar(folder_, "[Common]\r\nTrans=10\r\n" + common + rest, &bar_);
    EXPECT_TRUE(bar_.Started());
    if (frame) BringToFront(frame);
    return frame;
  }
  HWND Strip(HWND frame) const { return TabStripOf(frame); }
  HWND Panel(HWND frame) const { return ShownPanel(frame); }

  // Opens the context menu of a tab with a real right click.
  bool RightClickTab(HWND frame, const std::vector<std::string>& names, size_t index) {
    POINT p = TabCentre(Strip(frame), names, index);
    BringToFront(frame);  // the keys that choose from the menu go to the foreground
    ClickAtPointer(p.x, p.y, true);
    return WaitForMenu(3000) != nullptr;
  }
  // Opens the context menu of the panel's first cell (offset along the panel).
  bool RightClickPanel(HWND frame, int offset = 10) {
    RECT r = WindowRectOf(Panel(frame));
    BringToFront(frame);
    ClickAtPointer(r.left + offset, (r.top + r.bottom) / 2, true);
    return WaitForMenu(3000) != nullptr;
  }
  void Choose(WORD key) { ChooseFromMenu(bar_.Id(), key); }
  std::string Section(const std::string& name) const { return folder_.IniSection(name); }
  bool Exit() { return bar_.CloseFrame(); }

  ProgramFolder folder_;
  AppProcess bar_;
};

std::string ThreeTabs() {
  return "[Order]\r\n1=1\r\n2=1\r\n3=1\r\n4=-1\r\n"
         "[Tab1]\r\nNo=1\r\nDesc=Work\r\nBtn1=C:\\windows\\notepad.exe\r\n"
         "[Tab2]\r\nNo=1\r\nDesc=Mail\r\n"
         "[Tab3]\r\nNo=1\r\nDesc=Play\r\n"
         "[Tab4]\r\nNo=1\r\nDesc=Secret\r\nBtn1=C:\\windows\\regedit.exe\r\n";
}
const std::vector<std::string> kNames = {"Work", "Mail", "Play"};

TEST_F(CommandsTest, NewTabFromTheThirdTabsMenuSelectsItFirstAndLandsBeforeIt) {
  HWND frame = StartBar("", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(RightClickTab(frame, kNames, 2));
  // The right click made the third tab current before the menu opened: its panel shows.
  EXPECT_EQ(ChildWindows(frame, "KestrelBtnPanel").size(), 2u);
  Choose('N');
  EXPECT_TRUE(MenuClosed());
  EXPECT_TRUE(WaitUntil([&] { return ChildWindows(frame, "KestrelBtnPanel").size() == 3; }, 3000));
  ASSERT_TRUE(Exit());
  // The new tab (number 5, after the hidden tab's 4) stands before "Play" and is current.
  EXPECT_EQ(Section("Order"), "[Order]\r\n1=1\r\n2=1\r\n5=1\r\n3=1\r\n4=-1\r\n");
  EXPECT_EQ(folder_.IniValue("Tab5", "Desc"), Cp932(L"タブ5"));
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), Cp932(L"タブ5"));
  EXPECT_EQ(folder_.IniValue("Tab3", "Desc"), "Play");
}

TEST_F(CommandsTest, TheOnlyTabsDeleteAndAOneCellTabsCellDeleteDoNothing) {
  HWND frame = StartBar("", "[Order]\r\n1=1\r\n[Tab1]\r\nNo=1\r\nDesc=Only\r\nBtn1=C:\\a.exe\r\n");
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(RightClickTab(frame, {"Only"}, 0));
  // Where the system lets another process read the open menu (Windows does; Wine keeps menus
  // per process and answers nothing), the item shows disabled; the unit tests of the view's
  // update handler pin the rules down either way.
  HMENU shown = reinterpret_cast<HMENU>(::SendMessageA(WaitForMenu(), MN_GETHMENU, 0, 0));
  if (shown && ::GetMenuItemCount(shown) > 0) {
    EXPECT_TRUE(::GetMenuState(shown, 32772, MF_BYCOMMAND) & MF_GRAYED);
  }
  Choose('D');  // disabled: the menu stays and no question comes
  EXPECT_EQ(bar_.WaitForMessageBox("Kestrel", 700), nullptr);
  Choose(VK_ESCAPE);
  ASSERT_TRUE(RightClickPanel(frame));
  Choose('D');  // the tab's only cell
  Choose('M');  // the move mode needs two cells
  Choose(VK_ESCAPE);
  ASSERT_TRUE(Exit());
  EXPECT_EQ(Section("Order"), "[Order]\r\n1=1\r\n");
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), "C:\\a.exe");
  EXPECT_EQ(folder_.IniValue("Tab1", "No"), "1");
}

TEST_F(CommandsTest, RenamingToAnotherCaseChangesNothingAndToAHiddenNameIsRefused) {
  // At the top of the screen, clear of the message box, whose icon is read from the screen.
  HWND frame = StartBar("WinPos=0:1:-1:-1:-1:-1:0:0:600:40\r\n", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  auto rename = [&](const char* text, bool refused) {
    ASSERT_TRUE(RightClickTab(frame, kNames, 0));
    Choose('R');
    HWND edit = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] { return (edit = FirstChild(Strip(frame), "Edit", true)) != nullptr; }, 3000));
    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    // Enter as the edit receives it: the driver's keys reach the foreground window, which
    // Wine's window-manager-less desktop does not always give back to the bar after a menu.
    Post(edit, WM_KEYDOWN, VK_RETURN, 1);
    Post(edit, WM_CHAR, '\r', 1);
    // A refused name keeps the edit until its message box is closed.
    if (!refused) {
      ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(edit); }, 3000));
    }
  };
  rename("work", false);
  EXPECT_EQ(bar_.WaitForMessageBox("Kestrel", 500), nullptr);
  rename("SECRET", true);
  HWND box = bar_.WaitForMessageBox("Kestrel", 3000);
  ASSERT_NE(box, nullptr);
  MessageBoxInfo info = ReadShownMessageBox(box);
  EXPECT_EQ(info.text, Cp932(L"'Work'の名前を変更できません。同じ名前がすでにあります。\n"
                             L"別な名前を指定してください。"));
  // The icon is read from the screen, which the shared display does not always show (a black
  // picture reads as no icon); the box's type is pinned down by the view's unit tests.
  if (info.icon != BoxIcon::kNone) {
    EXPECT_EQ(info.icon, BoxIcon::kExclamation);
  }
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 3000));
  ASSERT_TRUE(Exit());
  EXPECT_EQ(folder_.IniValue("Tab1", "Desc"), "Work");
  EXPECT_EQ(folder_.IniValue("Tab4", "Desc"), "Secret");
  EXPECT_EQ(Section("Order"), "[Order]\r\n1=1\r\n2=1\r\n3=1\r\n4=-1\r\n");
}

TEST_F(CommandsTest, DeletingATabAsksFirstAndTheFileLosesIt) {
  HWND frame = StartBar("WinPos=0:1:-1:-1:-1:-1:0:0:600:40\r\n", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  for (int answer : {IDNO, IDYES}) {
    ASSERT_TRUE(RightClickTab(frame, kNames, 1));
    Choose('D');
    HWND box = bar_.WaitForMessageBox("Kestrel", 3000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ReadShownMessageBox(box).text,
              Cp932(L"タブ'Mail'とタブ内のボタンをすべて削除してよろしいですか？"));
    ::PostMessageA(box, WM_COMMAND, answer, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 3000));
  }
  ASSERT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 5000));
  ASSERT_TRUE(Exit());
  EXPECT_EQ(Section("Order"), "[Order]\r\n1=1\r\n3=1\r\n4=-1\r\n");
  // The deleted tab's section may stay behind: only [Order] makes a section a tab, and a new tab
  // writes its section afresh.
  // The tab after the deleted one became current.
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), "Play");
}

TEST_F(CommandsTest, ChoosingTheHiddenTabFromTheTabListAppendsIt) {
  HWND frame = StartBar("", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  RECT strip = WindowRectOf(Strip(frame));
  int arrow = ::GetSystemMetrics(SM_CXHTHUMB);
  BringToFront(frame);
  ClickAtPointer(strip.left + arrow / 2, (strip.top + strip.bottom) / 2, true);
  ASSERT_NE(WaitForMenu(), nullptr);
  Choose(VK_UP);  // from nothing selected to the last item: the hidden tab
  Choose(VK_RETURN);
  EXPECT_TRUE(MenuClosed());
  ASSERT_TRUE(Exit());
  EXPECT_EQ(Section("Order"), "[Order]\r\n1=1\r\n2=1\r\n3=1\r\n4=1\r\n");
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), "Secret");
  EXPECT_EQ(folder_.IniValue("Tab4", "Btn1"), "C:\\windows\\regedit.exe");
}

TEST_F(CommandsTest, PasteOfThreePathsOnABlankCellFillsItAndInsertsTheRestAfter) {
  HWND frame = StartBar("", "[Order]\r\n1=1\r\n[Tab1]\r\nNo=2\r\nDesc=Work\r\nBtn2=C:\\z.exe\r\n");
  ASSERT_NE(frame, nullptr);
  // A file list of three paths, as another program copies it.
  std::string list(20, '\0');
  list[0] = 20;
  for (const char* path : {"C:\\one.exe", "C:\\two.exe", "C:\\three.exe"}) {
    list += path;
    list += '\0';
  }
  list += '\0';
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, list.size());
  memcpy(::GlobalLock(block), list.data(), list.size());
  ::GlobalUnlock(block);
  ASSERT_NE(::SetClipboardData(CF_HDROP, block), nullptr);
  ::CloseClipboard();
  ASSERT_TRUE(RightClickPanel(frame));  // the blank first cell
  Choose('O');                          // "別のタブ(&O)"
  Choose('P');                          // "貼り付け(&P)"
  EXPECT_TRUE(MenuClosed());
  ASSERT_TRUE(Exit());
  std::string tab = Section("Tab1");
  EXPECT_NE(tab.find("No=4\r\n"), std::string::npos) << tab;
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), "C:\\one.exe");
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn2"), "C:\\two.exe");
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn3"), "C:\\three.exe");
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn4"), "C:\\z.exe");
}

TEST_F(CommandsTest, ExitAfterLaunchEndsTheBarOnlyWhenSomethingStarted) {
  ASSERT_TRUE(folder_.AddFakeHatchling());
  std::string tabs =
      "[Order]\r\n1=1\r\n[Tab1]\r\nNo=2\r\nDesc=Work\r\nBtn2=" + folder_.PathOf("Hatchling.exe") +
      "\r\n";
  const std::string common = "Style=" + std::to_string(0x82DC | 0x100000) + "\r\n";
  HWND frame = StartBar(common, tabs);
  ASSERT_NE(frame, nullptr);
  RECT r = WindowRectOf(Panel(frame));
  ClickAt(r.left + 10, (r.top + r.bottom) / 2);  // the blank first cell
  EXPECT_FALSE(bar_.WaitForExit(1000));          // the time the bar would take to end
  EXPECT_TRUE(bar_.IsRunning());
  EXPECT_FALSE(folder_.Exists("Hatchling.ran"));
  // The button after it: the bar starts it and ends.
  HWND panel = Panel(frame);
  RECT p = WindowRectOf(panel);
  bool started = false;
  for (int x = p.left + 30; x < p.right && !started; x += 15) {
    ClickAt(x, (p.top + p.bottom) / 2);
    started = WaitUntil([&] { return !bar_.IsRunning(); }, 700);
  }
  EXPECT_TRUE(started);
  EXPECT_TRUE(WaitUntil([&] { return folder_.Exists("Hatchling.ran"); }, 5000));
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn2"), folder_.PathOf("Hatchling.exe"));
}

TEST_F(CommandsTest, SettingsLibraryResultsReachTheBarsTabsAndCells) {
  ASSERT_TRUE(folder_.AddBinary("e2e\\Plumage.dll", "Plumage.DLL"));
  HWND frame = StartBar("", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  HWND firstPanel = Panel(frame);
  // The properties of the cell the last menu was opened on.
  ASSERT_TRUE(RightClickPanel(frame));
  Choose(VK_ESCAPE);
  ASSERT_TRUE(SendWithTimeout(frame, WM_COMMAND, 32788, 0, 10000));
  // The tab order: the stand-in asks for the tab list and hands it back reversed.
  ASSERT_TRUE(SendWithTimeout(frame, WM_COMMAND, 32776, 0, 10000));
  // The current tab kept its panel; the others get theirs when shown.
  EXPECT_EQ(Panel(frame), firstPanel);
  EXPECT_EQ(ChildWindows(frame, "KestrelBtnPanel").size(), 1u);
  HWND view = FirstChild(frame, "KestrelView");
  Post(view, WM_KEYDOWN, VK_HOME, 1);
  EXPECT_TRUE(WaitUntil([&] { return ChildWindows(frame, "KestrelBtnPanel").size() == 2; }, 3000));
  ASSERT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 5000));
  ASSERT_TRUE(Exit());
  EXPECT_EQ(Section("Order"), "[Order]\r\n3=1\r\n2=1\r\n1=1\r\n4=-1\r\n");
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), "C:\\windows\\notepad.exe (edited)|4");
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), "Play");
}

TEST_F(CommandsTest, ATabsButtonMenuOffersItsButtonsAndStartsTheChosenOne) {
  ASSERT_TRUE(folder_.AddFakeHatchling());
  std::string tabs =
      "[Order]\r\n1=1\r\n2=-1\r\n[Tab1]\r\nNo=1\r\nDesc=Work\r\n"
      "[Tab2]\r\nNo=3\r\nDesc=Menu\r\nBtn1=*\r\nBtn2=" +
      folder_.PathOf("Hatchling.exe") + "\r\nBtn3=/\r\n";
  HWND frame = StartBar("", tabs);
  ASSERT_NE(frame, nullptr);
  HWND view = FirstChild(frame, "KestrelView");
  BringToFront(frame);
  // The hidden tab's buttons as a menu, as its action shortcut asks for it.
  ASSERT_TRUE(Post(view, WM_APP + 9, static_cast<WPARAM>(-1), 0));
  ASSERT_NE(WaitForMenu(), nullptr);
  Choose(VK_DOWN);
  Choose(VK_RETURN);  // an item the frame left disabled would start nothing
  EXPECT_TRUE(WaitUntil([&] { return folder_.Exists("Hatchling.ran"); }, 5000));
  EXPECT_TRUE(MenuClosed());
  ASSERT_TRUE(Exit());
}

TEST_F(CommandsTest, RenameInAVerticalBarOpensTheTabOrderDialogInstead) {
  ASSERT_TRUE(folder_.AddPlumage());
  HWND frame = StartBar("Style=" + std::to_string(0x82DC | 0x10000) + "\r\n", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  // Posted: the dialog runs inside the bar's handling of the command.
  ASSERT_TRUE(Post(frame, WM_COMMAND, 32773, 0));
  HWND dialog = bar_.WaitForWindow("#32770", Cp932(L"順序の変更").c_str(), 10000);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(FirstChild(Strip(frame), "Edit", true), nullptr);
  ASSERT_TRUE(Post(dialog, WM_COMMAND, IDCANCEL, 0));
  ASSERT_TRUE(WaitUntil([dialog] { return !::IsWindow(dialog); }, 10000));
  ASSERT_TRUE(Exit());
}

TEST_F(CommandsTest, OtherProgramsMessagesOutOfRangeAreIgnored) {
  HWND frame = StartBar("", ThreeTabs());
  ASSERT_NE(frame, nullptr);
  HWND view = FirstChild(frame, "KestrelView");
  ASSERT_NE(view, nullptr);
  LRESULT result = 1;
  // An address this bar never handed out, to the view and through the frame.
  ASSERT_TRUE(SendWithTimeout(view, kTabList, 1, 0x00400000, 5000, &result));
  EXPECT_EQ(result, 0);
  ASSERT_TRUE(SendWithTimeout(frame, kTabList, 1, 0x7FFE0000, 5000, &result));
  EXPECT_EQ(result, 0);
  ASSERT_TRUE(SendWithTimeout(view, kTabList, 1, 12345, 5000, &result));
  EXPECT_EQ(result, 0);
  for (WPARAM n : {4u, 5u, 4095u})
    ASSERT_TRUE(SendWithTimeout(frame, WM_COMMAND, 20000 + n, 0, 5000));
  ASSERT_TRUE(SendWithTimeout(view, WM_APP + 8, 3, static_cast<LPARAM>(-1), 5000));
  ASSERT_TRUE(SendWithTimeout(view, WM_APP + 8, static_cast<WPARAM>(-1), 1, 5000));
  ASSERT_TRUE(SendWithTimeout(view, WM_APP + 9, static_cast<WPARAM>(-1), 7, 5000));
  ASSERT_TRUE(SendWithTimeout(view, WM_APP + 9, 0x7FFFFFFF, static_cast<LPARAM>(-1), 5000));
  ASSERT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 5000));
  EXPECT_TRUE(MenuClosed());
  ASSERT_TRUE(Exit());
  EXPECT_EQ(Section("Order"), "[Order]\r\n1=1\r\n2=1\r\n3=1\r\n4=-1\r\n");
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), "Work");
}

}  // namespace
}  // namespace e2e
