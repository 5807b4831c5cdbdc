// The small pickers the button sheet opens: icon, system folder, folder, file.
#pragma once

#include <windows.h>

#include <string>

class CSettingsFile;

// The icon chooser: file and index start the choice and hold it after OK.
// Its recent files live in the settings file's [IconLocation].
bool ChooseIcon(HWND parent, const CSettingsFile& settings, std::string& file, int& index);

// The system-folder chooser: the chosen folder number, or -1 when cancelled.
int ChooseSystemFolder(HWND parent);

// The shell's folder browser titled title (null: the library's own title); folder
// holds the choice after OK.
bool ChooseFolder(HWND parent, const char* title, std::string& folder);

// The file-open dialog. filter is in the "name|pattern|...||" form; path
// holds the choice after OK. dereferenceLinks false returns a chosen
// shortcut itself.
struct FileChoice {
  const char* filter = "";
  const char* title = nullptr;       // null: the system's title
  const char* initialDir = nullptr;  // null: the system's choice
  bool dereferenceLinks = false;
};
bool ChooseFile(HWND parent, const FileChoice& choice, std::string& path);
