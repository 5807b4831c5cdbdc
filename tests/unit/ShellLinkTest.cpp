#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/ShellLink.h"
#include "core/SystemFolder.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

std::vector<std::string> g_messages;
void CollectMessage(HWND, const char* text) { g_messages.push_back(text); }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The show command as stored in the file's header; the shell's own reader is not trusted for it
// (Wine's link object always answers 1 after loading).
int StoredShowCmd(const std::string& path) {
  std::string bytes = ReadBytes(path);
  if (bytes.size() < 0x40) return -100;
  return static_cast<unsigned char>(bytes[0x3C]) | static_cast<unsigned char>(bytes[0x3D]) << 8;
}

bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class ShellLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_messages.clear();
    SetShellMessageHandler(CollectMessage);
    m_target = m_folder.Folder() + "tool.exe";
    std::ofstream(m_target) << "MZ";
  }
  void TearDown() override { SetShellMessageHandler(nullptr); }

  // Writes a shortcut with every field set; returns its path.
  std::string WriteFull(const char* name) {
    std::string path = m_folder.Folder() + name;
    EXPECT_TRUE(WriteShortcut(nullptr, path, m_target.c_str(), nullptr, "C:\\work",
                              "/a \"b c\" /d:ｶﾅ", "説明 text", "C:\\icons.dll", 7,
                              MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT), SW_SHOWMINNOACTIVE));
    return path;
  }

  TempProgramFolder m_folder;
  std::string m_target;
};

TEST_F(ShellLinkTest, EveryFieldRoundTrips) {
  std::string path = WriteFull("full.lnk");
  ASSERT_TRUE(Exists(path));
  ShortcutFields fields;
  ASSERT_TRUE(ReadShortcut(nullptr, path.c_str(), fields));
  EXPECT_EQ(0, lstrcmpiA(m_target.c_str(), fields.target.c_str())) << fields.target;
  EXPECT_EQ("説明 text", fields.description);
  EXPECT_EQ("C:\\work", fields.workingDir);
  EXPECT_EQ("/a \"b c\" /d:ｶﾅ", fields.arguments);
  EXPECT_EQ("C:\\icons.dll", fields.iconLocation);
  EXPECT_EQ(7, fields.iconIndex);
  EXPECT_EQ(MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT), fields.hotKey);
  EXPECT_EQ(SW_SHOWMINNOACTIVE, StoredShowCmd(path));
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(ShellLinkTest, FieldsNotGivenAreLeftAsTheyWere) {
  std::string path = WriteFull("keep.lnk");
  ASSERT_TRUE(WriteShortcut(nullptr, path, nullptr, nullptr, nullptr, "/menu:B", nullptr, nullptr,
                            0, kKeepHotKey, kKeepShowCmd));
  ShortcutFields fields;
  ASSERT_TRUE(ReadShortcut(nullptr, path.c_str(), fields));
  EXPECT_EQ("/menu:B", fields.arguments);
  EXPECT_EQ("説明 text", fields.description);
  EXPECT_EQ("C:\\work", fields.workingDir);
  EXPECT_EQ("C:\\icons.dll", fields.iconLocation);
  EXPECT_EQ(7, fields.iconIndex);
  EXPECT_EQ(MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT), fields.hotKey);
  // Wine's link object forgets the loaded show command and saves 1 instead.
  if (RunningOnWine()) {
    EXPECT_TRUE(StoredShowCmd(path) == SW_SHOWMINNOACTIVE || StoredShowCmd(path) == 1);
  } else {
    EXPECT_EQ(SW_SHOWMINNOACTIVE, StoredShowCmd(path));
  }
}

TEST_F(ShellLinkTest, LongArgumentsAreReadBackWhole) {
  std::string path = m_folder.Folder() + "long.lnk";
  std::string arguments(1000, 'x');
  ASSERT_TRUE(WriteShortcut(nullptr, path, m_target.c_str(), nullptr, nullptr, arguments.c_str(),
                            nullptr, nullptr, 0, kKeepHotKey, kKeepShowCmd));
  ShortcutFields fields;
  ASSERT_TRUE(ReadShortcut(nullptr, path.c_str(), fields));
  EXPECT_EQ(arguments, fields.arguments);
}

TEST_F(ShellLinkTest, TheShortcutPathIsCleanedBeforeWriting) {
  std::string path = m_folder.Folder() + "a:b?.lnk";
  ASSERT_TRUE(WriteShortcut(nullptr, path, m_target.c_str(), nullptr, nullptr, nullptr, nullptr,
                            nullptr, 0, kKeepHotKey, kKeepShowCmd));
  EXPECT_EQ(m_folder.Folder() + "ab.lnk", path);
  EXPECT_TRUE(Exists(path));
}

TEST_F(ShellLinkTest, ANewNameRenamesTheFileAndPicksAFreeNameOnACollision) {
  std::string path = WriteFull("old.lnk");
  ASSERT_TRUE(WriteShortcut(nullptr, path, nullptr, "新しい名前", nullptr, nullptr, nullptr,
                            nullptr, 0, kKeepHotKey, kKeepShowCmd));
  EXPECT_EQ(m_folder.Folder() + "新しい名前.lnk", path);
  EXPECT_TRUE(Exists(path));
  EXPECT_FALSE(Exists(m_folder.Folder() + "old.lnk"));

  // Another shortcut asked to take the same name ends up beside it, and says where.
  std::string other = WriteFull("other.lnk");
  ASSERT_TRUE(WriteShortcut(nullptr, other, nullptr, "新しい名前", nullptr, "/x", nullptr, nullptr,
                            0, kKeepHotKey, kKeepShowCmd));
  EXPECT_NE(path, other);
  EXPECT_TRUE(Exists(other));
  EXPECT_TRUE(Exists(path));
  EXPECT_FALSE(Exists(m_folder.Folder() + "other.lnk"));
  ShortcutFields fields;
  ASSERT_TRUE(ReadShortcut(nullptr, other.c_str(), fields));
  EXPECT_EQ("/x", fields.arguments);
  ASSERT_TRUE(ReadShortcut(nullptr, path.c_str(), fields));
  EXPECT_EQ("/a \"b c\" /d:ｶﾅ", fields.arguments);
}

TEST_F(ShellLinkTest, RenameCasesThatLeaveTheFileWhereItIs) {
  // Same name in another case: nothing to rename.
  std::string path = WriteFull("Same.lnk");
  ASSERT_TRUE(WriteShortcut(nullptr, path, nullptr, "same", nullptr, nullptr, nullptr, nullptr, 0,
                            kKeepHotKey, kKeepShowCmd));
  EXPECT_EQ(m_folder.Folder() + "Same.lnk", path);
  // A shortcut created by this very call keeps the path it was created under.
  std::string fresh = m_folder.Folder() + "fresh.lnk";
  ASSERT_TRUE(WriteShortcut(nullptr, fresh, m_target.c_str(), "renamed", nullptr, nullptr, nullptr,
                            nullptr, 0, kKeepHotKey, kKeepShowCmd));
  EXPECT_EQ(m_folder.Folder() + "fresh.lnk", fresh);
  EXPECT_TRUE(Exists(fresh));
  // A new name with forbidden characters is cleaned.
  ASSERT_TRUE(WriteShortcut(nullptr, fresh, nullptr, "x|y", nullptr, nullptr, nullptr, nullptr, 0,
                            kKeepHotKey, kKeepShowCmd));
  EXPECT_EQ(m_folder.Folder() + "xy.lnk", fresh);
  // A new name cannot lead into another folder; a double-byte character ending in 0x5C stays.
  CreateDirectoryA((m_folder.Folder() + "sub").c_str(), nullptr);
  for (const char* name : {"sub\\ソ", "sub/ソ"}) {
    std::string renamed = fresh;
    ASSERT_TRUE(WriteShortcut(nullptr, renamed, nullptr, name, nullptr, nullptr, nullptr, nullptr,
                              0, kKeepHotKey, kKeepShowCmd));
    EXPECT_EQ(m_folder.Folder() + "subソ.lnk", renamed) << name;
    EXPECT_TRUE(Exists(renamed)) << name;
    fresh = renamed;
  }
}

TEST_F(ShellLinkTest, ReadingSomethingThatIsNoShortcutFailsWithoutAMessage) {
  ShortcutFields fields;
  EXPECT_FALSE(ReadShortcut(nullptr, (m_folder.Folder() + "missing.lnk").c_str(), fields));
  EXPECT_FALSE(ReadShortcut(nullptr, m_target.c_str(), fields));
  EXPECT_FALSE(ReadShortcut(nullptr, nullptr, fields));
  std::string huge = m_folder.Folder() + std::string(400, 'a') + ".lnk";
  EXPECT_FALSE(ReadShortcut(nullptr, huge.c_str(), fields));
  EXPECT_TRUE(g_messages.empty());
}

TEST_F(ShellLinkTest, AFailedSaveIsReportedWithItsMessage) {
  std::string path = m_folder.Folder() + "no folder\\x.lnk";
  EXPECT_FALSE(WriteShortcut(nullptr, path, m_target.c_str(), nullptr, nullptr, nullptr, nullptr,
                             nullptr, 0, kKeepHotKey, kKeepShowCmd));
  ASSERT_EQ(1u, g_messages.size());
  EXPECT_EQ("IPersistFile::Save failed.", g_messages[0]);
}

TEST_F(ShellLinkTest, ItemListsRoundTrip) {
  CItemList computer(GetSystemFolderList(CSIDL_DRIVES));
  ASSERT_TRUE(computer);
  std::string path = m_folder.Folder() + "computer.lnk";
  ASSERT_TRUE(WriteShortcutItemList(nullptr, path, computer.Get(), "shell32.dll", 15));
  CItemList read;
  ASSERT_TRUE(ReadShortcutItemList(nullptr, path.c_str(), read));
  EXPECT_EQ(CSIDL_DRIVES, GetSystemFolderNumber(read.Get()));
  ShortcutFields fields;
  ReadShortcut(nullptr, path.c_str(), fields);
  EXPECT_EQ("shell32.dll", fields.iconLocation);
  EXPECT_EQ(15, fields.iconIndex);
  g_messages.clear();
  EXPECT_FALSE(ReadShortcutItemList(nullptr, (m_folder.Folder() + "none.lnk").c_str(), read));
  EXPECT_FALSE(read);
  EXPECT_TRUE(g_messages.empty());
}

}  // namespace
