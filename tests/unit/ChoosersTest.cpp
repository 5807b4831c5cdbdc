// The choosers run modally in this thread, with their templates taken from the
// built Plumage.dll; a thread timer plays the user's part step by step.
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "core/SystemFolder.h"
#include "framework/WinApp.h"
#include "plumage_res.h"
#include "settings/Choosers.h"
#include "settings/IconChooser.h"
#include "settings/IconRecentFiles.h"
#include "settings/SysFolderChooser.h"
#include "tests/unit/TempProgramFolder.h"
#include "tests/unit/PlumageResources.h"
#include "tests/unit/ThreadDialogs.h"

namespace {

// Steps tried on every tick of a thread timer until each says it is done,
// one after another; the modal loops of the dialogs under test run the timer.
// A step that runs a modal loop of its own is not entered again meanwhile.
class Script {
 public:
  using Step = std::function<bool()>;
  explicit Script(std::vector<Step> steps) : m_steps(std::move(steps)) {}
  bool Finished() const { return m_next == m_steps.size(); }

 private:
  std::vector<Step> m_steps;
  size_t m_next = 0;
  bool m_busy = false;
  ThreadTimer m_timer{[this] {
    if (m_busy || Finished()) return;
    m_busy = true;
    if (m_steps[m_next]()) ++m_next;
    m_busy = false;
  }};
};

// The visible dialog of this thread holding a control id (and owned by owner when given).
HWND FindDialog(int controlId, HWND owner = nullptr) {
  for (HWND dialog : ShownThreadDialogs()) {
    if (owner && ::GetWindow(dialog, GW_OWNER) != owner) continue;
    if (!controlId || ::GetDlgItem(dialog, controlId)) return dialog;
  }
  return nullptr;
}

std::string Text(HWND window) {
  char text[1024] = "";
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

// Every static text of a message box, one after another.
std::string MessageText(HWND box) {
  std::string text;
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = "";
    ::GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") == 0) text += Text(child);
  }
  return text;
}

std::string SystemFile(const char* name) {
  char folder[MAX_PATH] = "";
  ::GetSystemDirectoryA(folder, sizeof folder);
  return std::string(folder) + "\\" + name;
}
}  // namespace

TEST(IconChooser, PresetIsTakenOnlyWhenTheFileHasThatIcon) {
  PlumageResources resources;
  ASSERT_TRUE(resources.Loaded());
  TempProgramFolder folder;
  char windows[MAX_PATH] = "";
  ::GetWindowsDirectoryA(windows, sizeof windows);
  const std::string shell = SystemFile("SHELL32.dll");
  ASSERT_GT(CIconChooser::CountIcons(shell), 3);
  struct Case {
    std::string file;
    int index;
    std::string shownFile;
    int shownIndex;
  } cases[] = {
      {"SystemRoot\\system32\\shell32.dll", 3, std::string(windows) + "\\system32\\shell32.dll", 3},
      {shell, 100000, shell, 0},
      {std::string(5000, 'a') + ".dll", 0, shell, 0},  // longer than any path
      {"C:\\\x82", 0, shell, 0},                       // a lead byte without its second byte
      {folder.Folder() + "missing.ico", 0, shell, 0},
  };
  for (const Case& c : cases) {
    std::string shownFile;
    LRESULT shownIndex = -2;
    Script script({[&] {
      HWND chooser = FindDialog(IDCI_ICONS);
      if (!chooser) return false;
      shownFile = Text(::GetDlgItem(chooser, IDCI_FILE));
      shownIndex = ::SendDlgItemMessageA(chooser, IDCI_ICONS, LB_GETCURSEL, 0, 0);
      ::PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
      return true;
    }});
    std::string file = c.file;
    int index = c.index;
    EXPECT_FALSE(ChooseIcon(nullptr, g_settingsFile, file, index)) << c.file.substr(0, 40);
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(lstrcmpiA(shownFile.c_str(), c.shownFile.c_str()), 0) << shownFile;
    EXPECT_EQ(shownIndex, c.shownIndex) << c.file.substr(0, 40);
    // Cancelled: the caller's choice stays as it was.
    EXPECT_EQ(file, c.file);
    EXPECT_EQ(index, c.index);
  }
}

TEST(IconChooser, FileWithoutIconsIsToldAndForgotten) {
  PlumageResources resources;
  ASSERT_TRUE(resources.Loaded());
  struct Case {
    const char* name;
    const char* content;  // null: the file does not exist
    UINT message;
  } cases[] = {{"plain.txt", "no icons here", IDS_ICON_FILE_EMPTY},
               {"missing.ico", nullptr, IDS_ICON_FILE_MISSING}};
  for (const Case& c : cases) {
    TempProgramFolder folder("[IconLocation]\nFile1=" + std::string(3000, 'x') +
                             "\nFile2=C:\\\x82\nFile3=C:\\kept.ico\n");
    const std::string typed = folder.Folder() + c.name;
    if (c.content) std::ofstream(typed) << c.content;
    std::string told;
    LRESULT itemsAfter = -1;
    HWND chooser = nullptr;
    Script script({
        [&] {
          chooser = FindDialog(IDCI_ICONS);
          if (!chooser) return false;
          HWND edit = ::GetDlgItem(chooser, IDCI_FILE);
          ::SetWindowTextA(edit, typed.c_str());
          ::SetFocus(edit);
          ::PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);  // Enter in the file name
          return true;
        },
        [&] {
          HWND box = FindDialog(0, chooser);
          if (!box) return false;
          told = MessageText(box);
          ::PostMessageA(box, WM_COMMAND, IDOK, 0);
          return true;
        },
        [&] {
          if (FindDialog(0, chooser)) return false;
          itemsAfter = ::SendDlgItemMessageA(chooser, IDCI_ICONS, LB_GETCOUNT, 0, 0);
          ::PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
          return true;
        },
    });
    std::string file;
    int index = 0;
    EXPECT_FALSE(ChooseIcon(nullptr, g_settingsFile, file, index));
    ASSERT_TRUE(script.Finished()) << c.name;
    std::string expected = LoadResString(c.message);
    expected.replace(expected.find("%1"), 2, typed);
    EXPECT_EQ(told, expected);
    EXPECT_EQ(itemsAfter, 0) << c.name;
    // The system's icon file the chooser opened on is remembered first, the typed file is
    // not, and of the stored names only whole ones stay. (Wine's profile reader hands the
    // broken name back with the lone byte turned into a whole character; Windows gives the byte.)
    std::vector<std::string> lines = g_settingsFile.ReadSection("IconLocation");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "File1=" + SystemFile("SHELL32.dll"));
    EXPECT_EQ(lines.back(), "File" + std::to_string(lines.size()) + "=C:\\kept.ico");
    for (const std::string& line : lines) {
      EXPECT_EQ(line.find(c.name), std::string::npos);
      EXPECT_TRUE(IsUsableFileName(line.substr(line.find('=') + 1))) << line;
    }
  }
}

TEST(IconChooser, RecentFileFromTheBrowseButtonsMenuIsChosen) {
  PlumageResources resources;
  ASSERT_TRUE(resources.Loaded());
  char path[MAX_PATH];
  const std::string self(path, ::GetModuleFileNameA(nullptr, path, sizeof path));
  TempProgramFolder folder("[IconLocation]\nFile1=" + self + "\n");
  HWND chooser = nullptr;
  Script script({
      [&] {
        chooser = FindDialog(IDCI_ICONS);
        if (!chooser) return false;
        ::PostMessageA(::GetDlgItem(chooser, IDCI_BROWSE), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        return true;
      },
      [&] {
        HWND menu = ::FindWindowA("#32768", nullptr);
        if (!menu || !::IsWindowVisible(menu)) return false;
        // The opened SHELL32.dll comes first, the stored file second.
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) ::PostMessageA(menu, WM_KEYDOWN, key, 0);
        return true;
      },
      [&] {
        if (Text(::GetDlgItem(chooser, IDCI_FILE)) != self) return false;
        ::PostMessageA(chooser, WM_COMMAND, IDOK, 0);
        return true;
      },
  });
  std::string file;
  int index = 5;
  EXPECT_TRUE(ChooseIcon(nullptr, g_settingsFile, file, index));
  ASSERT_TRUE(script.Finished());
  EXPECT_EQ(file, self);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(g_settingsFile.ReadString("IconLocation", "File1", ""), self);
}

TEST(IconRecentFiles, KeepsFiveNewestFirstAndShowsThemShort) {
  TempProgramFolder folder;
  CIconRecentFiles recent;
  for (int i = 1; i <= 7; ++i) recent.Add("C:\\Icons\\" + std::to_string(i) + ".ico");
  recent.Add("c:\\icons\\4.ICO");  // the same file again: moves to the top
  recent.Add("C:\\Program Files\\A Vendor\\Icons\\Big & Bold.ico");
  ASSERT_TRUE(recent.Save(g_settingsFile));
  CIconRecentFiles loaded;
  loaded.Load(g_settingsFile);
  EXPECT_EQ(loaded.Files(),
            (std::vector<std::string>{"C:\\Program Files\\A Vendor\\Icons\\Big & Bold.ico",
                                      "c:\\icons\\4.ICO", "C:\\Icons\\7.ico", "C:\\Icons\\6.ico",
                                      "C:\\Icons\\5.ico"}));

  HMENU menu = BuildRecentFilesMenu(loaded);
  ASSERT_NE(menu, nullptr);
  std::vector<std::pair<UINT, std::string>> items;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[128] = "";
    ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    if (::GetMenuItemID(menu, i) != 0) items.emplace_back(::GetMenuItemID(menu, i), text);
  }
  ::DestroyMenu(menu);
  EXPECT_EQ(items,
            (std::vector<std::pair<UINT, std::string>>{{32771, "C:\\...\\Icons\\Big && Bold.ico"},
                                                       {32772, "c:\\icons\\4.ICO"},
                                                       {32773, "C:\\Icons\\7.ico"},
                                                       {32774, "C:\\Icons\\6.ico"},
                                                       {32775, "C:\\Icons\\5.ico"},
                                                       {32779, "参照..."}}));
}

TEST(IconRecentFiles, AbbreviatesAtWholePartsAndCharacters) {
  const std::string kana = "\x83\x41\x83\x43\x83\x52\x83\x93";  // four double-byte characters
  struct Case {
    std::string path;
    std::string shown;
  } cases[] = {
      {"C:\\short.ico", "C:\\short.ico"},
      {"C:\\one\\two\\three\\four\\five\\six.ico", "C:\\...\\three\\four\\five\\six.ico"},
      {"\\\\server\\share\\deep\\folder\\name.ico", "\\\\server\\share\\...\\name.ico"},
      {"C:\\" + std::string(40, 'n') + ".ico", std::string(27, 'n') + "..."},
      {"C:\\" + kana + kana + kana + kana + ".ico", kana + kana + kana + "\x83\x41..."},
  };
  for (const Case& c : cases) {
    std::string shown = AbbreviatePath(c.path, 30);
    EXPECT_EQ(shown, c.shown) << c.path;
    EXPECT_LE(shown.size(), 30u);
  }
}

TEST(SysFolderChooser, ListsOnlyFoldersTheShellResolvesAndAnswersTheChoice) {
  PlumageResources resources;
  ASSERT_TRUE(resources.Loaded());
  for (bool ok : {true, false}) {
    std::vector<int> listed;
    int chosen = -1;
    bool okEnabledBefore = true;
    std::string description;
    HWND chooser = nullptr;
    Script script({
        [&] {
          chooser = FindDialog(IDCY_LIST);
          if (!chooser) return false;
          HWND list = ::GetDlgItem(chooser, IDCY_LIST);
          for (int i = 0; i < ListView_GetItemCount(list); ++i) {
            LVITEMA item{};
            item.mask = LVIF_PARAM;
            item.iItem = i;
            ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
            listed.push_back(static_cast<int>(item.lParam));
          }
          okEnabledBefore = ::IsWindowEnabled(::GetDlgItem(chooser, IDOK)) != FALSE;
          if (listed.empty()) return true;
          chosen = listed.back();
          ListView_SetItemState(list, static_cast<int>(listed.size()) - 1,
                                LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
          return true;
        },
        [&] {
          if (!::IsWindowEnabled(::GetDlgItem(chooser, IDOK))) return false;
          description = Text(::GetDlgItem(chooser, IDCY_DESCRIPTION));
          ::PostMessageA(chooser, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
          return true;
        },
    });
    int answer = ChooseSystemFolder(nullptr);
    ASSERT_TRUE(script.Finished());
    ASSERT_FALSE(listed.empty());
    EXPECT_FALSE(okEnabledBefore);
    EXPECT_EQ(answer, ok ? chosen : -1);
    EXPECT_EQ(description, LoadResString(CSysFolderChooser::DescriptionId(chosen)));
    std::vector<int> expected;
    for (int number = 0; number <= kMaxSystemFolder; ++number) {
      CItemList resolved(GetSystemFolderList(number));
      if (resolved && CSysFolderChooser::IsOffered(number)) expected.push_back(number);
    }
    EXPECT_EQ(listed, expected);
  }
}

TEST(Choosers, FileAndFolderDialogsAnswerTheChoiceAndCancelChangesNothing) {
  char path[MAX_PATH];
  const std::string self(path, ::GetModuleFileNameA(nullptr, path, sizeof path));
  char windows[MAX_PATH] = "";
  ::GetWindowsDirectoryA(windows, sizeof windows);
  for (bool ok : {true, false}) {
    // The system's file name field: a combo box in the current dialog, an edit in older ones.
    Script fileScript({[&] {
      HWND dialog = FindDialog(0);
      HWND name = dialog ? ::GetDlgItem(dialog, cmb13) : nullptr;
      if (dialog && !name) name = ::GetDlgItem(dialog, edt1);
      if (!name) return false;
      ::SetWindowTextA(name, self.c_str());
      ::PostMessageA(dialog, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
      return true;
    }});
    std::string file = "before";
    FileChoice choice;
    choice.filter = "プログラム|*.exe|全てのファイル|*.*||";
    EXPECT_EQ(ChooseFile(nullptr, choice, file), ok);
    ASSERT_TRUE(fileScript.Finished());
    EXPECT_EQ(lstrcmpiA(file.c_str(), ok ? self.c_str() : "before"), 0) << file;

    Script folderScript({[&] {
      HWND dialog = FindDialog(0);
      if (!dialog) return false;
      ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(windows));
      ::PostMessageA(dialog, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
      return true;
    }});
    std::string chosen = "before";
    EXPECT_EQ(ChooseFolder(nullptr, nullptr, chosen), ok);
    ASSERT_TRUE(folderScript.Finished());
    EXPECT_EQ(lstrcmpiA(chosen.c_str(), ok ? windows : "before"), 0) << chosen;
  }
}
