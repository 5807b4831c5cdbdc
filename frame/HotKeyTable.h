// The system-wide hot keys of the bar: one registration per key value, however many of the
// settings (HotKeyHide, HotKeyShow, HotKeyExit) use it, and the names that use each.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

class CKeyNameTable;

// A hot key value: the key code in bits 0 to 7, the RegisterHotKey modifiers in bits 8 to 15.
namespace hotkey {
const DWORD kAlt = 0x100, kCtrl = 0x200, kShift = 0x400;
inline UINT KeyOf(DWORD value) { return value & 0xFF; }
inline UINT ModifiersOf(DWORD value) { return (value >> 8) & 0xFF; }
// Ctrl, Shift, Alt joined by " + ", then the key's name: "Ctrl + ShiftF1".
std::string Text(DWORD value, const CKeyNameTable& names);
}  // namespace hotkey

// The access-key prefix of item n of the show key's menu of all tabs: "&1 " to "&9 ", then
// "&a ", "&b ", ...
std::string TabPrefix(int n);

class CHotKeyTable {
 public:
  explicit CHotKeyTable(HWND window) : m_window(window) {}
  ~CHotKeyTable() { UnregisterAll(); }
  CHotKeyTable(const CHotKeyTable&) = delete;
  CHotKeyTable& operator=(const CHotKeyTable&) = delete;

  // Adds name to the entry of value and registers the value unless it already is (or
  // noRegister is set). False when any registration so far failed.
  bool Add(const char* name, DWORD value, bool noRegister = false);
  void UnregisterAll();
  // The failed values as "Ctrl + ShiftF1, AltF2"; empty when none failed. Clears the list.
  std::string TakeFailedKeysText(const CKeyNameTable& names);

  // The names of the entry registered as id, when the value WM_HOTKEY reports is that
  // entry's too; none otherwise.
  const std::vector<std::string>* Find(int id, DWORD value) const;
  // Whether a registered key does name's action.
  bool IsRegistered(const char* name) const;

 private:
  struct Entry {
    std::vector<std::string> names;
    int id = 0;
  };
  HWND m_window;
  std::map<WORD, std::unique_ptr<Entry>> m_byValue;
  std::map<int, Entry*> m_byId;
  std::vector<WORD> m_failed;
  int m_lastId = 0;
};
