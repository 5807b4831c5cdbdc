#include "core/BarOptions.h"

#include <algorithm>
#include <cstring>

#include "core/SettingsFile.h"

namespace {

// The settings file never holds this, so reading it back means "absent".
const char kAbsent[] = "\x01";
const size_t kEntryUnit = 78;
const size_t kMinEntries = 200;
const size_t kHeaderBytes = 12;

uint32_t ReadWord(const char* p) {
  uint32_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

void WriteWord(char* p, uint32_t word) { std::memcpy(p, &word, sizeof word); }

std::string IntText(int value) { return std::to_string(value); }

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

bool CBarOptions::KeyLess::operator()(const std::string& a, const std::string& b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) {
      return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    return lower(x) < lower(y);
  });
}

CBarOptions::CBarOptions(const CSettingsFile& file, const char* section)
    : m_file(file), m_section(section) {}

CBarOptions::Entry& CBarOptions::CacheInt(const char* key, int defaultValue) {
  auto found = m_entries.find(key);
  if (found != m_entries.end()) return found->second;
  Entry& entry = m_entries[key];
  entry.kind = kInteger;
  entry.intValue = m_file.ReadInt(m_section.c_str(), key, defaultValue);
  return entry;
}

CBarOptions::Entry& CBarOptions::CacheString(const char* key, const char* defaultValue) {
  auto found = m_entries.find(key);
  if (found != m_entries.end()) return found->second;
  Entry& entry = m_entries[key];
  entry.kind = kString;
  entry.text = m_file.ReadString(m_section.c_str(), key, defaultValue);
  return entry;
}

int CBarOptions::GetInt(const char* key, int defaultValue) {
  if (key == nullptr) return defaultValue;
  const Entry& entry = CacheInt(key, defaultValue);
  if (entry.kind == kInteger) return entry.intValue;
  int value = 0;
  return ParseProfileInt(entry.text.c_str(), &value) ? value : defaultValue;
}

std::string CBarOptions::GetString(const char* key, const char* defaultValue) {
  if (key == nullptr) return defaultValue != nullptr ? defaultValue : "";
  const Entry& entry = CacheString(key, defaultValue);
  return entry.kind == kString ? entry.text : IntText(entry.intValue);
}

void CBarOptions::SetInt(const char* key, int value) {
  if (key == nullptr) return;
  bool cached = m_entries.count(key) != 0;
  bool absent = !cached && m_file.ReadString(m_section.c_str(), key, kAbsent) == kAbsent;
  Entry& entry = CacheInt(key, value);
  bool same = entry.kind == kInteger ? entry.intValue == value : entry.text == IntText(value);
  // A key the file does not hold yet is written even when it equals the default.
  if (same && !absent) return;
  entry.kind = kInteger;
  entry.intValue = value;
  entry.text.clear();
  entry.changed = true;
}

void CBarOptions::SetString(const char* key, const char* value) {
  if (key == nullptr) return;
  std::string text = value != nullptr ? value : "";
  bool cached = m_entries.count(key) != 0;
  bool absent = !cached && m_file.ReadString(m_section.c_str(), key, kAbsent) == kAbsent;
  Entry& entry = CacheString(key, text.c_str());
  bool same = entry.kind == kString ? entry.text == text : IntText(entry.intValue) == text;
  if (same && !absent) return;
  entry.kind = kString;
  entry.text = std::move(text);
  entry.changed = true;
}

bool CBarOptions::ChangedSince(const char* key) const {
  if (key == nullptr) return false;
  auto found = m_entries.find(key);
  return found != m_entries.end() && found->second.changed;
}

bool CBarOptions::Flush() {
  bool ok = true;
  for (auto& [key, entry] : m_entries) {
    if (!entry.changed) continue;
    bool written = entry.kind == kString
                       ? m_file.WriteString(m_section.c_str(), key.c_str(), entry.text.c_str())
                       : m_file.WriteInt(m_section.c_str(), key.c_str(), entry.intValue);
    if (written) {
      entry.changed = false;
    } else {
      ok = false;
    }
  }
  return ok;
}

void CBarOptions::Clear() { m_entries.clear(); }

size_t CBarOptions::ExchangeBytesNeeded() const {
  size_t bytes = 4 + 1;  // capacity word, end marker
  for (const auto& [key, entry] : m_entries) {
    bytes += key.size() + 1 + kHeaderBytes;
    if (entry.kind == kString) bytes += entry.text.size() + 1;
  }
  return bytes;
}

std::vector<char> CBarOptions::BuildExchangeBlock() const {
  size_t capacity = std::max(m_entries.size(), kMinEntries) * kEntryUnit;
  size_t needed = ExchangeBytesNeeded();
  // Long values: grow, and leave the other module as much room again for
  // the keys its pages add.
  if (needed > capacity) capacity = needed + kMinEntries * kEntryUnit;
  std::vector<char> block(capacity, '\0');
  WriteWord(block.data(), static_cast<uint32_t>(capacity));
  WriteExchangeBlock(block.data());
  return block;
}

bool CBarOptions::WriteExchangeBlock(char* block) const {
  if (block == nullptr) return false;
  size_t capacity = ReadWord(block);
  if (capacity < 5) return false;
  size_t pos = 4;
  bool ok = true;
  // Changed keys first: a reader only cares about values that differ, so a
  // block too small for everything loses nothing that matters.
  for (bool changedPass : {true, false}) {
    for (const auto& [key, entry] : m_entries) {
      if (entry.changed != changedPass) continue;
      size_t size = key.size() + 1 + kHeaderBytes;
      if (entry.kind == kString) size += entry.text.size() + 1;
      if (pos + size + 1 > capacity) {
        if (entry.changed) ok = false;
        continue;
      }
      std::memcpy(block + pos, key.c_str(), key.size() + 1);
      pos += key.size() + 1;
      char* header = block + pos;
      pos += kHeaderBytes;
      WriteWord(header, entry.kind);
      WriteWord(header + 4, entry.changed ? 1 : 0);
      if (entry.kind == kString) {
        // On 64-bit the word holds only the low half of the address. That is
        // harmless: no reader follows it, every reader re-points the entry at
        // the text right after the header.
        WriteWord(header + 8, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(block + pos)));
        std::memcpy(block + pos, entry.text.c_str(), entry.text.size() + 1);
        pos += entry.text.size() + 1;
      } else {
        WriteWord(header + 8, static_cast<uint32_t>(entry.intValue));
      }
    }
  }
  block[pos] = '\0';
  return ok;
}

CBarOptions::FileValues CBarOptions::ReadFileValues() const {
  FileValues values;
  for (const std::string& line : m_file.ReadSection(m_section.c_str())) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string value = Trimmed(line.substr(equals + 1));
    // One pair of enclosing quotes is dropped, as a single read drops it.
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
      value = value.substr(1, value.size() - 2);
    // The first of repeated keys counts.
    values.emplace(Trimmed(line.substr(0, equals)), std::move(value));
  }
  return values;
}

bool CBarOptions::ReadExchangeBlock(const char* block, size_t size) {
  if (block == nullptr || size < 4) return false;
  // The section is read once, when the first key the cache lacks comes:
  // a block carries every [Common] key, and under Wine each single read
  // opens the file anew.
  bool fileRead = false;
  FileValues fileValues;
  size_t limit = std::min<size_t>(size, ReadWord(block));
  size_t pos = 4;
  while (pos < limit) {
    const char* key = block + pos;
    size_t keyLength = ::strnlen(key, limit - pos);
    if (keyLength == limit - pos) return false;  // name runs past the block
    if (keyLength == 0) return true;
    pos += keyLength + 1;
    if (limit - pos < kHeaderBytes) return false;
    uint32_t kind = ReadWord(block + pos);
    // An entry of another kind has a layout nobody knows: the rest is unreadable.
    if (kind != kString && kind != kInteger) return false;
    uint32_t value = ReadWord(block + pos + 8);
    bool changed = ReadWord(block + pos + 4) != 0;
    pos += kHeaderBytes;
    std::string name(key, keyLength);
    const char* text = block + pos;
    size_t textLength = 0;
    if (kind == kString) {
      // The stored address is never used: the text follows the header.
      textLength = ::strnlen(text, limit - pos);
      if (textLength == limit - pos) return false;
      pos += textLength + 1;
    }
    const bool cached = m_entries.count(name) != 0;
    if (!cached && !fileRead) {
      fileValues = ReadFileValues();
      fileRead = true;
    }
    auto inFile = cached ? fileValues.end() : fileValues.find(name);
    const bool absent = !cached && inFile == fileValues.end();
    const std::string fileText = absent || cached ? std::string() : inFile->second;
    if (absent) {
      // A key neither cached here nor in the file is taken over as it is: as
      // a change when the other side changed it, else as read with its default.
      Entry& entry = m_entries[name];
      entry.kind = kind == kString ? kString : kInteger;
      if (kind == kString)
        entry.text.assign(text, textLength);
      else
        entry.intValue = static_cast<int>(value);
      entry.changed = changed;
      continue;
    }
    if (!cached) {
      // Cached as the file holds it; the setter below compares with that.
      Entry& entry = m_entries[name];
      entry.kind = kind == kString ? kString : kInteger;
      if (kind == kString) {
        entry.text = fileText;
      } else if (!ParseProfileInt(fileText.c_str(), &entry.intValue)) {
        entry.intValue = static_cast<int>(value);
      }
    }
    if (kind == kString)
      SetString(name.c_str(), std::string(text, textLength).c_str());
    else
      SetInt(name.c_str(), static_cast<int>(value));
  }
  return false;  // no end marker within the block
}

bool CBarOptions::ReadExchangeBlock(const char* block) {
  if (block == nullptr) return false;
  return ReadExchangeBlock(block, ReadWord(block));
}
