#include <gtest/gtest.h>

#include "core/MbString.h"

namespace {
// "表" is 0x95 0x5C and "ポ" is 0x83 0x7C in Shift-JIS: their second bytes
// look like '\' and '|'.
const std::string kHyou = "\x95\x5C";
const std::string kPo = "\x83\x7C";

TEST(MbString, SecondBytesOfDoubleByteCharactersAreNotSeparators) {
  EXPECT_EQ(MbFindLast("C:\\" + kHyou + "\\a.exe", '\\'), 5u);
  EXPECT_EQ(MbFindLast("C:\\" + kHyou, '\\'), 2u);
  EXPECT_EQ(MbFindLast(kPo + kPo, '|'), std::string::npos);
  EXPECT_EQ(MbFind(kPo + "|x", '|'), 2u);
  EXPECT_EQ(MbFind("a|b|c", '|', 2), 3u);
  EXPECT_TRUE(MbEndsWith("C:\\work\\", '\\'));
  EXPECT_FALSE(MbEndsWith("C:\\" + kHyou, '\\'));
  // A lead byte at the very end stands alone.
  EXPECT_EQ(MbFindLast("a|\x95", '|'), 1u);
}
}  // namespace
