#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "core/ProgramFolder.h"

namespace {
std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

TEST(ProgramFolder, EndsWithBackslashAndRecognisesOnlyItsOwnSetupTool) {
  std::string folder = GetProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(GetSettingsFilePath(), folder + "Kestrel.ini");

  EXPECT_TRUE(IsSetupTool((folder + "Hatchling.exe").c_str()));
  EXPECT_TRUE(IsSetupTool(Upper(folder + "hatchling.exe").c_str()));
  EXPECT_FALSE(IsSetupTool(""));
  EXPECT_FALSE(IsSetupTool(nullptr));
  EXPECT_FALSE(IsSetupTool("Hatchling.exe"));
  EXPECT_FALSE(IsSetupTool((folder + "Hatchling.exe.lnk").c_str()));
  EXPECT_FALSE(IsSetupTool((folder + "sub\\Hatchling.exe").c_str()));
}
}  // namespace
