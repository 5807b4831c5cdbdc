#include "core/Registry.h"

#include <vector>

bool ReadRegistryDefault(HKEY root, const char* subKey, std::string& value, size_t maxChars) {
  value.clear();
  CRegKey key;
  if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS) return false;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.Get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) {
    return false;
  }
  // The value may change between the two calls; grow and ask again a few times.
  for (int attempt = 0; attempt < 4; ++attempt) {
    if (size > maxChars + 1) return false;
    std::vector<char> buffer(size + 1, '\0');
    DWORD got = size;
    LONG result = RegQueryValueExA(key.Get(), nullptr, nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &got);
    if (result == ERROR_MORE_DATA) {
      size = got;
      continue;
    }
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    buffer[got < size ? got : size] = '\0';  // stored strings need not end with a zero
    value = buffer.data();
    if (value.size() > maxChars) {
      value.clear();
      return false;
    }
    return !value.empty();
  }
  return false;
}
