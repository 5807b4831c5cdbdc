// The program registered for a file type (file association), read from the classes root.
#pragma once

#include <string>

struct FileAssociation {
  std::string iconLocation;  // the type's default icon file
  int iconIndex = -1;        // -1 when the type names no icon
  std::string openCommand;   // with its placeholders (%1 ...) as registered
};

// Looks up the type registered for the extension (without the dot): its default icon and the
// command of its "open" verb, or of its first verb when it has no "open". False when the
// extension has no file type.
bool LookupFileType(const char* extension, FileAssociation& association);

// The program an open command starts: the quoted text when the command begins with a double
// quote; otherwise everything up to the last ".ex?" (ignoring case) that starts after the second
// character; otherwise the whole command. Environment references are not expanded here.
std::string GetOpenCommandProgram(const std::string& command);
