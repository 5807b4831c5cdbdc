// Hatchling is a program of its own and not part of the core library, so its command-line
// handling is compiled into the tests directly.
#include "setup/ShellCommand.cpp"

#include <gtest/gtest.h>

#include <string>

namespace {

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

TEST(ShellCommandTest, OnlyShellCommandLinesWithASlashAndAShortNameNameACommand) {
  const std::string longName(32, 'x');
  const struct {
    const char* line;
    bool shellMode;
    std::string name;
  } cases[] = {
      {"", false, ""},
      {"/sw:Main", false, ""},
      {"/menu:タブ", false, ""},
      {"/shell ", false, ""},  // shorter than 8 characters: setup
      {"/shellx /TileVertically", false, ""},
      {"/shell /TileVertically", true, "TileVertically"},
      {"/SHELL /tilevertically", true, "tilevertically"},
      {"/shell    /MinimizeAll  ", true, "MinimizeAll"},
      {"/shell TileVertically", true, ""},  // no '/' before the name: nothing
      {"/shell /", true, ""},
      {"/shell x/MinimizeAll", true, ""},
  };
  for (const auto& c : cases) {
    std::string name = "stale";
    EXPECT_EQ(c.shellMode, ParseShellCommandLine(c.line, name)) << c.line;
    EXPECT_EQ(c.name, name) << c.line;
  }
  std::string name;
  EXPECT_TRUE(ParseShellCommandLine(("/shell /" + longName).c_str(), name));
  EXPECT_EQ("", name);  // 32 characters name no command
  EXPECT_TRUE(ParseShellCommandLine(("/shell /" + longName.substr(1)).c_str(), name));
  EXPECT_EQ(longName.substr(1), name);
  std::string huge = "/shell /" + std::string(100000, 'y');
  EXPECT_TRUE(ParseShellCommandLine(huge.c_str(), name));
  EXPECT_EQ("", name);
  EXPECT_FALSE(ParseShellCommandLine(nullptr, name));
}

TEST(ShellCommandTest, UnknownNamesNeverReachTheShell) {
  for (const char* name : {"", "NoSuchCommand", "TileVerticallyX", "EjectPC"}) {
    EXPECT_EQ(E_INVALIDARG, PerformShellCommand(name)) << name;
  }
}

TEST(ShellCommandTest, EveryKnownNameCallsTheShellAutomationObject) {
  // On Windows these would really shut down or suspend the machine; Wine's automation object
  // answers every one of them "not implemented", which shows that the call was made.
  if (!RunningOnWine()) GTEST_SKIP() << "performs real shell commands";
  for (const char* name :
       {"FindFiles", "findcomputer", "RunPrograms", "MinimizeAll", "UndoMinimize", "CascadeWindows",
        "TileHorizontally", "TILEVERTICALLY", "ShutdownWindows", "Suspend", "SetTime"}) {
    EXPECT_EQ(E_NOTIMPL, PerformShellCommand(name)) << name;
  }
}

}  // namespace
