#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/FileType.h"
#include "core/Registry.h"

namespace {

// Registers test file types with names no real type uses, straight under the classes root
// (Wine's classes root does not show the user's own classes), and removes them afterwards.
class FileTypeTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const std::string& key : m_keys) RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
  }
  void SetDefault(const std::string& subKey, const std::string& value) {
    const std::string& key = subKey;
    CRegKey handle;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, handle.Put(), nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(handle.Get(), nullptr, 0, REG_SZ,
                                            reinterpret_cast<const BYTE*>(value.c_str()),
                                            static_cast<DWORD>(value.size() + 1)));
    std::string top = key.substr(0, key.find('\\'));
    for (const std::string& known : m_keys)
      if (known == top) return;
    m_keys.push_back(top);
  }
  std::vector<std::string> m_keys;
};

TEST_F(FileTypeTest, TheOpenVerbIsPreferredIgnoringCase) {
  SetDefault(".kstta", "KestrelTest.A");
  SetDefault("KestrelTest.A\\DefaultIcon", "C:\\prog\\a,b.exe,-3");
  SetDefault("KestrelTest.A\\shell\\edit\\command", "edit.exe \"%1\"");
  SetDefault("KestrelTest.A\\shell\\Open\\command", "\"C:\\prog\\a.exe\" \"%1\"");
  FileAssociation found;
  ASSERT_TRUE(LookupFileType("kstta", found));
  EXPECT_EQ("\"C:\\prog\\a.exe\" \"%1\"", found.openCommand);
  EXPECT_EQ("C:\\prog\\a,b.exe", found.iconLocation);
  EXPECT_EQ(-3, found.iconIndex);
}

TEST_F(FileTypeTest, WithoutOpenTheFirstVerbIsUsed) {
  SetDefault(".ksttb", "KestrelTest.B");
  SetDefault("KestrelTest.B\\DefaultIcon", "C:\\icons.ico");
  SetDefault("KestrelTest.B\\shell\\print\\command", "print.exe %1");
  FileAssociation found;
  ASSERT_TRUE(LookupFileType("ksttb", found));
  EXPECT_EQ("print.exe %1", found.openCommand);
  EXPECT_EQ("C:\\icons.ico", found.iconLocation);
  EXPECT_EQ(0, found.iconIndex);
}

TEST_F(FileTypeTest, MissingPartsGiveEmptyResults) {
  FileAssociation found;
  EXPECT_FALSE(LookupFileType("kesttestnone", found));
  EXPECT_FALSE(LookupFileType("", found));
  EXPECT_FALSE(LookupFileType(nullptr, found));

  SetDefault(".ksttc", "KestrelTest.C");  // a type with neither icon nor verbs
  SetDefault("KestrelTest.C\\shell", "");
  ASSERT_TRUE(LookupFileType("ksttc", found));
  EXPECT_EQ(-1, found.iconIndex);
  EXPECT_TRUE(found.iconLocation.empty());
  EXPECT_TRUE(found.openCommand.empty());

  SetDefault(".ksttd", "KestrelTest.D");  // comma at position 0 is no index separator
  SetDefault("KestrelTest.D\\DefaultIcon", ",5");
  ASSERT_TRUE(LookupFileType("ksttd", found));
  EXPECT_EQ(",5", found.iconLocation);
  EXPECT_EQ(0, found.iconIndex);

  SetDefault(".kstte", std::string(600, 'T'));  // a type name beyond 512 characters
  EXPECT_FALSE(LookupFileType("kstte", found));
}

}  // namespace
