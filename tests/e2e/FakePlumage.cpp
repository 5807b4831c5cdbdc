// Stands in for the settings library in the end-to-end tests of the dialogs the real library
// does not have yet: exports two of its dialog calls by their plain names and answers them at
// once, without a dialog, the way the real sheets hand their results back. The button call
// appends " (edited)|4" to the command; the tab-order call asks its owner for the visible tabs
// (WM_TABLIST) and returns them in reverse order.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/PlumageLibrary.h"

namespace {
const UINT kTabList = 0x80C8;
}

extern "C" __declspec(dllexport) BOOL WINAPI
    DisplayBtnPropDialog(HWND, PlumageTabRecord*, WORD, PlumageBtnRecord* button, DWORD* style,
                         char* record) {
  std::string text = std::string(button->command) + " (edited)|4";
  if (text.size() >= kPlumageRecordSize) return FALSE;
  std::memcpy(record, text.c_str(), text.size() + 1);
  *style |= kPlumageRecordChanged;
  return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI
    ChgTabOrderDialog(HWND owner, PlumageTabRecord*, char* order) {
  const char* at = reinterpret_cast<const char*>(::SendMessageA(owner, kTabList, 0, 0));
  if (!at) return FALSE;
  const char* snapshot = at;
  std::vector<std::string> entries;
  while (*at) {
    std::string name = at;
    at += name.size() + 1;
    entries.push_back(name + '\0' + std::string(at, 4));
    at += 4 + sizeof(const char*);
  }
  ::SendMessageA(owner, kTabList, 1, reinterpret_cast<LPARAM>(snapshot));
  std::string result;
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) result += *entry;
  result += '\0';
  if (result.size() > kPlumageTabListSize) return FALSE;
  std::memcpy(order, result.data(), result.size());
  return TRUE;
}
