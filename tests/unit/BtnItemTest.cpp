#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "bar/BtnItem.h"
#include "core/ShellLink.h"
#include "tests/unit/TempProgramFolder.h"

TEST(BtnItem, ShortcutCommentReplacesTheNameOnlyWithFlagOne) {
  TempProgramFolder folder;
  std::string target = folder.Folder() + "tool.exe";
  std::ofstream(target) << "MZ";
  std::string link = folder.Folder() + "tool.lnk";
  ASSERT_TRUE(WriteShortcut(nullptr, link, target.c_str(), nullptr, nullptr, nullptr, "説明の文",
                            nullptr, 0, kKeepHotKey, kKeepShowCmd));
  std::string silent = folder.Folder() + "silent.lnk";
  ASSERT_TRUE(WriteShortcut(nullptr, silent, target.c_str(), nullptr, nullptr, nullptr, "", nullptr,
                            0, kKeepHotKey, kKeepShowCmd));

  CBtnData plain(link);
  CBtnItem plainItem(&plain);
  plainItem.ReadContent();
  EXPECT_NE("説明の文", plainItem.m_text);
  EXPECT_FALSE(plainItem.m_text.empty());

  CBtnData labelled(link);
  labelled.m_flags = kBtnFlagLabelFromComment;
  CBtnItem labelledItem(&labelled);
  labelledItem.ReadContent();
  EXPECT_EQ("説明の文", labelledItem.m_text);

  // An empty comment leaves the shell's name.
  CBtnData empty(silent);
  empty.m_flags = kBtnFlagLabelFromComment;
  CBtnItem emptyItem(&empty);
  emptyItem.ReadContent();
  EXPECT_FALSE(emptyItem.m_text.empty());

  // Flag 1 on something that is no shortcut changes nothing.
  CBtnData program(target);
  program.m_flags = kBtnFlagLabelFromComment;
  CBtnItem programItem(&program);
  programItem.ReadContent();
  EXPECT_NE(std::string::npos, programItem.m_text.find("tool"));
  EXPECT_GE(programItem.m_imageIndex, 0);
  EXPECT_EQ(nullptr, programItem.m_icon);
}

TEST(BtnItem, BlanksAndSeparatorsShowNothing) {
  for (const char* command : {"", "*", "/"}) {
    CBtnData data(command);
    CBtnItem item(&data);
    item.ReadContent();
    EXPECT_EQ(-1, item.m_imageIndex) << command;
    EXPECT_EQ(nullptr, item.m_icon) << command;
    EXPECT_TRUE(item.m_text.empty()) << command;
  }
}

TEST(BtnItem, NetworkPathsAreDescribedByNameWithoutTouchingTheNetwork) {
  EXPECT_TRUE(IsRemotePath("\\\\server\\share\\app.exe"));
  EXPECT_TRUE(IsRemotePath("\\\\.\\COM1"));
  EXPECT_FALSE(IsRemotePath("C:\\Windows\\notepad.exe"));
  EXPECT_FALSE(IsRemotePath("&#17"));
  EXPECT_FALSE(IsRemotePath(""));
  EXPECT_FALSE(IsRemotePath("x"));

  CBtnData data("\\\\kestrel-no-such-host.invalid\\share\\tools\\app.exe");
  CBtnItem item(&data);
  DWORD start = GetTickCount();
  item.ReadContent();
  EXPECT_LT(GetTickCount() - start, 2000u);
  EXPECT_NE(std::string::npos, item.m_text.find("app"));
  // A name without an extension is taken for a folder.
  CBtnData share("\\\\kestrel-no-such-host.invalid\\share");
  CBtnItem shareItem(&share);
  shareItem.ReadContent();
  EXPECT_EQ("share", shareItem.m_text);
}

TEST(BtnItem, DevicesAndEmptyDrivesAreDescribedWithoutHanging) {
  for (const char* command : {"COM1", "NUL", "CON", "\\\\.\\COM1", "A:\\setup.exe", "Q:\\",
                              "C:", ":", "\\\\", "\\\\?\\C:\\x.exe"}) {
    CBtnData data(command);
    CBtnItem item(&data);
    DWORD start = GetTickCount();
    item.ReadContent();
    EXPECT_LT(GetTickCount() - start, 3000u) << command;
    EXPECT_TRUE(item.m_imageIndex >= 0 || item.m_icon) << command;
  }
}

TEST(BtnItem, UnreadableTargetsFallBackToTheApplicationIconAndTheirFileName) {
  struct Case {
    std::string command;
    std::string text;
  } cases[] = {
      {"C:\\nowhere\\tool.exe", "tool.exe"},
      {"C:\\nowhere\\フォルダ\\", "フォルダ"},
      {"&#9999", ""},
      {std::string(3000, 'q'), std::string(3000, 'q')},
      {"C:\\nowhere\\表", "表"},  // 表 ends in the byte 0x5C, which is no backslash here
  };
  for (const Case& c : cases) {
    CBtnData data(c.command);
    CBtnItem item(&data);
    item.ReadContent();
    EXPECT_EQ(-1, item.m_imageIndex) << c.command.substr(0, 40);
    EXPECT_NE(nullptr, item.m_icon) << c.command.substr(0, 40);
    EXPECT_EQ(c.text, item.m_text) << c.command.substr(0, 40);
  }
}
