#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/ShellLink.h"
#include "settings/ActionDetect.h"
#include "tests/unit/TempProgramFolder.h"

TEST(ActionDetect, NamesTheActionOfShortcutsToTheSetupToolOnly) {
  TempProgramFolder folder;
  const std::string setupTool = folder.Folder() + "Hatchling.exe";
  const std::string other = folder.Folder() + "Other.exe";
  for (const std::string& program : {setupTool, other})
    ::CloseHandle(
        ::CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  auto shortcut = [&](const char* name, const std::string& target, const char* arguments) {
    std::string path = folder.Folder() + name + ".lnk";
    EXPECT_TRUE(WriteShortcut(nullptr, path, target.c_str(), nullptr, nullptr, arguments, nullptr,
                              nullptr, 0, kKeepHotKey, kKeepShowCmd));
    return path;
  };
  const struct {
    std::string command;
    std::string overrideTarget, overrideArgs;
    ActionKind kind;
    const char* tabName;
  } cases[] = {
      {shortcut("bare", setupTool, "/sw:"), "", "", ActionKind::kHatchling, "/sw:"},
      {shortcut("switch", setupTool, "/sw:X"), "", "", ActionKind::kSwitch, "X"},
      {shortcut("start", setupTool, "/str:X"), "", "", ActionKind::kStart, "X"},
      {shortcut("menu", setupTool, "/menu:X"), "", "", ActionKind::kMenu, "X"},
      {shortcut("bare menu", setupTool, "/menu:"), "", "", ActionKind::kHatchling, "/menu:"},
      {shortcut("open", setupTool, "/open:X"), "", "", ActionKind::kHatchling, "/open:X"},
      {shortcut("other", other, "/menu:X"), "", "", ActionKind::kNone, ""},
      {folder.Folder() + "gone.lnk", "", "", ActionKind::kNone, ""},
      {setupTool, "", "/menu:X", ActionKind::kNone, ""},  // not a shortcut
      {"", setupTool, "/menu:X", ActionKind::kNone, ""},
      // The shortcut page's unsaved fields win over the file.
      {folder.Folder() + "menu.lnk", other, "", ActionKind::kNone, ""},
      {folder.Folder() + "menu.lnk", "", "/str:Y", ActionKind::kStart, "Y"},
      {folder.Folder() + "other.lnk", setupTool, "", ActionKind::kMenu, "X"},
  };
  for (const auto& c : cases) {
    ActionInfo found = DetectAction(c.command, folder.Folder(), c.overrideTarget, c.overrideArgs);
    EXPECT_EQ(found.kind, c.kind) << c.command << " " << c.overrideTarget << c.overrideArgs;
    EXPECT_EQ(found.tabName, c.tabName) << c.command;
  }
}
