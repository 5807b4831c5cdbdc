// Whether a button is an action button: a shortcut to Hatchling.exe whose
// arguments name an action on a tab.
#pragma once

#include <windows.h>

#include <string>

struct ShortcutFields;

enum class ActionKind { kNone = 0, kHatchling = 1, kSwitch = 2, kMenu = 3, kStart = 4 };

struct ActionInfo {
  ActionKind kind = ActionKind::kNone;
  std::string tabName;
};

// command: the button's command. A non-empty overrideTarget or overrideArgs
// replaces what the shortcut holds (the shortcut page's unsaved fields).
// kHatchling: a shortcut to the setup tool whose arguments name no action;
// its arguments are then the tab name. Failures reading the shortcut are
// shown to the user over owner.
ActionInfo DetectAction(const std::string& command, const std::string& programFolder,
                        const std::string& overrideTarget = std::string(),
                        const std::string& overrideArgs = std::string(), HWND owner = nullptr);

// The same for a shortcut already read (its target and arguments).
ActionInfo DetectActionOf(const ShortcutFields& fields, const std::string& programFolder);
