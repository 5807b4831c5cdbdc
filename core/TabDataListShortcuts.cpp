#include <windows.h>

#include <set>
#include <string>

#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/ShellLink.h"
#include "core/TabDataList.h"
#include "framework/WinApp.h"

namespace {

// The argument prefixes of action shortcuts, in the order they are recognised.
const char* const kActionPrefixes[] = {"/sw:", "/str:", "/menu:"};

// The new name for a tab that was called name, from the first rename that names it exactly,
// or null when none does.
const char* RenamedTo(const CTabDataList::TabRenames& renames, const std::string& name) {
  for (const auto& [oldName, newName] : renames) {
    if (oldName == name) return newName.c_str();
  }
  return nullptr;
}

// Rewrites the arguments of the shortcut at path when it is an action shortcut that names a
// renamed tab exactly; every other property of the shortcut stays as it is.
void RenameInActionShortcut(const std::string& path, const CTabDataList::TabRenames& renames) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  HWND owner = AfxGetMainWndHandle();
  ShortcutFields fields;
  if (!ReadShortcut(owner, path.c_str(), fields) || !IsSetupTool(fields.target.c_str())) return;
  for (const char* prefix : kActionPrefixes) {
    const std::string text(prefix);
    if (fields.arguments.size() <= text.size() || fields.arguments.compare(0, text.size(), text))
      continue;
    if (const char* newName = RenamedTo(renames, fields.arguments.substr(text.size()))) {
      std::string writable = path;
      WriteShortcut(owner, writable, nullptr, nullptr, nullptr, (text + newName).c_str(), nullptr,
                    nullptr, 0, kKeepHotKey, kKeepShowCmd);
    }
    return;  // the first prefix that fits decides
  }
}

}  // namespace

void CTabDataList::UpdateActionShortcuts(const char* oldName, const char* newName) {
  if (oldName == nullptr || newName == nullptr) return;
  UpdateActionShortcuts(TabRenames{{oldName, newName}});
}

void CTabDataList::UpdateActionShortcuts(const TabRenames& renames) {
  if (renames.empty()) return;
  CTabDataList& root = Root();
  // Several buttons may share one shortcut file: it is rewritten once.
  std::set<std::string> done;
  auto renameIn = [&](const TabVector& tabs) {
    for (const auto& tab : tabs) {
      if (!tab) continue;
      for (const auto& button : tab->m_buttons) {
        if (!button || button->IsBlank() || !(button->m_flags & kBtnFlagAction)) continue;
        std::string key = button->m_command;
        ::CharLowerBuffA(key.data(), static_cast<DWORD>(key.size()));
        if (!done.insert(key).second) continue;
        RenameInActionShortcut(button->m_command, renames);
      }
    }
  };
  renameIn(root.m_tabs);
  if (root.m_hidden) renameIn(root.m_hidden->m_tabs);

  std::string last = g_barOptions.GetString("LastActiveTab", "");
  if (last.empty()) return;
  for (const auto& [oldName, newName] : renames) {
    if (TabNamesEqual(last, oldName)) {
      g_barOptions.SetString("LastActiveTab", newName.c_str());
      return;
    }
  }
}
