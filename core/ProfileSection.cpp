#include "core/ProfileSection.h"

#include <windows.h>

#include "core/SettingsFile.h"

namespace {
std::string Trimmed(const std::string& text, size_t from, size_t to) {
  while (from < to && (text[from] == ' ' || text[from] == '\t')) ++from;
  while (to > from && (text[to - 1] == ' ' || text[to - 1] == '\t')) --to;
  return text.substr(from, to - from);
}
}  // namespace

bool CProfileSection::KeyLess::operator()(const std::string& a, const std::string& b) const {
  return ::lstrcmpiA(a.c_str(), b.c_str()) < 0;
}

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
    m_values.emplace(std::move(key), std::move(value));  // the first of a repeated key wins
  }
}

bool CProfileSection::Has(const char* key) const { return m_values.count(key) != 0; }

std::string CProfileSection::GetString(const char* key, const char* defaultValue) const {
  auto found = m_values.find(key);
  return found != m_values.end() ? found->second : std::string(defaultValue ? defaultValue : "");
}

int CProfileSection::GetInt(const char* key, int defaultValue) const {
  auto found = m_values.find(key);
  int value = 0;
  if (found == m_values.end() || !ParseProfileInt(found->second.c_str(), &value)) return defaultValue;
  return value;
}
