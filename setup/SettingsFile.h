// The setup tool's direct access to [Common], [Order] and [Tab1] of the settings file.
#pragma once

#include <string>

// The whole value, however long; empty when the key is absent.
std::string ReadSetting(const std::string& file, const char* section, const char* key);
int ReadSettingInt(const std::string& file, const char* section, const char* key, int fallback);
bool WriteSetting(const std::string& file, const char* section, const char* key,
                  const std::string& value);
bool WriteSettingInt(const std::string& file, const char* section, const char* key, int value);
