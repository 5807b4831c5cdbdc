// The launcher's rules over command texts: what a command denotes, which tab action an action
// shortcut's arguments ask for, how a dropped file is handed to a button's program, and the tab
// lists the settings library returns.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "core/TabDataList.h"

enum class CommandKind {
  kBlank,         // empty or "*": nothing to start
  kSeparator,     // "/"
  kSystemFolder,  // "&#" and a number
  kShortcut,      // a .lnk file, possibly an action shortcut
  kPath,          // anything else, handed to the shell
};
CommandKind ClassifyCommand(const std::string& command);

// The actions of action shortcuts (arguments of a shortcut to the setup tool).
enum class TabAction { kNone, kSwitch, kStartAll, kMenu };
// "/sw:", "/str:" or "/menu:" (exact case) followed by at least one character: the action and
// the tab name (the rest). A prefix alone is no action.
TabAction MatchActionArguments(const std::string& arguments, std::string& tabName);

// How a dropped file is handed to a button's target.
enum class OpenWithKind {
  kRun,           // run program with parameter
  kNoProgram,     // the command names no program: try the target as a folder
  kCannotFormat,  // the open command has placeholders that cannot be filled
};
struct OpenWithCommand {
  OpenWithKind kind = OpenWithKind::kNoProgram;
  std::string program;
  std::string parameter;
};
// command is the target's registered open command (fromAssociation) or the target itself.
// Environment references of an open command are expanded and every %1 becomes the target; any
// other placeholder that ends up in the program part, or in a command without a program, makes
// the command unusable (what follows the program is replaced by the dropped file anyway). A leading
// double quote and the next one are dropped; the program is everything up to and including the
// first ".exe" (ignoring case) that is not at the very start.
OpenWithCommand BuildOpenWithCommand(const std::string& command, bool fromAssociation,
                                     const std::string& target, const std::string& dropped);

// The dropped path as one parameter: quoted when a blank, a comma or an apostrophe follows its
// first character.
std::string QuoteDroppedPath(const std::string& path);

// The line-feed separated paths of a drop (carriage returns and empty lines dropped).
std::vector<std::string> SplitDroppedPaths(const std::string& text);

// A tab list result of the settings library: entries of a name, its zero and a 32-bit number,
// ended by an empty name. Never reads past size bytes; an entry cut off by the end is dropped.
CTabDataList::TabVector ParseTabListResult(const char* buffer, size_t size);

// A string resource formatted with arguments (the launcher's texts hold %s and %d only).
std::string FormatResString(UINT id, ...);
