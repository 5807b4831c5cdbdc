#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/ButtonRecord.h"
#include "core/ClipboardFileList.h"
#include "core/Globals.h"
#include "core/Launcher.h"
#include "core/PlumageLibrary.h"
#include "core/ProgramFolder.h"
#include "core/ShellLink.h"
#include "tests/unit/FakeLauncherHost.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

using Strings = std::vector<std::string>;

// Five visible tabs and two hidden ones; tab 1 holds buttons, a separator and blanks.
const char kIni[] =
    "[Common]\nTrans=10\n"
    "[Order]\n1=1\n2=1\n3=1\n4=1\n5=1\n6=-1\n7=-1\n"
    "[Tab1]\nNo=8\nDesc=Main\nBtn1=C:\\a.exe\nBtn2=/\nBtn3=C:\\drop.exe|4\nBtn4=C:\\act.lnk|6\n"
    "Btn5=*\nBtn6=C:\\f.txt\nBtn7=*\nBtn8=C:\\last.exe\n"
    "[Tab2]\nNo=1\nDesc=Two\n[Tab3]\nNo=3\nDesc=Three\nBtn1=/\nBtn2=*\nBtn3=/\n"
    "[Tab4]\nNo=1\nDesc=Four\n[Tab5]\nNo=2\nDesc=Five\nBtn1=*\nBtn2=*\n"
    "[Tab6]\nNo=2\nDesc=Hidden One\nBtn1=C:\\h1.exe\n[Tab7]\nNo=1\nDesc=Hidden Two\n";

// Stands in for the settings library: entries of this test, no library file.
class FakePlumage : public CPlumageLibrary {
 public:
  explicit FakePlumage(Strings& log) : m_log(log) {}
  bool Bind(const char* entry) override {
    m_log.push_back(std::string("bind ") + entry);
    auto found = entries.find(entry);
    m_entry = found != entries.end() ? found->second : nullptr;
    m_bound = true;
    return true;
  }
  void Unbind() override {
    if (m_bound) m_log.push_back("unbind");
    m_bound = false;
    m_entry = nullptr;
  }
  bool IsBound() const override { return m_bound; }
  FARPROC GetEntry() const override { return m_entry; }

  std::map<std::string, FARPROC> entries;

 private:
  Strings& m_log;
  bool m_bound = false;
  FARPROC m_entry = nullptr;
};

template <typename Proc>
FARPROC Entry(Proc proc) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(proc));
}

// What the fake dialogs do, set by each test.
Strings* g_log = nullptr;
BOOL g_answer = TRUE;
std::string g_result;        // record text, or raw tab list bytes
std::string g_hiddenResult;  // raw hidden tab list bytes
PlumageTabRecord g_seenTab{};
std::string g_seenTabName;
std::string g_seenCommand;
uint32_t g_newColor = 0;

BOOL WINAPI FakeButtonDialog(HWND, PlumageTabRecord* tab, WORD index, PlumageBtnRecord* button,
                             DWORD* style, char* record) {
  g_log->push_back("call " + std::to_string(index));
  g_seenTabName = tab->name;
  g_seenCommand = button->command;
  std::memcpy(record, g_result.data(), std::min(g_result.size(), kPlumageRecordSize));
  if (!g_result.empty()) *style |= kPlumageRecordChanged;
  return g_answer;
}

BOOL WINAPI FakeOrderDialog(HWND, PlumageTabRecord*, char* order) {
  g_log->push_back("call");
  std::memcpy(order, g_result.data(), std::min(g_result.size(), kPlumageTabListSize));
  return g_answer;
}

BOOL WINAPI FakeShowHideDialog(HWND, PlumageTabRecord*, char* shown, char* hidden) {
  g_log->push_back("call");
  std::memcpy(shown, g_result.data(), std::min(g_result.size(), kPlumageTabListSize));
  std::memcpy(hidden, g_hiddenResult.data(), std::min(g_hiddenResult.size(), kPlumageTabListSize));
  return g_answer;
}

BOOL WINAPI FakeBackgroundDialog(HWND, PlumageTabRecord* tab, DWORD*) {
  g_log->push_back("call");
  g_seenTab = *tab;
  g_seenTabName = tab->name;  // the record's text lives only as long as the call
  tab->color = g_newColor;
  tab->textColor = g_newColor + 1;
  return g_answer;
}

std::string TabListBytes(const std::vector<std::pair<std::string, uint32_t>>& entries) {
  std::string bytes;
  for (const auto& entry : entries) {
    bytes += entry.first;
    bytes += '\0';
    bytes.append(reinterpret_cast<const char*>(&entry.second), 4);
  }
  bytes += '\0';
  return bytes;
}

class LauncherTest : public ::testing::Test {
 protected:
  LauncherTest() : m_plumage(m_host.calls), m_launcher(m_model, m_host, m_plumage) {}

  void SetUp() override {
    g_barOptions.Clear();
    m_model.LoadAll();
    m_model.SelectTab(0);
    g_log = &m_host.calls;
    g_answer = TRUE;
    g_result.clear();
    g_hiddenResult.clear();
  }
  void TearDown() override {
    g_log = nullptr;
    g_barOptions.Clear();
  }

  CTabData& Tab() { return *m_model.GetCurrentTab(); }
  Strings Commands(const CTabData& tab) {
    Strings commands;
    for (const auto& button : tab.m_buttons) commands.push_back(button->m_command);
    return commands;
  }
  Strings Commands() { return Commands(Tab()); }
  std::string File(const std::string& name, const std::string& text = "x") {
    std::string path = m_folder.Folder() + name;
    std::ofstream(path) << text;
    return path;
  }
  static bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  TempProgramFolder m_folder{kIni};
  CTabDataList m_model;
  FakeLauncherHost m_host;
  FakePlumage m_plumage;
  CLauncher m_launcher;
};

TEST_F(LauncherTest, DroppingThreeFilesOnABlankCellPutsThemAtItsIndexInOrder) {
  CBtnData* blank = Tab().GetButton(4);
  m_launcher.DropFiles("C:\\one.txt\nC:\\two.txt\nC:\\three.txt", 4);
  EXPECT_EQ(Commands(),
            (Strings{"C:\\a.exe", "/", "C:\\drop.exe", "C:\\act.lnk", "C:\\one.txt", "C:\\two.txt",
                     "C:\\three.txt", "C:\\f.txt", "*", "C:\\last.exe"}));
  EXPECT_EQ(Tab().GetButton(6), blank);  // the third took the former blank cell
  EXPECT_EQ(m_host.currentCell, 4);
  EXPECT_EQ(m_host.relayouts, (std::vector<int>{4}));
  EXPECT_TRUE(m_model.IsModified());
}

TEST_F(LauncherTest, DroppingOnEmptySpaceAppendsInOrderAndKeepsTheLastInView) {
  m_launcher.DropFiles(Strings{"C:\\x.txt", "C:\\y.txt"}, -1);
  Strings commands = Commands();
  ASSERT_EQ(commands.size(), 10u);
  EXPECT_EQ(commands[8], "C:\\x.txt");
  EXPECT_EQ(commands[9], "C:\\y.txt");
  EXPECT_EQ(m_host.currentCell, 9);
  EXPECT_EQ(m_host.relayouts, (std::vector<int>{9}));
}

TEST_F(LauncherTest, DroppingOnAButtonOrSeparatorInsertsTheFilesBeforeIt) {
  const struct {
    int cell;
    Strings paths;
    const char* what;
  } cases[] = {
      {0, {"C:\\p.txt"}, "plain button"},
      {1, {"C:\\p.txt"}, "separator"},
      {2, {"C:\\p.txt", "C:\\q.txt"}, "two files on a flag-4 button"},
      {3, {"C:\\p.txt"}, "flag-4 action button"},
  };
  for (const auto& c : cases) {
    SetUp();
    std::string before = Tab().GetButton(c.cell)->m_command;
    m_launcher.DropFiles(c.paths, c.cell);
    for (size_t i = 0; i < c.paths.size(); ++i) {
      EXPECT_EQ(Tab().GetButton(c.cell + static_cast<int>(i))->m_command, c.paths[i]) << c.what;
    }
    EXPECT_EQ(Tab().GetButton(c.cell + static_cast<int>(c.paths.size()))->m_command, before)
        << c.what;
    EXPECT_TRUE(m_host.shown.empty()) << c.what;
  }
}

TEST_F(LauncherTest, DroppedPathsKeepBlanksCommasAndApostrophes) {
  Strings paths = {"C:\\My Docs\\it's, odd.txt", "C:\\a b\\c,d.txt", "D:\\漢字 ｶﾅ'.doc"};
  m_launcher.DropFiles(paths, -1);
  Strings commands = Commands();
  EXPECT_EQ(Strings(commands.end() - 3, commands.end()), paths);
}

TEST_F(LauncherTest, OneFileOnAFlag4FolderButtonIsCopiedOrMovedAfterAsking) {
  std::string folder = m_folder.Folder() + "Dest Folder";
  ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
  m_model.SetButton(Tab(), 2, (folder + "|4").c_str());
  const struct {
    int answer;
    bool copied;
    bool sourceKept;
  } cases[] = {{IDCANCEL, false, true}, {IDYES, true, true}, {IDNO, true, false}};
  for (const auto& c : cases) {
    std::string source = File("in box, it's.txt", "payload");
    std::string destination = folder + "\\in box, it's.txt";
    ::DeleteFileA(destination.c_str());
    m_host.shown.clear();
    m_host.answers = {c.answer};
    Strings before = Commands();
    m_launcher.DropFiles(Strings{source}, 2);
    ASSERT_EQ(m_host.shown.size(), 1u);
    EXPECT_EQ(m_host.shown[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_NE(m_host.shown[0].text.find("格納先:" + folder), std::string::npos);
    EXPECT_NE(m_host.shown[0].text.find("ファイル:in box, it's"), std::string::npos);
    EXPECT_EQ(Exists(destination), c.copied) << c.answer;
    EXPECT_EQ(Exists(source), c.sourceKept) << c.answer;
    EXPECT_EQ(Commands(), before) << "a handled drop makes no button";
  }
}

TEST_F(LauncherTest, OneFileOnAFlag4ButtonThatNamesNoProgramIsReportedWithReason99) {
  std::string document = File("notes.kestrelnone");
  m_model.SetButton(Tab(), 2, (document + "|4").c_str());
  Strings before = Commands();
  m_launcher.DropFiles(Strings{"C:\\dropped file.txt"}, 2);
  ASSERT_EQ(m_host.shown.size(), 1u);
  EXPECT_EQ(m_host.shown[0].type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ(m_host.shown[0].text,
            "プログラムを起動できません。ボタンの設定を確認してください。\nC:\\dropped "
            "file.txt\nパス:" +
                document + "\n理由コード:99");
  EXPECT_EQ(Commands(), before);
}

TEST_F(LauncherTest, AnOpenCommandWithOtherPlaceholdersIsReportedNotRun) {
  HKEY key;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, ".kestrelph", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("KestrelPh.File"), 15);
  ::RegCloseKey(key);
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, "KestrelPh.File\\shell\\open\\command", 0, nullptr,
                              0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const char command[] = "\"%L\" %1";
  ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof command);
  ::RegCloseKey(key);

  std::string document = File("viewer.kestrelph");
  m_model.SetButton(Tab(), 2, (document + "|4").c_str());
  m_launcher.DropFiles(Strings{"C:\\a.txt"}, 2);
  ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "KestrelPh.File");
  ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".kestrelph");
  ASSERT_EQ(m_host.shown.size(), 1u);
  EXPECT_NE(m_host.shown[0].text.find("理由コード:99"), std::string::npos);
  EXPECT_TRUE(m_host.recent.empty());
}

TEST_F(LauncherTest, PasteInsertsLikeADropButNeverOpensAFileWithTheButton) {
  const struct {
    int current;
    int firstAt;
    size_t count;
  } cases[] = {{4, 4, 9}, {2, 2, 10}, {-1, 8, 10}};
  for (const auto& c : cases) {
    SetUp();
    ASSERT_TRUE(PutFileListOnClipboard(nullptr, {" C:\\pasted one.txt ", "C:\\two,'.txt"}));
    m_host.currentCell = c.current;
    m_launcher.PasteFiles();
    Strings commands = Commands();
    ASSERT_EQ(commands.size(), c.count) << c.current;
    EXPECT_EQ(commands[c.firstAt], "C:\\pasted one.txt") << c.current;
    EXPECT_EQ(commands[c.firstAt + 1], "C:\\two,'.txt") << c.current;
    EXPECT_TRUE(m_host.shown.empty());
  }
}

TEST_F(LauncherTest, PasteOfAnEmptyOrDamagedListChangesNothing) {
  std::string damaged("\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0C:\\cut", 25);
  for (const std::string& block : {std::string(20, '\0'), damaged, std::string("\x14\0", 2)}) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, block.size());
    std::memcpy(::GlobalLock(memory), block.data(), block.size());
    ::GlobalUnlock(memory);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::SetClipboardData(CF_HDROP, memory);
    ::CloseClipboard();
    Strings before = Commands();
    m_host.currentCell = 4;
    m_launcher.PasteFiles();
    EXPECT_EQ(Commands(), before);
    EXPECT_TRUE(m_host.relayouts.empty());
  }
}

TEST_F(LauncherTest, CopyAllPutsSeparatorsAsSlashAndLeavesBlanksOut) {
  ASSERT_TRUE(m_launcher.CopyAllButtons());
  EXPECT_EQ(
      ReadFileListFromClipboard(nullptr),
      (Strings{"C:\\a.exe", "/", "C:\\drop.exe", "C:\\act.lnk", "C:\\f.txt", "C:\\last.exe"}));
  // Pasted back on another tab, the separator is a separator again.
  m_model.SelectTab(3);
  m_host.currentCell = -1;
  m_launcher.PasteFiles();
  EXPECT_TRUE(Tab().GetButton(2)->IsSeparator());
}

TEST_F(LauncherTest, CopyButtonTakesTheCurrentCellUnlessItIsBlank) {
  ASSERT_TRUE(PutFileListOnClipboard(nullptr, {"C:\\before.txt"}));
  for (int cell : {4, -1, 42}) {
    m_host.currentCell = cell;
    EXPECT_FALSE(m_launcher.CopyButton()) << cell;
  }
  EXPECT_EQ(ReadFileListFromClipboard(nullptr), Strings{"C:\\before.txt"});
  m_host.currentCell = 5;
  ASSERT_TRUE(m_launcher.CopyButton());
  EXPECT_EQ(ReadFileListFromClipboard(nullptr), Strings{"C:\\f.txt"});
}

TEST_F(LauncherTest, NewSeparatorGoesBeforeTheCurrentCellOrAtTheEnd) {
  m_host.currentCell = 5;
  m_launcher.NewSeparator();
  EXPECT_TRUE(Tab().GetButton(5)->IsSeparator());
  EXPECT_EQ(Tab().GetButton(6)->m_command, "C:\\f.txt");
  m_host.currentCell = -1;
  m_launcher.NewSeparator();
  EXPECT_TRUE(Tab().GetButton(Tab().GetButtonCount() - 1)->IsSeparator());
  EXPECT_EQ(m_host.relayouts, (std::vector<int>{5, 9}));
}

TEST_F(LauncherTest, TabMenuOffersButtonsAndSeparatorsWithBlanksLeftOut) {
  m_launcher.TabMenu(0, -1);
  std::vector<std::pair<UINT, std::string>> expected = {
      {1000, "C:\\a.exe"},    {0, ""},
      {1001, "C:\\drop.exe"}, {1002, "C:\\act.lnk"},
      {1003, "C:\\f.txt"},    {1004, "C:\\last.exe"}};
  EXPECT_EQ(m_host.menuItems, expected);
  EXPECT_EQ(m_host.calls, (Strings{"pause", "menu", "resume"}));
  EXPECT_TRUE(m_host.recent.empty());

  // A tab of separators and blanks only, and tabs that do not exist, show no menu.
  for (auto tab : {std::pair<int, int>{2, -1}, {-1, 5}, {9, -1}, {-1, -1}}) {
    m_host.calls.clear();
    m_launcher.TabMenu(tab.first, tab.second);
    m_launcher.RunTab(tab.first, tab.second);
    EXPECT_TRUE(std::count(m_host.calls.begin(), m_host.calls.end(), "menu") == 0);
  }
}

TEST_F(LauncherTest, AfterLaunchActionFollowsTheStyleBitsInOrder) {
  const struct {
    DWORD style;
    std::vector<WPARAM> commands;
    bool dropped;
  } cases[] = {
      {0, {}, false},
      {0x40000, {32806}, false},
      {0x100000, {57665}, false},
      {0x80000, {}, true},
      {0x40000 | 0x100000 | 0x80000, {32806}, false},
      {0x100000 | 0x80000, {57665}, false},
  };
  for (const auto& c : cases) {
    m_host.frameCommands.clear();
    m_host.calls.clear();
    m_host.style = c.style;
    // A tab without buttons starts nothing and still ends with the after-launch action.
    m_launcher.RunTab(2, -1);
    EXPECT_EQ(m_host.FrameCommands(), c.commands) << c.style;
    EXPECT_EQ(::KillTimer(m_host.frame, kDropToBottomTimer) != FALSE, c.dropped) << c.style;
    EXPECT_EQ(m_host.calls, c.dropped ? Strings{"pause"} : Strings{}) << c.style;
  }
}

TEST_F(LauncherTest, ALaunchedButtonGoesToTheRecentListBeforeTheAfterLaunchAction) {
  char system[MAX_PATH];
  ::GetSystemDirectoryA(system, MAX_PATH);
  std::string program = std::string(system) + "\\hostname.exe";
  if (!Exists(program)) GTEST_SKIP() << "no quiet program to start";
  m_host.style = 0x40000;
  m_launcher.LaunchButton(program);
  EXPECT_EQ(m_host.recent, Strings{program});
  EXPECT_EQ(m_host.FrameCommands(), (std::vector<WPARAM>{32806}));

  m_host.recent.clear();
  m_host.frameCommands.clear();
  for (const char* blank : {"", "*"}) m_launcher.LaunchButton(blank);
  EXPECT_TRUE(m_host.recent.empty());
  EXPECT_TRUE(m_host.FrameCommands().empty());
}

// Action shortcuts are shortcuts to the setup tool beside the program.
class LauncherActionTest : public LauncherTest {
 protected:
  void SetUp() override {
    LauncherTest::SetUp();
    m_setupTool = GetProgramFolder() + "Hatchling.exe";
    if (!Exists(m_setupTool)) GTEST_SKIP() << "no setup tool beside the tests";
  }
  std::string Action(const char* arguments) {
    std::string path = m_folder.Folder() + "action.lnk";
    ::DeleteFileA(path.c_str());
    EXPECT_TRUE(WriteShortcut(nullptr, path, m_setupTool.c_str(), nullptr, nullptr, arguments,
                              nullptr, nullptr, 0, kKeepHotKey, kKeepShowCmd));
    return path;
  }
  std::string m_setupTool;
};

TEST_F(LauncherActionTest, ActionShortcutsPostTheirTabActionToTheView) {
  const struct {
    const char* arguments;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } cases[] = {
      {"/sw:Hidden Two", WM_COMMAND, 20006, 0},  // second hidden tab, five visible
      {"/sw:Three", WM_COMMAND, 20002, 0},
      {"/sw:three", WM_COMMAND, 20002, 0},  // tab names ignore case
      {"/str:Five", WM_APP + 8, 4, -1},
      {"/str:Hidden One", WM_APP + 8, static_cast<WPARAM>(-1), 0},
      {"/menu:Main", WM_APP + 9, 0, -1},
      {"/menu:Hidden Two", WM_APP + 9, static_cast<WPARAM>(-1), 1},
  };
  for (const auto& c : cases) {
    m_host.posted.clear();
    m_host.style = 0x100000;
    std::string shortcut = Action(c.arguments);
    m_launcher.LaunchButton(shortcut);
    ASSERT_EQ(m_host.posted.size(), 1u) << c.arguments;
    EXPECT_EQ(m_host.posted[0].message, c.message) << c.arguments;
    EXPECT_EQ(m_host.posted[0].wParam, c.wParam) << c.arguments;
    EXPECT_EQ(m_host.posted[0].lParam, c.lParam) << c.arguments;
    EXPECT_TRUE(m_host.shown.empty()) << c.arguments;
    // A handled action counts as a successful launch.
    EXPECT_EQ(m_host.recent.back(), shortcut);
  }
}

TEST_F(LauncherActionTest, AnActionShortcutNamingAMissingTabSaysSoAndStartsNothing) {
  m_launcher.RunCommand(Action("/sw:Nowhere"));
  ASSERT_EQ(m_host.shown.size(), 1u);
  EXPECT_EQ(m_host.shown[0].text, "指定した'Nowhere'のタブが見つかりません。");
  EXPECT_EQ(m_host.shown[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_TRUE(m_host.posted.empty());
}

TEST_F(LauncherActionTest, ARunFollowsStartAllActionsIntoEachTabOnce) {
  // Two starts itself and Three; Three starts Two again; each switches to a tab of its own, so
  // that every run of a tab shows as one posted switch.
  auto fill = [&](int index, std::vector<std::string> arguments) {
    CTabData& tab = *m_model.GetTab(index);
    tab.m_buttons.clear();
    for (const std::string& argument : arguments) {
      std::string path = m_folder.Folder() + "action" + std::to_string(index) + "-" +
                         std::to_string(tab.m_buttons.size()) + ".lnk";
      ASSERT_TRUE(WriteShortcut(nullptr, path, m_setupTool.c_str(), nullptr, nullptr,
                                argument.c_str(), nullptr, nullptr, 0, kKeepHotKey, kKeepShowCmd));
      tab.m_buttons.push_back(std::make_unique<CBtnData>(path));
    }
  };
  fill(1, {"/str:Two", "/sw:Four", "/str:Three"});
  fill(2, {"/str:Two", "/sw:Five", "/str:Three"});
  m_launcher.RunTab(1, -1);
  ASSERT_EQ(m_host.posted.size(), 2u);
  EXPECT_EQ(m_host.posted[0].wParam, 20003u);
  EXPECT_EQ(m_host.posted[1].wParam, 20004u);
}

TEST_F(LauncherActionTest, ExitAfterLaunchWaitsForTheMenuOrRunAnActionButtonStarted) {
  m_host.style = 0x100000;
  for (const char* arguments : {"/menu:Main", "/str:Two"}) {
    SCOPED_TRACE(arguments);
    m_host.frameCommands.clear();
    m_host.posted.clear();
    m_launcher.LaunchButton(Action(arguments));
    ASSERT_EQ(m_host.posted.size(), 1u);
    EXPECT_TRUE(m_host.FrameCommands().empty());  // nothing may close the bar under the work
    const FakeLauncherHost::Posted work = m_host.posted[0];
    if (work.message == WM_TAB_MENU) {
      m_launcher.TabMenu(static_cast<int>(work.wParam), static_cast<int>(work.lParam));
    } else {
      m_launcher.RunTab(static_cast<int>(work.wParam), static_cast<int>(work.lParam));
    }
    EXPECT_EQ(m_host.FrameCommands(), (std::vector<WPARAM>{57665}));
  }
}

TEST_F(LauncherTest, ASettingsLibraryThatDoesNotLoadIsReportedAndNothingChanges) {
  CPlumageLibrary missing("KestrelNoSuchLibrary.dll");
  Strings reports;
  missing.SetReporter([&](const char* text, UINT type) {
    EXPECT_EQ(type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    reports.push_back(text);
    return IDOK;
  });
  CLauncher launcher(m_model, m_host, missing);
  m_host.currentCell = 0;
  launcher.ButtonProperties();
  launcher.TabOrder();
  launcher.ShowHideTabs();
  launcher.BarBackground();
  ASSERT_EQ(reports.size(), 4u);
  EXPECT_NE(reports[0].find("(0x7e)"), std::string::npos) << reports[0];
  EXPECT_TRUE(m_host.calls.empty()) << "no pause, no rebuild";
  EXPECT_FALSE(m_model.IsModified());
  EXPECT_FALSE(missing.IsBound());
}

TEST_F(LauncherTest, ALibraryWithoutTheEntryActsAsACancelledDialog) {
  CPlumageLibrary library("kernel32.dll");
  int reports = 0;
  library.SetReporter([&](const char*, UINT) { return ++reports; });
  CLauncher launcher(m_model, m_host, library);
  m_host.currentCell = 0;
  launcher.ButtonProperties();
  launcher.TabOrder();
  EXPECT_EQ(reports, 0);
  EXPECT_TRUE(m_host.calls.empty());
  EXPECT_FALSE(library.IsBound());
  EXPECT_FALSE(m_model.IsModified());

  m_plumage.entries.clear();  // the fake: bound, no entry
  m_launcher.BarBackground();
  EXPECT_EQ(m_host.calls, (Strings{"bind BarBkPropDialog", "unbind"}));
}

TEST_F(LauncherTest, ButtonDialogReplacesTheCellOnlyWhenItReportsAChange) {
  m_plumage.entries["DisplayBtnPropDialog"] = Entry(FakeButtonDialog);
  m_host.currentCell = 4;
  g_result = "C:\\new tool.exe|4";
  m_launcher.ButtonProperties();
  EXPECT_EQ(m_host.calls, (Strings{"bind DisplayBtnPropDialog", "pause", "call 4", "resume",
                                   "unbind", "redraw"}));
  EXPECT_EQ(g_seenTabName, "Main");
  EXPECT_EQ(g_seenCommand, "*");
  EXPECT_EQ(Tab().GetButton(4)->m_command, "C:\\new tool.exe");
  EXPECT_EQ(Tab().GetButton(4)->m_flags, 4u);

  // OK without a record, and Cancel with one, leave the cell alone.
  for (auto answer : {std::pair<BOOL, std::string>{TRUE, ""}, {FALSE, "C:\\other.exe"}}) {
    g_answer = answer.first;
    g_result = answer.second;
    m_host.calls.clear();
    m_launcher.ButtonProperties();
    EXPECT_EQ(Tab().GetButton(4)->m_command, "C:\\new tool.exe");
    EXPECT_EQ(std::count(m_host.calls.begin(), m_host.calls.end(), "redraw"), 0);
  }

  // A record that fills the whole buffer without its zero is cut at the buffer's end.
  g_answer = TRUE;
  g_result = "C:\\" + std::string(600, 'x');
  m_launcher.ButtonProperties();
  EXPECT_EQ(Tab().GetButton(4)->m_command.size(), kPlumageRecordSize - 1);

  // No current cell: no dialog.
  m_host.calls.clear();
  m_host.currentCell = -1;
  m_launcher.ButtonProperties();
  EXPECT_TRUE(m_host.calls.empty());
}

TEST_F(LauncherTest, TabOrderDialogResultBecomesTheVisibleList) {
  m_plumage.entries["ChgTabOrderDialog"] = Entry(FakeOrderDialog);
  g_result = TabListBytes({{"Four", 4}, {"Main renamed", 1}, {"Brand new", 0}});
  m_launcher.TabOrder();
  EXPECT_EQ(m_host.calls,
            (Strings{"bind ChgTabOrderDialog", "pause", "call", "resume", "unbind", "rebuilt"}));
  ASSERT_EQ(m_model.GetCount(), 3);
  EXPECT_EQ(m_model.GetTab(0)->m_name, "Four");
  EXPECT_EQ(m_model.GetTab(1)->m_name, "Main renamed");
  EXPECT_EQ(m_model.GetTab(1)->GetButtonCount(), 8);
  EXPECT_EQ(m_model.GetTab(2)->m_name, "Brand new");

  // Garbage without any terminator still gives a sound model.
  g_result = std::string(kPlumageTabListSize, 'Z');
  m_launcher.TabOrder();
  EXPECT_GE(m_model.GetCount(), 1);
}

TEST_F(LauncherTest, ShowHideDialogTakesOverBothListsOrDropsTheHiddenOne) {
  m_plumage.entries["UpdTabShowHideDialog"] = Entry(FakeShowHideDialog);
  g_result = TabListBytes({{"Main", 1}, {"Hidden One", 6}});
  g_hiddenResult = TabListBytes({{"Two", 2}, {"Hidden Two", 7}});
  m_launcher.ShowHideTabs();
  EXPECT_EQ(m_host.calls.back(), "rebuilt");
  ASSERT_EQ(m_model.GetCount(), 2);
  EXPECT_EQ(m_model.GetTab(1)->m_name, "Hidden One");
  EXPECT_EQ(m_model.GetTab(1)->GetButton(0)->m_command, "C:\\h1.exe");
  ASSERT_NE(m_model.GetHiddenList(), nullptr);
  ASSERT_EQ(m_model.GetHiddenList()->GetCount(), 2);
  EXPECT_EQ(m_model.GetHiddenList()->GetTab(0)->m_name, "Two");

  g_result = TabListBytes({{"Main", 1}});
  g_hiddenResult = TabListBytes({});
  m_launcher.ShowHideTabs();
  EXPECT_EQ(m_model.GetCount(), 1);
  EXPECT_EQ(m_model.GetHiddenList(), nullptr);
}

TEST_F(LauncherTest, BarBackgroundDialogGivesTheTabItsNewColours) {
  m_plumage.entries["BarBkPropDialog"] = Entry(FakeBackgroundDialog);
  Tab().m_color = 0x1000005;
  g_newColor = 0x00FF00;
  g_answer = FALSE;
  m_launcher.BarBackground();
  EXPECT_EQ(Tab().m_color, 0x1000005u);
  EXPECT_FALSE(m_model.IsModified());

  g_answer = TRUE;
  m_host.calls.clear();
  m_launcher.BarBackground();
  EXPECT_EQ(g_seenTab.color, 0x1000005u);
  EXPECT_EQ(g_seenTabName, "Main");
  EXPECT_EQ(Tab().m_color, 0x00FF00u);
  EXPECT_EQ(Tab().m_textColor, 0x00FF01u);
  EXPECT_TRUE(m_model.IsModified());
  EXPECT_EQ(m_host.calls.back(), "colors");
}

}  // namespace
