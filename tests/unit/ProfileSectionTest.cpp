#include <gtest/gtest.h>

#include "TempProgramFolder.h"
#include "core/ProfileSection.h"

namespace {
// A whole-section read must give what the system's key reader gives, key by key.
TEST(ProfileSection, AnswersAsTheKeyReaderDoes) {
  TempProgramFolder folder(
      "[Tab1]\n"
      "No=3\n"
      "  Desc  =  spaced name  \n"
      "btn1=\"C:\\quoted path\\a.exe\"\n"
      "BTN2='single'\n"
      "Btn3=\"only one quote\n"
      "Btn1=second of a repeated key\n"
      "Color=4294967295\n"
      "TxtColor=abc\n"
      "; a comment=not a key\n"
      "Empty=\n"
      "ア=trail byte 0x41\n"
      "ヂ=trail byte 0x61\n");
  CProfileSection section(g_settingsFile, "Tab1");
  for (const char* key : {"No", "Desc", "Btn1", "Btn2", "Btn3", "Color", "TxtColor", "Empty", "ア",
                          "ヂ", "Missing"}) {
    std::string expected = g_settingsFile.ReadString("Tab1", key, "<none>");
    EXPECT_EQ(section.GetString(key, "<none>"), expected) << key;
  }
  EXPECT_EQ(section.GetInt("Color", 7), -1);  // 4294967295 keeps its bits
  EXPECT_EQ(section.GetInt("TxtColor", 7), 7);
  EXPECT_TRUE(section.Has("desc"));
  EXPECT_FALSE(section.Has("Missing"));

  CProfileSection missing(g_settingsFile, "NoSuchSection");
  EXPECT_EQ(missing.GetString("No", "*"), "*");
}
}  // namespace
