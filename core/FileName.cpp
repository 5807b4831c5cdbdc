#include "core/FileName.h"

#include <windows.h>

#include <cstring>

#include "core/MbString.h"

namespace {

bool IsLead(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE; }

}  // namespace

size_t FindLastPathSeparator(const std::string& path) {
  size_t found = std::string::npos;
  for (size_t i = 0; i < path.size(); i += MbCharLength(path, i)) {
    if (path[i] == '\\' || path[i] == '/') found = i;
  }
  return found;
}

bool EndsWithBackslash(const std::string& path) {
  bool last = false;
  for (size_t i = 0; i < path.size(); i += MbCharLength(path, i)) last = path[i] == '\\';
  return last;
}

PathParts SplitPath(const std::string& path) {
  PathParts parts;
  size_t start = 0;
  if (path.size() >= 2 && path[1] == ':' && !IsLead(path[0])) {
    parts.drive = path.substr(0, 2);
    start = 2;
  }
  std::string rest = path.substr(start);
  size_t separator = FindLastPathSeparator(rest);
  if (separator != std::string::npos) {
    parts.folder = rest.substr(0, separator + 1);
    rest.erase(0, separator + 1);
  }
  size_t dot = std::string::npos;
  for (size_t i = 0; i < rest.size(); i += MbCharLength(rest, i)) {
    if (rest[i] == '.') dot = i;
  }
  if (dot != std::string::npos) {
    parts.extension = rest.substr(dot);
    rest.erase(dot);
  }
  parts.name = rest;
  return parts;
}

bool CleanFileName(std::string& path, bool nameOnly) {
  PathParts parts = SplitPath(path);
  std::string name;
  for (size_t i = 0; i < parts.name.size();) {
    size_t length = MbCharLength(parts.name, i);
    if (length == 1 && std::strchr("/:*?\"<>|", parts.name[i]) && parts.name[i] != '\0') {
      ++i;
      continue;
    }
    name.append(parts.name, i, length);
    i += length;
  }
  bool unchanged = name == parts.name;
  if (name.empty()) {
    name = "temp999";
    unchanged = false;
  }
  path = nameOnly ? name + parts.extension : parts.drive + parts.folder + name + parts.extension;
  return unchanged;
}
