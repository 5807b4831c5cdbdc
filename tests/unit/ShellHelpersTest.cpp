#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/FileName.h"
#include "core/Registry.h"
#include "core/SystemFolder.h"

namespace {

TEST(FileNameTest, CleanFileNameRemovesForbiddenCharactersFromTheNameOnly) {
  struct Case {
    const char* path;
    const char* cleaned;
    bool unchanged;
  } cases[] = {
      {"C:\\dir\\a:b?.lnk", "C:\\dir\\ab.lnk", false},
      {"C:\\dir\\??.lnk", "C:\\dir\\temp999.lnk", false},
      {"C:\\dir\\ok name.lnk", "C:\\dir\\ok name.lnk", true},
      {"C:\\d?r\\x*y\"z<>|.l?k", "C:\\d?r\\xyz.l?k", false},  // folder and extension kept
      {"name", "name", true},
      {"", "temp999", false},
      // 0x7C and 0x5C as second bytes of double-byte characters are no separators.
      {"C:\\ソフト\\ポ表|.lnk", "C:\\ソフト\\ポ表.lnk", false},
      {"ﾌｧｲﾙやﾌｫﾙﾀﾞの検索.lnk", "ﾌｧｲﾙやﾌｫﾙﾀﾞの検索.lnk", true},
  };
  for (const Case& c : cases) {
    std::string path = c.path;
    EXPECT_EQ(c.unchanged, CleanFileName(path)) << c.path;
    EXPECT_EQ(c.cleaned, path) << c.path;
  }
}

TEST(FileNameTest, CleanFileNameWithNameOnlyGivesTheCleanedNameAndExtension) {
  std::string path = "C:\\dir\\a:b?.lnk";
  EXPECT_FALSE(CleanFileName(path, true));
  EXPECT_EQ("ab.lnk", path);
}

TEST(FileNameTest, SplitPathKeepsDoubleByteCharactersWhole) {
  // "ソ" is 0x83 0x5C and "表" is 0x95 0x5C in code page 932.
  PathParts parts = SplitPath("D:\\表\\ソ.txt");
  EXPECT_EQ("D:", parts.drive);
  EXPECT_EQ("\\表\\", parts.folder);
  EXPECT_EQ("ソ", parts.name);
  EXPECT_EQ(".txt", parts.extension);
  EXPECT_FALSE(EndsWithBackslash("C:\\ソ"));
  EXPECT_TRUE(EndsWithBackslash("C:\\ソ\\"));
  EXPECT_EQ(std::string::npos, FindLastPathSeparator("表ソ"));
}

TEST(SystemFolderTest, NumbersOutsideTheAcceptedRangeGiveNoList) {
  EXPECT_EQ(nullptr, GetSystemFolderList(-1));
  EXPECT_EQ(nullptr, GetSystemFolderList(49));
  CItemList desktop(GetSystemFolderList(0));
  ASSERT_TRUE(desktop);
  EXPECT_EQ(0, GetSystemFolderNumber(desktop.Get()));
}

TEST(SystemFolderTest, AFolderListMapsBackToItsNumber) {
  CItemList appData(GetSystemFolderList(CSIDL_APPDATA));
  ASSERT_TRUE(appData);
  std::string path = GetItemListPath(appData.Get());
  ASSERT_FALSE(path.empty());
  CItemList parsed(ParseFolderPath(path.c_str()));
  ASSERT_TRUE(parsed);
  EXPECT_EQ(CSIDL_APPDATA, GetSystemFolderNumber(parsed.Get()));
}

TEST(SystemFolderTest, VirtualFoldersHaveNoPath) {
  CItemList computer(GetSystemFolderList(CSIDL_DRIVES));
  ASSERT_TRUE(computer);
  EXPECT_EQ("", GetItemListPath(computer.Get()));
  EXPECT_EQ("", GetItemListPath(nullptr));
}

TEST(SystemFolderTest, OverlongAndMissingPathsAreNotParsed) {
  EXPECT_EQ(nullptr, ParseFolderPath(""));
  EXPECT_EQ(nullptr, ParseFolderPath(nullptr));
  std::string huge = "C:\\" + std::string(5000, 'a');
  EXPECT_EQ(nullptr, ParseFolderPath(huge.c_str()));
}

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, m_key.Put(), nullptr));
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }
  void SetDefault(DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(m_key.Get(), nullptr, 0, type, static_cast<const BYTE*>(data), size));
  }
  static constexpr const char* kKey = "Software\\KestrelUnitTest\\Registry";
  CRegKey m_key;
};

TEST_F(RegistryTest, ReadsStringsAndRefusesWhatItCannotUse) {
  std::string value;
  EXPECT_FALSE(ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value));  // no value yet

  SetDefault(REG_SZ, "hello", 6);
  EXPECT_TRUE(ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value));
  EXPECT_EQ("hello", value);

  SetDefault(REG_EXPAND_SZ, "%TEMP%\\x", 9);
  EXPECT_TRUE(ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value));
  EXPECT_EQ("%TEMP%\\x", value);

  SetDefault(REG_SZ, "abc", 3);  // stored without its terminating zero
  EXPECT_TRUE(ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value));
  EXPECT_EQ("abc", value);

  SetDefault(REG_SZ, "", 1);
  EXPECT_FALSE(ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value));

  DWORD number = 5;
  SetDefault(REG_DWORD, &number, sizeof number);
  EXPECT_FALSE(ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value));

  std::string longer(600, 'x');
  SetDefault(REG_SZ, longer.c_str(), static_cast<DWORD>(longer.size() + 1));
  EXPECT_FALSE(ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value, 512));
  EXPECT_TRUE(value.empty());
  EXPECT_TRUE(ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value, 600));
  EXPECT_EQ(longer, value);
}

}  // namespace
