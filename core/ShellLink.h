// Reading and writing shortcut (.lnk) files field by field through the shell's link object.
// Every function expects COM to be initialised on the calling thread. A failing field is reported
// with its English message in an exclamation box owned by the given window and makes the result
// false; the remaining fields are still handled.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "core/SystemFolder.h"

// Hot key and show command values that leave the shortcut's property as it is.
constexpr WORD kKeepHotKey = 0xFFFF;
constexpr int kKeepShowCmd = -1;

struct ShortcutFields {
  std::string target;       // target path, the UNC form preferred
  std::string description;  // the comment
  std::string workingDir;
  std::string arguments;
  std::string iconLocation;
  int iconIndex = 0;
  WORD hotKey = 0;
  int showCmd = SW_SHOWNORMAL;
};

// Shows a shell-helper failure. Tests replace it to collect the texts instead of showing boxes;
// nullptr restores the message box (captioned with the running program's name).
using ShellMessageHandler = void (*)(HWND owner, const char* text);
void SetShellMessageHandler(ShellMessageHandler handler);
void ShowShellMessage(HWND owner, const char* text);

// Loads and resolves the shortcut (no user interface) and reads every field. False without a
// message when the file cannot be loaded or resolved.
bool ReadShortcut(HWND owner, const char* path, ShortcutFields& fields);

// Creates or updates the shortcut at path (whose file name is cleaned first). Each field is set
// only when given (nullptr, kKeepHotKey, kKeepShowCmd: left as it is). A new name renames an
// existing shortcut within its folder; path then names the renamed file.
bool WriteShortcut(HWND owner, std::string& path, const char* target, const char* newName,
                   const char* workingDir, const char* arguments, const char* description,
                   const char* iconLocation, int iconIndex, WORD hotKey, int showCmd);

// The shortcut's item identifier list (for targets without a file-system path).
bool ReadShortcutItemList(HWND owner, const char* path, CItemList& list);

// Creates or updates the shortcut at path (cleaned first) to point at the item list.
bool WriteShortcutItemList(HWND owner, std::string& path, LPCITEMIDLIST list,
                           const char* iconLocation, int iconIndex);
