#include "core/ProgramFolder.h"

#include <windows.h>

#include <vector>

#include "core/MbString.h"

std::string GetProgramFolder() {
  std::vector<char> path(MAX_PATH + 1);
  for (;;) {
    DWORD got = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (got == 0) return std::string();
    if (got < path.size() - 1) {
      std::string full(path.data(), got);
      size_t slash = MbFindLast(full, '\\');
      return slash == std::string::npos ? std::string() : full.substr(0, slash + 1);
    }
    path.resize(path.size() * 2);  // a long path was cut: ask again with room
  }
}

bool IsSetupTool(const char* path) {
  if (!path || !*path) return false;
  std::string setupTool = GetProgramFolder() + "Hatchling.exe";
  return ::lstrcmpiA(path, setupTool.c_str()) == 0;
}

std::string GetSettingsFilePath() { return GetProgramFolder() + "Kestrel.ini"; }
