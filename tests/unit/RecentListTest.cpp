#include <gtest/gtest.h>

#include "bar/RecentList.h"

#include <climits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/unit/TempProgramFolder.h"

namespace {
using Strings = std::vector<std::string>;

// Targets whose command names "noicon" have no image; the others get image 7.
struct FakeShell {
  std::set<std::string> gone;  // commands whose targets lost their image since
  RecentTarget operator()(const std::string& command) const {
    RecentTarget target;
    if (command.find("noicon") != std::string::npos || gone.count(command)) return target;
    target.image = 7;
    target.displayName = "name of " + command;
    return target;
  }
};

Strings Commands(const CRecentList& list) {
  Strings commands;
  for (const RecentItem& item : list.Items()) commands.push_back(item.command);
  return commands;
}

// A lookup over a fixed set of keys; missing keys read as empty.
std::function<std::string(const char*)> Keys(const std::map<std::string, std::string>& values) {
  return [values](const char* key) {
    auto found = values.find(key);
    return found == values.end() ? std::string() : found->second;
  };
}

size_t BlockBytes(const Strings& lines) {
  size_t bytes = 1;
  for (const auto& line : lines) bytes += line.size() + 1;
  return bytes;
}
}  // namespace

TEST(RecentList, ARepeatGoesToTheHeadAndTheOldestFallsOffBeyondTheCapacity) {
  CRecentList list{FakeShell{}};
  list.SetCapacity(3);
  for (const char* command : {"x", "y", "z", "x"}) list.Add(command);
  EXPECT_EQ(Commands(list), (Strings{"x", "z", "y"}));
  EXPECT_TRUE(list.IsModified());
  // The head again, in another case: nothing changes at all.
  list.SetModified(false);
  EXPECT_FALSE(list.Add("X"));
  EXPECT_FALSE(list.IsModified());
  EXPECT_TRUE(list.Add("w"));
  EXPECT_EQ(Commands(list), (Strings{"w", "x", "z"}));
  // A repeat in another case keeps one entry, with the case it was launched with last.
  EXPECT_TRUE(list.Add("Z"));
  EXPECT_EQ(Commands(list), (Strings{"Z", "w", "x"}));
}

TEST(RecentList, ATargetWithoutAnImageLeavesTheListAsItWas) {
  CRecentList list{FakeShell{}};
  list.Add("a");
  list.SetModified(false);
  EXPECT_FALSE(list.Add("C:\\noicon.exe"));
  EXPECT_FALSE(list.Add(""));
  EXPECT_EQ(Commands(list), Strings{"a"});
  EXPECT_FALSE(list.IsModified());
}

TEST(RecentList, LoadingStopsAtTheFirstEmptyKeyAndLeavesOutRepeatsAndTargetsWithoutImage) {
  const struct {
    std::map<std::string, std::string> keys;
    int capacity;
    Strings loaded;
  } cases[] = {
      {{{"Btn1", "x"}, {"Btn3", "y"}}, 3, {"x"}},
      {{{"Btn1", "x"}, {"Btn2", ""}, {"Btn3", "y"}}, 3, {"x"}},
      {{{"Btn2", "x"}}, 3, {}},
      {{{"Btn1", "C:\\A.exe"}, {"Btn2", "c:\\a.EXE"}, {"Btn3", "noicon"}, {"Btn4", "b"}},
       5,
       {"C:\\A.exe", "b"}},
      // Only capacity keys are read, whatever they hold.
      {{{"Btn1", "a"}, {"Btn2", "b"}, {"Btn3", "c"}}, 2, {"a", "b"}},
      {{{"Btn1", "a"}, {"Btn2", "a"}, {"Btn3", "c"}}, 2, {"a"}},
  };
  for (const auto& c : cases) {
    CRecentList list{FakeShell{}};
    list.Add("left over");
    list.Load(Keys(c.keys), "Btn%d", c.capacity);
    EXPECT_EQ(Commands(list), c.loaded);
    EXPECT_FALSE(list.IsModified());
  }
}

TEST(RecentList, HandEditedCapacitiesAreBroughtIntoOneTo255) {
  const struct {
    int stored, used;
  } cases[] = {{0, 1},     {-5, 1},     {1, 1},         {3, 3},      {255, 255},
               {256, 255}, {1000, 255}, {INT_MAX, 255}, {INT_MIN, 1}};
  std::map<std::string, std::string> thousand;
  for (int n = 1; n <= 1000; ++n) thousand["Btn" + std::to_string(n)] = "C:\\" + std::to_string(n);
  for (const auto& c : cases) {
    EXPECT_EQ(CRecentList::ClampCapacity(c.stored), c.used) << c.stored;
    CRecentList list{FakeShell{}};
    list.Load(Keys(thousand), "Btn%d", c.stored);
    EXPECT_EQ(list.Count(), c.used) << c.stored;
    EXPECT_EQ(list.Capacity(), c.used);
  }
}

TEST(RecentList, LongCommandsNeverTakeTheSectionPast32767BytesAndLeaveOutTheOldestWhole) {
  CRecentList list{FakeShell{}};
  list.SetCapacity(255);
  // 255 commands of 250 bytes would need some 66,000 bytes.
  for (int n = 255; n >= 1; --n) {
    std::string command = std::to_string(n) + ":";
    command.resize(250, 'a' + n % 26);
    ASSERT_TRUE(list.Add(command));
  }
  ASSERT_EQ(list.Count(), 255);
  Strings lines = list.SectionLines("Btn%d");
  EXPECT_LE(BlockBytes(lines), CRecentList::kSectionLimit);
  size_t kept = lines.size() - 1;
  EXPECT_GT(kept, 100u);
  EXPECT_LT(kept, 255u);
  // The newest entries are kept, whole and in order, then the key after them ends the list.
  for (size_t i = 0; i < kept; ++i)
    EXPECT_EQ(lines[i], "Btn" + std::to_string(i + 1) + "=" + list.Items()[i].command);
  EXPECT_EQ(lines.back(), "Btn" + std::to_string(kept + 1) + "=");
  // One entry more would not have fitted with its terminator.
  std::string next = "Btn" + std::to_string(kept + 1) + "=" + list.Items()[kept].command;
  std::string end = "Btn" + std::to_string(kept + 2) + "=";
  EXPECT_GT(BlockBytes(lines) - lines.back().size() - 1 + next.size() + 1 + end.size() + 1,
            CRecentList::kSectionLimit);
}

TEST(RecentList, ASectionOfExactlyTheLimitIsKeptWhole) {
  CRecentList list{FakeShell{}};
  // "Btn1=" + command + NUL, "Btn2=" + NUL, final NUL: 5 + n + 1 + 5 + 1 + 1 = 32767.
  std::string command(32767 - 13, 'q');
  ASSERT_TRUE(list.Add(command));
  Strings lines = list.SectionLines("Btn%d");
  EXPECT_EQ(BlockBytes(lines), CRecentList::kSectionLimit);
  EXPECT_EQ(lines.size(), 2u);
  command += 'q';
  list.Clear();
  ASSERT_TRUE(list.Add(command));
  EXPECT_EQ(list.SectionLines("Btn%d"), Strings{"Btn1="});
}

TEST(RecentList, ItemsAreSquaresAfterTheHandleAndTheOpenStripEndsAtTheLastOne) {
  CRecentList list{FakeShell{}};
  list.SetCapacity(5);
  EXPECT_EQ(list.NeededLength(), 0);
  for (const char* command : {"c", "b", "a"}) list.Add(command);
  list.Place(20, true);
  EXPECT_EQ(list.Items()[0].rect.left, 3);
  EXPECT_EQ(list.Items()[2].rect.left, 43);
  EXPECT_EQ(list.Items()[2].rect.right, 63);
  EXPECT_EQ(list.Items()[2].rect.bottom, 20);
  EXPECT_EQ(list.NeededLength(), 63);
  EXPECT_EQ(list.HitTest(POINT{1, 5}), -1);  // the handle
  EXPECT_EQ(list.HitTest(POINT{3, 0}), 0);
  EXPECT_EQ(list.HitTest(POINT{42, 19}), 1);
  EXPECT_EQ(list.HitTest(POINT{63, 5}), -1);
  list.Place(16, false);
  EXPECT_EQ(list.NeededLength(), 3 + 3 * 16);
  EXPECT_EQ(list.HitTest(POINT{5, 20}), 1);
  // A new item takes the same slots.
  list.Add("d");
  EXPECT_EQ(list.NeededLength(), 3 + 4 * 16);
  EXPECT_EQ(list.Items()[3].rect.top, 3 + 3 * 16);
}

TEST(RecentList, RefreshDropsTargetsThatLostTheirImage) {
  FakeShell shell;
  CRecentList list{[&shell](const std::string& command) { return shell(command); }};
  for (const char* command : {"c", "b", "a"}) list.Add(command);
  list.SetModified(false);
  EXPECT_FALSE(list.Refresh());
  EXPECT_FALSE(list.IsModified());
  shell.gone.insert("b");
  EXPECT_TRUE(list.Refresh());
  EXPECT_EQ(Commands(list), (Strings{"a", "c"}));
  EXPECT_TRUE(list.IsModified());
}

TEST(RecentList, KeyNamesTakeOnlyTheNumber) {
  EXPECT_EQ(CRecentList::KeyName("Btn%d", 12), "Btn12");
  EXPECT_EQ(CRecentList::KeyName("%d.Item", 3), "3.Item");
  // A format with anything else is never handed to a printf.
  EXPECT_EQ(CRecentList::KeyName("%s%n", 1), "%s%n1");
}

TEST(RecentList, TheShellGivesNoImageForAPathThatDoesNotExist) {
  TempProgramFolder folder;
  folder.WriteRaw("");  // the settings file: exists, any type
  RecentTarget present = DescribeRecentTarget(folder.IniPath());
  EXPECT_GE(present.image, 0);
  EXPECT_FALSE(present.displayName.empty());
  RecentTarget missing = DescribeRecentTarget(folder.Folder() + "missing\\nothing.exe");
  EXPECT_LT(missing.image, 0);
  EXPECT_LT(DescribeRecentTarget(std::string(400, 'x')).image, 0);
  // The real shell behind the list: a missing target is not added.
  CRecentList list;
  EXPECT_TRUE(list.Add(folder.IniPath()));
  EXPECT_FALSE(list.Add(folder.Folder() + "missing\\nothing.exe"));
  EXPECT_EQ(list.Count(), 1);
}
