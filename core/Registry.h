// Reading a registry key's default value as text.
#pragma once

#include <windows.h>

#include <string>

// Owns an opened registry key.
class CRegKey {
 public:
  CRegKey() = default;
  CRegKey(const CRegKey&) = delete;
  CRegKey& operator=(const CRegKey&) = delete;
  ~CRegKey() {
    if (m_key) RegCloseKey(m_key);
  }
  HKEY* Put() { return &m_key; }
  HKEY Get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

// Reads the default (unnamed) string value of root\subKey. False when the key or value is
// missing, empty, not a string, or longer than maxChars characters (refused rather than cut).
bool ReadRegistryDefault(HKEY root, const char* subKey, std::string& value,
                         size_t maxChars = 32767);
