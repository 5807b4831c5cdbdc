#include "core/Globals.h"
#include "core/TabDataList.h"

void CTabDataList::UpdateActionShortcuts(const char* oldName, const char* newName) {
  if (oldName == nullptr || newName == nullptr) return;
  // Rewriting the action shortcut files of the buttons (/sw:, /str:, /menu:
  // followed by oldName) is added here together with the shortcut helpers.

  std::string last = g_barOptions.GetString("LastActiveTab", "");
  if (!last.empty() && TabNamesEqual(last, oldName)) g_barOptions.SetString("LastActiveTab", newName);
}
