#include "core/Environment.h"

#include <windows.h>

#include <vector>

#include "core/MbString.h"

namespace {

// The variable's value; false when it is unset or too long to take.
std::wstring Widen(const std::string& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::vector<wchar_t> wide(static_cast<size_t>(length));
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  return wide.data();
}

// The variable's value in the system code page; false when it is unset, empty or too long to
// take. Read through the wide call: the narrow one miscounts double-byte values on some systems.
bool ReadVariable(const std::string& name, std::string& value) {
  std::wstring wideName = Widen(name);
  if (wideName.empty()) return false;
  DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (needed == 0) return false;
  std::vector<wchar_t> wide(needed + 1, L'\0');
  DWORD got = GetEnvironmentVariableW(wideName.c_str(), wide.data(), needed + 1);
  if (got == 0 || got > needed) return false;
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 1 || static_cast<size_t>(bytes - 1) > kMaxEnvironmentValueChars) return false;
  std::vector<char> narrow(static_cast<size_t>(bytes));
  WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, narrow.data(), bytes, nullptr, nullptr);
  value = narrow.data();
  return true;
}

}  // namespace

std::string ExpandEnvironmentReferences(const std::string& text) {
  std::string result;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '%') {
      size_t close = text.find('%', i + 1);  // '%' is never the second byte of a character
      std::string value;
      if (close != std::string::npos && ReadVariable(text.substr(i + 1, close - i - 1), value)) {
        result += value;
        i = close + 1;
        continue;
      }
      if (close != std::string::npos) {
        // Unknown: keep the reference and go on after it.
        result.append(text, i, close - i);
        i = close;
        continue;
      }
      result.append(text, i, std::string::npos);
      break;
    }
    size_t length = MbCharLength(text, i);
    result.append(text, i, length);
    i += length;
  }
  return result;
}
