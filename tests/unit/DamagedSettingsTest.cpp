#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ButtonRecord.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/TabDataList.h"
#include "tests/unit/TempProgramFolder.h"

// A damaged or hand-edited settings file never crashes the model, never
// overruns a buffer and loses nothing that can be read.
namespace {

class DamagedSettings : public ::testing::Test {
 protected:
  void SetUp() override { g_barOptions.Clear(); }
  void TearDown() override { g_barOptions.Clear(); }
};

TEST_F(DamagedSettings, BinaryBytesLoadWithoutHarm) {
  std::string bytes = "[Order]\r\n1=1\r\n2=1\r\n[Tab1]\r\nDesc=ok\r\nNo=2\r\nBtn1=a.exe\r\n";
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919 + 13) & 0xFF);
  bytes += "\r\n[Tab2]\r\nDesc=\xFF\xFE\x81\r\nBtn1=\x83\r\nNo=\x01\x02\r\n";
  TempProgramFolder folder;
  folder.WriteRaw(bytes);
  CTabDataList list;
  list.LoadAll();
  ASSERT_GE(list.GetCount(), 1);
  for (const auto& tab : list.GetTabs()) EXPECT_FALSE(tab->m_name.empty());
  list.SetModified();
  list.SaveAll();
  CTabDataList again;
  again.LoadAll();
  EXPECT_GE(again.GetCount(), 1);
}

TEST_F(DamagedSettings, MegabyteLinesAreReadAndWrittenWhole) {
  const std::string command = "C:\\" + std::string(1024 * 1024, 'x') + ".exe";
  const std::string name(1024 * 1024, 'n');
  TempProgramFolder folder("[Order]\n1=1\n[Tab1]\nNo=2\nDesc=" + name + "\nBtn1=" + command +
                           "|4\nBtn2=b.exe\n");
  CTabDataList list;
  list.LoadAll();
  const CTabData& tab = *list.GetTab(0);
  EXPECT_EQ(tab.m_name.size(), name.size());
  ASSERT_EQ(tab.GetButtonCount(), 2);
  EXPECT_EQ(tab.m_buttons[0]->m_command, command);
  EXPECT_EQ(tab.m_buttons[0]->m_flags, 4u);
  list.SetModified();
  ASSERT_TRUE(list.SaveAll());
  EXPECT_EQ(g_settingsFile.ReadString("Tab1", "Btn1", "").size(), command.size() + 2);
}

TEST_F(DamagedSettings, OrderOfTenThousandLinesKeepsEveryTab) {
  std::string text = "[Common]\nNewBtnNum=1\n[Order]\n";
  for (int n = 1; n <= 10000; ++n) text += std::to_string(n) + (n % 10 == 0 ? "=-1\n" : "=1\n");
  TempProgramFolder folder(text);
  CTabDataList list;
  list.LoadAll();
  EXPECT_EQ(list.GetCount(), 9000);
  ASSERT_NE(list.GetHiddenList(), nullptr);
  EXPECT_EQ(list.GetHiddenList()->GetCount(), 1000);
  EXPECT_EQ(list.GetMaxTabNumber(), 10000u);
  list.SetModified();
  ASSERT_TRUE(list.SaveAll());
  EXPECT_EQ(g_settingsFile.ReadSection("Order").size(), 10000u);
}

TEST_F(DamagedSettings, RecordsWithThousandsOfBarsAndSlashes) {
  std::string bars(5000, '|');
  std::string slashes;
  for (int i = 0; i < 5000; ++i) slashes += "/";
  std::string numbers;
  for (int i = 0; i < 5000; ++i) numbers += "/1";
  struct Case {
    std::string record;
    std::string command;
    uint32_t flags, text, bk;
  };
  const Case cases[] = {
      {"a" + bars + "b", "a" + std::string(4999, '|'), 0, kDefaultColor, kDefaultColor},
      {bars, std::string(4999, '|'), 0, kDefaultColor, kDefaultColor},
      {"x|4" + slashes, "x", 4, kDefaultColor, kDefaultColor},
      {"x|4" + numbers, "x", 4, 0x01000001, 0x01000001},
      {slashes + "|" + slashes, slashes, 0, kDefaultColor, kDefaultColor},
  };
  for (const auto& c : cases) {
    CBtnData button = ParseButtonRecord(c.record, 932);
    EXPECT_EQ(button.m_command, c.command);
    EXPECT_EQ(button.m_flags, c.flags);
    EXPECT_EQ(button.m_textColor, c.text);
    EXPECT_EQ(button.m_bkColor, c.bk);
    // Written back, it reads back the same.
    CBtnData back = ParseButtonRecord(FormatButtonRecord(button), 932);
    EXPECT_EQ(back.m_command, button.m_command);
    EXPECT_EQ(back.m_flags, button.m_flags);
  }
}

TEST_F(DamagedSettings, NegativeAndHugeNumbersKeepEveryButtonTheSectionHolds) {
  TempProgramFolder folder(
      "[Common]\nNewBtnNum=1\n"
      "[Order]\n99999999999=1\n4294967295=1\n1=1\n2=1\n3=1\n-4=1\n"
      "[Tab1]\nNo=-5\nBtn1=a.exe\nBtn3=c.exe\n"
      "[Tab2]\nNo=99999999999\nBtn1=a.exe\nBtn2=b.exe\nBtn4=d.exe\n"
      "[Tab3]\nNo=2\nColor=-1\nTxtColor=99999999999\nBtn1=a.exe\nBtn9=ignored.exe\n"
      "[Tab4294967295]\nNo=1\nDesc=Last\nBtn1=z.exe\n");
  CTabDataList list;
  list.LoadAll();
  ASSERT_EQ(list.GetCount(), 4);
  EXPECT_EQ(list.GetTab(0)->m_number, 4294967295u);
  EXPECT_EQ(list.GetTab(0)->m_name, "Last");

  // A negative count does not wipe the buttons that are there.
  const CTabData& one = *list.GetTab(1);
  ASSERT_EQ(one.GetButtonCount(), 3);
  EXPECT_EQ(one.m_buttons[0]->m_command, "a.exe");
  EXPECT_EQ(one.m_buttons[1]->m_command, "*");
  EXPECT_EQ(one.m_buttons[2]->m_command, "c.exe");
  // An unreadable count: every button there.
  const CTabData& two = *list.GetTab(2);
  ASSERT_EQ(two.GetButtonCount(), 4);
  EXPECT_EQ(two.m_buttons[3]->m_command, "d.exe");
  // Within range: exactly No cells; colours keep their bits or fall back.
  const CTabData& three = *list.GetTab(3);
  EXPECT_EQ(three.GetButtonCount(), 2);
  EXPECT_EQ(three.m_color, 0xFFFFFFFFu);
  EXPECT_EQ(three.m_textColor, kDefaultColor);

  // The numbers have run out at the top: a new tab takes the smallest free one.
  int at = list.NewTab(-1);
  EXPECT_EQ(list.GetTab(at)->m_number, 4u);
}

TEST_F(DamagedSettings, CountOfOneHundredThousandIsBoundedButLosesNoButton) {
  TempProgramFolder folder(
      "[Order]\n1=1\n2=1\n"
      "[Tab1]\nNo=100000\nBtn1=first.exe\nBtn50000=far.exe|4\nBtn0=zero.exe\nBtn050=lead.exe\n"
      "[Tab2]\n");
  // NewBtnNum itself damaged: a new tab stays bounded too.
  g_settingsFile.WriteString("Common", "NewBtnNum", "2000000000");
  CTabDataList list;
  list.LoadAll();
  const CTabData& tab = *list.GetTab(0);
  ASSERT_EQ(tab.GetButtonCount(), CTabDataList::kMaxBlankCells + 1);
  EXPECT_EQ(tab.m_buttons[0]->m_command, "first.exe");
  EXPECT_EQ(tab.m_buttons[1]->m_command, "*");
  EXPECT_EQ(tab.m_buttons.back()->m_command, "far.exe");
  EXPECT_EQ(tab.m_buttons.back()->m_flags, 4u);
  EXPECT_EQ(list.GetTab(1)->GetButtonCount(), CTabDataList::kMaxBlankCells);
}

}  // namespace
