#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CSettingsFile;

// A cache of one settings-file section with a changed flag per key: values
// are read from the file on first use and written back by Flush.
//
// The exchange block is the cache flattened for the options dialog of the
// settings library, which lives in another module: a 32-bit capacity in
// bytes, then per key the name with its NUL, three 32-bit words (kind,
// changed flag, value) and, for a string, the text with its NUL; an empty
// name ends the entries.
class CBarOptions {
 public:
  enum Kind : uint32_t { kString = 1, kInteger = 2 };

  // The cache of section in file, which must outlive it.
  CBarOptions(const CSettingsFile& file, const char* section);
  CBarOptions(const CBarOptions&) = delete;
  CBarOptions& operator=(const CBarOptions&) = delete;

  const char* GetSection() const { return m_section.c_str(); }

  int GetInt(const char* key, int defaultValue);
  std::string GetString(const char* key, const char* defaultValue);
  // Marks the key changed only when the value really differs (strings
  // compare exactly).
  void SetInt(const char* key, int value);
  void SetString(const char* key, const char* value);

  bool ChangedSince(const char* key) const;
  // Writes every changed key; keys whose write failed stay changed. False
  // when any write failed.
  bool Flush();
  // Forgets every cached value (changed or not); the next use reads the file.
  void Clear();
  size_t GetCount() const { return m_entries.size(); }

  // A new exchange block of max(count, 200) * 78 bytes, or more when the
  // cached values need more.
  std::vector<char> BuildExchangeBlock() const;
  // Writes the cache into an existing block whose first word is its
  // capacity, changed keys first so that a full block loses only values that
  // did not change. False when a changed key did not fit or the block is
  // unusable. Never writes past the capacity.
  bool WriteExchangeBlock(char* block) const;
  // Applies every entry of a block through the setters, so only values that
  // differ become changed. size bounds the reading besides the capacity
  // word. False when the block was malformed (the entries before the damage
  // are applied).
  bool ReadExchangeBlock(const char* block, size_t size);
  bool ReadExchangeBlock(const char* block);

 private:
  struct Entry {
    Kind kind = kInteger;
    bool changed = false;
    int intValue = 0;
    std::string text;
  };
  // Keys of the settings file compare ignoring case.
  struct KeyLess {
    bool operator()(const std::string& a, const std::string& b) const;
  };

  using FileValues = std::map<std::string, std::string, KeyLess>;
  // The section's values as reading them one by one would give them.
  FileValues ReadFileValues() const;

  Entry& CacheInt(const char* key, int defaultValue);
  Entry& CacheString(const char* key, const char* defaultValue);
  size_t ExchangeBytesNeeded() const;

  const CSettingsFile& m_file;
  std::string m_section;
  std::map<std::string, Entry, KeyLess> m_entries;
};
