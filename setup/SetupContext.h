// What the setup dialog and its steps share.
#pragma once

#include <windows.h>

#include <string>

#include "core/SettingsFile.h"

// Settings-file layout version that setup leaves behind.
constexpr int kLayoutVersion = 10;
// Caption of every message box of the setup tool.
constexpr const char kSetupCaption[] = "Hatchling";

struct SetupContext {
  HWND dialog = nullptr;
  std::string programFolder;  // ends with '\'
  CSettingsFile settings;     // programFolder + Kestrel.ini
  int newVersion = kLayoutVersion;
  int oldVersion = 0;          // Trans as found when the dialog started
  std::string workFolder;      // WrkPath, environment references expanded
  std::string templateFolder;  // SrvPath, environment references expanded
  HFONT versionFont = nullptr;
};
