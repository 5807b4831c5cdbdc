#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/BarOptions.h"
#include "core/SettingsFile.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

uint32_t Word(const char* p) {
  uint32_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

struct BlockEntry {
  std::string key;
  uint32_t kind, changed, value;
  std::string text;
  size_t header;  // offset of the three words
};

// Walks a block the way the other module does, trusting nothing but the bytes.
std::vector<BlockEntry> Entries(const std::vector<char>& block) {
  std::vector<BlockEntry> entries;
  size_t pos = 4;
  while (pos < block.size() && block[pos] != '\0') {
    BlockEntry entry;
    entry.key = &block[pos];
    pos += entry.key.size() + 1;
    entry.header = pos;
    entry.kind = Word(&block[pos]);
    entry.changed = Word(&block[pos + 4]);
    entry.value = Word(&block[pos + 8]);
    pos += 12;
    if (entry.kind == CBarOptions::kString) {
      entry.text = &block[pos];
      pos += entry.text.size() + 1;
    }
    entries.push_back(entry);
  }
  return entries;
}

TEST(BarOptions, ReadsEachKeyOnceAndFallsBackToTheDefault) {
  TempProgramFolder folder(
      "[Common]\nRctNo=7\nFont=ＭＳ ゴシック\nBorderX=abc\nColor=4278190335\n");
  CBarOptions options(g_settingsFile, "Common");
  EXPECT_EQ(options.GetInt("RctNo", 3), 7);
  EXPECT_EQ(options.GetInt("BorderX", 5), 5);  // not a number
  EXPECT_EQ(options.GetInt("SleepTime", 5000), 5000);
  EXPECT_EQ(static_cast<uint32_t>(options.GetInt("Color", 0)), 0xFF0000FFu);
  EXPECT_EQ(options.GetString("Font", ""), "ＭＳ ゴシック");
  EXPECT_EQ(options.GetString("Emblem", "none"), "none");
  // Cached: the file is not read again, key names ignore case.
  folder.WriteIni("[Common]\nRctNo=9\n");
  EXPECT_EQ(options.GetInt("rctno", 3), 7);
  EXPECT_EQ(options.GetString("FONT", ""), "ＭＳ ゴシック");
  EXPECT_FALSE(options.ChangedSince("RctNo"));
  // Clear forgets the cache.
  options.Clear();
  EXPECT_EQ(options.GetInt("RctNo", 3), 9);
}

TEST(BarOptions, OnlyRealChangesAreMarkedAndFlushed) {
  TempProgramFolder folder("[Common]\nRctNo=7\nEmblem=user\n");
  CBarOptions options(g_settingsFile, "Common");
  options.SetInt("RctNo", 7);
  options.SetString("Emblem", "user");
  EXPECT_FALSE(options.ChangedSince("RctNo"));
  EXPECT_FALSE(options.ChangedSince("Emblem"));
  options.SetString("Emblem", "User");  // strings compare exactly
  options.SetInt("RctNo", 8);
  EXPECT_TRUE(options.ChangedSince("Emblem"));
  EXPECT_TRUE(options.ChangedSince("RctNo"));
  EXPECT_EQ(folder.Get("Common", "RctNo"), "7");  // nothing written before Flush

  ASSERT_TRUE(options.Flush());
  EXPECT_EQ(folder.Get("Common", "RctNo"), "8");
  EXPECT_EQ(folder.Get("Common", "Emblem"), "User");
  EXPECT_FALSE(options.ChangedSince("RctNo"));
  // A key never used is not written.
  EXPECT_EQ(folder.Get("Common", "SleepTime"), "\x01");
}

TEST(BarOptions, SettingAKeyTheFileLacksWritesItEvenWhenItEqualsTheDefault) {
  TempProgramFolder folder("[Common]\nTrans=10\n");
  CBarOptions options(g_settingsFile, "Common");
  options.SetString("WinPos", "0:1:-1:-1:-1:-1:0:0:300:40");
  options.SetInt("Style", 33500);
  ASSERT_TRUE(options.Flush());
  EXPECT_EQ(folder.Get("Common", "WinPos"), "0:1:-1:-1:-1:-1:0:0:300:40");
  EXPECT_EQ(folder.Get("Common", "Style"), "33500");
}

TEST(BarOptions, FailedFlushKeepsTheChangesForTheNextOne) {
  TempProgramFolder folder("[Common]\nRctNo=7\n");
  CBarOptions options(g_settingsFile, "Common");
  options.SetInt("RctNo", 4);
  g_settingsFile.SetPath(folder.Folder() + "no such folder\\Kestrel.ini");
  EXPECT_FALSE(options.Flush());
  EXPECT_TRUE(options.ChangedSince("RctNo"));
  g_settingsFile.SetPath(folder.IniPath());
  EXPECT_TRUE(options.Flush());
  EXPECT_EQ(folder.Get("Common", "RctNo"), "4");
}

TEST(BarOptions, ValuesCannotBreakTheFileWithLineBreaks) {
  TempProgramFolder folder("[Common]\n");
  CBarOptions options(g_settingsFile, "Common");
  options.SetString("Emblem", "a\r\n[Order]\r\n1=-1");
  ASSERT_TRUE(options.Flush());
  EXPECT_EQ(g_settingsFile.ReadSection("Order"), std::vector<std::string>{});
  EXPECT_EQ(folder.Get("Common", "Emblem"), "a  [Order]  1=-1");
}

TEST(BarOptions, ValuesLongerThanThirtyTwoThousandCharactersAreKeptWhole) {
  TempProgramFolder folder("[Common]\nRctNo=7\nEmblem=short\n");
  const std::string longText(40000, 'e');
  CBarOptions options(g_settingsFile, "Common");
  options.SetString("Emblem", longText.c_str());
  options.SetString("Font", longText.c_str());  // absent so far
  ASSERT_TRUE(options.Flush());
  EXPECT_EQ(g_settingsFile.ReadString("Common", "Emblem", ""), longText);
  EXPECT_EQ(g_settingsFile.ReadString("Common", "Font", ""), longText);
  EXPECT_EQ(folder.Get("Common", "RctNo"), "7");
  // A long default comes back whole too.
  EXPECT_EQ(g_settingsFile.ReadString("Common", "Missing", longText.c_str()), longText);
}

TEST(BarOptions, EmptyExchangeBlockIsTheCapacityAndOneZero) {
  TempProgramFolder folder;
  CBarOptions options(g_settingsFile, "Common");
  std::vector<char> block = options.BuildExchangeBlock();
  ASSERT_EQ(block.size(), 200u * 78u);
  EXPECT_EQ(Word(block.data()), 200u * 78u);
  EXPECT_EQ(block[4], '\0');
}

TEST(BarOptions, ExchangeBlockRoundTripMarksOnlyWhatTheOtherSideChanged) {
  TempProgramFolder folder("[Common]\nRctNo=7\nEmblem=user\nStyle=33500\n");
  CBarOptions kestrel(g_settingsFile, "Common");
  kestrel.GetInt("RctNo", 3);
  kestrel.GetString("Emblem", "");
  kestrel.GetInt("Style", 33500);
  std::vector<char> block = kestrel.BuildExchangeBlock();
  EXPECT_EQ(Entries(block).size(), 3u);

  // The dialog's side: loads the block, edits, writes into the same block.
  CBarOptions dialog(g_settingsFile, "Common");
  ASSERT_TRUE(dialog.ReadExchangeBlock(block.data()));
  EXPECT_FALSE(dialog.ChangedSince("RctNo"));
  EXPECT_EQ(dialog.GetString("Emblem", "?"), "user");
  dialog.SetInt("RctNo", 12);
  dialog.SetString("Emblem", "ぼく");
  dialog.GetInt("SleepTime", 5000);  // read by a page, absent from the file
  ASSERT_TRUE(dialog.WriteExchangeBlock(block.data()));

  // Stale addresses (written by the other module): the reader never follows them.
  for (const BlockEntry& entry : Entries(block)) {
    if (entry.kind != CBarOptions::kString) continue;
    uint32_t stale = 0xDEADBEEF;
    std::memcpy(&block[entry.header + 8], &stale, 4);
  }
  ASSERT_TRUE(kestrel.ReadExchangeBlock(block.data(), block.size()));
  EXPECT_EQ(kestrel.GetInt("RctNo", 3), 12);
  EXPECT_EQ(kestrel.GetString("Emblem", ""), "ぼく");
  EXPECT_TRUE(kestrel.ChangedSince("RctNo"));
  EXPECT_TRUE(kestrel.ChangedSince("Emblem"));
  EXPECT_FALSE(kestrel.ChangedSince("Style"));
  // Only read on the other side, with its default: not a change here.
  EXPECT_FALSE(kestrel.ChangedSince("SleepTime"));
  EXPECT_EQ(kestrel.GetInt("SleepTime", 0), 5000);
}

TEST(BarOptions, StringEntriesAreFoundAfterTheHeaderWhateverTheStoredAddress) {
  TempProgramFolder folder("[Common]\n");
  // A hand-made block: "Emblem" with a nonsense address, "RctNo" as an integer.
  std::vector<char> block(200 * 78, '\x7F');
  size_t pos = 0;
  auto put = [&](const void* bytes, size_t size) {
    std::memcpy(&block[pos], bytes, size);
    pos += size;
  };
  uint32_t capacity = static_cast<uint32_t>(block.size());
  put(&capacity, 4);
  uint32_t header[3] = {1, 0, 0xDEADBEEF};
  put("Emblem", 7);
  put(header, 12);
  put("me", 3);
  uint32_t intHeader[3] = {2, 1, 42};
  put("RctNo", 6);
  put(intHeader, 12);
  put("", 1);

  CBarOptions options(g_settingsFile, "Common");
  ASSERT_TRUE(options.ReadExchangeBlock(block.data()));
  EXPECT_EQ(options.GetString("Emblem", ""), "me");
  EXPECT_EQ(options.GetInt("RctNo", 3), 42);
  // Marked changed by the other side: a change here too. Unchanged there and
  // absent from the file: the other side's read, taken over as it is.
  EXPECT_TRUE(options.ChangedSince("RctNo"));
  EXPECT_FALSE(options.ChangedSince("Emblem"));
}

TEST(BarOptions, ExchangeBlockGrowsForLongValuesAndNeverOverrunsAGivenOne) {
  TempProgramFolder folder("[Common]\n");
  CBarOptions options(g_settingsFile, "Common");
  std::string longText(40000, 'x');
  options.SetString("Emblem", longText.c_str());
  for (int i = 0; i < 300; ++i) options.SetInt(("Key" + std::to_string(i)).c_str(), i);
  std::vector<char> block = options.BuildExchangeBlock();
  EXPECT_GT(block.size(), 40000u);
  EXPECT_EQ(Word(block.data()), block.size());
  std::vector<BlockEntry> entries = Entries(block);
  ASSERT_EQ(entries.size(), 301u);

  // A block too small for everything: changed keys first, nothing past the
  // capacity, and failure reported because a changed key did not fit.
  CBarOptions few(g_settingsFile, "Common");
  few.GetInt("Unchanged", 1);
  few.SetInt("Changed", 2);
  few.SetString("Huge", longText.c_str());
  std::vector<char> small(64 + 16, '\x55');
  uint32_t capacity = 64;
  std::memcpy(small.data(), &capacity, 4);
  EXPECT_FALSE(few.WriteExchangeBlock(small.data()));
  for (size_t i = 64; i < small.size(); ++i) EXPECT_EQ(small[i], '\x55') << i;
  std::vector<BlockEntry> written = Entries(std::vector<char>(small.begin(), small.begin() + 64));
  ASSERT_GE(written.size(), 1u);
  EXPECT_EQ(written[0].key, "Changed");

  // A block that is too small to hold even the capacity word and a zero.
  capacity = 4;
  std::memcpy(small.data(), &capacity, 4);
  EXPECT_FALSE(few.WriteExchangeBlock(small.data()));
}

TEST(BarOptions, DamagedExchangeBlockIsReadUpToTheDamage) {
  TempProgramFolder folder("[Common]\n");
  auto block = [](const std::string& body, uint32_t capacity) {
    std::string bytes(reinterpret_cast<const char*>(&capacity), 4);
    bytes += body;
    return std::vector<char>(bytes.begin(), bytes.end());
  };
  using namespace std::string_literals;
  // A key running to the end, a header cut short, a string without its
  // zero, a capacity word far beyond the real block, a kind neither string nor integer.
  std::vector<char> unterminatedKey = block("RctNoRctNo", 14);
  std::vector<char> cutHeader = block("RctNo\0\2\0\0\0"s, 100);
  std::vector<char> unterminatedText = block("Emblem\0\1\0\0\0\0\0\0\0\0\0\0\0abc"s, 100);
  std::vector<char> hugeCapacity = block("Rct", 0xFFFFFFFF);
  std::vector<char> unknownKind = block("RctNo\0\3\0\0\0\0\0\0\0\7\0\0\0\0"s, 100);
  for (const auto& bytes :
       {unterminatedKey, cutHeader, unterminatedText, hugeCapacity, unknownKind}) {
    CBarOptions options(g_settingsFile, "Common");
    EXPECT_FALSE(options.ReadExchangeBlock(bytes.data(), bytes.size()));
  }
}

}  // namespace

TEST(BarOptions, ABlockIsComparedWithTheFileAsSingleReadsSeeIt) {
  TempProgramFolder folder(
      "[Common]\nBlank =  7  \nQuoted=\"abc\"\nSingle='x'\nTwice=1\nTwice=2\nEmpty=\n"
      "CASEKEY=3\nOdd=\"y\n");
  const struct {
    const char* key;
    const char* text;  // nullptr: the integer
    int value;
  } cases[] = {{"Blank", nullptr, 7},   {"Quoted", "abc", 0},  {"Single", "x", 0},
               {"Twice", nullptr, 1},   {"Twice", nullptr, 2}, {"Empty", "", 0},
               {"CaseKey", nullptr, 3}, {"Odd", "\"y", 0},     {"Missing", nullptr, 0}};
  for (const auto& c : cases) {
    // Every key of the block is marked changed on its way from a section the file lacks.
    CBarOptions source(g_settingsFile, "Elsewhere");
    CBarOptions single(g_settingsFile, "Common");
    if (c.text) {
      source.SetString(c.key, c.text);
      single.SetString(c.key, c.text);
    } else {
      source.SetInt(c.key, c.value);
      single.SetInt(c.key, c.value);
    }
    std::vector<char> block = source.BuildExchangeBlock();
    CBarOptions reader(g_settingsFile, "Common");
    ASSERT_TRUE(reader.ReadExchangeBlock(block.data()));
    EXPECT_EQ(reader.ChangedSince(c.key), single.ChangedSince(c.key)) << c.key << c.value;
    EXPECT_EQ(reader.GetString(c.key, ""), single.GetString(c.key, "")) << c.key;
  }
}
