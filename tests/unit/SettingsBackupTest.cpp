#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/SettingsFile.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(SettingsBackup, FirstWriteOfEachRunKeepsTheFileAsItWas) {
  TempProgramFolder folder("[Common]\nTrans=10\nEmblem=yesterday\n");
  const std::string yesterday = folder.ReadIni();
  const std::string bak = folder.IniPath() + ".bak";

  CSettingsFile withoutBackup(folder.IniPath());
  ASSERT_TRUE(withoutBackup.WriteString("Common", "Emblem", "untouched"));
  EXPECT_FALSE(Exists(bak)) << "only a program that asks for it gets a backup";
  folder.WriteRaw(yesterday);

  CSettingsFile run1(folder.IniPath());
  run1.EnableBackup();
  ASSERT_TRUE(run1.WriteString("Common", "Emblem", "today"));
  EXPECT_EQ(ReadBytes(bak), yesterday);
  const std::string afterFirstWrite = folder.ReadIni();
  ASSERT_TRUE(run1.WriteSection("Order", {"1=1"}));
  ASSERT_TRUE(run1.WriteInt("Common", "RctNo", 4));
  EXPECT_EQ(ReadBytes(bak), yesterday) << "one backup per run, before its first write";

  // The next run replaces the one generation with the file the last run left.
  const std::string lastRun = folder.ReadIni();
  CSettingsFile run2(folder.IniPath());
  run2.EnableBackup();
  ASSERT_TRUE(run2.WriteSection("Order", {"2=1"}));
  EXPECT_EQ(ReadBytes(bak), lastRun);
  EXPECT_NE(lastRun, afterFirstWrite);

  // No file yet: nothing to copy, and the earlier backup stays.
  ASSERT_TRUE(::DeleteFileA(folder.IniPath().c_str()));
  CSettingsFile run3(folder.IniPath());
  run3.EnableBackup();
  ASSERT_TRUE(run3.WriteString("Common", "Trans", "10"));
  EXPECT_EQ(ReadBytes(bak), lastRun);
}

}  // namespace
