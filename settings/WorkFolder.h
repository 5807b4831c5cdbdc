// The folder where the button sheet creates and copies shortcuts ([Common]
// WrkPath), and the names it gives them there.
#pragma once

#include <windows.h>

#include <string>

class CSettingsFile;

// The work folder, ending in a backslash, when WrkPath is set ("*" is not),
// ends with a backslash and names an existing folder. Otherwise the user is
// told (the system error when the folder cannot be read, then the settings
// message with the file, key and value) and the result is false.
bool CheckWorkFolder(HWND owner, const CSettingsFile& settings, std::string& folder);

// name as a file name of one folder: path separators, characters no file
// name may hold and control characters are dropped, a double-byte character
// cut in half is dropped whole; nothing left gives "temp999".
std::string MakeSafeFileName(const std::string& name);

// Whether text ends with "~" and a digit as characters of their own (a "~"
// can be the second byte of a double-byte character).
bool EndsWithTildeDigit(const std::string& text);

// folder + name + extension when it is free; otherwise name formatted
// "%s~%d" with 1, 2, 3 ... until a free one is found. Empty when none fits
// within the path limit.
std::string FindFreeFileName(const std::string& folder, const std::string& name,
                             const std::string& extension);
