// The setup tool on its own: what a first start leaves in the program folder, how it completes
// a settings file that is already of this layout, how it fails, and its shell command lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ProgramFolder.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const DWORD kSetupTimeoutMs = 20000;  // four one-second steps and some slack
const char kSetupDialogClass[] = "#32770";

bool SameText(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string Environment(const char* name) {
  char value[1024] = {};
  DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? value : "";
}

bool FolderExists(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// What a shortcut file holds, read from its bytes (independently of the shell's link object).
struct LinkFile {
  bool valid = false;
  int iconIndex = 0;
  int showCmd = 0;
  int hotKey = 0;
  std::string localPath, description, workingDir, arguments, iconLocation;
};

uint32_t Read32(const std::string& b, size_t at) {
  if (at + 4 > b.size()) return 0;
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 |
         static_cast<uint8_t>(b[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t Read16(const std::string& b, size_t at) {
  if (at + 2 > b.size()) return 0;
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

LinkFile ParseLink(const std::string& bytes) {
  LinkFile link;
  if (bytes.size() < 0x4C || Read32(bytes, 0) != 0x4C) return link;
  const uint32_t flags = Read32(bytes, 0x14);
  link.iconIndex = static_cast<int32_t>(Read32(bytes, 0x38));
  link.showCmd = static_cast<int32_t>(Read32(bytes, 0x3C));
  link.hotKey = Read16(bytes, 0x40);
  size_t at = 0x4C;
  if (flags & 0x1) at += 2 + Read16(bytes, at);  // the item identifier list
  if (flags & 0x2) {                             // LinkInfo with the local path
    uint32_t size = Read32(bytes, at);
    uint32_t infoFlags = Read32(bytes, at + 8);
    uint32_t localOffset = Read32(bytes, at + 16);
    if ((infoFlags & 1) && localOffset && at + localOffset < bytes.size()) {
      link.localPath = bytes.c_str() + at + localOffset;
    }
    at += size;
  }
  const bool unicode = (flags & 0x80) != 0;
  auto readString = [&](std::string& out) {
    size_t count = Read16(bytes, at);
    at += 2;
    if (unicode) {
      if (at + count * 2 > bytes.size()) return false;
      std::wstring wide(count, L'\0');
      for (size_t i = 0; i < count; ++i) wide[i] = static_cast<wchar_t>(Read16(bytes, at + 2 * i));
      at += count * 2;
      int length = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(count), nullptr,
                                         0, nullptr, nullptr);
      out.assign(static_cast<size_t>(length), '\0');
      if (length > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(count), &out[0], length,
                              nullptr, nullptr);
      }
    } else {
      if (at + count > bytes.size()) return false;
      out.assign(bytes, at, count);
      at += count;
    }
    // Wine counts the terminating zero as part of the string; Windows does not.
    while (!out.empty() && out.back() == '\0') out.pop_back();
    return true;
  };
  std::string relative;
  if ((flags & 0x04) && !readString(link.description)) return link;
  if ((flags & 0x08) && !readString(relative)) return link;
  if ((flags & 0x10) && !readString(link.workingDir)) return link;
  if ((flags & 0x20) && !readString(link.arguments)) return link;
  if ((flags & 0x40) && !readString(link.iconLocation)) return link;
  link.valid = true;
  return link;
}

// Registers the text, web, word-processor and spreadsheet types for one test and puts the
// classes root back as it was afterwards.
class ScopedFileTypes {
 public:
  struct Type {
    const char* extension;
    const char* command;
  };
  explicit ScopedFileTypes(const std::vector<Type>& types) {
    for (const Type& type : types) {
      std::string dotted = std::string(".") + type.extension;
      std::string typeName = std::string("KestrelE2E.") + type.extension;
      Saved saved{dotted, false, ""};
      HKEY key = nullptr;
      if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, dotted.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        saved.existed = true;
        char value[512] = {};
        LONG size = sizeof value;
        if (::RegQueryValueA(HKEY_CLASSES_ROOT, dotted.c_str(), value, &size) == ERROR_SUCCESS)
          saved.value = value;
        ::RegCloseKey(key);
      }
      m_saved.push_back(saved);
      m_typeKeys.push_back(typeName);
      SetDefault(dotted, typeName);
      SetDefault(typeName + "\\shell\\open\\command", type.command);
    }
  }
  ~ScopedFileTypes() {
    for (const std::string& key : m_typeKeys) ::RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
    for (const Saved& saved : m_saved) {
      if (saved.existed) {
        SetDefault(saved.key, saved.value);
      } else {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, saved.key.c_str());
      }
    }
  }
  ScopedFileTypes(const ScopedFileTypes&) = delete;
  ScopedFileTypes& operator=(const ScopedFileTypes&) = delete;

 private:
  struct Saved {
    std::string key;
    bool existed;
    std::string value;
  };
  static void SetDefault(const std::string& key, const std::string& value) {
    ::RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(),
                   static_cast<DWORD>(value.size()));
  }
  std::vector<Saved> m_saved;
  std::vector<std::string> m_typeKeys;
};

class HatchlingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddBinary("Hatchling.exe", "Hatchling.exe"))
        << "Hatchling.exe not found in " << ProgramFolder::BinFolder();
  }
  // A stand-in Kestrel.exe that records its start in Hatchling.ran.
  void AddFakeKestrel() { ASSERT_TRUE(folder_.AddBinary("e2e\\Hatchling.exe", "Kestrel.exe")); }

  bool WaitForKestrelStart() const {
    return WaitUntil([this] { return folder_.Exists("Hatchling.ran"); }, 10000);
  }

  // Runs setup to its end; returns the step names the dialog showed.
  std::vector<std::string> RunSetup(const std::string& args = "") {
    std::vector<std::string> steps;
    AppProcess setup = folder_.Start("Hatchling.exe", args);
    EXPECT_TRUE(setup.Started()) << "error " << setup.StartError();
    HWND dialog = setup.WaitForWindow(kSetupDialogClass, "");
    EXPECT_NE(nullptr, dialog) << "no setup dialog";
    if (dialog) {
      for (int id : {1049, 1050, 1051}) steps.push_back(TextOf(::GetDlgItem(dialog, id)));
      EXPECT_EQ("Kestrel", TextOf(::GetDlgItem(dialog, 1055)));
    }
    EXPECT_TRUE(setup.WaitForExit(kSetupTimeoutMs)) << "setup did not end";
    EXPECT_EQ(0u, setup.ExitCode());
    return steps;
  }

  ProgramFolder folder_;
};

TEST_F(HatchlingTest, AFirstRunPreparesFoldersTemplatesAndTheFirstTabThenStartsKestrel) {
  AddFakeKestrel();
  ScopedFileTypes types({{"txt", "\"C:\\Apps\\Edit.exe\" \"%1\""},
                         {"htm", "C:\\Apps\\Browse.exe %1"},
                         {"doc", "\"c:\\apps\\EDIT.EXE\" /p \"%1\""},  // the text program again
                         {"xls", "%SystemRoot%\\Calc.EXE -x %1"}});
  std::vector<std::string> steps = RunSetup();
  EXPECT_EQ((std::vector<std::string>{"動作環境設定", "サンプル作成", "起動準備"}), steps);
  EXPECT_TRUE(WaitForKestrelStart()) << "Kestrel.exe was not started";

  EXPECT_EQ(folder_.PathOf("work\\"), folder_.IniValue("Common", "WrkPath"));
  EXPECT_EQ(folder_.PathOf("service\\"), folder_.IniValue("Common", "SrvPath"));
  EXPECT_TRUE(FolderExists(folder_.PathOf("work")));
  EXPECT_TRUE(FolderExists(folder_.PathOf("service")));
  EXPECT_EQ("10", folder_.IniValue("Common", "Trans"));
  EXPECT_EQ("ＭＳ Ｐゴシック", folder_.IniValue("Common", "Font"));
  EXPECT_EQ("1", folder_.IniValue("Common", "NewBtnNum"));
  EXPECT_EQ(Environment("USERNAME").empty() ? folder_.IniValue("Common", "Emblem")
                                            : Environment("USERNAME"),
            folder_.IniValue("Common", "Emblem"));
  EXPECT_FALSE(folder_.IniValue("Common", "Emblem").empty());

  EXPECT_EQ("1", folder_.IniValue("Order", "1"));
  EXPECT_EQ("メイン", folder_.IniValue("Tab1", "Desc"));
  EXPECT_EQ("16777240", folder_.IniValue("Tab1", "Color"));
  EXPECT_EQ("3", folder_.IniValue("Tab1", "No"));
  EXPECT_EQ("C:\\Apps\\Edit.exe", folder_.IniValue("Tab1", "Btn1"));
  EXPECT_EQ("C:\\Apps\\Browse.exe", folder_.IniValue("Tab1", "Btn2"));
  EXPECT_TRUE(SameText(Environment("SystemRoot") + "\\Calc.EXE", folder_.IniValue("Tab1", "Btn3")))
      << folder_.IniValue("Tab1", "Btn3");
  EXPECT_EQ("", folder_.IniValue("Tab1", "Btn4"));

  const struct {
    const char* name;
    const char* arguments;
    const char* description;
    int icon;
  } templates[] = {
      {"ﾌｧｲﾙやﾌｫﾙﾀﾞの検索", "/shell /FindFiles", "ファイルやフォルダを検索します", 49},
      {"ほかのｺﾝﾋﾟｭｰﾀの検索", "/shell /FindComputer", "ほかのコンピュータを検索します", 49},
      {"ﾌｧｲﾙ名を指定して実行", "/shell /RunPrograms", "ファイル名を指定して実行します", 24},
      {"全ｳｨﾝﾄﾞｳを最小化", "/shell /MinimizeAll", "全ウィンドウを最小化します", 2},
      {"元に戻す-全て最小化", "/shell /UndoMinimize", "全ウィンドウの最小化を元に戻します", 2},
      {"ｼｬｯﾄﾀﾞｳﾝ", "/shell /ShutdownWindows", "システムをシャットダウンします", 25},
      {"ｻｽﾍﾟﾝﾄﾞ", "/shell /Suspend", "システムをサスペンド状態にします", 27},
      {"全ｳｨﾝﾄﾞｳを重ねて表示", "/shell /CascadeWindows", "全てのウィンドウを重ねて表示します", 0},
      {"全ｳｨﾝﾄﾞｳを左右に並べて表示", "/shell /TileHorizontally",
       "全てのウィンドウを左右に並べて表示します", 0},
      {"全ｳｨﾝﾄﾞｳを上下に並べて表示", "/shell /TileVertically",
       "全てのウィンドウを上下に並べて表示します", 0},
  };
  char system[MAX_PATH] = {};
  ::GetSystemDirectoryA(system, MAX_PATH);
  for (const auto& t : templates) {
    SCOPED_TRACE(t.name);
    std::string name = std::string("service\\") + t.name + ".lnk";
    ASSERT_TRUE(folder_.Exists(name));
    LinkFile link = ParseLink(folder_.ReadFileBytes(name));
    ASSERT_TRUE(link.valid);
    EXPECT_TRUE(SameText(folder_.PathOf("Hatchling.exe"), link.localPath)) << link.localPath;
    EXPECT_EQ(t.arguments, link.arguments);
    EXPECT_EQ(t.description, link.description);
    EXPECT_TRUE(SameText(std::string(system) + "\\SHELL32.DLL", link.iconLocation))
        << link.iconLocation;
    EXPECT_EQ(t.icon, link.iconIndex);
    EXPECT_EQ("", link.workingDir);
    EXPECT_EQ(0, link.hotKey);
  }
}

TEST_F(HatchlingTest, WithoutRegisteredProgramsTheFirstTabHasOneBlankCell) {
  AddFakeKestrel();
  RunSetup();
  EXPECT_TRUE(WaitForKestrelStart());
  EXPECT_EQ("1", folder_.IniValue("Tab1", "No"));
  EXPECT_EQ("", folder_.IniValue("Tab1", "Btn1"));
  EXPECT_EQ("メイン", folder_.IniValue("Tab1", "Desc"));
}

TEST_F(HatchlingTest, ASettingsFileOfThisLayoutIsOnlyCompleted) {
  const struct {
    const char* name;
    const char* common;
    const char* font;
    const char* newBtnNum;
  } cases[] = {
      {"values kept", "Font=Arial\r\nNewBtnNum=4\r\n", "Arial", "4"},
      {"values completed", "Font=\r\nNewBtnNum=0\r\n", "ＭＳ Ｐゴシック", "1"},
      {"negative count", "NewBtnNum=-3\r\n", "ＭＳ Ｐゴシック", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFolder folder;
    ASSERT_TRUE(folder.AddBinary("Hatchling.exe", "Hatchling.exe"));
    ASSERT_TRUE(folder.AddBinary("e2e\\Hatchling.exe", "Kestrel.exe"));
    ASSERT_TRUE(folder.WriteIni(std::string("[Common]\r\nTrans=10\r\nEmblem=someone\r\n") +
                                c.common + "[Tab1]\r\nDesc=mine\r\n"));
    AppProcess setup = folder.Start("Hatchling.exe");
    HWND dialog = setup.WaitForWindow(kSetupDialogClass, "");
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("コンバージョン", TextOf(::GetDlgItem(dialog, 1049)));
    ASSERT_TRUE(setup.WaitForExit(kSetupTimeoutMs));
    EXPECT_EQ(0u, setup.ExitCode());
    WaitUntil([&] { return folder.Exists("Hatchling.ran"); }, 10000);
    EXPECT_TRUE(folder.Exists("Hatchling.ran")) << "Kestrel.exe was not started";
    EXPECT_EQ("10", folder.IniValue("Common", "Trans"));
    EXPECT_EQ(c.font, folder.IniValue("Common", "Font"));
    EXPECT_EQ(c.newBtnNum, folder.IniValue("Common", "NewBtnNum"));
    EXPECT_EQ("someone", folder.IniValue("Common", "Emblem"));
    EXPECT_EQ("mine", folder.IniValue("Tab1", "Desc"));
    EXPECT_EQ("", folder.IniValue("Order", "1"));
    EXPECT_TRUE(FolderExists(folder.PathOf("service")));
    EXPECT_FALSE(folder.Exists("service\\ｻｽﾍﾟﾝﾄﾞ.lnk"));  // no samples
  }
}

TEST_F(HatchlingTest, AWorkFolderBeginningWithAnEnvironmentReferenceIsCreatedExpanded) {
  AddFakeKestrel();
  std::string name = "kestrel-e2e-work-" + std::to_string(::GetCurrentProcessId());
  std::string expanded = Environment("TEMP") + "\\" + name;
  ASSERT_FALSE(Environment("TEMP").empty());
  ::RemoveDirectoryA(expanded.c_str());
  ASSERT_TRUE(folder_.WriteIni("[Common]\r\nTrans=10\r\nWrkPath=%TEMP%\\" + name + "\\\r\n"));
  RunSetup();
  EXPECT_TRUE(FolderExists(expanded)) << expanded;
  EXPECT_EQ("%TEMP%\\" + name + "\\", folder_.IniValue("Common", "WrkPath"));  // kept as written
  ::RemoveDirectoryA(expanded.c_str());
}

TEST_F(HatchlingTest, AFolderThatCannotBeCreatedEndsSetupWithoutTrans) {
  const struct {
    const char* name;
    std::string key;
    std::string relative;
    const char* code;  // the error code shown, or null when systems differ
  } cases[] = {
      {"two levels missing", "WrkPath", "no\\such\\work\\", "(0x3)"},
      {"template folder", "SrvPath", "none\\service\\", "(0x3)"},
      {"beyond the path limit", "WrkPath", std::string(300, 'w') + "\\", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramFolder folder;
    ASSERT_TRUE(folder.AddBinary("Hatchling.exe", "Hatchling.exe"));
    ASSERT_TRUE(folder.AddBinary("e2e\\Hatchling.exe", "Kestrel.exe"));
    std::string missing = folder.PathOf(c.relative);
    ASSERT_TRUE(folder.WriteIni("[Common]\r\n" + c.key + "=" + missing + "\r\n"));
    AppProcess setup = folder.Start("Hatchling.exe");
    HWND box = setup.WaitForMessageBox("Hatchling", kSetupTimeoutMs);
    ASSERT_NE(nullptr, box);
    MessageBoxInfo info = ReadShownMessageBox(box, true);
    if (c.code) {
      // (A box holding the overlong path is wider than the screen: its icon cannot be seen.)
      EXPECT_EQ(BoxIcon::kExclamation, info.icon) << BoxIconName(info.icon);
    }
    std::string tail = "\n" + missing;
    ASSERT_GE(info.text.size(), tail.size()) << info.text;
    EXPECT_EQ(tail, info.text.substr(info.text.size() - tail.size())) << info.text;
    if (c.code) {
      EXPECT_NE(std::string::npos, info.text.find(c.code)) << info.text;
    }
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(setup.WaitForExit());
    EXPECT_NE(0u, setup.ExitCode());
    EXPECT_EQ("", folder.IniValue("Common", "Trans"));
    EXPECT_EQ(missing, folder.IniValue("Common", c.key));
    ::Sleep(300);  // a program started just before the end would have written its file by now
    EXPECT_FALSE(folder.Exists("Hatchling.ran"));
    EXPECT_FALSE(folder.Exists("service"));  // no later step ran
  }
}

TEST_F(HatchlingTest, ASettingsFileThatCannotBeWrittenEndsSetupWithoutStartingKestrel) {
  AddFakeKestrel();
  ASSERT_TRUE(folder_.WriteIni("[Common]\r\nTrans=9\r\n"));
  // Another program reads the file and lets nobody write it meanwhile.
  std::string ini = folder_.PathOf("Kestrel.ini");
  HANDLE held = ::CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  AppProcess setup = folder_.Start("Hatchling.exe");
  HWND box = setup.WaitForMessageBox("Hatchling", kSetupTimeoutMs);
  ASSERT_NE(nullptr, box);
  MessageBoxInfo info = ReadShownMessageBox(box, true);
  EXPECT_EQ(BoxIcon::kExclamation, info.icon) << BoxIconName(info.icon);
  std::string tail = "\n" + ini;
  ASSERT_GT(info.text.size(), tail.size()) << info.text;
  EXPECT_EQ(tail, info.text.substr(info.text.size() - tail.size())) << info.text;
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(setup.WaitForExit());
  ::CloseHandle(held);
  EXPECT_EQ("9", folder_.IniValue("Common", "Trans"));
  ::Sleep(300);  // a program started just before the end would have written its file by now
  EXPECT_FALSE(folder_.Exists("Hatchling.ran")) << "Kestrel.exe was started";
}

TEST_F(HatchlingTest, ClosingTheDialogEndsSetupBeforeAnyLaterStep) {
  AddFakeKestrel();
  AppProcess setup = folder_.Start("Hatchling.exe");
  HWND dialog = setup.WaitForWindow(kSetupDialogClass, "");
  ASSERT_NE(nullptr, dialog);
  ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_EQ(0u, setup.ExitCode());
  EXPECT_EQ("", folder_.IniValue("Common", "Trans"));
  ::Sleep(300);  // a program started just before the end would have written its file by now
  EXPECT_FALSE(folder_.Exists("Hatchling.ran")) << "Kestrel.exe was started";
}

TEST_F(HatchlingTest, AMissingKestrelIsReportedInAStopBoxAfterTransIsWritten) {
  AppProcess setup = folder_.Start("Hatchling.exe");
  HWND box = setup.WaitForMessageBox("Hatchling", kSetupTimeoutMs);
  ASSERT_NE(nullptr, box);
  MessageBoxInfo info = ReadShownMessageBox(box, true);
  EXPECT_EQ(BoxIcon::kStop, info.icon) << BoxIconName(info.icon);
  std::string tail = "\n" + folder_.PathOf("Kestrel.exe");
  ASSERT_GE(info.text.size(), tail.size()) << info.text;
  EXPECT_EQ(tail, info.text.substr(info.text.size() - tail.size())) << info.text;
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(setup.WaitForExit());
  EXPECT_NE(0u, setup.ExitCode());
  EXPECT_EQ("10", folder_.IniValue("Common", "Trans"));
}

TEST_F(HatchlingTest, ShellCommandLinesRunNoSetup) {
  AddFakeKestrel();
  for (std::string args :
       {std::string("/shell /tilevertically"), std::string("/shell TileVertically"),
        "/shell /" + std::string(40, 'x'), std::string("/shell /MinimizeAll")}) {
    SCOPED_TRACE(args);
    AppProcess process = folder_.Start("Hatchling.exe", args);
    ASSERT_TRUE(process.Started());
    EXPECT_EQ(nullptr, process.WaitForWindow(nullptr, nullptr, 3000)) << "a window appeared";
    ASSERT_TRUE(process.WaitForExit());
    EXPECT_EQ(0u, process.ExitCode());
    EXPECT_FALSE(folder_.Exists("Kestrel.ini"));
    EXPECT_FALSE(folder_.Exists("Hatchling.ran"));
  }
}

TEST_F(HatchlingTest, AnActionCommandLineRunsSetup) {
  AddFakeKestrel();
  RunSetup("/sw:Main");
  EXPECT_TRUE(WaitForKestrelStart());
  EXPECT_EQ("10", folder_.IniValue("Common", "Trans"));
}

}  // namespace
}  // namespace e2e
