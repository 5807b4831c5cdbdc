#include "core/MbString.h"

#include <windows.h>

size_t MbCharLength(const std::string& text, size_t i) {
  if (::IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() && text[i + 1] != '\0')
    return 2;
  return 1;
}

size_t MbFind(const std::string& text, char c, size_t from) {
  size_t i = 0;
  while (i < text.size()) {
    size_t length = MbCharLength(text, i);
    if (i >= from && length == 1 && text[i] == c) return i;
    i += length;
  }
  return std::string::npos;
}

size_t MbFindLast(const std::string& text, char c) {
  size_t found = std::string::npos;
  for (size_t i = 0; i < text.size(); i += MbCharLength(text, i)) {
    if (MbCharLength(text, i) == 1 && text[i] == c) found = i;
  }
  return found;
}

bool MbEndsWith(const std::string& text, char c) {
  size_t last = MbFindLast(text, c);
  return last != std::string::npos && last + 1 == text.size();
}
