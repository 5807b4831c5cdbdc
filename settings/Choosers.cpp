#include "settings/Choosers.h"

// Not built yet: every chooser answers as cancelled.
bool ChooseIcon(HWND, const CSettingsFile&, std::string&, int&) { return false; }
int ChooseSystemFolder(HWND) { return -1; }
bool ChooseFolder(HWND, const char*, std::string&) { return false; }
bool ChooseFile(HWND, const FileChoice&, std::string&) { return false; }
