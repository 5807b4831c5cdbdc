#include "core/FileType.h"

#include <windows.h>

#include <cstdlib>

#include "core/Registry.h"

namespace {

constexpr size_t kMaxTypeNameChars = 512;
constexpr DWORD kMaxVerbChars = 64;

// The verb to use: "open" in whatever case it is registered, otherwise the first one listed.
std::string FindVerb(const std::string& typeName) {
  CRegKey shell;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, (typeName + "\\shell").c_str(), 0, KEY_ENUMERATE_SUB_KEYS,
                    shell.Put()) != ERROR_SUCCESS) {
    return std::string();
  }
  std::string first;
  for (DWORD index = 0;; ++index) {
    char name[kMaxVerbChars + 1] = {};
    DWORD length = kMaxVerbChars + 1;
    LONG result =
        RegEnumKeyExA(shell.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA) continue;  // a verb name beyond 64 characters is skipped
    if (result != ERROR_SUCCESS) break;
    if (lstrcmpiA(name, "open") == 0) return name;
    if (first.empty()) first = name;
  }
  return first;
}

}  // namespace

bool LookupFileType(const char* extension, FileAssociation& association) {
  association = FileAssociation();
  if (!extension || !*extension) return false;
  std::string typeName;
  if (!ReadRegistryDefault(HKEY_CLASSES_ROOT, (std::string(".") + extension).c_str(), typeName,
                           kMaxTypeNameChars)) {
    return false;
  }

  std::string icon;
  if (ReadRegistryDefault(HKEY_CLASSES_ROOT, (typeName + "\\DefaultIcon").c_str(), icon)) {
    size_t comma = icon.rfind(',');
    if (comma != std::string::npos && comma > 0) {
      association.iconIndex = std::atoi(icon.c_str() + comma + 1);
      association.iconLocation = icon.substr(0, comma);
    } else {
      association.iconLocation = icon;
      association.iconIndex = 0;
    }
  }

  std::string verb = FindVerb(typeName);
  if (!verb.empty()) {
    ReadRegistryDefault(HKEY_CLASSES_ROOT, (typeName + "\\shell\\" + verb + "\\command").c_str(),
                        association.openCommand);
  }
  return true;
}

std::string GetOpenCommandProgram(const std::string& command) {
  if (!command.empty() && command[0] == '"') {
    size_t close = command.find('"', 1);
    return command.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  }
  for (size_t k = command.size(); k-- > 2;) {
    if (command[k] == '.' && k + 2 < command.size() &&
        (command[k + 1] == 'e' || command[k + 1] == 'E') &&
        (command[k + 2] == 'x' || command[k + 2] == 'X')) {
      return command.substr(0, k + 4);  // up to and including the character after ".ex"
    }
  }
  return command;
}
