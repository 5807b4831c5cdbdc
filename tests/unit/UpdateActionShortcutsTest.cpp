#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "core/ProgramFolder.h"
#include "core/ShellLink.h"
#include "core/TabDataList.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

std::vector<std::string> g_shownMessages;
void CollectMessage(HWND, const char* text) { g_shownMessages.push_back(text); }

class UpdateActionShortcutsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_barOptions.Clear();
    g_shownMessages.clear();
    SetShellMessageHandler(CollectMessage);
  }
  void TearDown() override {
    SetShellMessageHandler(nullptr);
    g_barOptions.Clear();
  }

  // A shortcut in the temporary folder with the given target and arguments.
  std::string MakeShortcut(const std::string& name, const std::string& arguments,
                           const std::string& target) {
    std::string path = m_folder.Folder() + name + ".lnk";
    EXPECT_TRUE(WriteShortcut(nullptr, path, target.c_str(), nullptr, nullptr, arguments.c_str(),
                              "名前とアイコンを変更できます", target.c_str(), 0, kKeepHotKey,
                              kKeepShowCmd));
    return path;
  }
  std::string ArgumentsOf(const std::string& path) {
    ShortcutFields fields;
    EXPECT_TRUE(ReadShortcut(nullptr, path.c_str(), fields)) << path;
    return fields.arguments;
  }
  static std::unique_ptr<CTabData> Tab(const char* name, uint32_t number) {
    return std::make_unique<CTabData>(name, number);
  }
  static void AddButton(CTabData& tab, const std::string& command, uint32_t flags) {
    auto button = std::make_unique<CBtnData>(command);
    button->m_flags = flags;
    tab.m_buttons.push_back(std::move(button));
  }

  TempProgramFolder m_folder;
  std::string m_setupTool = GetProgramFolder() + "Hatchling.exe";
};

TEST_F(UpdateActionShortcutsTest, RenamingATabRewritesTheActionShortcutsThatNameItExactly) {
  std::string other = m_folder.Folder() + "other.exe";
  const struct {
    const char* name;
    std::string arguments;
    std::string target;
    uint32_t flags;
    bool hidden;
    std::string expected;
  } cases[] = {
      {"menu", "/menu:A", m_setupTool, 2, false, "/menu:B"},
      {"switch", "/sw:A", m_setupTool, 3, false, "/sw:B"},
      {"start", "/str:A", m_setupTool, 2, true, "/str:B"},  // a button of a hidden tab
      {"longer", "/menu:AB", m_setupTool, 2, false, "/menu:AB"},
      {"case", "/menu:a", m_setupTool, 2, false, "/menu:a"},
      {"bare", "/menu:", m_setupTool, 2, false, "/menu:"},
      {"unknown", "/open:A", m_setupTool, 2, false, "/open:A"},
      {"no flag", "/menu:A", m_setupTool, 4, false, "/menu:A"},
      {"other target", "/menu:A", other, 2, false, "/menu:A"},
  };
  CTabDataList list;
  list.AddTab(Tab("A", 1));
  auto visible = Tab("Z", 2);
  auto hidden = Tab("H", 3);
  std::vector<std::string> paths;
  for (const auto& c : cases) {
    paths.push_back(MakeShortcut(c.name, c.arguments, c.target));
    AddButton(c.hidden ? *hidden : *visible, paths.back(), c.flags);
  }
  AddButton(*visible, m_folder.Folder() + "missing.lnk", 2);  // a shortcut that is gone
  AddButton(*visible, other, 2);                              // not a shortcut at all
  AddButton(*visible, "*", 2);
  list.AddTab(std::move(visible));
  list.AddTab(std::move(hidden));
  // Hide tab 3 the way the show/hide dialog does.
  CTabDataList::TabVector copy = list.CloneTabs();
  CTabDataList::TabVector shown;
  shown.push_back(Tab("A", 1));
  shown.push_back(Tab("Z", 2));
  list.ApplyTabOrder(std::move(shown));
  CTabDataList::TabVector hiddenTabs;
  hiddenTabs.push_back(Tab("H", 3));
  list.ApplyHiddenTabs(std::move(hiddenTabs), copy);
  ASSERT_NE(nullptr, list.GetHiddenList());
  ASSERT_EQ(1, list.GetHiddenList()->GetCount());
  ASSERT_EQ(2, list.GetCount());

  ASSERT_EQ(1, list.RenameTab(0, "B"));
  for (size_t i = 0; i < paths.size(); ++i) {
    EXPECT_EQ(cases[i].expected, ArgumentsOf(paths[i])) << cases[i].name;
  }
  EXPECT_TRUE(g_shownMessages.empty());
}

TEST_F(UpdateActionShortcutsTest, ARewrittenShortcutKeepsItsOtherProperties) {
  std::string path = MakeShortcut("keep", "/sw:A", m_setupTool);
  ShortcutFields before;
  ASSERT_TRUE(ReadShortcut(nullptr, path.c_str(), before));
  CTabDataList list;
  auto tab = Tab("A", 1);
  AddButton(*tab, path, 2);
  list.AddTab(std::move(tab));
  list.RenameTab(0, "新しいタブ");
  ShortcutFields after;
  ASSERT_TRUE(ReadShortcut(nullptr, path.c_str(), after));
  EXPECT_EQ("/sw:新しいタブ", after.arguments);
  EXPECT_EQ(before.target, after.target);
  EXPECT_EQ(before.description, after.description);
  EXPECT_EQ(before.iconLocation, after.iconLocation);
  EXPECT_EQ(before.iconIndex, after.iconIndex);
  EXPECT_EQ(before.hotKey, after.hotKey);
}

TEST_F(UpdateActionShortcutsTest, LastActiveTabFollowsTheRenameIgnoringCase) {
  const struct {
    const char* last;
    const char* expected;
  } cases[] = {{"a", "B"}, {"A", "B"}, {"AB", "AB"}, {"", ""}};
  for (const auto& c : cases) {
    g_barOptions.Clear();
    g_barOptions.SetString("LastActiveTab", c.last);
    CTabDataList list;
    list.AddTab(Tab("A", 1));
    list.RenameTab(0, "B");
    EXPECT_EQ(c.expected, g_barOptions.GetString("LastActiveTab", "")) << c.last;
  }
}

TEST_F(UpdateActionShortcutsTest, RenamesOfOneDialogResultApplyTogetherFromTheNamesAsTheyWere) {
  const struct {
    const char* name;
    std::vector<const char*> names;     // the dialog's names for tabs 1, 2, 3 (A, B, C before)
    std::vector<const char*> expected;  // the shortcuts that named A, B, C, then LastActiveTab
  } cases[] = {
      {"swap", {"B", "A", "C"}, {"/sw:B", "/sw:A", "/str:C", "B"}},
      {"chain", {"B", "C", "D"}, {"/sw:B", "/sw:C", "/str:D", "B"}},
      {"rotate", {"C", "A", "B"}, {"/sw:C", "/sw:A", "/str:B", "C"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    g_barOptions.SetString("LastActiveTab", "A");
    std::vector<std::string> paths = {MakeShortcut("a", "/sw:A", m_setupTool),
                                      MakeShortcut("b", "/sw:B", m_setupTool),
                                      MakeShortcut("c", "/str:C", m_setupTool)};
    CTabDataList list;
    const char* before[] = {"A", "B", "C"};
    for (uint32_t n = 1; n <= 3; ++n) {
      auto tab = Tab(before[n - 1], n);
      AddButton(*tab, paths[n - 1], 2);
      AddButton(*tab, paths[(n + 1) % 3], 2);  // one shortcut on two buttons
      list.AddTab(std::move(tab));
    }
    CTabDataList::TabVector edited;
    for (uint32_t n = 1; n <= 3; ++n) edited.push_back(Tab(c.names[n - 1], n));
    list.ApplyTabOrder(std::move(edited));
    for (size_t i = 0; i < paths.size(); ++i) EXPECT_EQ(ArgumentsOf(paths[i]), c.expected[i]);
    EXPECT_EQ(g_barOptions.GetString("LastActiveTab", ""), c.expected[3]);
  }
}

}  // namespace
