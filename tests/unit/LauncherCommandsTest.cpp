#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/LauncherCommands.h"

namespace {

TEST(LauncherCommandsTest, CommandKindFollowsTheTextInOrder) {
  const struct {
    const char* command;
    CommandKind kind;
  } cases[] = {
      {"", CommandKind::kBlank},
      {"*", CommandKind::kBlank},
      {"/", CommandKind::kSeparator},
      {"&#17", CommandKind::kSystemFolder},
      {"&#", CommandKind::kPath},  // too short to name a folder
      {"&#x.lnk", CommandKind::kSystemFolder},
      {"C:\\Links\\Mail.LNK", CommandKind::kShortcut},
      {"C:\\Links\\lnk", CommandKind::kPath},
      {"C:\\Tools\\app.exe", CommandKind::kPath},
      {"http://example.invalid/", CommandKind::kPath},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyCommand(c.command), c.kind) << c.command;
}

TEST(LauncherCommandsTest, ActionArgumentsNeedTheExactPrefixAndATabName) {
  const struct {
    const char* arguments;
    TabAction action;
    const char* name;
  } cases[] = {
      {"/sw:Work", TabAction::kSwitch, "Work"},
      {"/str:Two words", TabAction::kStartAll, "Two words"},
      {"/menu:タブ2", TabAction::kMenu, "タブ2"},
      {"/sw:", TabAction::kNone, ""},
      {"/str:", TabAction::kNone, ""},
      {"/menu:", TabAction::kNone, ""},
      {"/SW:Work", TabAction::kNone, ""},
      {"/Menu:Work", TabAction::kNone, ""},
      {" /sw:Work", TabAction::kNone, ""},
      {"/shell Explore", TabAction::kNone, ""},
      {"", TabAction::kNone, ""},
  };
  for (const auto& c : cases) {
    std::string name = "unchanged";
    EXPECT_EQ(MatchActionArguments(c.arguments, name), c.action) << c.arguments;
    EXPECT_EQ(name, c.name) << c.arguments;
  }
}

TEST(LauncherCommandsTest, DroppedPathIsQuotedWhenABlankCommaOrApostropheFollowsItsStart) {
  const struct {
    const char* path;
    const char* parameter;
  } cases[] = {
      {"C:\\a.txt", "C:\\a.txt"},
      {"C:\\My Docs\\a.txt", "\"C:\\My Docs\\a.txt\""},
      {"C:\\a,b.txt", "\"C:\\a,b.txt\""},
      {"C:\\it's.txt", "\"C:\\it's.txt\""},
      {" ", " "},
      {"'", "'"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteDroppedPath(c.path), c.parameter) << c.path;
}

TEST(LauncherCommandsTest, OpenCommandGivesTheProgramAndTheDroppedFileAsItsParameter) {
  const struct {
    const char* command;
    bool association;
    const char* target;
    OpenWithKind kind;
    const char* program;
  } cases[] = {
      {"\"C:\\Prog Files\\view.exe\" \"%1\"", true, "C:\\t.txt", OpenWithKind::kRun,
       "C:\\Prog Files\\view.exe"},
      {"\"%1\" %*", true, "C:\\bin\\Tool.EXE", OpenWithKind::kRun, "C:\\bin\\Tool.EXE"},
      // What follows the program is replaced by the dropped file: its placeholders do not matter.
      {"C:\\view.exe /p %2 %L", true, "C:\\t.txt", OpenWithKind::kRun, "C:\\view.exe"},
      {"C:\\Tools\\x.exe", false, "C:\\Tools\\x.exe", OpenWithKind::kRun, "C:\\Tools\\x.exe"},
      // Placeholders that would have to be filled inside the program cannot be.
      {"%L", true, "C:\\t.txt", OpenWithKind::kCannotFormat, ""},
      {"\"%2\\view.exe\" \"%1\"", true, "C:\\t.txt", OpenWithKind::kCannotFormat, ""},
      {"C:\\v%*.exe %1", true, "C:\\t.txt", OpenWithKind::kCannotFormat, ""},
      // No program at all: the target may be a folder.
      {"notepad %1", true, "C:\\t.txt", OpenWithKind::kNoProgram, ""},
      {"%", true, "C:\\t.txt", OpenWithKind::kCannotFormat, ""},
      {"C:\\Folder", false, "C:\\Folder", OpenWithKind::kNoProgram, ""},
      {".exe", false, ".exe", OpenWithKind::kNoProgram, ""},
      {"", true, "", OpenWithKind::kNoProgram, ""},
      {"\"", true, "", OpenWithKind::kNoProgram, ""},
  };
  for (const auto& c : cases) {
    OpenWithCommand open =
        BuildOpenWithCommand(c.command, c.association, c.target, "C:\\In Box\\a.doc");
    EXPECT_EQ(open.kind, c.kind) << c.command;
    EXPECT_EQ(open.program, c.program) << c.command;
    if (c.kind == OpenWithKind::kRun) {
      EXPECT_EQ(open.parameter, "\"C:\\In Box\\a.doc\"");
    }
  }
}

TEST(LauncherCommandsTest, OpenCommandExpandsEnvironmentReferencesAndTheTargetOnce) {
  ::SetEnvironmentVariableA("KESTREL_TEST_ROOT", "C:\\Root");
  OpenWithCommand open =
      BuildOpenWithCommand("%KESTREL_TEST_ROOT%\\%1", true, "tool%2.exe", "C:\\a.txt");
  ::SetEnvironmentVariableA("KESTREL_TEST_ROOT", nullptr);
  EXPECT_EQ(open.kind, OpenWithKind::kRun);
  // The target's own % is text, not another placeholder.
  EXPECT_EQ(open.program, "C:\\Root\\tool%2.exe");
  EXPECT_EQ(open.parameter, "C:\\a.txt");
}

TEST(LauncherCommandsTest, DroppedTextSplitsAtLineFeedsWithoutEmptyPaths) {
  EXPECT_EQ(SplitDroppedPaths("C:\\a\nC:\\b c\r\n\nC:\\d,e\n"),
            (std::vector<std::string>{"C:\\a", "C:\\b c", "C:\\d,e"}));
  EXPECT_TRUE(SplitDroppedPaths("").empty());
  EXPECT_TRUE(SplitDroppedPaths("\n\r\n").empty());
}

std::vector<char> TabList(const std::vector<std::pair<std::string, uint32_t>>& entries) {
  std::vector<char> buffer;
  for (const auto& entry : entries) {
    buffer.insert(buffer.end(), entry.first.begin(), entry.first.end());
    buffer.push_back('\0');
    const char* number = reinterpret_cast<const char*>(&entry.second);
    buffer.insert(buffer.end(), number, number + 4);
  }
  buffer.push_back('\0');
  return buffer;
}

TEST(LauncherCommandsTest, TabListResultGivesNamesAndNumbersUpToTheEmptyName) {
  std::vector<char> buffer = TabList({{"Work", 3}, {"新しい", 0}, {"Tools", 0x01020304}});
  buffer.resize(4096, '\0');
  auto tabs = ParseTabListResult(buffer.data(), buffer.size());
  ASSERT_EQ(tabs.size(), 3u);
  EXPECT_EQ(tabs[0]->m_name, "Work");
  EXPECT_EQ(tabs[0]->m_number, 3u);
  EXPECT_EQ(tabs[1]->m_name, "新しい");
  EXPECT_EQ(tabs[1]->m_number, 0u);
  EXPECT_EQ(tabs[2]->m_number, 0x01020304u);
}

TEST(LauncherCommandsTest, TabListResultNeverReadsPastItsBuffer) {
  // A name that fills the buffer without a zero, a name without room for its number, and a
  // number cut in half: each ends the list where it is, with the entries before it.
  std::vector<char> full(4096, 'A');
  EXPECT_TRUE(ParseTabListResult(full.data(), full.size()).empty());

  std::vector<char> listed = TabList({{"One", 1}});
  listed.pop_back();  // no terminating empty name
  std::string tail = "Two";
  listed.insert(listed.end(), tail.begin(), tail.end());
  listed.push_back('\0');
  listed.push_back('\x02');  // one byte of four
  auto tabs = ParseTabListResult(listed.data(), listed.size());
  ASSERT_EQ(tabs.size(), 1u);
  EXPECT_EQ(tabs[0]->m_name, "One");

  EXPECT_TRUE(ParseTabListResult(nullptr, 4096).empty());
  EXPECT_TRUE(ParseTabListResult(listed.data(), 0).empty());
}

}  // namespace
