#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "core/TabListSnapshot.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

struct Entry {
  std::string name;
  uint32_t number;
  std::vector<std::string> commands;
};

// Reads one sequence from at; at ends past its empty name.
std::vector<Entry> ReadSequence(const char*& at) {
  std::vector<Entry> entries;
  while (*at) {
    Entry entry;
    entry.name = at;
    at += entry.name.size() + 1;
    std::memcpy(&entry.number, at, 4);
    at += 4;
    const char* commands = nullptr;
    std::memcpy(&commands, at, sizeof commands);
    at += sizeof commands;
    for (const char* c = commands; *c; c += std::strlen(c) + 1) entry.commands.push_back(c);
    entries.push_back(entry);
  }
  ++at;
  return entries;
}

class TabListSnapshotTest : public ::testing::Test {
 protected:
  void SetUp() override { g_barOptions.Clear(); }
  void TearDown() override { g_barOptions.Clear(); }
};

TEST_F(TabListSnapshotTest, SnapshotsHoldNamesNumbersAndCommandsOfEachKind) {
  TempProgramFolder folder(
      "[Common]\nTrans=10\n[Order]\n4=1\n2=1\n9=-1\n"
      "[Tab4]\nNo=3\nDesc=Work\nBtn1=C:\\a.exe|4\nBtn2=/\nBtn3=*\n"
      "[Tab2]\nNo=1\nDesc=空\n[Tab9]\nNo=1\nDesc=Hidden\nBtn1=&#17\n");
  CTabDataList model;
  model.LoadAll();
  CTabListSnapshots snapshots;

  const char* at = reinterpret_cast<const char*>(snapshots.Answer(model, 0, 0));
  ASSERT_NE(at, nullptr);
  std::vector<Entry> visible = ReadSequence(at);
  ASSERT_EQ(visible.size(), 2u);
  EXPECT_EQ(visible[0].name, "Work");
  EXPECT_EQ(visible[0].number, 4u);
  EXPECT_EQ(visible[0].commands, (std::vector<std::string>{"C:\\a.exe", "/", "*"}));
  EXPECT_EQ(visible[1].name, "空");
  EXPECT_EQ(visible[1].commands, std::vector<std::string>{"*"});

  const char* both = reinterpret_cast<const char*>(snapshots.Answer(model, 0, 1));
  at = both;
  EXPECT_EQ(ReadSequence(at).size(), 2u);
  std::vector<Entry> hidden = ReadSequence(at);
  ASSERT_EQ(hidden.size(), 1u);
  EXPECT_EQ(hidden[0].number, 9u);
  EXPECT_EQ(hidden[0].commands, std::vector<std::string>{"&#17"});
  EXPECT_EQ(*at, '\0');

  at = reinterpret_cast<const char*>(snapshots.Answer(model, 0, 2));
  ASSERT_NE(at, nullptr);
  EXPECT_EQ(ReadSequence(at)[0].name, "Hidden");
  EXPECT_EQ(snapshots.GetOutstandingCount(), 3u);
}

TEST_F(TabListSnapshotTest, HiddenKindWithoutHiddenTabsAndForeignRequestsGiveNothing) {
  TempProgramFolder folder("[Common]\nTrans=10\n[Order]\n1=1\n[Tab1]\nNo=1\nDesc=Only\n");
  CTabDataList model;
  model.LoadAll();
  CTabListSnapshots snapshots;
  EXPECT_EQ(snapshots.Answer(model, 0, 2), 0);
  EXPECT_EQ(snapshots.Answer(model, 0, 3), 0);
  EXPECT_EQ(snapshots.Answer(model, 0, -1), 0);
  EXPECT_EQ(snapshots.Answer(model, 7, 0), 0);

  // Without hidden tabs the second sequence of kind 1 is empty.
  const char* at = reinterpret_cast<const char*>(snapshots.Answer(model, 0, 1));
  ASSERT_NE(at, nullptr);
  EXPECT_EQ(ReadSequence(at).size(), 1u);
  EXPECT_TRUE(ReadSequence(at).empty());
  EXPECT_EQ(*at, '\0');
}

TEST_F(TabListSnapshotTest, OnlySnapshotsHandedOutAreFreedAndOnlyOnce) {
  TempProgramFolder folder("[Common]\nTrans=10\n[Order]\n1=1\n[Tab1]\nNo=1\nDesc=Only\n");
  CTabDataList model;
  model.LoadAll();
  CTabListSnapshots snapshots;
  LRESULT address = snapshots.Answer(model, 0, 0);
  char local = 0;
  EXPECT_EQ(snapshots.Answer(model, 1, reinterpret_cast<LPARAM>(&local)), 0);
  EXPECT_EQ(snapshots.Answer(model, 1, 0), 0);
  EXPECT_EQ(snapshots.Answer(model, 1, address + 1), 0);
  EXPECT_EQ(snapshots.GetOutstandingCount(), 1u);
  EXPECT_NE(snapshots.Answer(model, 1, address), 0);
  EXPECT_EQ(snapshots.Answer(model, 1, address), 0);
  EXPECT_EQ(snapshots.GetOutstandingCount(), 0u);
}

}  // namespace
