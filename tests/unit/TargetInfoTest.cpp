#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "core/SystemFolder.h"
#include "core/TargetInfo.h"

namespace {

TEST(TargetInfoTest, SystemFolderCommandsAreNormalisedOrRejected) {
  struct Case {
    const char* command;
    int folder;
    const char* normalised;
  } cases[] = {
      {"&#05", 5, "&#5"},
      {"&#5", 5, "&#5"},
      {"&#0", 0, "&#0"},
      {"&#49", -1, "&#49"},
      {"&#-1", -1, "&#-1"},
      {"&#x", -1, "&#x"},
      {"&#99999999999", -1, "&#99999999999"},
  };
  for (const Case& c : cases) {
    CTargetInfo info(c.command);
    EXPECT_EQ(c.folder, info.m_folderNumber) << c.command;
    EXPECT_EQ(c.normalised, info.m_command) << c.command;
    EXPECT_EQ(c.folder >= 0, info.IsSystemFolder()) << c.command;
  }
}

TEST(TargetInfoTest, ASystemFolderIsDescribedByTheShell) {
  CTargetInfo info("&#17");  // the computer folder
  ASSERT_EQ(17, info.m_folderNumber);
  EXPECT_GE(info.m_fileInfo.iIcon, 0);
  EXPECT_NE('\0', info.m_fileInfo.szDisplayName[0]);
  EXPECT_EQ(nullptr, info.m_fileInfo.hIcon);  // no icon handle is asked for, none to free
}

TEST(TargetInfoTest, TheDesktopFoldersOwnPathBecomesAFolderNumber) {
  CItemList desktop(GetSystemFolderList(CSIDL_DESKTOPDIRECTORY));
  ASSERT_TRUE(desktop);
  std::string path = GetItemListPath(desktop.Get());
  ASSERT_FALSE(path.empty());
  CTargetInfo info(path.c_str());
  // The desktop itself (0) on some systems, its file-system folder (16) on others.
  EXPECT_TRUE(info.m_folderNumber == CSIDL_DESKTOP || info.m_folderNumber == CSIDL_DESKTOPDIRECTORY)
      << info.m_folderNumber;
  EXPECT_EQ("&#" + std::to_string(info.m_folderNumber), info.m_command);
  EXPECT_TRUE(info.IsFolder());
}

TEST(TargetInfoTest, FilesKeepTheirPathAndMissingFilesHaveNoIcon) {
  char module[MAX_PATH];
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  CTargetInfo file(module);
  EXPECT_EQ(-1, file.m_folderNumber);
  EXPECT_EQ(module, file.m_command);
  EXPECT_GE(file.m_fileInfo.iIcon, 0);
  EXPECT_FALSE(file.IsFolder());
  EXPECT_FALSE(file.IsLink());

  CTargetInfo missing("C:\\no such folder\\nothing.exe");
  EXPECT_EQ(-1, missing.m_folderNumber);
  EXPECT_EQ(-1, missing.m_fileInfo.iIcon);
  EXPECT_EQ(0u, missing.m_fileInfo.dwAttributes);  // never read as a shortcut or a folder
  EXPECT_FALSE(missing.IsLink());

  CTargetInfo empty("");
  EXPECT_EQ(-1, empty.m_folderNumber);
  EXPECT_EQ(-1, empty.m_fileInfo.iIcon);
  CTargetInfo none(nullptr);
  EXPECT_EQ("", none.m_command);

  std::string huge(2000, 'a');
  CTargetInfo overlong(huge.c_str());
  EXPECT_EQ(-1, overlong.m_folderNumber);
  EXPECT_EQ(huge, overlong.m_command);
}

}  // namespace
