#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/Environment.h"
#include "core/FileType.h"

namespace {

class EnvironmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableA("KESTREL_T1", "C:\\tmp");
    SetEnvironmentVariableA("KESTREL_T2", "ソフト");
    SetEnvironmentVariableA("KESTREL_LONG", std::string(200, 'v').c_str());
    SetEnvironmentVariableA("KESTREL_EDGE", std::string(128, 'e').c_str());
  }
  void TearDown() override {
    for (const char* name : {"KESTREL_T1", "KESTREL_T2", "KESTREL_LONG", "KESTREL_EDGE"})
      SetEnvironmentVariableA(name, nullptr);
  }
};

TEST_F(EnvironmentTest, ReferencesAreExpandedAndUnknownOnesKept) {
  struct Case {
    std::string text, expanded;
  } cases[] = {
      {"%KESTREL_T1%\\work\\", "C:\\tmp\\work\\"},
      {"X:\\%KESTREL_T2%\\表\\", "X:\\ソフト\\表\\"},
      {"%KESTREL_NONE%\\a", "%KESTREL_NONE%\\a"},
      {"50%%KESTREL_T1%", "50%C:\\tmp"},
      {"a%KESTREL_NONE%KESTREL_T1%",
       "a%KESTREL_NONE"
       "C:\\tmp"},
      {"%KESTREL_T1", "%KESTREL_T1"},
      {"%", "%"},
      {"", ""},
      {"%KESTREL_LONG%\\x", "%KESTREL_LONG%\\x"},  // longer than a value may be: not taken
      {"%KESTREL_EDGE%", std::string(128, 'e')},
      {"ﾌｫﾙﾀﾞ\\%KESTREL_T1%", "ﾌｫﾙﾀﾞ\\C:\\tmp"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expanded, ExpandEnvironmentReferences(c.text)) << c.text;
  // A lone lead byte at the end is copied, not read past.
  EXPECT_EQ(std::string("a\x83"), ExpandEnvironmentReferences(std::string("a\x83")));
}

TEST(OpenCommandProgramTest, TheProgramIsTakenFromQuotesOrUpToTheLastExe) {
  struct Case {
    const char* command;
    const char* program;
  } cases[] = {
      {"\"C:\\Program Files\\App\\app.exe\" \"%1\"", "C:\\Program Files\\App\\app.exe"},
      {"\"C:\\unclosed.exe %1", "C:\\unclosed.exe %1"},
      {"%SystemRoot%\\system32\\NOTEPAD.EXE %1", "%SystemRoot%\\system32\\NOTEPAD.EXE"},
      {"C:\\a.exe\\b.exe /x", "C:\\a.exe\\b.exe"},
      {"C:\\prog.ex", "C:\\prog.ex"},  // nothing follows ".ex": the whole command
      {".exe /x", ".exe /x"},          // starts too early
      {"ab.exe", "ab.exe"},
      {"rundll32 url.dll,FileProtocolHandler %1", "rundll32 url.dll,FileProtocolHandler %1"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.program, GetOpenCommandProgram(c.command)) << c.command;
}

}  // namespace
