#include "core/SettingsFile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace {

// A section or string longer than this is damage, not settings; reading stops
// growing there rather than exhausting memory.
const DWORD kMaxBuffer = 64 * 1024 * 1024;

// Strings this long are not handed to the key functions as a default or a
// value: some implementations convert them through counted strings that end
// at 32,767 characters. Such values travel through the section functions.
const size_t kLongText = 30000;

// Line breaks inside a value would start new keys or sections in the file.
std::string OneLine(const char* text) {
  std::string line = text != nullptr ? text : "";
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

}  // namespace

bool ParseProfileInt(const char* text, int* value) {
  if (text == nullptr) return false;
  const char* p = text;
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (*p < '0' || *p > '9') return false;
  unsigned long long magnitude = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    magnitude = magnitude * 10 + static_cast<unsigned>(*p - '0');
    if (magnitude > 0xFFFFFFFFull) return false;
  }
  if (negative) {
    if (magnitude > 0x80000000ull) return false;
    *value = static_cast<int>(-static_cast<long long>(magnitude));
  } else {
    // 2147483648..4294967295 are unsigned values ("%u"); keep their bits.
    *value = static_cast<int>(static_cast<unsigned>(magnitude));
  }
  return true;
}

// Reads a list of zero-terminated strings (a section's lines, or the section
// names when section is null) through a buffer that grows until it fits.
std::vector<std::string> CSettingsFile::ReadStringList(const char* section) const {
  std::vector<std::string> lines;
  const char* path = Path();
  if (path == nullptr) return lines;
  // Room for a tab of several hundred buttons at the first try: every try
  // reopens the file, and a tab of a hundred buttons took three.
  std::vector<char> buffer(32 * 1024);
  DWORD length = 0;
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    length = section != nullptr ? ::GetPrivateProfileSectionA(section, buffer.data(), size, path)
                                : ::GetPrivateProfileSectionNamesA(buffer.data(), size, path);
    // size - 2 is the system's way of saying the text did not fit.
    if (length + 2 < size || size >= kMaxBuffer) break;
    buffer.assign(static_cast<size_t>(size) * 2, '\0');
  }
  if (length > buffer.size() - 1) length = static_cast<DWORD>(buffer.size() - 1);
  const char* p = buffer.data();
  const char* end = p + length;
  while (p < end) {
    size_t lineLength = ::strnlen(p, static_cast<size_t>(end - p));
    if (lineLength > 0) lines.emplace_back(p, lineLength);
    p += lineLength + 1;
  }
  return lines;
}

std::vector<std::string> CSettingsFile::ReadSection(const char* section) const {
  return section != nullptr ? ReadStringList(section) : std::vector<std::string>();
}

std::vector<std::string> CSettingsFile::ReadSectionNames() const { return ReadStringList(nullptr); }

void CSettingsFile::BackUpOnce() const {
  if (!m_backupEnabled || m_backedUp || m_path.empty()) return;
  m_backedUp = true;
  // No file yet: nothing to keep, and the backup of an earlier run stays. A copy that fails
  // (full disk) must not stop the settings from being saved.
  if (::GetFileAttributesA(m_path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  ::CopyFileA(m_path.c_str(), GetBackupPath().c_str(), FALSE);
}

bool CSettingsFile::WriteSection(const char* section, const std::vector<std::string>& lines) const {
  const char* path = Path();
  if (path == nullptr) return false;
  BackUpOnce();
  // One NUL after each line and one more at the end; an empty list is the
  // two NULs of an empty section.
  std::string block;
  for (const std::string& line : lines) {
    if (line.empty()) continue;  // an empty line would end the block early
    block += OneLine(line.c_str());
    block += '\0';
  }
  if (block.empty()) block += '\0';
  block += '\0';
  return ::WritePrivateProfileSectionA(section, block.data(), path) != FALSE;
}

bool CSettingsFile::AppendSections(const std::vector<NewSection>& sections) const {
  const char* path = Path();
  if (path == nullptr) return false;
  if (sections.empty()) return true;
  std::string text;
  for (const auto& [name, lines] : sections) {
    text += "[" + OneLine(name.c_str()) + "]\r\n";
    for (const std::string& line : lines) {
      if (!line.empty()) text += OneLine(line.c_str()) + "\r\n";
    }
  }
  // The system may keep the file's text cached: written out first, and read again afterwards.
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
  HANDLE file = ::CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // A last line without its line end would swallow the first new header.
  char last = '\n';
  DWORD read = 0;
  if (::GetFileSize(file, nullptr) > 0 &&
      ::SetFilePointer(file, -1, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
      ::ReadFile(file, &last, 1, &read, nullptr) && read == 1 && last != '\n') {
    text.insert(0, "\r\n");
  }
  DWORD written = 0;
  bool ok = ::SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
            ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
            written == text.size();
  ::CloseHandle(file);
  ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
  return ok;
}

std::string CSettingsFile::ReadString(const char* section, const char* key,
                                      const char* defaultValue) const {
  const char* fallback = defaultValue != nullptr ? defaultValue : "";
  const char* path = Path();
  if (path == nullptr) return fallback;
  if (::strlen(fallback) > kLongText) {
    // The file never holds this byte alone, so it stands for "absent".
    std::string value = ReadString(section, key, "\x01");
    return value == "\x01" ? std::string(fallback) : value;
  }
  char small[256];
  DWORD length = ::GetPrivateProfileStringA(section, key, fallback, small, sizeof small, path);
  if (length + 1 < sizeof small) return std::string(small, ::strnlen(small, length));
  std::vector<char> buffer(sizeof small);
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size()) * 2;
    buffer.assign(size, '\0');
    length = ::GetPrivateProfileStringA(section, key, fallback, buffer.data(), size, path);
    // size - 1 means the value filled the whole buffer and may go on.
    if (length + 1 < size || size >= kMaxBuffer) break;
  }
  if (length > buffer.size() - 1) length = static_cast<DWORD>(buffer.size() - 1);
  return std::string(buffer.data(), ::strnlen(buffer.data(), length));
}

int CSettingsFile::ReadInt(const char* section, const char* key, int defaultValue) const {
  std::string text = ReadString(section, key, "");
  int value = 0;
  return ParseProfileInt(text.c_str(), &value) ? value : defaultValue;
}

bool CSettingsFile::WriteString(const char* section, const char* key, const char* value) const {
  const char* path = Path();
  if (path == nullptr || section == nullptr || key == nullptr) return false;
  std::string text = OneLine(value);
  if (text.size() <= kLongText) {
    BackUpOnce();
    return ::WritePrivateProfileStringA(section, key, text.c_str(), path) != FALSE;
  }
  // A long value replaces its key's line in the whole section.
  std::vector<std::string> lines = ReadSection(section);
  std::string line = std::string(key) + "=" + text;
  auto sameKey = [key](const std::string& existing) {
    size_t equals = existing.find('=');
    if (equals == std::string::npos) return false;
    size_t end = existing.find_last_not_of(" \t", equals == 0 ? 0 : equals - 1);
    std::string name = end == std::string::npos || equals == 0 ? "" : existing.substr(0, end + 1);
    return ::lstrcmpiA(name.c_str(), key) == 0;
  };
  auto found = std::find_if(lines.begin(), lines.end(), sameKey);
  if (found != lines.end()) {
    *found = std::move(line);
  } else {
    lines.push_back(std::move(line));
  }
  return WriteSection(section, lines);
}

bool CSettingsFile::WriteInt(const char* section, const char* key, int value) const {
  char text[16];
  wsprintfA(text, "%d", value);
  return WriteString(section, key, text);
}
