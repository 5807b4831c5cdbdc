// File-name text in the system code page: separators that are really separators (the second byte
// of a double-byte character may be 0x5C or 0x7C), and cleaning names of forbidden characters.
#pragma once

#include <string>

// Position of the last '\' or '/' that is a character of its own, or std::string::npos.
size_t FindLastPathSeparator(const std::string& path);

// Whether the last character is a single-byte '\'.
bool EndsWithBackslash(const std::string& path);

// Parts of a path as drive ("C:"), folder (ends with its separator), name and extension (from
// the last '.' of the file part on, with the dot).
struct PathParts {
  std::string drive;
  std::string folder;
  std::string name;
  std::string extension;
};
PathParts SplitPath(const std::string& path);

// Removes every character of /:*?"<>| from the name part (the extension is left alone); an
// emptied name becomes "temp999". The path becomes drive + folder + name + extension, or with
// nameOnly just name + extension. Returns true when nothing had to change.
bool CleanFileName(std::string& path, bool nameOnly = false);
