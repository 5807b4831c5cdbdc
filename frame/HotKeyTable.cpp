#include "frame/HotKeyTable.h"

#include <algorithm>

#include "core/KeyNameTable.h"

namespace hotkey {
std::string Text(DWORD value, const CKeyNameTable& names) {
  std::string modifiers;
  auto add = [&](DWORD bit, const char* name) {
    if (!(value & bit)) return;
    if (!modifiers.empty()) modifiers += " + ";
    modifiers += name;
  };
  add(kCtrl, "Ctrl");
  add(kShift, "Shift");
  add(kAlt, "Alt");
  return modifiers + names.KeyName(KeyOf(value));
}
}  // namespace hotkey

bool CHotKeyTable::Add(const char* name, DWORD value, bool noRegister) {
  const WORD key = static_cast<WORD>(value);
  std::unique_ptr<Entry>& slot = m_byValue[key];
  if (!slot) slot = std::make_unique<Entry>();
  Entry& entry = *slot;
  bool present = false;
  for (const auto& n : entry.names) present = present || lstrcmpiA(n.c_str(), name) == 0;
  if (!present) entry.names.push_back(name);
  if (entry.id != 0 || noRegister) return m_failed.empty();
  if (::RegisterHotKey(m_window, m_lastId + 1, hotkey::ModifiersOf(key), hotkey::KeyOf(key))) {
    entry.id = ++m_lastId;
    m_byId[entry.id] = &entry;
  } else if (std::find(m_failed.begin(), m_failed.end(), key) == m_failed.end()) {
    m_failed.push_back(key);
  }
  return m_failed.empty();
}

void CHotKeyTable::UnregisterAll() {
  for (const auto& item : m_byValue) {
    if (item.second->id != 0) ::UnregisterHotKey(m_window, item.second->id);
  }
  m_byId.clear();
  m_byValue.clear();
  m_lastId = 0;
}

std::string CHotKeyTable::TakeFailedKeysText(const CKeyNameTable& names) {
  std::string text;
  for (WORD value : m_failed) {
    if (!text.empty()) text += ", ";
    text += hotkey::Text(value, names);
  }
  m_failed.clear();
  return text;
}

const std::vector<std::string>* CHotKeyTable::Find(int id, DWORD value) const {
  if (id == 0) return nullptr;
  auto byId = m_byId.find(id);
  auto byValue = m_byValue.find(static_cast<WORD>(value));
  if (byId == m_byId.end() || byValue == m_byValue.end()) return nullptr;
  if (byId->second != byValue->second.get()) return nullptr;
  return &byId->second->names;
}

bool CHotKeyTable::IsRegistered(const char* name) const {
  for (const auto& item : m_byId) {
    for (const auto& n : item.second->names) {
      if (n == name) return true;
    }
  }
  return false;
}
