#include <gtest/gtest.h>

#include "core/ButtonRecord.h"

namespace {

const uint32_t kDefault = kDefaultColor;
// "ポ" is 0x83 0x7C and "表" 0x95 0x5C in Shift-JIS: second bytes that look
// like '|' and '\'.
const std::string kPo = "\x83\x7C";
const std::string kHyou = "\x95\x5C";

struct ParseCase {
  std::string record;
  std::string command;
  uint32_t flags;
  uint32_t textColor;
  uint32_t bkColor;
};

TEST(ButtonRecord, ParsesCommandFlagsAndColours) {
  const ParseCase cases[] = {
      {"C:\\a|b.exe|6/0/255/1/15", "C:\\a|b.exe", 6, 0x000000FF, 0x0100000F},
      {"notepad.exe|", "notepad.exe", 0, kDefault, kDefault},
      {"|4", "", 4, kDefault, kDefault},
      {"x.exe|2/1/5", "x.exe", 2, 0x01000005, kDefault},
      {"x.exe|2/", "x.exe", 2, kDefault, kDefault},
      {"x.exe", "x.exe", 0, kDefault, kDefault},
      {"*", "*", 0, kDefault, kDefault},
      {"/", "/", 0, kDefault, kDefault},
      {"", "", 0, kDefault, kDefault},
      // No flags before the colours.
      {"x.exe|/0/255/2/0", "x.exe", 0, 0x000000FF, kDefault},
      // Three numbers set the text colour only; one sets nothing.
      {"x.exe|4/1/2/3", "x.exe", 4, 0x01000002, kDefault},
      {"x.exe|4/1", "x.exe", 4, kDefault, kDefault},
      {"x.exe|4/a/1/2/3", "x.exe", 4, kDefault, kDefault},
      {"x.exe|abc", "x.exe", 0, kDefault, kDefault},
      {"x.exe| 7", "x.exe", 7, kDefault, kDefault},
      {"x.exe|-1", "x.exe", 0xFFFFFFFF, kDefault, kDefault},
      // Kinds keep their low byte, values their low 24 bits; huge numbers
      // saturate instead of overflowing.
      {"x.exe|1/300/16777217/-1/99999999999", "x.exe", 1, 0x2C000001, 0xFFFFFFFF},
      // A path with a folder called "a/b|c" keeps everything before the last bar.
      {"\\\\srv\\a/b|c\\d.exe|4", "\\\\srv\\a/b|c\\d.exe", 4, kDefault, kDefault},
  };
  for (const auto& c : cases) {
    CBtnData button = ParseButtonRecord(c.record, 932);
    EXPECT_EQ(button.m_command, c.command) << c.record;
    EXPECT_EQ(button.m_flags, c.flags) << c.record;
    EXPECT_EQ(button.m_textColor, c.textColor) << c.record;
    EXPECT_EQ(button.m_bkColor, c.bkColor) << c.record;
  }
}

TEST(ButtonRecord, SecondByteOfAShiftJisCharacterIsNoSeparator) {
  const ParseCase cases[] = {
      {"C:\\" + kPo + ".exe", "C:\\" + kPo + ".exe", 0, kDefault, kDefault},
      {"C:\\" + kPo + "|4", "C:\\" + kPo, 4, kDefault, kDefault},
      {kPo + "|" + kPo + "|2", kPo + "|" + kPo, 2, kDefault, kDefault},
      {"C:\\" + kHyou + "\\a.exe|1/0/255/2/0", "C:\\" + kHyou + "\\a.exe", 1, 0xFF, kDefault},
      // A lead byte at the very end stands alone and does not swallow the terminator.
      {"x.exe|\x83", "x.exe", 0, kDefault, kDefault},
      {"abc\x83", "abc\x83", 0, kDefault, kDefault},
  };
  for (const auto& c : cases) {
    CBtnData button = ParseButtonRecord(c.record, 932);
    EXPECT_EQ(button.m_command, c.command) << c.record;
    EXPECT_EQ(button.m_flags, c.flags) << c.record;
    EXPECT_EQ(button.m_textColor, c.textColor) << c.record;
    EXPECT_EQ(button.m_bkColor, c.bkColor) << c.record;
  }
  // The settings file is read in the system's code page, which is 932 in the
  // test environment (and on a Japanese Windows).
  if (::GetACP() == 932) {
    EXPECT_EQ(ParseButtonRecord("C:\\" + kPo).m_command, "C:\\" + kPo);
  }
}

TEST(ButtonRecord, WritesTheShortestRecordThatReadsBack) {
  struct FormatCase {
    CBtnData button;
    std::string record;
  };
  auto make = [](const char* command, uint32_t flags, uint32_t text, uint32_t bk) {
    CBtnData button(command);
    button.m_flags = flags;
    button.m_textColor = text;
    button.m_bkColor = bk;
    return button;
  };
  const FormatCase cases[] = {
      {make("notepad.exe", 0, kDefault, kDefault), "notepad.exe"},
      {make("notepad.exe", 4, kDefault, kDefault), "notepad.exe|4"},
      {make("notepad.exe", 0, 0x000000FF, kDefault), "notepad.exe|/0/255/2/0"},
      {make("notepad.exe", 0, kDefault, 0x0100000F), "notepad.exe|/2/0/1/15"},
      {make("C:\\a|b.exe", 6, 0x000000FF, 0x0100000F), "C:\\a|b.exe|6/0/255/1/15"},
      // A command holding a bar keeps a trailing bar so that it reads back whole.
      {make("a|b", 0, kDefault, kDefault), "a|b|"},
      {make("x", 0xFFFFFFFF, 0xFFFFFFFF, 0), "x|4294967295/255/16777215/0/0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatButtonRecord(c.button), c.record);
    CBtnData back = ParseButtonRecord(FormatButtonRecord(c.button), 932);
    EXPECT_EQ(back.m_command, c.button.m_command) << c.record;
    EXPECT_EQ(back.m_flags, c.button.m_flags) << c.record;
    EXPECT_EQ(back.m_textColor, c.button.m_textColor) << c.record;
    EXPECT_EQ(back.m_bkColor, c.button.m_bkColor) << c.record;
  }
}

TEST(ButtonRecord, ParsingInPlaceResetsEveryField) {
  CBtnData button = ParseButtonRecord("x.exe|6/0/255/1/15", 932);
  ParseButtonRecord("*", button, 932);
  EXPECT_EQ(button.m_command, "*");
  EXPECT_EQ(button.m_flags, 0u);
  EXPECT_EQ(button.m_textColor, kDefault);
  EXPECT_EQ(button.m_bkColor, kDefault);
  EXPECT_TRUE(button.IsBlank());
  EXPECT_TRUE(ParseButtonRecord("/").IsSeparator());
  EXPECT_TRUE(ParseButtonRecord("|4").IsBlank());
  EXPECT_TRUE(ParseButtonRecord("a.exe").IsButton());
}

}  // namespace
