// The launcher with real shell calls: what a button, a dropped file or an action shortcut starts
// and with which command line and folder; drops, pastes and copies through the clipboard; the
// copy-or-move question; the messages for what cannot be started or bound. The launcher runs in
// LauncherHarness (hosting it as the bar view does); started programs are Recorder.exe, which
// logs its command line and working folder, and the stand-in setup tool.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Input.h"
#include "BarWindows.h"
#include "ProgramFolder.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

using Strings = std::vector<std::string>;

const DWORD kStartTimeoutMs = 10000;

struct Answer {
  int button;           // IDOK, IDYES, IDNO, IDCANCEL
  MessageBoxInfo seen;  // filled in
};

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddBinary("e2e\\LauncherHarness.exe", "LauncherHarness.exe"));
    ASSERT_TRUE(folder_.AddBinary("e2e\\Recorder.exe", "Recorder.exe"));
    ASSERT_TRUE(folder_.AddFakeHatchling());
    ParkPointer();
  }

  std::string Path(const std::string& name) const { return folder_.PathOf(name); }
  std::string Recorder() const { return Path("Recorder.exe"); }

  // Tab 1 "Main" with cells, five visible tabs, two hidden ones.
  void WriteIni(const Strings& cells, DWORD style = 0x82DC, const Strings& second = {"*"}) {
    std::string ini = "[Common]\r\nTrans=10\r\nStyle=" + std::to_string(style) + "\r\n";
    ini += "[Order]\r\n1=1\r\n2=1\r\n3=1\r\n4=1\r\n5=1\r\n6=-1\r\n7=-1\r\n";
    ini += "[Tab1]\r\nNo=" + std::to_string(cells.size()) + "\r\nDesc=Main\r\n";
    for (size_t i = 0; i < cells.size(); ++i) {
      ini += "Btn" + std::to_string(i + 1) + "=" + cells[i] + "\r\n";
    }
    const char* names[] = {"Two", "Three", "Four", "Five", "Hidden One", "Hidden Two"};
    for (int n = 2; n <= 7; ++n) {
      ini += "[Tab" + std::to_string(n) + "]\r\nDesc=" + names[n - 2] + "\r\n";
      const Strings& tabCells = n == 2 ? second : Strings{"*"};
      ini += "No=" + std::to_string(tabCells.size()) + "\r\n";
      for (size_t i = 0; i < tabCells.size(); ++i) {
        ini += "Btn" + std::to_string(i + 1) + "=" + tabCells[i] + "\r\n";
      }
    }
    ASSERT_TRUE(folder_.WriteIni(ini));
  }

  // Runs one harness operation, answering its message boxes in order; the lines of Harness.out.
  Strings Harness(const std::string& args, std::vector<Answer>* answers = nullptr) {
    ::DeleteFileA(Path("Harness.out").c_str());
    AppProcess harness = folder_.Start("LauncherHarness.exe", args);
    EXPECT_TRUE(harness.Started()) << args;
    if (answers) {
      for (Answer& answer : *answers) {
        HWND box = harness.WaitForMessageBox("Kestrel");
        EXPECT_NE(box, nullptr) << args;
        if (!box) break;
        answer.seen = ReadMessageBox(box);
        Post(box, WM_COMMAND, static_cast<WPARAM>(answer.button));
        WaitUntil([&] { return !::IsWindow(box); }, 5000);
      }
    }
    EXPECT_TRUE(harness.WaitForExit()) << args;
    EXPECT_EQ(harness.ExitCode(), 0u) << args;
    Strings lines;
    std::string text = folder_.ReadFileBytes("Harness.out");
    size_t at = 0;
    while (at < text.size()) {
      size_t end = text.find("\r\n", at);
      if (end == std::string::npos) end = text.size();
      lines.push_back(text.substr(at, end - at));
      at = end + 2;
    }
    return lines;
  }

  static bool Has(const Strings& lines, const std::string& line) {
    for (const auto& l : lines) {
      if (l == line) return true;
    }
    return false;
  }

  // Recorder.log's lines once count programs have written them (command line, folder).
  std::vector<std::pair<std::string, std::string>> Recorded(size_t count) {
    std::vector<std::pair<std::string, std::string>> records;
    // With count 0: the time a program would take to start.
    for (const std::string& line :
         WaitForLines(folder_, "Recorder.log", count, count ? kStartTimeoutMs : 1000)) {
      size_t tab = line.rfind('\t');
      records.push_back(
          {line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
    }
    return records;
  }

  std::string Cell(int n) { return folder_.IniValue("Tab1", "Btn" + std::to_string(n)); }

  void MakeShortcut(const std::string& name, const std::string& target, const std::string& args) {
    Strings out = Harness("shortcut \"" + Path(name) + "\" \"" + target + "\" \"" + args + "\"");
    ASSERT_TRUE(Has(out, "result 1")) << name;
  }

  ProgramFolder folder_;
};

std::string WithoutTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

TEST_F(LauncherTest, AButtonStartsItsProgramAndRunsTheAfterLaunchActionOnce) {
  const struct {
    DWORD style;
    const char* frame;
  } cases[] = {{0x82DC | 0x40000, "frame 32806"}, {0x82DC | 0x100000, "frame 57665"}};
  for (const auto& c : cases) {
    ::DeleteFileA(Path("Recorder.log").c_str());
    WriteIni({Recorder()}, c.style);
    Strings out = Harness("launch \"" + Recorder() + "\"");
    EXPECT_TRUE(Has(out, "recent " + Recorder()));
    EXPECT_TRUE(Has(out, c.frame));
    auto records = Recorded(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_NE(records[0].first.find("Recorder.exe"), std::string::npos);
    // Started without a working folder of its own: the bar's.
    EXPECT_EQ(WithoutTrailingBackslash(records[0].second),
              WithoutTrailingBackslash(folder_.Path()));
  }
}

TEST_F(LauncherTest, ACommandThatCannotStartLeavesNoRecentEntryAndNoAfterLaunchAction) {
  WriteIni({"*"}, 0x82DC | 0x40000);
  ::DeleteFileA(Path("Harness.out").c_str());
  AppProcess harness =
      folder_.Start("LauncherHarness.exe", "launch \"" + Path("missing.exe") + "\"");
  // The shell may tell the user itself; close its box if it shows one.
  if (HWND box = harness.WaitForMessageBox(nullptr, 3000)) Post(box, WM_COMMAND, IDOK);
  ASSERT_TRUE(harness.WaitForExit());
  std::string out = folder_.ReadFileBytes("Harness.out");
  EXPECT_EQ(out.find("recent"), std::string::npos) << out;
  EXPECT_EQ(out.find("frame"), std::string::npos) << out;
}

TEST_F(LauncherTest, ADroppedFileIsOpenedWithAFlag4ButtonAndQuotedWhenItNeedsIt) {
  MakeShortcut("rec.lnk", Recorder(), "");
  const struct {
    const char* file;
    bool quoted;
  } cases[] = {
      {"plain.txt", false},
      {"two words.txt", true},
      {"a,b.txt", true},
      {"it's.txt", true},
  };
  for (const char* button : {"Recorder.exe", "rec.lnk"}) {
    for (const auto& c : cases) {
      ::DeleteFileA(Path("Recorder.log").c_str());
      WriteIni({"*", "/", Path(button) + "|4"});
      std::string dropped = Path(c.file);
      Strings out = Harness("drop 2 \"" + dropped + "\"");
      auto records = Recorded(1);
      ASSERT_EQ(records.size(), 1u) << button << " " << c.file;
      std::string parameter = c.quoted ? "\"" + dropped + "\"" : dropped;
      const std::string& line = records[0].first;
      ASSERT_GE(line.size(), parameter.size());
      EXPECT_EQ(line.substr(line.size() - parameter.size()), parameter) << line;
      // The program comes first, as the shell writes it (quoted or not).
      EXPECT_TRUE(line.rfind(Recorder(), 0) == 0 || line.rfind("\"" + Recorder() + "\"", 0) == 0)
          << line;
      EXPECT_EQ(folder_.IniValue("Tab1", "No"), "3") << "opening makes no button";
    }
  }
}

TEST_F(LauncherTest, TwoFilesOnAFlag4ButtonBecomeButtonsBeforeIt) {
  WriteIni({"*", "/", Recorder() + "|4"});
  Harness("drop 2 \"" + Path("x y.txt") + "\" \"" + Path("z.txt") + "\"");
  EXPECT_EQ(Cell(3), Path("x y.txt"));
  EXPECT_EQ(Cell(4), Path("z.txt"));
  EXPECT_EQ(Cell(5), Recorder() + "|4");
  EXPECT_TRUE(Recorded(0).empty()) << "nothing was started";
}

TEST_F(LauncherTest, ThreeFilesDroppedOnTheBlankCellAtIndex4StandAt4To6) {
  WriteIni({"C:\\a.exe", "C:\\b.exe", "/", "C:\\c.exe", "*", "C:\\d.exe"});
  Strings out = Harness("drop 4 \"C:\\one, it's.txt\" \"C:\\two words.txt\" C:\\three.txt");
  EXPECT_EQ(Cell(4), "C:\\c.exe");
  EXPECT_EQ(Cell(5), "C:\\one, it's.txt");
  EXPECT_EQ(Cell(6), "C:\\two words.txt");
  EXPECT_EQ(Cell(7), "C:\\three.txt");
  EXPECT_EQ(Cell(8), "C:\\d.exe");
  EXPECT_EQ(folder_.IniValue("Tab1", "No"), "8");
  EXPECT_TRUE(Has(out, "relayout 4"));
}

TEST_F(LauncherTest, ActionShortcutsPostToTheViewAndAPrefixAloneIsAnOrdinaryShortcut) {
  WriteIni({"*"});
  const struct {
    const char* arguments;
    const char* posted;  // nullptr: started by the shell
  } cases[] = {
      {"/sw:Hidden Two", "post 273 20006 0"},
      {"/str:Three", "post 32776 2 -1"},
      {"/menu:Hidden One", "post 32777 -1 0"},
      {"/menu:", nullptr},
      {"/SW:Two", nullptr},
  };
  for (const auto& c : cases) {
    ::DeleteFileA(Path("Hatchling.ran").c_str());
    ::DeleteFileA(Path("act.lnk").c_str());
    MakeShortcut("act.lnk", Path("Hatchling.exe"), c.arguments);
    Strings out = Harness("launch \"" + Path("act.lnk") + "\"");
    EXPECT_TRUE(Has(out, "recent " + Path("act.lnk"))) << c.arguments;
    if (c.posted) {
      EXPECT_TRUE(Has(out, c.posted)) << c.arguments;
      ::Sleep(500);
      EXPECT_FALSE(folder_.Exists("Hatchling.ran")) << c.arguments;
    } else {
      for (const auto& line : out) {
        EXPECT_NE(line.substr(0, 5), "post ") << c.arguments;
      }
      EXPECT_NE(folder_.WaitForFileBytes("Hatchling.ran", kStartTimeoutMs).find(c.arguments),
                std::string::npos)
          << c.arguments;
    }
  }
}

TEST_F(LauncherTest, AnActionShortcutNamingAMissingTabSaysSoAndStartsNothing) {
  WriteIni({"*"});
  MakeShortcut("act.lnk", Path("Hatchling.exe"), "/sw:Nowhere");
  std::vector<Answer> answers = {{IDOK, {}}};
  Strings out = Harness("launch \"" + Path("act.lnk") + "\"", &answers);
  EXPECT_EQ(answers[0].seen.text, "指定した'Nowhere'のタブが見つかりません。");
  EXPECT_EQ(answers[0].seen.icon, BoxIcon::kInformation);
  ::Sleep(500);  // nothing is to start: a moment in which it would
  EXPECT_FALSE(folder_.Exists("Hatchling.ran"));
}

TEST_F(LauncherTest, SystemFolder17OpensThroughItsItemList) {
  WriteIni({"&#17"});
  std::vector<HWND> before = FindTopLevelWindows(0, nullptr, nullptr);
  Strings out = Harness("launch &#17");
  EXPECT_TRUE(Has(out, "recent &#17"));
  // The shell opens a window for the folder (it has no file-system path); close it again.
  auto opened = [&] {
    std::vector<HWND> windows;
    for (HWND window : FindTopLevelWindows(0, nullptr, nullptr)) {
      bool old = false;
      for (HWND known : before) old = old || known == window;
      if (!old && ::IsWindowVisible(window)) windows.push_back(window);
    }
    return windows;
  };
  // The launch reported success above. Whether a folder window then appears is the shell's
  // business: Wine opens one in a prefix that has been used, but not in a fresh one, so its
  // absence is only noted.
  if (!WaitUntil([&] { return !opened().empty(); }, kStartTimeoutMs))
    std::printf("note: the shell opened no window for folder 17\n");
  ::Sleep(500);
  for (HWND window : opened()) ::PostMessageA(window, WM_CLOSE, 0, 0);
}

// The clipboard is one for the whole display: other test programs running at the same time may
// replace it between two steps. The clipboard tests therefore try up to three times.
const int kClipboardAttempts = 3;

std::string ClipboardFileListBytes() {
  std::string block;
  if (!::OpenClipboard(nullptr)) return block;
  if (HANDLE data = ::GetClipboardData(CF_HDROP)) {
    size_t size = ::GlobalSize(data);
    if (const char* bytes = static_cast<const char*>(::GlobalLock(data))) {
      block.assign(bytes, size);
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return block;
}

TEST_F(LauncherTest, CopyAllPutsTheSeparatorAsSlashAndLeavesTheBlankOut) {
  WriteIni({"C:\\a.exe", "/", "*", "D:\\b c.txt"});
  const std::string expected = std::string("\x14\0\0\0", 4) + std::string(16, '\0') +
                               std::string("C:\\a.exe\0/\0D:\\b c.txt\0\0", 23);
  std::string block;
  for (int attempt = 0; attempt < kClipboardAttempts && block != expected; ++attempt) {
    Strings out = Harness("copyall");
    ASSERT_TRUE(Has(out, "result 1"));
    block = ClipboardFileListBytes();
  }
  EXPECT_EQ(block, expected);
}

void PutOnClipboard(const std::string& block) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, block.size());
  std::memcpy(::GlobalLock(memory), block.data(), block.size());
  ::GlobalUnlock(memory);
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::SetClipboardData(CF_HDROP, memory);
  ::CloseClipboard();
}

std::string Header() { return std::string("\x14\0\0\0", 4) + std::string(16, '\0'); }

TEST_F(LauncherTest, PasteTakesAListMadeByAnotherProcessAndOnlyItsWholeNames) {
  std::string tooLong = "C:\\" + std::string(300, 'x') + ".txt";
  const struct {
    const char* what;
    std::string block;
    Strings cells;  // Btn2 on
  } cases[] = {
      {"list",
       Header() + std::string(" C:\\p q.txt \0C:\\it's,x.txt\0\0", 28),
       {"C:\\p q.txt", "C:\\it's,x.txt", "C:\\z.exe"}},
      {"empty list", Header() + std::string(1, '\0'), {"*", "C:\\z.exe"}},
      {"header only", Header(), {"*", "C:\\z.exe"}},
      {"truncated header", std::string("\x14\0\0", 3), {"*", "C:\\z.exe"}},
      {"not terminated",
       Header() + "C:\\whole.txt" + std::string(1, '\0') + "C:\\cut",
       {"C:\\whole.txt", "C:\\z.exe"}},
      {"too long",
       Header() + tooLong + std::string(1, '\0') + "C:\\ok.txt" + std::string(2, '\0'),
       {"C:\\ok.txt", "C:\\z.exe"}},
  };
  for (const auto& c : cases) {
    Strings expected = c.cells;
    expected.push_back("");  // nothing after them
    Strings cells;
    for (int attempt = 0; attempt < kClipboardAttempts && cells != expected; ++attempt) {
      WriteIni({"C:\\a.exe", "*", "C:\\z.exe"});
      PutOnClipboard(c.block);
      Harness("paste 1");
      cells.clear();
      for (size_t i = 0; i < expected.size(); ++i) cells.push_back(Cell(static_cast<int>(i) + 2));
    }
    EXPECT_EQ(cells, expected) << c.what;
  }
}

TEST_F(LauncherTest, AFileDroppedOnAFolderButtonIsCopiedOrMovedAsAnswered) {
  ASSERT_TRUE(::CreateDirectoryA(Path("Dest").c_str(), nullptr));
  const struct {
    int answer;
    bool copied;
    bool kept;
  } cases[] = {{IDCANCEL, false, true}, {IDYES, true, true}, {IDNO, true, false}};
  for (const auto& c : cases) {
    WriteIni({Path("Dest") + "|4"});
    ASSERT_TRUE(folder_.WriteFileBytes("in file.txt", "payload"));
    ::DeleteFileA(Path("Dest\\in file.txt").c_str());
    std::vector<Answer> answers = {{c.answer, {}}};
    Harness("drop 0 \"" + Path("in file.txt") + "\"", &answers);
    EXPECT_EQ(answers[0].seen.icon, BoxIcon::kQuestion);
    EXPECT_EQ(answers[0].seen.buttons.size(), 3u);
    EXPECT_NE(answers[0].seen.text.find("格納先:" + Path("Dest")), std::string::npos)
        << answers[0].seen.text;
    EXPECT_EQ(folder_.Exists("Dest\\in file.txt"), c.copied) << c.answer;
    EXPECT_EQ(folder_.Exists("in file.txt"), c.kept) << c.answer;
    EXPECT_EQ(folder_.IniValue("Tab1", "No"), "1");
  }
}

TEST_F(LauncherTest, ADroppedFileThatNoProgramCanOpenIsReportedWithReason99) {
  HKEY key;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, ".kestrele2e", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("KestrelE2e"), 11);
  ::RegCloseKey(key);
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, "KestrelE2e\\shell\\open\\command", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const char command[] = "%2\\Recorder.exe %1";
  ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof command);
  ::RegCloseKey(key);
  ASSERT_TRUE(folder_.WriteFileBytes("doc.kestrele2e", "x"));
  ASSERT_TRUE(folder_.WriteFileBytes("doc.kestrelnone", "x"));
  ASSERT_TRUE(folder_.WriteFileBytes("broken.lnk", "junk"));

  for (const char* button : {"doc.kestrele2e", "doc.kestrelnone", "broken.lnk"}) {
    WriteIni({Path(button) + "|4"});
    std::vector<Answer> answers = {{IDOK, {}}};
    Harness("drop 0 \"C:\\dropped, it's.txt\"", &answers);
    EXPECT_EQ(answers[0].seen.icon, BoxIcon::kExclamation) << button;
    EXPECT_EQ(answers[0].seen.text,
              "プログラムを起動できません。ボタンの設定を確認してください。\nC:\\dropped, "
              "it's.txt\nパス:" +
                  Path(button) + "\n理由コード:99")
        << button;
  }
  ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "KestrelE2e");
  ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".kestrele2e");
  EXPECT_TRUE(Recorded(0).empty()) << "nothing was started";
}

TEST_F(LauncherTest, AMissingSettingsLibraryIsReportedWithTheSystemErrorText) {
  WriteIni({"C:\\a.exe", "*"});
  for (const char* op : {"properties 0", "taborder", "background", "showhide"}) {
    std::vector<Answer> answers = {{IDOK, {}}};
    Strings out = Harness(op, &answers);
    EXPECT_EQ(answers[0].seen.icon, BoxIcon::kExclamation) << op;
    EXPECT_NE(answers[0].seen.text.find("(0x7e)"), std::string::npos) << answers[0].seen.text;
    EXPECT_FALSE(Has(out, "pause")) << op;
  }
  EXPECT_EQ(Cell(1), "C:\\a.exe");
}

TEST_F(LauncherTest, RunningATabStartsEveryButtonAndEndsWithOneAfterLaunchAction) {
  MakeShortcut("second.lnk", Recorder(), "second run");
  WriteIni({"*"}, 0x82DC | 0x40000, {Recorder(), "/", "*", Path("second.lnk")});
  Strings out = Harness("runtab 1 -1");
  EXPECT_EQ(std::count(out.begin(), out.end(), "frame 32806"), 1);
  for (const auto& line : out) EXPECT_NE(line.substr(0, 7), "recent ") << line;
  auto records = Recorded(2);
  ASSERT_EQ(records.size(), 2u);
  bool second = false;
  for (const auto& record : records)
    second = second || record.first.find("second run") != std::string::npos;
  EXPECT_TRUE(second);
}

TEST_F(LauncherTest, SettingsLibraryResultsReachTheModelAndAMissingEntryIsACancel) {
  ASSERT_TRUE(folder_.AddBinary("e2e\\Plumage.dll", "Plumage.DLL"));
  WriteIni({"C:\\a b.exe", "*"});
  Strings out = Harness("properties 0");
  EXPECT_EQ(Cell(1), "C:\\a b.exe (edited)|4");
  EXPECT_EQ(Strings(out.begin(), out.begin() + 3), (Strings{"pause", "resume", "redraw 0"}));

  // The library asks for the tab list while its call runs and gives it back before it ends.
  out = Harness("taborder");
  EXPECT_EQ(out, (Strings{"pause", "tablist 0", "tablist 1", "resume", "rebuilt", "result 0"}));
  std::string order = SectionBytes(folder_.ReadIni(), "Order");
  EXPECT_NE(order.find("5=1\r\n4=1\r\n3=1\r\n2=1\r\n1=1\r\n6=-1\r\n7=-1"), std::string::npos)
      << order;

  // This library has no bar-background call: nothing opens, nothing is said, nothing changes.
  std::string before = folder_.ReadIni();
  out = Harness("background");
  EXPECT_EQ(out, Strings{"result 0"});
  EXPECT_EQ(folder_.ReadIni(), before);
}

TEST_F(LauncherTest, TheTabMenuShowsTheButtonsAndRunsTheChosenOne) {
  WriteIni({"*", Recorder(), "/", Path("other.exe")});
  AppProcess harness = folder_.Start("LauncherHarness.exe", "tabmenu 0 -1");
  ASSERT_TRUE(harness.Started());
  HWND menu = WaitForTopLevelWindow(0, "#32768", nullptr, kStartTimeoutMs, harness.Handle());
  ASSERT_NE(menu, nullptr);
  ::Sleep(300);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  ASSERT_TRUE(harness.WaitForExit());
  std::string out = folder_.ReadFileBytes("Harness.out");
  EXPECT_NE(out.find("menu 3 1000"), std::string::npos) << out;
  EXPECT_EQ(Recorded(1).size(), 1u);
}

}  // namespace
}  // namespace e2e
