#pragma once

#include <map>
#include <string>

class CSettingsFile;

// One section of the settings file read whole, answering many key lookups
// the way the system's key reader would (keys ignore case, the first of a
// repeated key wins, blanks around a value and one pair of enclosing quotes
// go), with one read of the file instead of one per key.
class CProfileSection {
 public:
  CProfileSection(const CSettingsFile& file, const char* section);

  bool Has(const char* key) const;
  std::string GetString(const char* key, const char* defaultValue) const;
  // A decimal integer as ParseProfileInt reads it; defaultValue otherwise.
  int GetInt(const char* key, int defaultValue) const;

 private:
  // By key with its single-byte letters in lower case.
  std::map<std::string, std::string> m_values;
};
