// Whether a button is an action button: a shortcut to Hatchling.exe whose
// arguments name an action on a tab.
#pragma once

#include <string>

enum class ActionKind { kNone = 0, kHatchling = 1, kSwitch = 2, kMenu = 3, kStart = 4 };

struct ActionInfo {
  ActionKind kind = ActionKind::kNone;
  std::string tabName;
};

// command: the button's command. A non-empty overrideTarget or overrideArgs
// replaces what the shortcut holds (the shortcut page's unsaved fields).
ActionInfo DetectAction(const std::string& command, const std::string& programFolder,
                        const std::string& overrideTarget = std::string(),
                        const std::string& overrideArgs = std::string());
