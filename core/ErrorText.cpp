#include "core/ErrorText.h"

#include <cstdio>
#include <cstring>

char* GetErrorText(char* output, size_t length, DWORD code) {
  if (!output || length == 0) return output;
  output[0] = '\0';
  if (code == 0) code = ::GetLastError();
  char* text = nullptr;
  DWORD got = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
      nullptr);
  if (got && text) {
    size_t textLength = std::strlen(text);
    // " (0x" + eight digits + ")" + the end: the text must leave room for 14 more.
    if (textLength + 14 <= length) {
      // Only the line end goes; a message without one keeps all its characters.
      while (textLength > 0 && (text[textLength - 1] == '\n' || text[textLength - 1] == '\r'))
        text[--textLength] = '\0';
      std::snprintf(output, length, "%s (0x%lx)", text, static_cast<unsigned long>(code));
    }
  }
  if (text) ::LocalFree(text);
  return output;
}
