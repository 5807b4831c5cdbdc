#include "setup/SettingsFile.h"

#include <windows.h>

#include <cstdio>
#include <vector>

std::string ReadSetting(const std::string& file, const char* section, const char* key) {
  std::vector<char> buffer(512);
  for (;;) {
    DWORD got = GetPrivateProfileStringA(section, key, "", buffer.data(),
                                         static_cast<DWORD>(buffer.size()), file.c_str());
    if (got + 1 < buffer.size() || buffer.size() >= (1u << 20)) {
      return std::string(buffer.data(), got);
    }
    buffer.resize(buffer.size() * 4);  // the value was cut: read it again with room
  }
}

int ReadSettingInt(const std::string& file, const char* section, const char* key, int fallback) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, fallback, file.c_str()));
}

bool WriteSetting(const std::string& file, const char* section, const char* key,
                  const std::string& value) {
  return WritePrivateProfileStringA(section, key, value.c_str(), file.c_str()) != FALSE;
}

bool WriteSettingInt(const std::string& file, const char* section, const char* key, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return WriteSetting(file, section, key, text);
}
