#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ButtonRecord.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TabDataList.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

class TabDataListTest : public ::testing::Test {
 protected:
  // The option cache is global; each test reads its own [Common].
  void SetUp() override { g_barOptions.Clear(); }
  void TearDown() override { g_barOptions.Clear(); }
};

std::vector<uint32_t> Numbers(const CTabDataList* list) {
  std::vector<uint32_t> numbers;
  if (list == nullptr) return numbers;
  for (const auto& tab : list->GetTabs()) numbers.push_back(tab->m_number);
  return numbers;
}

std::vector<std::string> Names(const CTabDataList* list) {
  std::vector<std::string> names;
  if (list == nullptr) return names;
  for (const auto& tab : list->GetTabs()) names.push_back(tab->m_name);
  return names;
}

std::vector<std::string> Records(const CTabData& tab) {
  std::vector<std::string> records;
  for (const auto& button : tab.m_buttons) records.push_back(FormatButtonRecord(*button));
  return records;
}

std::unique_ptr<CTabData> Fresh(const char* name, uint32_t number) {
  return std::make_unique<CTabData>(name, number);
}

using Strings = std::vector<std::string>;
using Numbers_ = std::vector<uint32_t>;

TEST_F(TabDataListTest, TabNameStringCarriesTheNumber) {
  EXPECT_EQ(DefaultTabName(8), "タブ8");
  EXPECT_EQ(DefaultTabName(4294967295u), "タブ4294967295");
}

TEST_F(TabDataListTest, MissingOrCommentOnlyOrderGivesTabOneWithNewBtnNumBlanks) {
  const char* files[] = {
      "[Common]\nNewBtnNum=3\n",
      "[Common]\nNewBtnNum=3\n[Order]\n;1=1\n; just a remark\n",
      "[Common]\nNewBtnNum=3\n[Order]\n0=1\n4=0\n5=\n",
  };
  for (const char* text : files) {
    TempProgramFolder folder(text);
    g_barOptions.Clear();
    CTabDataList list;
    list.LoadAll();
    ASSERT_EQ(list.GetCount(), 1) << text;
    EXPECT_EQ(list.GetTab(0)->m_number, 1u);
    EXPECT_EQ(list.GetTab(0)->m_name, "タブ1");
    EXPECT_EQ(list.GetTab(0)->m_color, kDefaultColor);
    EXPECT_EQ(Records(*list.GetTab(0)), (Strings{"*", "*", "*"}));
    EXPECT_EQ(list.GetHiddenList(), nullptr);
    EXPECT_FALSE(list.IsModified());
    // Nothing is written for the made-up tab.
    EXPECT_EQ(folder.Get("Tab1", "No"), "\x01");
  }
}

TEST_F(TabDataListTest, MadeUpTabOneTakesLeftoverButtonsAndIsWrittenAtTheNextSave) {
  TempProgramFolder folder("[Order]\n1=-1\n[Tab2]\nDesc=Old\nNo=1\nBtn1=a.exe\n");
  CTabDataList list;
  list.LoadAll();
  // Tab 1 is hidden, so the made-up visible tab takes the next number.
  ASSERT_EQ(list.GetCount(), 1);
  EXPECT_EQ(list.GetTab(0)->m_number, 2u);
  EXPECT_EQ(list.GetTab(0)->m_name, "タブ2");
  EXPECT_EQ(Records(*list.GetTab(0)), (Strings{"a.exe"}));
  list.SetModified();
  ASSERT_TRUE(list.SaveAll());
  EXPECT_EQ(folder.Get("Tab2", "Desc"), "タブ2");
  EXPECT_EQ(g_settingsFile.ReadSection("Order"), (Strings{"2=1", "1=-1"}));
}

TEST_F(TabDataListTest, OrderLinesGiveVisibleAndHiddenTabsInOrder) {
  TempProgramFolder folder(
      "[Order]\n3=1\n1=-1\n2=5\n0=1\n4=0\n-2=1\nabc=1\n6=abc\n7=\n"
      "[Tab3]\nDesc=Three\n[Tab1]\nDesc=One\n[Tab2]\nDesc=Two\n");
  CTabDataList list;
  list.LoadAll();
  EXPECT_EQ(Numbers(&list), (Numbers_{3, 2}));
  EXPECT_EQ(Names(&list), (Strings{"Three", "Two"}));
  EXPECT_EQ(Numbers(list.GetHiddenList()), (Numbers_{1}));
  EXPECT_EQ(Names(list.GetHiddenList()), (Strings{"One"}));
}

TEST_F(TabDataListTest, OrderLineWithoutEqualsOrRepeatedNumberIsSkipped) {
  // A stray line must not hide every tab after it (they would vanish from
  // [Order] at the next save), and a number listed twice must not give two
  // tabs that share one section.
  TempProgramFolder folder("[Order]\n1=1\ngarbage\n2=1\n1=1\n1=-1\n3=1\n");
  CTabDataList list;
  list.LoadAll();
  EXPECT_EQ(Numbers(&list), (Numbers_{1, 2, 3}));
  EXPECT_EQ(list.GetHiddenList(), nullptr);
}

TEST_F(TabDataListTest, OrderLongerThanOneKilobyteIsReadWhole) {
  std::string text = "[Order]\n";
  for (int n = 1; n <= 400; ++n) text += std::to_string(n) + "=1\n";
  TempProgramFolder folder(text);
  CTabDataList list;
  list.LoadAll();
  ASSERT_EQ(list.GetCount(), 400);
  EXPECT_EQ(list.GetTab(399)->m_number, 400u);
}

TEST_F(TabDataListTest, TabSectionGivesNameColoursAndCells) {
  TempProgramFolder folder(
      "[Common]\nNewBtnNum=2\n"
      "[Order]\n1=1\n2=1\n3=1\n"
      "[Tab1]\nNo=5\nDesc=Tools\nColor=255\nTxtColor=4278190335\n"
      "Btn1=C:\\a.exe|4\nBtn2=/\nBtn3=\nBtn5=x.exe|2/1/5\n"
      "[Tab2]\nDesc=\nColor=abc\n"
      "[Tab3]\nNo=0\n");
  CTabDataList list;
  list.LoadAll();
  const CTabData& tools = *list.GetTab(0);
  EXPECT_EQ(tools.m_name, "Tools");
  EXPECT_EQ(tools.m_color, 255u);
  EXPECT_EQ(tools.m_textColor, 0xFF0000FFu);
  // Btn3 is empty and Btn4 missing: both blank cells.
  EXPECT_EQ(Records(tools), (Strings{"C:\\a.exe|4", "/", "*", "*", "x.exe|2/1/5/2/0"}));
  // No name, unreadable colour, no No: string 129, default colour, NewBtnNum cells.
  const CTabData& empty = *list.GetTab(1);
  EXPECT_EQ(empty.m_name, "タブ2");
  EXPECT_EQ(empty.m_color, kDefaultColor);
  EXPECT_EQ(Records(empty), (Strings{"*", "*"}));
  EXPECT_EQ(list.GetTab(2)->GetButtonCount(), 0);
}

TEST_F(TabDataListTest, SaveAllWritesOrderAndWholeSectionsAndLoadsBackTheSame) {
  TempProgramFolder folder(
      "[Order]\n2=1\n5=-1\n1=1\n"
      "[Tab1]\nNo=2\nDesc=One\nBtn1=a.exe\nBtn2=b.exe|1\n"
      "[Tab2]\nNo=1\nDesc=Two\nColor=255\nBtn1=/\nStray=x\nBtn7=old\n"
      "[Tab5]\nNo=1\nDesc=Five\nBtn1=c.exe|/0/255/2/0\n");
  CTabDataList list;
  list.LoadAll();
  list.InsertButton(*list.GetTab(0), -1, false);
  list.GetHiddenList()->GetTab(0)->m_color = 0x0100000F;
  list.SetModified();
  ASSERT_TRUE(list.SaveAll());
  EXPECT_FALSE(list.IsModified());
  EXPECT_EQ(g_settingsFile.ReadSection("Order"), (Strings{"2=1", "1=1", "5=-1"}));
  // Changed sections are rewritten whole: stray keys are gone.
  EXPECT_EQ(g_settingsFile.ReadSection("Tab2"),
            (Strings{"No=2", "Desc=Two", "Color=255", "TxtColor=33554432", "Btn1=/", "Btn2=*"}));
  EXPECT_EQ(g_settingsFile.ReadSection("Tab5"), (Strings{"No=1", "Desc=Five", "Color=16777231",
                                                 "TxtColor=33554432", "Btn1=c.exe|/0/255/2/0"}));
  // An unchanged tab's section is left as it is: it already reads back as the model.
  EXPECT_EQ(g_settingsFile.ReadSection("Tab1"),
            (Strings{"No=2", "Desc=One", "Btn1=a.exe", "Btn2=b.exe|1"}));

  CTabDataList again;
  again.LoadAll();
  EXPECT_EQ(Numbers(&again), (Numbers_{2, 1}));
  EXPECT_EQ(Names(again.GetHiddenList()), (Strings{"Five"}));
  EXPECT_EQ(again.GetHiddenList()->GetTab(0)->m_color, 0x0100000Fu);
  EXPECT_EQ(Records(*again.GetTab(0)), (Strings{"/", "*"}));
  EXPECT_EQ(Records(*again.GetTab(1)), (Strings{"a.exe", "b.exe|1"}));
}

TEST_F(TabDataListTest, SectionsOfNewAndCopiedTabsAreWrittenAtSave) {
  TempProgramFolder folder("[Order]\n1=1\n[Tab1]\nNo=1\nDesc=One\nBtn1=a.exe\n");
  CTabDataList list;
  list.LoadAll();
  list.NewTab(-1);
  list.CopyTab(-1, 0, false);
  // Moved between the lists, a tab keeps its section as the file holds it.
  CTabDataList::TabVector hidden;
  hidden.push_back(Fresh("One", 1));
  CTabDataList::TabVector copy = list.CloneTabs();
  CTabDataList::TabVector shown;
  shown.push_back(Fresh("タブ2", 2));
  shown.push_back(Fresh("タブ3", 3));
  list.ApplyTabOrder(std::move(shown));
  list.ApplyHiddenTabs(std::move(hidden), copy);
  ASSERT_TRUE(list.SaveAll());
  EXPECT_EQ(g_settingsFile.ReadSection("Order"), (Strings{"2=1", "3=1", "1=-1"}));
  EXPECT_EQ(folder.Get("Tab2", "No"), "1");
  EXPECT_EQ(folder.Get("Tab3", "Btn1"), "a.exe");
  EXPECT_EQ(folder.Get("Tab1", "Btn1"), "a.exe");
}

TEST_F(TabDataListTest, SavingWithoutAnEditWritesNothing) {
  TempProgramFolder folder("[Order]\n1=1\n[Tab1]\nNo=1\nBtn1=a.exe\n");
  CTabDataList list;
  list.LoadAll();
  ::DeleteFileA(folder.IniPath().c_str());
  EXPECT_TRUE(list.SaveAll());
  EXPECT_FALSE(folder.IniExists());

  list.SetButton(*list.GetTab(0), 0, "b.exe");
  EXPECT_TRUE(list.SaveAll());
  EXPECT_EQ(folder.Get("Tab1", "Btn1"), "b.exe");
  // The second save finds nothing modified.
  ::DeleteFileA(folder.IniPath().c_str());
  EXPECT_TRUE(list.SaveAll());
  EXPECT_FALSE(folder.IniExists());
}

TEST_F(TabDataListTest, FailedSaveKeepsTheModelModified) {
  TempProgramFolder folder("[Order]\n1=1\n");
  CTabDataList list;
  list.LoadAll();
  list.SetModified();
  g_settingsFile.SetPath(folder.Folder() + "no such folder\\Kestrel.ini");
  EXPECT_FALSE(list.SaveAll());
  EXPECT_TRUE(list.IsModified());
  g_settingsFile.SetPath(folder.IniPath());
  EXPECT_TRUE(list.SaveAll());
  EXPECT_FALSE(list.IsModified());
}

TEST_F(TabDataListTest, TabLargerThanTheOldSectionLimitKeepsEveryButton) {
  TempProgramFolder folder("[Order]\n1=1\n");
  CTabDataList list;
  list.LoadAll();
  CTabData& tab = *list.GetTab(0);
  const std::string folderPath = "C:\\" + std::string(200, 'p') + "\\";
  for (int i = 0; i < 1000; ++i) {
    int at = list.InsertButton(tab, -1, false);
    list.SetButton(tab, at, (folderPath + std::to_string(i) + ".exe|4").c_str());
  }
  ASSERT_TRUE(list.SaveAll());
  EXPECT_GT(folder.ReadIni().size(), 200000u);

  CTabDataList again;
  again.LoadAll();
  ASSERT_EQ(again.GetTab(0)->GetButtonCount(), 1001);
  EXPECT_EQ(FormatButtonRecord(*again.GetTab(0)->m_buttons[1000]), folderPath + "999.exe|4");
}

TEST_F(TabDataListTest, CellEditsFollowTheirIndexRules) {
  TempProgramFolder folder("[Order]\n1=1\n[Tab1]\nNo=1\nBtn1=a.exe\n");
  CTabDataList list;
  list.LoadAll();
  CTabData& tab = *list.GetTab(0);

  // The last cell is never deleted; out-of-range indices change nothing.
  EXPECT_EQ(list.DeleteButton(tab, 0), 0);
  EXPECT_EQ(list.DeleteButton(tab, -1), 0);
  EXPECT_EQ(list.DeleteButton(tab, 1), 0);
  EXPECT_EQ(Records(tab), (Strings{"a.exe"}));
  EXPECT_TRUE(list.IsModified());

  EXPECT_EQ(list.InsertButton(tab, -1, false), 1);
  EXPECT_EQ(list.InsertButton(tab, 7, true), 2);
  EXPECT_EQ(list.InsertButton(tab, 0, true), 0);
  EXPECT_EQ(Records(tab), (Strings{"/", "a.exe", "*", "/"}));

  EXPECT_EQ(list.SetButton(tab, 2, "b.exe|4"), 1);
  EXPECT_EQ(list.SetButton(tab, 1, nullptr), 1);
  EXPECT_EQ(list.SetButton(tab, 3, ""), 1);
  EXPECT_EQ(list.SetButton(tab, 4, "c.exe"), 0);
  EXPECT_EQ(list.SetButton(tab, -1, "c.exe"), 0);
  EXPECT_EQ(Records(tab), (Strings{"/", "*", "b.exe|4", "*"}));

  EXPECT_EQ(list.DeleteButton(tab, 0), 1);
  EXPECT_EQ(Records(tab), (Strings{"*", "b.exe|4", "*"}));
}

TEST_F(TabDataListTest, FindAndSelectCompareNamesIgnoringCase) {
  TempProgramFolder folder("[Order]\n1=1\n2=1\n[Tab1]\nDesc=Games\n[Tab2]\nDesc=Tools\n");
  CTabDataList list;
  list.LoadAll();
  EXPECT_EQ(list.FindTab("tools"), 1);
  EXPECT_EQ(list.FindTab("GAMES"), 0);
  EXPECT_EQ(list.FindTab("Tool"), -1);
  EXPECT_EQ(list.GetCurrentTab(), nullptr);
  EXPECT_EQ(list.SelectTab(1), 1);
  EXPECT_EQ(list.GetCurrentTab(), list.GetTab(1));
  EXPECT_EQ(list.SelectTab(2), 0);
  EXPECT_EQ(list.GetCurrentTab(), list.GetTab(1));
  list.SetCurrentTabName("TOOLS");  // same name ignoring case: kept as it was
  EXPECT_EQ(list.GetCurrentTabName(), "Tools");
  EXPECT_FALSE(list.IsModified());
}

TEST_F(TabDataListTest, NamesFoldAsciiAndFullWidthLettersButNeverSplitADoubleByteCharacter) {
  if (::GetACP() != 932) GTEST_SKIP() << "needs the Japanese code page";
  const struct {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      // 0x83 0x41 and 0x83 0x61 are two different katakana; folding their second bytes as
      // letters would make them equal.
      {"\x83\x41", "\x83\x61", false},
      {"\x83\x41x", "\x83\x41X", true},
      {"タブa", "タブA", true},
      {"Ｍａｉｎ", "ＭＡＩＮ", true},
      {"Ｍａｉｎ", "Main", false},
      // A full-width capital's trail byte shifted does not make another character equal.
      {"\x82\x60", "\x82\x81", true},
      {"\x82\x7A", "\x82\x9B", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TabNamesEqual(c.a, c.b), c.equal) << c.a << " / " << c.b;
  }
}

TEST_F(TabDataListTest, ATabListedWithoutASectionGetsOneAtTheNextSave) {
  TempProgramFolder folder(
      "[Common]\nNewBtnNum=2\n[Order]\n1=1\n2=1\n3=-1\n[Tab1]\nNo=1\nDesc=One\nBtn1=a.exe\n");
  CTabDataList list;
  list.LoadAll();
  list.RenameTab(0, "Uno");
  ASSERT_TRUE(list.SaveAll());
  for (const char* section : {"Tab2", "Tab3"}) {
    EXPECT_EQ(g_settingsFile.ReadString(section, "No", ""), "2") << section;
    EXPECT_EQ(g_settingsFile.ReadString(section, "Btn2", ""), "*") << section;
  }
}

TEST_F(TabDataListTest, NewTabTakesTheNextNumberAndWipesItsOldSection) {
  TempProgramFolder folder(
      "[Common]\nNewBtnNum=2\n[Order]\n1=1\n2=1\n7=-1\n"
      "[Tab8]\nNo=3\nDesc=Leftover\nBtn1=old.exe\n");
  CTabDataList list;
  list.LoadAll();
  EXPECT_EQ(list.GetMaxTabNumber(), 7u);
  EXPECT_EQ(list.NewTab(1), 1);
  const CTabData& tab = *list.GetTab(1);
  EXPECT_EQ(tab.m_number, 8u);
  EXPECT_EQ(tab.m_name, "タブ8");
  EXPECT_EQ(Records(tab), (Strings{"*", "*"}));
  EXPECT_EQ(g_settingsFile.ReadSection("Tab8"), Strings{});
  EXPECT_TRUE(list.IsModified());
  // Appended when the index is not below the count.
  EXPECT_EQ(list.NewTab(99), 3);
  EXPECT_EQ(Numbers(&list), (Numbers_{1, 8, 2, 9}));
}

TEST_F(TabDataListTest, CopyTabMakesAnIndependentCopyWithANewNumberAndName) {
  TempProgramFolder folder(
      "[Order]\n1=1\n3=1\n[Tab3]\nNo=2\nDesc=Src\nColor=255\nTxtColor=16711680\n"
      "Btn1=a.exe|4\nBtn2=/\n");
  CTabDataList list;
  list.LoadAll();
  EXPECT_EQ(list.CopyTab(0, 1, false), 0);
  const CTabData& copy = *list.GetTab(0);
  EXPECT_EQ(copy.m_number, 4u);
  EXPECT_EQ(copy.m_name, "タブ4");
  EXPECT_EQ(copy.m_color, 255u);
  EXPECT_EQ(copy.m_textColor, 16711680u);
  EXPECT_EQ(Records(copy), (Strings{"a.exe|4", "/"}));
  list.SetButton(*list.GetTab(2), 0, "changed.exe");
  EXPECT_EQ(Records(copy), (Strings{"a.exe|4", "/"}));
  EXPECT_EQ(list.CopyTab(0, 5, false), -1);
}

TEST_F(TabDataListTest, MovingATabPutsTheSameTabBeforeTheDestination) {
  struct MoveCase {
    int destination, source, placedAt;
    Numbers_ order;
  };
  const MoveCase cases[] = {
      {0, 2, 0, {3, 1, 2, 4}}, {3, 0, 2, {2, 3, 1, 4}}, {-1, 1, 3, {1, 3, 4, 2}},
      {9, 0, 3, {2, 3, 4, 1}}, {1, 1, 1, {1, 2, 3, 4}}, {2, 1, 1, {1, 2, 3, 4}},
  };
  for (const auto& c : cases) {
    TempProgramFolder folder("[Order]\n1=1\n2=1\n3=1\n4=1\n");
    CTabDataList list;
    list.LoadAll();
    CTabData* moving = list.GetTab(c.source);
    EXPECT_EQ(list.CopyTab(c.destination, c.source, true), c.placedAt);
    EXPECT_EQ(Numbers(&list), c.order);
    EXPECT_EQ(list.GetTab(c.placedAt), moving);
  }
}

TEST_F(TabDataListTest, RemoveAndDetachTakeTheTabOut) {
  TempProgramFolder folder("[Order]\n1=1\n2=1\n3=1\n");
  CTabDataList list;
  list.LoadAll();
  EXPECT_EQ(list.RemoveTab(3), 0);
  EXPECT_EQ(list.RemoveTab(1), 1);
  EXPECT_EQ(Numbers(&list), (Numbers_{1, 3}));
  std::unique_ptr<CTabData> kept = list.DetachTab(0);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->m_number, 1u);
  EXPECT_EQ(list.AddTab(std::move(kept)), 1);
  EXPECT_EQ(Numbers(&list), (Numbers_{3, 1}));
}

TEST_F(TabDataListTest, RenameCarriesLastActiveTabAndTheCurrentTabAlong) {
  TempProgramFolder folder(
      "[Common]\nLastActiveTab=a\n[Order]\n1=1\n2=1\n[Tab1]\nDesc=A\n[Tab2]\nDesc=AB\n");
  CTabDataList list;
  list.LoadAll();
  list.SelectTab(0);
  EXPECT_EQ(list.RenameTab(0, "B"), 1);
  EXPECT_EQ(list.GetTab(0)->m_name, "B");
  EXPECT_EQ(g_barOptions.GetString("LastActiveTab", ""), "B");
  EXPECT_EQ(list.GetCurrentTab(), list.GetTab(0));

  // A change of case alone is stored but is no rename elsewhere.
  EXPECT_EQ(list.RenameTab(1, "ab"), 1);
  EXPECT_EQ(list.GetTab(1)->m_name, "ab");
  EXPECT_EQ(g_barOptions.GetString("LastActiveTab", ""), "B");
  // Never nameless; out of range changes nothing.
  EXPECT_EQ(list.RenameTab(1, ""), 0);
  EXPECT_EQ(list.RenameTab(2, "C"), 0);
  EXPECT_EQ(Names(&list), (Strings{"B", "ab"}));
}

TEST_F(TabDataListTest, ApplyTabOrderKeepsTabsRenamesCreatesAndDrops) {
  TempProgramFolder folder(
      "[Common]\nNewBtnNum=1\nLastActiveTab=two\n[Order]\n1=1\n2=1\n3=1\n9=-1\n"
      "[Tab1]\nDesc=One\nNo=1\nBtn1=one.exe\n[Tab2]\nDesc=Two\nNo=1\nBtn1=two.exe\n"
      "[Tab3]\nDesc=Three\n[Tab9]\nDesc=Nine\n[Tab10]\nNo=4\nDesc=Leftover\n");
  CTabDataList list;
  list.LoadAll();
  list.SelectTab(1);
  CTabData* two = list.GetTab(1);

  CTabDataList::TabVector edited;
  edited.push_back(Fresh("Second", 2));
  edited.push_back(Fresh("Added", 0));
  edited.push_back(Fresh("One", 1));
  edited.push_back(Fresh("Dup", 2));     // repeated: skipped
  edited.push_back(Fresh("Ghost", 42));  // unknown: skipped
  EXPECT_EQ(list.ApplyTabOrder(std::move(edited)), 3);

  EXPECT_EQ(Numbers(&list), (Numbers_{2, 10, 1}));
  EXPECT_EQ(Names(&list), (Strings{"Second", "Added", "One"}));
  EXPECT_EQ(list.GetTab(0), two);  // the very tab, with its buttons
  EXPECT_EQ(Records(*list.GetTab(0)), (Strings{"two.exe"}));
  EXPECT_EQ(Records(*list.GetTab(1)), (Strings{"*"}));
  EXPECT_EQ(g_settingsFile.ReadSection("Tab10"), Strings{});
  EXPECT_EQ(g_barOptions.GetString("LastActiveTab", ""), "Second");
  EXPECT_EQ(list.GetCurrentTab(), two);
  EXPECT_EQ(Numbers(list.GetHiddenList()), (Numbers_{9}));
  EXPECT_TRUE(list.IsModified());
}

TEST_F(TabDataListTest, DeletingEveryTabInTheOrderDialogLeavesOneFreshTab) {
  TempProgramFolder folder("[Common]\nNewBtnNum=2\n[Order]\n1=1\n4=1\n[Tab4]\nNo=1\nBtn1=a.exe\n");
  CTabDataList list;
  list.LoadAll();
  CTabDataList::TabVector edited;
  edited.push_back(Fresh("Ghost", 42));
  EXPECT_EQ(list.ApplyTabOrder(std::move(edited)), 1);
  EXPECT_EQ(list.GetTab(0)->m_number, 5u);
  EXPECT_EQ(list.GetTab(0)->m_name, "タブ5");
  EXPECT_EQ(Records(*list.GetTab(0)), (Strings{"*", "*"}));
}

TEST_F(TabDataListTest, ShowHideMovesTabsBetweenTheListsWithTheirButtons) {
  TempProgramFolder folder(
      "[Order]\n1=1\n2=1\n3=1\n5=-1\n6=-1\n"
      "[Tab2]\nDesc=Two\nNo=2\nBtn1=two.exe\nBtn2=/\n[Tab5]\nDesc=Five\nNo=1\nBtn1=five.exe\n"
      "[Tab6]\nDesc=Six\n");
  CTabDataList list;
  list.LoadAll();
  CTabData* five = list.GetHiddenList()->GetTab(0);

  // Shown: 1, 6 (was hidden), a new tab; hidden: 5, 2 (was visible, renamed), a new tab.
  CTabDataList::TabVector copy = list.CloneTabs();
  CTabDataList::TabVector shown;
  shown.push_back(Fresh("タブ1", 1));
  shown.push_back(Fresh("Six", 6));
  shown.push_back(Fresh("NewShown", 0));
  EXPECT_EQ(list.ApplyTabOrder(std::move(shown)), 3);
  CTabDataList::TabVector hidden;
  hidden.push_back(Fresh("Five", 5));
  hidden.push_back(Fresh("Deux", 2));
  hidden.push_back(Fresh("NewHidden", 0));
  hidden.push_back(Fresh("Six", 6));  // visible now: cannot be hidden too
  EXPECT_EQ(list.ApplyHiddenTabs(std::move(hidden), copy), 3);

  EXPECT_EQ(Numbers(&list), (Numbers_{1, 6, 7}));
  EXPECT_EQ(Numbers(list.GetHiddenList()), (Numbers_{5, 2, 8}));
  EXPECT_EQ(list.GetHiddenList()->GetTab(0), five);
  const CTabData& two = *list.GetHiddenList()->GetTab(1);
  EXPECT_EQ(two.m_name, "Deux");
  EXPECT_EQ(Records(two), (Strings{"two.exe", "/"}));

  ASSERT_TRUE(list.SaveAll());
  EXPECT_EQ(g_settingsFile.ReadSection("Order"), (Strings{"1=1", "6=1", "7=1", "5=-1", "2=-1", "8=-1"}));

  // An empty hidden result removes the hidden list.
  EXPECT_EQ(list.ApplyHiddenTabs({}, list.CloneTabs()), 0);
  EXPECT_EQ(list.GetHiddenList(), nullptr);
  ASSERT_TRUE(list.SaveAll());
  EXPECT_EQ(g_settingsFile.ReadSection("Order"), (Strings{"1=1", "6=1", "7=1"}));
}

TEST_F(TabDataListTest, RenamingAHiddenTabThroughItsListUpdatesLastActiveTab) {
  TempProgramFolder folder("[Common]\nLastActiveTab=Five\n[Order]\n1=1\n5=-1\n[Tab5]\nDesc=Five\n");
  CTabDataList list;
  list.LoadAll();
  ASSERT_NE(list.GetHiddenList(), nullptr);
  EXPECT_EQ(list.GetHiddenList()->RenameTab(0, "Cinq"), 1);
  EXPECT_EQ(g_barOptions.GetString("LastActiveTab", ""), "Cinq");
  EXPECT_TRUE(list.IsModified());
  EXPECT_EQ(list.GetMaxTabNumber(), 5u);
  EXPECT_EQ(list.GetHiddenList()->GetMaxTabNumber(), 5u);
}

}  // namespace
