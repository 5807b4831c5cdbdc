// The button property sheet of the real settings library, opened from the real bar's cell
// menu: which page a button opens on, what OK hands back to Kestrel.ini, and what it leaves in
// the shortcut files of the work folder (read back through the project's shortcut reader and
// their header bytes).
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppProcess.h"
#include "BarWindows.h"
#include "Input.h"
#include "Menus.h"
#include "ProgramFolder.h"
#include "Text.h"
#include "WindowFinder.h"
#include "core/ShellLink.h"

namespace e2e {
namespace {

const UINT kButtonProperties = 32788;
const char kNotepad[] = "C:\\windows\\notepad.exe";

void CollectShellMessage(HWND, const char* text) { ADD_FAILURE() << "shortcut helper: " << text; }

class BtnPropSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SetShellMessageHandler(&CollectShellMessage);
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ASSERT_TRUE(folder_.AddPlumage());
    work_ = folder_.PathOf("work\\");
    ASSERT_TRUE(::CreateDirectoryA(work_.c_str(), nullptr));
    ParkPointer();
  }
  void TearDown() override {
    if (bar_.IsRunning()) bar_.CloseFrame();
    SetShellMessageHandler(nullptr);
    ::CoUninitialize();
  }

  // A shortcut in the work folder to Notepad with the given show command and comment.
  std::string MakeShortcut(const std::string& name, int showCmd, const char* comment = "memo") {
    std::string path = work_ + name;
    EXPECT_TRUE(WriteShortcut(nullptr, path, kNotepad, nullptr, "C:\\windows", nullptr, comment,
                              nullptr, 0, kKeepHotKey, showCmd));
    return path;
  }
  std::string Bytes(const std::string& path) const {
    return folder_.ReadFileBytes(path.substr(folder_.Path().size()));
  }
  static int StoredShowCmd(const std::string& bytes) {
    return bytes.size() > 0x3D ? static_cast<unsigned char>(bytes[0x3C]) : -1;
  }

  // Starts the bar with button as its only cell and opens the cell's property sheet.
  bool Open(const std::string& button) { return Open(button, work_); }
  bool Open(const std::string& button, const std::string& workFolder) {
    std::string ini = "[Common]\r\nTrans=10\r\nWrkPath=" + workFolder +
                      "\r\n[Order]\r\n1=1\r\n[Tab1]\r\nNo=1\r\nDesc=Main\r\nBtn1=" + button +
                      "\r\n";
    HWND frame = StartBar(folder_, ini, &bar_);
    if (!frame) return false;
    // The sheet is for the cell the last menu was opened on.
    RECT r = WindowRectOf(ShownPanel(frame));
    BringToFront(frame);
    ClickAtPointer(r.left + 10, (r.top + r.bottom) / 2, true);
    if (!WaitForMenu(bar_.Id(), 3000)) return false;
    ChooseFromMenu(bar_.Id(), VK_ESCAPE);
    // Posted: the sheet runs inside the bar's handling of the command.
    if (!Post(frame, WM_COMMAND, kButtonProperties, 0)) return false;
    sheet_ = bar_.WaitForWindow("#32770", Cp932(L"ボタンのプロパティ").c_str(), 10000);
    return sheet_ && WaitUntil([this] { return Page() != nullptr; }, 5000);
  }
  HWND Page() const {
    return reinterpret_cast<HWND>(::SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
  }
  HWND Control(int id) const { return ::GetDlgItem(Page(), id); }
  bool Click(int id) const { return SendWithTimeout(Control(id), BM_CLICK, 0, 0, 10000); }
  // OK, then the bar closes and has written its settings.
  bool OkAndExit() {
    HWND sheet = sheet_;
    return Post(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0) &&
           WaitUntil([sheet] { return !::IsWindow(sheet); }, 10000) && bar_.CloseFrame();
  }
  std::vector<std::string> WorkFiles() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((work_ + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
  }

  ProgramFolder folder_;
  AppProcess bar_;
  std::string work_;
  HWND sheet_ = nullptr;
};

TEST_F(BtnPropSheetTest, ABlankOrMissingButtonOpensOnTheFilePageAndOkKeepsItsRecord) {
  for (const char* button : {"*", "C:\\nowhere\\app.exe|4"}) {
    ASSERT_TRUE(Open(button)) << button;
    ASSERT_NE(Control(1553), nullptr) << button;  // the file page
    EXPECT_EQ(TextOf(Control(1567)), Cp932(L"ファイルが見つかりません")) << button;
    EXPECT_FALSE(::IsWindowEnabled(Control(1562))) << button;
    ASSERT_TRUE(OkAndExit()) << button;
    EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), button);
    EXPECT_TRUE(WorkFiles().empty()) << button;
  }
}

TEST_F(BtnPropSheetTest, OnlyTheCommentAsNameCheckChangesFlagOneAndNoShortcutField) {
  std::string path = MakeShortcut("note.lnk", SW_SHOWNORMAL);
  std::string before = Bytes(path);
  ASSERT_TRUE(Open(path));
  ASSERT_EQ(TextOf(Control(1544)), path);  // the shortcut page
  EXPECT_EQ(TextOf(Control(1550)), "memo");
  ASSERT_TRUE(Click(1814));
  ASSERT_TRUE(OkAndExit());
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), path + "|1");
  EXPECT_EQ(Bytes(path), before);
}

TEST_F(BtnPropSheetTest, OkWritesAMinimisedShortcutsShowCommandTwoAsSeven) {
  // Wine's link object reports every show command as 1 once loaded; where it does, the page
  // sees "normal" and leaves every file as it is.
  ShortcutFields probe;
  std::string probePath = MakeShortcut("probe.lnk", 2);
  bool reported = ReadShortcut(nullptr, probePath.c_str(), probe) && probe.showCmd == 2;
  ::DeleteFileA(probePath.c_str());
  const struct { int stored, written; } cases[] = {{2, reported ? 7 : 2}, {7, 7}, {3, 3}};
  for (const auto& c : cases) {
    std::string path = MakeShortcut("show" + std::to_string(c.stored) + ".lnk", c.stored);
    std::string before = Bytes(path);
    ASSERT_EQ(StoredShowCmd(before), c.stored);
    ASSERT_TRUE(Open(path)) << c.stored;
    ASSERT_TRUE(OkAndExit()) << c.stored;
    std::string after = Bytes(path);
    EXPECT_EQ(StoredShowCmd(after), c.written) << c.stored;
    if (c.written == c.stored) {
      EXPECT_EQ(after, before) << c.stored;
    }
    EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), path);
  }
}

TEST_F(BtnPropSheetTest, CopyAndUseNamesTheCopyAfterTheOriginalWithoutItsNumber) {
  std::string original = MakeShortcut("app~2.lnk", SW_SHOWNORMAL);
  std::string bytes = Bytes(original);
  ASSERT_TRUE(Open(original));
  for (const char* expected : {"app.lnk", "app~1.lnk", "app~3.lnk"}) {
    ASSERT_TRUE(Click(1579)) << expected;
    EXPECT_EQ(TextOf(Control(1544)), work_ + expected);
    EXPECT_EQ(Bytes(work_ + expected), bytes) << expected;
  }
  ASSERT_TRUE(OkAndExit());
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), work_ + "app~3.lnk");
  EXPECT_EQ(WorkFiles().size(), 4u);
}

TEST_F(BtnPropSheetTest, ANewNameMakesTheButtonsShortcutInsideTheWorkFolderOnly) {
  ASSERT_TRUE(Open(kNotepad));
  ASSERT_NE(Control(1553), nullptr);
  ASSERT_FALSE(::GetWindowLongA(Control(1567), GWL_STYLE) & ES_READONLY);
  // A name that tries to climb out of the work folder stays one file name inside it.
  ::SendMessageA(Control(1567), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("..\\..\\Pad"));
  ASSERT_TRUE(OkAndExit());
  std::vector<std::string> files = WorkFiles();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0], "....Pad.lnk");
  EXPECT_FALSE(folder_.Exists("Pad.lnk"));
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), work_ + files[0]);
  ShortcutFields fields;
  ASSERT_TRUE(ReadShortcut(nullptr, (work_ + files[0]).c_str(), fields));
  EXPECT_TRUE(lstrcmpiA(fields.target.c_str(), kNotepad) == 0) << fields.target;
  EXPECT_TRUE(lstrcmpiA(fields.workingDir.c_str(), "C:\\windows") == 0) << fields.workingDir;
}

TEST_F(BtnPropSheetTest, AMissingWorkFolderIsReportedAndNothingIsCopied) {
  std::string original = MakeShortcut("app.lnk", SW_SHOWNORMAL);
  std::string missing = folder_.PathOf("gone\\");
  ASSERT_TRUE(Open(original, missing));
  ASSERT_TRUE(Post(Control(1579), BM_CLICK));
  // First the system's error for the folder with its path, then the settings message.
  const std::string messages[] = {
      "(0x", Cp932(L"設定保存ファイルの内容が誤りです。確認してください\nファイル：") +
                 folder_.IniPath() + Cp932(L"\nキー：WrkPath 値:") + missing};
  for (const std::string& expected : messages) {
    HWND box = bar_.WaitForMessageBox("Kestrel", 10000);
    ASSERT_NE(box, nullptr) << expected;
    MessageBoxInfo info = ReadShownMessageBox(box, true);
    EXPECT_NE(info.text.find(expected), std::string::npos) << info.text;
    EXPECT_EQ(info.icon, BoxIcon::kExclamation) << info.text;
    Post(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([box] { return !::IsWindow(box); }, 5000));
  }
  EXPECT_EQ(TextOf(Control(1544)), original);
  EXPECT_EQ(WorkFiles().size(), 1u);
  HWND sheet = sheet_;
  ASSERT_TRUE(Post(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0));
  EXPECT_TRUE(WaitUntil([sheet] { return !::IsWindow(sheet); }, 10000));
}

// The pieces the sheet opens and holds, met through the sheet as a user meets them: the action
// page for an action button, the file chooser swapping the first page, the colour sheet.
TEST_F(BtnPropSheetTest, AnActionButtonOpensOnItsActionAndLeavingItUnchangedWritesNothing) {
  ASSERT_TRUE(folder_.AddFakeHatchling());
  std::string path = work_ + "menu.lnk";
  ASSERT_TRUE(WriteShortcut(nullptr, path, folder_.PathOf("Hatchling.exe").c_str(), nullptr,
                            nullptr, "/menu:Main", "x", nullptr, 0, kKeepHotKey, kKeepShowCmd));
  ASSERT_TRUE(Open(path + "|2"));
  ASSERT_EQ(TextOf(Control(1544)), path);
  EXPECT_FALSE(::IsWindowEnabled(Control(1545)));  // an action's target is not the user's
  ::SendMessageA(sheet_, PSM_SETCURSEL, 1, 0);
  ASSERT_TRUE(WaitUntil([this] { return Control(1676) != nullptr; }, 5000));
  EXPECT_EQ(::SendMessageA(Control(1676), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(TextOf(Control(1815)), "Main");
  ASSERT_TRUE(OkAndExit());
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), path + "|2");
  EXPECT_EQ(WorkFiles(), std::vector<std::string>{"menu.lnk"});
}

TEST_F(BtnPropSheetTest, AShortcutChosenInTheFileDialogSwapsToTheShortcutPageAndClearsTheFlags) {
  std::string link = MakeShortcut("note.lnk", SW_SHOWNORMAL);
  ASSERT_TRUE(Open("C:\\nowhere\\app.exe|4"));
  ASSERT_TRUE(Post(Control(1556), BM_CLICK));
  // The file dialog: its name field is the combo box 1148 (or the older edit 1152).
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        dialog = ::GetForegroundWindow();
        return dialog != sheet_ && (::GetDlgItem(dialog, 1148) || ::GetDlgItem(dialog, 1152));
      },
      10000));
  HWND name = ::GetDlgItem(dialog, 1148) ? ::GetDlgItem(dialog, 1148) : ::GetDlgItem(dialog, 1152);
  ::SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(link.c_str()));
  ASSERT_TRUE(Post(dialog, WM_COMMAND, IDOK, 0));
  ASSERT_TRUE(WaitUntil([&] { return TextOf(Control(1544)) == link; }, 10000));
  ASSERT_TRUE(OkAndExit());
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), link);
}

TEST_F(BtnPropSheetTest, TheColourSampleOpensTheButtonsColoursAndStandardStoresTheDefault) {
  ASSERT_TRUE(Open(std::string(kNotepad) + "|/0/255/0/65280"));  // red on green
  ASSERT_TRUE(Post(Control(1670), BM_CLICK));
  HWND colours = bar_.WaitForWindow("#32770", Cp932(L"色の指定").c_str(), 10000);
  ASSERT_NE(colours, nullptr);
  HWND page = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        page = reinterpret_cast<HWND>(::SendMessageA(colours, PSM_GETCURRENTPAGEHWND, 0, 0));
        return page && ::GetDlgItem(page, 1648);
      },
      5000));
  EXPECT_EQ(TextOf(page), Cp932(L"背景の色"));
  ASSERT_TRUE(Post(::GetDlgItem(page, 1648), BM_CLICK));
  ASSERT_TRUE(Post(colours, PSM_PRESSBUTTON, PSBTN_OK, 0));
  ASSERT_TRUE(WaitUntil([colours] { return !::IsWindow(colours); }, 10000));
  ASSERT_TRUE(OkAndExit());
  // The text colour stays; the background is the default again.
  EXPECT_EQ(folder_.IniValue("Tab1", "Btn1"), std::string(kNotepad) + "|/0/255/2/0");
}

}  // namespace
}  // namespace e2e
