#include <gtest/gtest.h>

#include <string>

#include "core/KeyNameTable.h"
#include "frame/HotKeyTable.h"

namespace {
TEST(HotKeyTable, FailedKeysAreNamedCtrlShiftAltThenTheKey) {
  CKeyNameTable names;
  ASSERT_TRUE(names.Load(::GetModuleHandleA(nullptr)));  // the program's own KEYDATA
  const struct {
    DWORD value;
    const char* text;
  } cases[] = {
      {0x0241, "CtrlA"},
      {0x0670, "Ctrl + ShiftF1"},
      {0x0771, "Ctrl + Shift + AltF2"},
      {0x0130, "Alt0"},
      {0x020D, "CtrlReturn"},
      {0x02FE, "CtrlOEM Clear"},
      {0x0400, "Shift\x82\xc8\x82\xb5"},  // no key: "none"
      {0x0287, "CtrlF24"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(hotkey::Text(c.value, names), c.text) << std::hex << c.value;
}

TEST(HotKeyTable, OneRegistrationPerValueAndBothLookUpsMustAgree) {
  HWND window =
      ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(window);
  {
    CHotKeyTable table(window);
    EXPECT_TRUE(table.Add("HotKeyHide", 0x0679));  // Ctrl+Shift+F10
    EXPECT_TRUE(table.Add("HotKeyShow", 0x0679));
    EXPECT_TRUE(table.Add("HotKeyExit", 0x067A));
    const auto* names = table.Find(1, 0x0679);
    ASSERT_TRUE(names);
    EXPECT_EQ(*names, (std::vector<std::string>{"HotKeyHide", "HotKeyShow"}));
    EXPECT_FALSE(table.Find(1, 0x067A));  // an id with another entry's value
    EXPECT_FALSE(table.Find(0, 0x0679));
    EXPECT_TRUE(table.Find(2, 0x067A));

    // A key another window holds fails; the text lists it once and is then empty.
    CHotKeyTable other(window);
    EXPECT_FALSE(other.Add("HotKeyHide", 0x0679));
    EXPECT_FALSE(other.Add("HotKeyShow", 0x0679));
    CKeyNameTable names2;
    names2.Load(::GetModuleHandleA(nullptr));
    EXPECT_EQ(other.TakeFailedKeysText(names2), "Ctrl + ShiftF10");
    EXPECT_EQ(other.TakeFailedKeysText(names2), "");
    EXPECT_FALSE(other.IsRegistered("HotKeyHide"));
    EXPECT_TRUE(table.IsRegistered("HotKeyShow"));
  }
  // The table's end gave the keys back.
  CHotKeyTable again(window);
  EXPECT_TRUE(again.Add("HotKeyHide", 0x0679));
  again.UnregisterAll();
  ::DestroyWindow(window);
}

TEST(HotKeyTable, TabListMenuPrefixesRunFromDigitsToLetters) {
  const char* expected[] = {"&1 ", "&2 ", "&9 ", "&a ", "&b ", "&e "};
  const int n[] = {0, 1, 8, 9, 10, 13};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(TabPrefix(n[i]), expected[i]) << n[i];
}

TEST(HotKeyTable, DamagedNameTablesAreReadUpToTheDamage) {
  const unsigned char cut[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\0Unknown\0none\0\x70\0F1\0\x71";
  CKeyNameTable names;
  EXPECT_FALSE(names.Parse(cut, sizeof cut - 1));
  EXPECT_EQ(names.KeyName(0x70), "F1");
  EXPECT_EQ(names.KeyName(0), "none");
  EXPECT_FALSE(names.Parse(nullptr, 0));
  EXPECT_EQ(names.KeyName('Q'), "Q");
}
}  // namespace
