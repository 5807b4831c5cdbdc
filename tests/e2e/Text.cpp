#include "Text.h"

#include <windows.h>

namespace e2e {

std::string Cp932(const wchar_t* text) {
  int size = ::WideCharToMultiByte(932, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return std::string();
  std::string bytes(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(932, 0, text, -1, &bytes[0], size, nullptr, nullptr);
  bytes.resize(static_cast<size_t>(size - 1));  // without the terminating zero
  return bytes;
}

}  // namespace e2e
