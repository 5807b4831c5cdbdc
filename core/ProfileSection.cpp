#include "core/ProfileSection.h"

#include <windows.h>

#include "core/SettingsFile.h"

namespace {
std::string Trimmed(const std::string& text, size_t from, size_t to) {
  while (from < to && (text[from] == ' ' || text[from] == '\t')) ++from;
  while (to > from && (text[to - 1] == ' ' || text[to - 1] == '\t')) --to;
  return text.substr(from, to - from);
}

// The key as the map holds it. Folding once per key instead of comparing
// through lstrcmpiA keeps a tab of a hundred buttons from costing thousands
// of system calls. The trail byte of a double-byte character stays as it
// is: it may look like a letter.
std::string Folded(const std::string& key) {
  std::string folded = key;
  for (size_t i = 0; i < folded.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(folded[i]);
    if (c >= 'A' && c <= 'Z')
      folded[i] = static_cast<char>(c - 'A' + 'a');
    else if (c >= 0x80 && ::IsDBCSLeadByte(c))
      ++i;
  }
  return folded;
}
}  // namespace

CProfileSection::CProfileSection(const CSettingsFile& file, const char* section) {
  for (const std::string& line : file.ReadSection(section)) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string key = Trimmed(line, 0, equals);
    if (key.empty()) continue;
    std::string value = Trimmed(line, equals + 1, line.size());
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    m_values.emplace(Folded(key), std::move(value));  // the first of a repeated key wins
  }
}

bool CProfileSection::Has(const char* key) const { return m_values.count(Folded(key)) != 0; }

std::string CProfileSection::GetString(const char* key, const char* defaultValue) const {
  auto found = m_values.find(Folded(key));
  return found != m_values.end() ? found->second : std::string(defaultValue ? defaultValue : "");
}

int CProfileSection::GetInt(const char* key, int defaultValue) const {
  auto found = m_values.find(Folded(key));
  int value = 0;
  if (found == m_values.end() || !ParseProfileInt(found->second.c_str(), &value))
    return defaultValue;
  return value;
}
