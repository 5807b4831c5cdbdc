#include <windows.h>

#include <string>

#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/ShellLink.h"
#include "core/TabDataList.h"
#include "framework/WinApp.h"

namespace {

// The argument prefixes of action shortcuts, in the order they are recognised.
const char* const kActionPrefixes[] = {"/sw:", "/str:", "/menu:"};

// Rewrites the arguments of the shortcut at path when it is an action shortcut that names
// oldName exactly; every other property of the shortcut stays as it is.
void RenameInActionShortcut(const std::string& path, const char* oldName, const char* newName) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  HWND owner = AfxGetMainWndHandle();
  ShortcutFields fields;
  if (!ReadShortcut(owner, path.c_str(), fields) || !IsSetupTool(fields.target.c_str())) return;
  for (const char* prefix : kActionPrefixes) {
    const std::string text(prefix);
    if (fields.arguments.size() <= text.size() || fields.arguments.compare(0, text.size(), text))
      continue;
    if (fields.arguments.compare(text.size(), std::string::npos, oldName) == 0) {
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

  CTabDataList& root = Root();
  auto renameIn = [&](const TabVector& tabs) {
    for (const auto& tab : tabs) {
      if (!tab) continue;
      for (const auto& button : tab->m_buttons) {
        if (!button || button->IsBlank() || !(button->m_flags & kBtnFlagAction)) continue;
        RenameInActionShortcut(button->m_command, oldName, newName);
      }
    }
  };
  renameIn(root.m_tabs);
  if (root.m_hidden) renameIn(root.m_hidden->m_tabs);

  std::string last = g_barOptions.GetString("LastActiveTab", "");
  if (!last.empty() && TabNamesEqual(last, oldName))
    g_barOptions.SetString("LastActiveTab", newName);
}
