#include "settings/ActionDetect.h"

#include "core/LauncherCommands.h"
#include "core/ShellLink.h"
#include "core/TargetInfo.h"

ActionInfo DetectAction(const std::string& command, const std::string& programFolder,
                        const std::string& overrideTarget, const std::string& overrideArgs,
                        HWND owner) {
  ActionInfo info;
  if (!command.empty() && ::GetFileAttributesA(command.c_str()) == INVALID_FILE_ATTRIBUTES)
    return info;
  if (!CTargetInfo(command.c_str()).IsLink()) return info;

  ShortcutFields fields;
  ReadShortcut(owner, command.c_str(), fields);
  if (!overrideTarget.empty()) fields.target = overrideTarget;
  if (!overrideArgs.empty()) fields.arguments = overrideArgs;
  return DetectActionOf(fields, programFolder);
}

ActionInfo DetectActionOf(const ShortcutFields& fields, const std::string& programFolder) {
  ActionInfo info;
  std::string setupTool = programFolder + "Hatchling.exe";
  if (::lstrcmpiA(fields.target.c_str(), setupTool.c_str()) != 0) return info;

  // The prefixes must be followed by a name: "/sw:" alone is no switch.
  switch (MatchActionArguments(fields.arguments, info.tabName)) {
    case TabAction::kSwitch:
      info.kind = ActionKind::kSwitch;
      break;
    case TabAction::kStartAll:
      info.kind = ActionKind::kStart;
      break;
    case TabAction::kMenu:
      info.kind = ActionKind::kMenu;
      break;
    case TabAction::kNone:
      info.kind = ActionKind::kHatchling;
      info.tabName = fields.arguments;
      break;
  }
  return info;
}
