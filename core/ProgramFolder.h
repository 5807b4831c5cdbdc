#pragma once

#include <string>

// Folder of the running program file, ending with '\'. Kestrel, Plumage and
// Hatchling all live in this one folder.
std::string GetProgramFolder();
// Whether path names Hatchling.exe in the program folder (ignoring case); an
// empty path never does. Action shortcuts are recognised by this target.
bool IsSetupTool(const char* path);
// Program folder + Kestrel.ini.
std::string GetSettingsFilePath();
