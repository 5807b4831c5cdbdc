#include "core/KeyNameTable.h"

namespace {
const UINT kEnd = 0xFFFF;

// The NUL-terminated text at pos; false when the data ends first.
bool ReadText(const unsigned char* data, size_t size, size_t* pos, std::string* text) {
  size_t start = *pos;
  while (*pos < size && data[*pos] != 0) ++*pos;
  if (*pos >= size) return false;
  text->assign(reinterpret_cast<const char*>(data) + start, *pos - start);
  ++*pos;
  return true;
}
}  // namespace

bool CKeyNameTable::Load(HMODULE module) {
  HRSRC found = ::FindResourceA(module, "KEYDATA", MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) {
    m_names.clear();
    return false;
  }
  return Parse(static_cast<const unsigned char*>(data), ::SizeofResource(module, found));
}

bool CKeyNameTable::Parse(const unsigned char* data, size_t size) {
  m_names.clear();
  size_t pos = 0;
  std::string letters, unknown, none;
  if (!data || !ReadText(data, size, &pos, &letters) || !ReadText(data, size, &pos, &unknown) ||
      !ReadText(data, size, &pos, &none))
    return false;
  if (letters.size() == 26) m_letters = letters;
  m_unknown = unknown;
  m_none = none;
  while (pos + 2 <= size) {
    UINT code = data[pos] | (data[pos + 1] << 8);
    pos += 2;
    if (code == kEnd) return true;
    std::string name;
    if (!ReadText(data, size, &pos, &name)) return false;
    m_names[code] = name;
  }
  return false;  // no end mark
}

std::string CKeyNameTable::KeyName(UINT code) const {
  if (code >= '0' && code <= '9') return std::string(1, static_cast<char>(code));
  if (code >= 'A' && code <= 'Z') return std::string(1, m_letters[code - 'A']);
  if (code == 0) return m_none;
  auto it = m_names.find(code);
  if (it != m_names.end()) return it->second;
  UINT ch = ::MapVirtualKeyA(code, MAPVK_VK_TO_CHAR) & 0xFFFF;
  if (ch != 0 && ch < 0x100) return std::string(1, static_cast<char>(ch));
  return m_unknown;
}
