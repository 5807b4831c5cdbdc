#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/ErrorText.h"

namespace {
TEST(ErrorText, IsTheSystemMessageWithoutLineEndAndWithTheCode) {
  char text[256];
  GetErrorText(text, sizeof text, ERROR_FILE_NOT_FOUND);
  std::string s = text;
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s.find('\n'), std::string::npos);
  EXPECT_EQ(s.find('\r'), std::string::npos);
  const std::string suffix = " (0x2)";
  ASSERT_GT(s.size(), suffix.size());
  EXPECT_EQ(s.substr(s.size() - suffix.size()), suffix);
}

TEST(ErrorText, TakesTheLastErrorForCodeZero) {
  char text[256];
  ::SetLastError(ERROR_ACCESS_DENIED);
  GetErrorText(text, sizeof text, 0);
  std::string s = text;
  EXPECT_NE(s.find("(0x5)"), std::string::npos) << s;
}

TEST(ErrorText, IsEmptyWhenTheMessageDoesNotFitOrDoesNotExist) {
  char full[256];
  GetErrorText(full, sizeof full, ERROR_FILE_NOT_FOUND);
  size_t messageLength = std::strlen(full) - std::strlen(" (0x2)");

  // A buffer one short of the message plus its fourteen extra characters.
  char small[512];
  std::memset(small, 'x', sizeof small);
  GetErrorText(small, messageLength + 13, ERROR_FILE_NOT_FOUND);
  EXPECT_STREQ(small, "");
  EXPECT_EQ(small[1], 'x');  // nothing written past the end marker

  char none[64] = "stale";
  GetErrorText(none, sizeof none, 0x2FFFFFFF);
  EXPECT_STREQ(none, "");
}
}  // namespace
