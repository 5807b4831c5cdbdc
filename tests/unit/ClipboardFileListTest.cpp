#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/ClipboardFileList.h"

namespace {

using Paths = std::vector<std::string>;

std::vector<char> Block(const std::string& names, DWORD offset = 20, BOOL wide = FALSE) {
  std::string bytes(20, '\0');
  std::memcpy(&bytes[0], &offset, 4);
  std::memcpy(&bytes[16], &wide, 4);
  bytes += names;
  return std::vector<char>(bytes.begin(), bytes.end());
}

TEST(ClipboardFileListTest, BlockHasTheHeaderEveryNameWithItsZeroAndAFinalZero) {
  std::vector<char> block = BuildFileListBlock({"C:\\a.exe", "/", "D:\\b c.txt"});
  std::string expected("C:\\a.exe\0/\0D:\\b c.txt\0\0", 23);
  ASSERT_EQ(block.size(), 20 + expected.size());
  DWORD offset = 0;
  std::memcpy(&offset, block.data(), 4);
  EXPECT_EQ(offset, 20u);
  EXPECT_EQ(std::string(block.data() + 4, 16), std::string(16, '\0'));  // 8-bit names
  EXPECT_EQ(std::string(block.data() + 20, expected.size()), expected);
  EXPECT_EQ(BuildFileListBlock({}).size(), 21u);
}

TEST(ClipboardFileListTest, ParsedListIsTrimmedAndRoundTrips) {
  Paths paths = {"C:\\a.exe", "/", "D:\\b c\\ｶﾅ漢字.txt", "C:\\it's, here.doc"};
  std::vector<char> block = BuildFileListBlock(paths);
  EXPECT_EQ(ParseFileListBlock(block.data(), block.size()), paths);
  std::vector<char> padded = Block(std::string("  C:\\x.txt\t\0\r\n\0   \0\0", 20));
  EXPECT_EQ(ParseFileListBlock(padded.data(), padded.size()), Paths{"C:\\x.txt"});
}

TEST(ClipboardFileListTest, DamagedListsGiveOnlyWholeNamesFromInsideTheBlock) {
  const struct {
    const char* what;
    std::vector<char> block;
    Paths paths;
  } cases[] = {
      {"empty list", Block(std::string("\0", 1)), {}},
      {"no names at all", Block(""), {}},
      {"shorter than the header", std::vector<char>(12, '\0'), {}},
      {"names beyond the block", Block(std::string("C:\\a\0\0", 6), 4000), {}},
      {"names inside the header", Block(std::string("C:\\a\0\0", 6), 4), {}},
      {"last name not terminated", Block(std::string("C:\\a\0C:\\b", 9)), {"C:\\a"}},
      {"no final zero", Block(std::string("C:\\a\0C:\\b\0", 10)), {"C:\\a", "C:\\b"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseFileListBlock(c.block.data(), c.block.size()), c.paths) << c.what;
  }
  EXPECT_TRUE(ParseFileListBlock(nullptr, 100).empty());
}

TEST(ClipboardFileListTest, PathsLongerThanTheLimitAreLeftOutNotCut) {
  std::string longest = "C:\\" + std::string(kMaxListedPath - 3, 'a');
  std::string tooLong = longest + "b";
  std::string huge = "C:\\" + std::string(5000, 'z');
  std::vector<char> block = BuildFileListBlock({tooLong, longest, huge, "C:\\ok"});
  EXPECT_EQ(ParseFileListBlock(block.data(), block.size()), (Paths{longest, "C:\\ok"}));
}

TEST(ClipboardFileListTest, WideNamesAreTakenInTheSystemCodePage) {
  std::wstring names = std::wstring(L"C:\\wide.txt") + L'\0' + L"D:\\漢字 x" + L'\0' + L'\0';
  std::string bytes(reinterpret_cast<const char*>(names.data()), names.size() * 2);
  std::vector<char> block = Block(bytes, 20, TRUE);
  EXPECT_EQ(ParseFileListBlock(block.data(), block.size()), (Paths{"C:\\wide.txt", "D:\\漢字 x"}));
  // Cut in the middle of a character and of a name.
  block.resize(block.size() - 7);
  EXPECT_EQ(ParseFileListBlock(block.data(), block.size()), Paths{"C:\\wide.txt"});
}

TEST(ClipboardFileListTest, ClipboardCarriesTheListAndReplacesWhatWasThere) {
  ASSERT_TRUE(PutFileListOnClipboard(nullptr, {"C:\\one.txt", "/"}));
  EXPECT_TRUE(ClipboardHasFileList());
  EXPECT_EQ(ReadFileListFromClipboard(nullptr), (Paths{"C:\\one.txt", "/"}));
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  ::CloseClipboard();
  EXPECT_FALSE(ClipboardHasFileList());
  EXPECT_TRUE(ReadFileListFromClipboard(nullptr).empty());
}

}  // namespace
