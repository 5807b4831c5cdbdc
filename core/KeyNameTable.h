// The names of virtual keys, read from the KEYDATA resource that Kestrel and the settings
// library both carry (res/keydata.rc).
#pragma once

#include <windows.h>

#include <map>
#include <string>

class CKeyNameTable {
 public:
  // Reads the table from module's KEYDATA resource; false (and an empty table) when it is
  // missing or damaged.
  bool Load(HMODULE module);
  // Reads the table from its bytes; a damaged table is read up to where it breaks off.
  bool Parse(const unsigned char* data, size_t size);

  // "0"-"9" and "A"-"Z" name themselves, 0 is "なし", others come from the table, then from
  // the keyboard's own character for the key, else "Unknown".
  std::string KeyName(UINT code) const;

 private:
  std::string m_letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string m_unknown = "Unknown";
  std::string m_none = "\x82\xc8\x82\xb5";  // なし
  std::map<UINT, std::string> m_names;
};
