#include "setup/SetupSteps.h"

#include <commctrl.h>

#include <vector>

#include "core/Environment.h"
#include "core/ErrorText.h"
#include "core/FileName.h"
#include "core/FileType.h"
#include "core/ShellLink.h"

namespace {

constexpr char kCommon[] = "Common";

// A template shortcut: Hatchling.exe performing one shell command.
struct TemplateShortcut {
  const char* name;
  const char* arguments;
  const char* description;
  int iconIndex;  // in the system folder's SHELL32.DLL
};

const TemplateShortcut kTemplates[] = {
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

std::string ErrorText(DWORD code) {
  char text[512];
  GetErrorText(text, sizeof text, code);
  return text;
}

bool FolderExists(const std::string& folder) {
  DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ModulePath() {
  std::vector<char> path(MAX_PATH + 1);
  for (;;) {
    DWORD got = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got < path.size() - 1) return std::string(path.data(), got);
    path.resize(path.size() * 2);
  }
}

// The expanded program path of the open command registered for the extension, or empty.
std::string RegisteredProgram(const char* extension) {
  FileAssociation association;
  if (!LookupFileType(extension, association)) return std::string();
  return ExpandEnvironmentReferences(GetOpenCommandProgram(association.openCommand));
}

}  // namespace

bool PrepareFolder(SetupContext& context, const char* key, const char* defaultName,
                   std::string& folder) {
  std::string stored = context.settings.ReadString(kCommon, key, "");
  if (stored.empty()) {
    stored = context.programFolder + defaultName + "\\";
    context.settings.WriteString(kCommon, key, stored.c_str());
  }
  folder = ExpandEnvironmentReferences(stored);

  std::string bare = folder;
  if (EndsWithBackslash(bare)) bare.pop_back();
  bool isDrive = bare.size() == 2 && bare[1] == ':';
  if (isDrive || bare.empty() || FolderExists(bare)) return true;
  if (CreateDirectoryA(bare.c_str(), nullptr)) return true;
  std::string text = ErrorText(GetLastError()) + "\n" + folder;
  MessageBoxA(context.dialog, text.c_str(), kSetupCaption, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

void CreateSamples(SetupContext& context, HWND progress) {
  char user[65] = {};
  DWORD userLength = sizeof user;
  if (GetUserNameA(user, &userLength) && user[0]) {
    context.settings.WriteString(kCommon, "Emblem", user);
  }

  SendMessageA(progress, PBM_SETPOS, 42, 0);
  SendMessageA(progress, PBM_SETSTEP, 2, 0);
  std::string folder = context.templateFolder;
  if (!EndsWithBackslash(folder)) folder += '\\';
  std::string self = ModulePath();
  char system[MAX_PATH + 1] = {};
  UINT systemLength = GetSystemDirectoryA(system, MAX_PATH);
  std::string shell32 =
      std::string(system, systemLength < MAX_PATH ? systemLength : 0) + "\\SHELL32.DLL";
  const size_t count = sizeof kTemplates / sizeof kTemplates[0];
  for (size_t i = 0; i < count; ++i) {
    const TemplateShortcut& item = kTemplates[i];
    std::string path = folder + item.name + ".lnk";
    // A failure has been reported by the writer; the other samples are still made.
    WriteShortcut(context.dialog, path, self.c_str(), nullptr, nullptr, item.arguments,
                  item.description, shell32.c_str(), item.iconIndex, kKeepHotKey, kKeepShowCmd);
    if (i + 1 < count) SendMessageA(progress, PBM_STEPIT, 0, 0);
  }

  context.settings.WriteString("Order", "1", "1");
  std::string text = RegisteredProgram("txt");
  std::string web = RegisteredProgram("htm");
  std::string word = RegisteredProgram("doc");
  std::string sheet = RegisteredProgram("xls");
  std::vector<std::string> buttons;
  if (!text.empty()) buttons.push_back(text);
  if (!web.empty()) buttons.push_back(web);
  if (!word.empty() && lstrcmpiA(word.c_str(), text.c_str()) != 0) buttons.push_back(word);
  if (!sheet.empty()) buttons.push_back(sheet);
  for (size_t i = 0; i < buttons.size(); ++i) {
    std::string key = "Btn" + std::to_string(i + 1);
    context.settings.WriteString("Tab1", key.c_str(), buttons[i].c_str());
  }
  context.settings.WriteString("Tab1", "Desc", "メイン");
  context.settings.WriteInt("Tab1", "No", buttons.empty() ? 1 : static_cast<int>(buttons.size()));
  context.settings.WriteInt("Tab1", "Color", 16777240);  // tooltip background
}

namespace {

// Whether the settings file can be written now: opened for writing as the profile functions
// would, so that a file another program holds, a read-only file or a full disk is found before
// Kestrel is started on a file that would send it straight back here. Tells the user when not.
bool SettingsWritable(SetupContext& context) {
  const std::string& path = context.settings.GetPath();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD error = GetLastError();
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return true;
  }
  std::string text = ErrorText(error) + "\n" + path;
  MessageBoxA(context.dialog, text.c_str(), kSetupCaption, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

}  // namespace

bool PrepareStart(SetupContext& context) {
  // Without Trans in the file Kestrel would start the setup tool again, and again.
  if (!SettingsWritable(context)) return false;
  if (!context.settings.WriteInt(kCommon, "Trans", context.newVersion)) {
    std::string text = ErrorText(GetLastError()) + "\n" + context.settings.GetPath();
    MessageBoxA(context.dialog, text.c_str(), kSetupCaption, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (context.settings.ReadString(kCommon, "Font", "").empty())
    context.settings.WriteString(kCommon, "Font", "ＭＳ Ｐゴシック");
  if (context.settings.ReadInt(kCommon, "NewBtnNum", 0) <= 0) {
    context.settings.WriteInt(kCommon, "NewBtnNum", 1);
  }

  std::string path = context.programFolder + "Kestrel.exe";
  // Quoted so that a program folder with spaces cannot start another program.
  std::string quoted = "\"" + path + "\"";
  std::vector<char> commandLine(quoted.begin(), quoted.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                     NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
  }
  std::string text = ErrorText(GetLastError()) + "\n" + path;
  MessageBoxA(context.dialog, text.c_str(), kSetupCaption, MB_OK | MB_ICONSTOP);
  return false;
}
