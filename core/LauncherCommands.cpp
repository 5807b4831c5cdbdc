#include "core/LauncherCommands.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "framework/WinApp.h"

#include "core/FileName.h"

namespace {

// Stands in for a placeholder that cannot be filled; no path holds this byte.
const char kUnfilled = '\x01';

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

std::string ExpandEnvironment(const std::string& text) {
  DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::vector<char> buffer(needed + 1);
  DWORD got =
      ::ExpandEnvironmentStringsA(text.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (got == 0 || got > buffer.size()) return text;
  return std::string(buffer.data());
}

// %1 becomes the target; any other placeholder (and a lone % at the end) becomes kUnfilled.
std::string FillPlaceholders(const std::string& command, const std::string& target) {
  std::string result;
  for (size_t i = 0; i < command.size(); ++i) {
    if (command[i] != '%') {
      result += command[i];
      continue;
    }
    if (i + 1 < command.size() && command[i + 1] == '1') {
      result += target;
    } else {
      result += kUnfilled;
    }
    if (i + 1 < command.size()) ++i;
  }
  return result;
}

size_t FindExe(const std::string& text) {
  for (size_t k = 1; k + 4 <= text.size(); ++k) {
    if (text[k] == '.' && ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str() + k, 4,
                                           ".exe", 4) == CSTR_EQUAL) {
      return k;
    }
  }
  return std::string::npos;
}

}  // namespace

std::string FormatResString(UINT id, ...) {
  std::string format = LoadResString(id);
  va_list args;
  va_start(args, id);
  va_list copy;
  va_copy(copy, args);
  int length = std::vsnprintf(nullptr, 0, format.c_str(), copy);
  va_end(copy);
  std::string text;
  if (length > 0) {
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format.c_str(), args);
    text.assign(buffer.data(), static_cast<size_t>(length));
  }
  va_end(args);
  return text;
}

CommandKind ClassifyCommand(const std::string& command) {
  if (command.empty() || command == "*") return CommandKind::kBlank;
  if (command == "/") return CommandKind::kSeparator;
  if (command.size() > 2 && StartsWith(command, "&#")) return CommandKind::kSystemFolder;
  std::string extension = SplitPath(command).extension;
  if (::lstrcmpiA(extension.c_str(), ".lnk") == 0) return CommandKind::kShortcut;
  return CommandKind::kPath;
}

TabAction MatchActionArguments(const std::string& arguments, std::string& tabName) {
  static const struct {
    const char* prefix;
    TabAction action;
  } kActions[] = {
      {"/sw:", TabAction::kSwitch},
      {"/str:", TabAction::kStartAll},
      {"/menu:", TabAction::kMenu},
  };
  for (const auto& entry : kActions) {
    size_t length = std::strlen(entry.prefix);
    if (arguments.size() > length && StartsWith(arguments, entry.prefix)) {
      tabName = arguments.substr(length);
      return entry.action;
    }
  }
  tabName.clear();
  return TabAction::kNone;
}

OpenWithCommand BuildOpenWithCommand(const std::string& command, bool fromAssociation,
                                     const std::string& target, const std::string& dropped) {
  OpenWithCommand result;
  std::string text =
      fromAssociation ? FillPlaceholders(ExpandEnvironment(command), target) : command;
  if (!text.empty() && text[0] == '"') {
    text.erase(0, 1);
    size_t quote = text.find('"');
    if (quote != std::string::npos) text.erase(quote, 1);
  }
  size_t exe = FindExe(text);
  if (exe == std::string::npos) {
    bool unfilled = text.find(kUnfilled) != std::string::npos;
    result.kind = unfilled ? OpenWithKind::kCannotFormat : OpenWithKind::kNoProgram;
    return result;
  }
  result.program = text.substr(0, exe + 4);
  if (result.program.find(kUnfilled) != std::string::npos) {
    result.kind = OpenWithKind::kCannotFormat;
    result.program.clear();
    return result;
  }
  result.kind = OpenWithKind::kRun;
  result.parameter = QuoteDroppedPath(dropped);
  return result;
}

std::string QuoteDroppedPath(const std::string& path) {
  if (path.size() > 1 && path.find_first_of(" ,'", 1) != std::string::npos) {
    return "\"" + path + "\"";
  }
  return path;
}

std::vector<std::string> SplitDroppedPaths(const std::string& text) {
  std::vector<std::string> paths;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) paths.push_back(line);
    start = end + 1;
  }
  return paths;
}

CTabDataList::TabVector ParseTabListResult(const char* buffer, size_t size) {
  CTabDataList::TabVector tabs;
  size_t at = 0;
  while (buffer && at < size && buffer[at] != '\0') {
    const void* end = std::memchr(buffer + at, 0, size - at);
    if (!end) break;
    size_t length = static_cast<const char*>(end) - (buffer + at);
    if (at + length + 1 + sizeof(uint32_t) > size) break;
    uint32_t number;
    std::memcpy(&number, buffer + at + length + 1, sizeof number);
    tabs.push_back(std::make_unique<CTabData>(std::string(buffer + at, length), number));
    at += length + 1 + sizeof number;
  }
  return tabs;
}
