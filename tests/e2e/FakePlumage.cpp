// Stands in for the settings library in the end-to-end tests that need a dialog's result without
// the dialog: exports three of its calls by their plain names and answers them at once, the way
// the real sheets hand their results back. The dialogs themselves are tested with the real
// library; the stand-in lets a scenario hand the bar an exact result or style word. The button call
// appends " (edited)|4" to the command; the tab-order call asks its owner for the visible tabs
// (WM_TABLIST) and returns them in reverse order; the options call notes its page in
// FakeOptionsPage.txt beside the program and returns the integer options listed in
// FakeOptions.txt there ("Key=value" lines, "Style" for the style word).
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fstream>
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

namespace {
std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string text = path;
  return text.substr(0, text.find_last_of('\\') + 1);
}

void PutWord(std::string& block, uint32_t value) {
  block.append(reinterpret_cast<const char*>(&value), 4);
}
}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI
    OptionDialog(HWND, DWORD* style, BYTE* snapshot, int page) {
  std::ofstream(ProgramFolder() + "FakeOptionsPage.txt") << page;
  std::ifstream wanted(ProgramFolder() + "FakeOptions.txt");
  if (!wanted) return FALSE;
  uint32_t capacity = 0;
  std::memcpy(&capacity, snapshot, 4);
  // A block of changed integer entries: name, kind 2 (integer), changed 1, value.
  std::string block;
  PutWord(block, capacity);
  std::string line;
  while (std::getline(wanted, line)) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string key = line.substr(0, equals);
    uint32_t value = static_cast<uint32_t>(std::stoul(line.substr(equals + 1), nullptr, 0));
    if (key == "Style") {
      *style = value;
      continue;
    }
    block += key;
    block += '\0';
    PutWord(block, 2);
    PutWord(block, 1);
    PutWord(block, value);
  }
  block += '\0';
  if (block.size() > capacity) return FALSE;
  std::memcpy(snapshot, block.data(), block.size());
  return TRUE;
}
