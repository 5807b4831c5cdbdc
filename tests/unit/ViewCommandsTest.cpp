// The view's commands in a test parent window: which menu items are offered, what the cell and
// tab commands do to the model, rename validation, the tab-list commands and the messages other
// programs may send.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bar/BtnPanel.h"
#include "bar/ChildView.h"
#include "bar/TabStrip.h"
#include "bar/ViewEnabling.h"
#include "core/Globals.h"
#include "core/Launcher.h"
#include "core/PlumageLibrary.h"
#include "frame/MainFrame.h"
#include "framework/CmdUI.h"
#include "kestrel_res.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

TEST(ViewEnablingTest, EachCommandFollowsItsRule) {
  ViewCommandContext none;  // no panel, no target, no tabs
  ViewCommandContext cell;
  cell.panel = true;
  cell.targetValid = true;
  cell.target = 0;
  cell.cellCount = 1;
  cell.tabSelected = true;
  cell.tabCount = 1;
  ViewCommandContext two = cell;
  two.cellCount = 2;
  two.tabCount = 2;
  ViewCommandContext blank = two;
  blank.targetBlank = true;
  ViewCommandContext frame = two;  // opened on empty panel space
  frame.targetValid = false;
  frame.target = -1;
  ViewCommandContext clip = frame;
  clip.clipboardFiles = true;
  ViewCommandContext recent = none;
  recent.recentCount = 1;

  const auto E = CommandState::kEnabled, D = CommandState::kDisabled, U = CommandState::kUnclaimed;
  struct Row {
    UINT id;
    const ViewCommandContext& context;
    CommandState expected;
  };
  const Row rows[] = {
      {ID_BTN_NEW, frame, E},         {ID_BTN_NEW, none, D},
      {ID_BTN_DUPLICATE, cell, E},    {ID_BTN_DUPLICATE, frame, D},
      {ID_BTN_CLEAR, cell, E},        {ID_BTN_PROPERTIES, frame, D},
      {ID_BTN_DELETE, cell, D},       {ID_BTN_DELETE, two, E},
      {ID_BTN_COPY_MODE, cell, E},    {ID_BTN_MOVE_MODE, cell, D},
      {ID_BTN_SWAP_MODE, cell, D},    {ID_BTN_MOVE_MODE, two, E},
      {ID_BTN_COPY_OTHER, two, E},    {ID_BTN_COPY_OTHER, blank, D},
      {ID_BTN_COPY_OTHER, frame, D},  {ID_BTN_COPY_ALL_OTHER, frame, E},
      {ID_BTN_PASTE_OTHER, frame, D}, {ID_BTN_PASTE_OTHER, clip, E},
      {ID_TAB_RENAME, cell, E},       {ID_TAB_RENAME, frame, D},
      {ID_TAB_PROPERTIES, cell, E},   {ID_TAB_DELETE, cell, D},
      {ID_TAB_DELETE, two, E},        {ID_TAB_MOVE, cell, D},
      {ID_TAB_COPY, two, E},          {ID_TAB_ORDER, cell, D},
      {ID_TAB_ORDER, frame, E},       {ID_TAB_SHOW_HIDE, cell, E},
      {ID_TAB_SHOW_HIDE, none, D},    {ID_TAB_NEW, none, E},
      {ID_RECENT_DELETE, cell, E},    {ID_RECENT_DELETE, none, D},
      {ID_RECENT_CLEAR, none, D},     {ID_RECENT_CLEAR, recent, E},
      {ID_SEP_NEW, none, E},          {ID_SEP_DELETE, none, E},
      {ID_PANEL_PROPERTIES, none, E}, {ID_BTN_OPTIONS, none, E},
      {ID_SEP_PROPERTIES, two, U},    {ID_OPTIONS, two, U},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ViewCommandState(row.id, row.context), row.expected) << "command " << row.id;
  }
}

// A view whose message boxes are answered by the test.
class TestView : public CChildView {
 public:
  std::vector<std::string> messages;
  std::vector<UINT> types;
  int answer = IDNO;
  int ShowMessage(const char* text, UINT type) override {
    messages.push_back(text);
    types.push_back(type);
    return answer;
  }
};

class ViewCommandsTest : public ::testing::Test {
 protected:
  static std::string Tabs() {
    return "[Common]\nStyle=33500\n"
           "[Order]\n1=1\n2=1\n3=1\n4=-1\n"
           "[Tab1]\nNo=1\nDesc=Work\nBtn1=C:\\windows\\notepad.exe\n"
           "[Tab2]\nNo=3\nDesc=Two\nBtn1=C:\\a.exe\nBtn2=/\nBtn3=*\n"
           "[Tab3]\nNo=1\nDesc=Three\n"
           "[Tab4]\nNo=1\nDesc=Hidden\nBtn1=C:\\h.exe\n";
  }

  void Start(const std::string& ini = Tabs()) {
    view.reset();
    parent.reset();
    folder.reset();
    folder = std::make_unique<TempProgramFolder>(ini);
    g_barOptions.Clear();
    g_tabList.LoadAll();
    ASSERT_TRUE(CWnd::RegisterWndClass("KestrelViewTestParent", 0,
                                       ::LoadCursorA(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr));
    parent = std::make_unique<CWnd>();
    ASSERT_TRUE(parent->CreateEx(0, "KestrelViewTestParent", "", WS_POPUP | WS_VISIBLE,
                                 RECT{0, 0, 600, 120}, nullptr, 0));
    view = std::make_unique<TestView>();
    ASSERT_TRUE(view->Create(*parent, ID_VIEW_PANE, WS_CHILD | WS_VISIBLE));
    ::MoveWindow(*view, 0, 0, 600, 120, TRUE);
    Pump();
  }
  void SetUp() override { Start(); }
  void TearDown() override {
    view.reset();
    parent.reset();
    folder.reset();
    g_barOptions.Clear();
  }
  static void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }

  // The state the view gives each item of popup, as the frame asks it when the popup opens:
  // enabled, disabled, or not claimed (which the frame shows disabled).
  CommandState StateOf(HMENU popup, UINT id) {
    int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
      if (::GetMenuItemID(popup, i) != id) continue;
      CCmdUI ui(popup, static_cast<UINT>(i), id);
      if (!view->OnUpdateCommand(ui)) return CommandState::kUnclaimed;
      UINT state = ::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
      return (state & (MF_GRAYED | MF_DISABLED)) ? CommandState::kDisabled : CommandState::kEnabled;
    }
    ADD_FAILURE() << "no item " << id;
    return CommandState::kUnclaimed;
  }
  void Command(UINT id) {
    view->OnCommand(id, 0, nullptr);
    Pump();
  }
  NMTABSTRIP TabNote(int index) {
    NMTABSTRIP note{};
    note.index = index;
    note.tab = view->GetTabStrip().GetTab(index);
    note.kind = tabstrip::kOnStrip;
    return note;
  }
  std::vector<std::string> VisibleNames() const {
    std::vector<std::string> names;
    for (const auto& tab : g_tabList.GetTabs()) names.push_back(tab->m_name);
    return names;
  }
  std::vector<std::string> HiddenNames() const {
    std::vector<std::string> names;
    if (const CTabDataList* hidden = g_tabList.GetHiddenList())
      for (const auto& tab : hidden->GetTabs()) names.push_back(tab->m_name);
    return names;
  }
  std::vector<std::string> StripNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < view->GetTabStrip().GetTabCount(); ++i)
      names.push_back(view->GetTabStrip().GetTab(i)->GetName());
    return names;
  }
  std::vector<std::string> Commands() const {
    std::vector<std::string> commands;
    for (const auto& cell : g_tabList.GetCurrentTab()->m_buttons)
      commands.push_back(cell->m_command);
    return commands;
  }

  std::unique_ptr<TempProgramFolder> folder;
  std::unique_ptr<CWnd> parent;
  std::unique_ptr<TestView> view;
};

using S = CommandState;

TEST_F(ViewCommandsTest, OneCellTabOffersCopyModeRulesButNotDeleteMoveOrSwap) {
  HMENU rbtn = view->PreparePanelMenu(0);
  ASSERT_NE(rbtn, nullptr);
  EXPECT_TRUE(view->IsTargetValid());
  EXPECT_EQ(StateOf(rbtn, ID_BTN_DELETE), S::kDisabled);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_DUPLICATE), S::kEnabled);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_CLEAR), S::kEnabled);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_PROPERTIES), S::kEnabled);
  // A single cell can be copied, but there is nowhere to move or swap it.
  EXPECT_EQ(StateOf(rbtn, ID_BTN_COPY_MODE), S::kEnabled);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_MOVE_MODE), S::kDisabled);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_SWAP_MODE), S::kDisabled);
}

TEST_F(ViewCommandsTest, EachPlaceOpensItsOwnPopup) {
  Command(20001);  // the tab with a button, a separator and a blank
  HMENU frameMenu = view->PreparePanelMenu(-1);
  EXPECT_FALSE(view->IsTargetValid());
  EXPECT_EQ(StateOf(frameMenu, ID_BTN_NEW), S::kEnabled);
  EXPECT_EQ(StateOf(frameMenu, ID_PANEL_PROPERTIES), S::kEnabled);
  HMENU separator = view->PreparePanelMenu(1);
  EXPECT_EQ(StateOf(separator, ID_SEP_DELETE), S::kEnabled);
  EXPECT_EQ(StateOf(separator, ID_SEP_PROPERTIES), S::kUnclaimed);  // no handler: disabled
  HMENU blank = view->PreparePanelMenu(2);
  EXPECT_EQ(StateOf(blank, ID_BTN_DELETE), S::kEnabled);
  HMENU other = ::GetSubMenu(blank, 9);  // "別のタブ(&O)"
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(StateOf(other, ID_BTN_COPY_OTHER), S::kDisabled);  // a blank has nothing to copy
  EXPECT_EQ(StateOf(other, ID_BTN_COPY_ALL_OTHER), S::kEnabled);
  EXPECT_NE(separator, blank);
  EXPECT_NE(frameMenu, blank);
}

TEST_F(ViewCommandsTest, RightClickOnAnUnselectedTabSelectsItFirst) {
  HMENU tabMenu = view->PrepareStripMenu(TabNote(2));
  ASSERT_NE(tabMenu, nullptr);
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 2);
  EXPECT_EQ(g_tabList.GetCurrentTabName(), "Three");
  EXPECT_EQ(view->GetCurrentIndex(), 2);
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_DELETE), S::kEnabled);
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_RENAME), S::kEnabled);
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_ORDER), S::kEnabled);
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_MOVE), S::kEnabled);
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_OPTIONS), S::kUnclaimed);
  // Kind 2 (the panel's scroll bar) is left to the frame.
  NMTABSTRIP bar{};
  bar.kind = tabstrip::kOnPanelScrollBar;
  EXPECT_EQ(view->PrepareStripMenu(bar), nullptr);
  EXPECT_FALSE(view->IsTargetValid());
}

TEST_F(ViewCommandsTest, TheOnlyTabCannotBeDeleted) {
  Start("[Common]\nStyle=33500\n[Order]\n1=1\n[Tab1]\nNo=1\nDesc=Only\n");
  HMENU tabMenu = view->PrepareStripMenu(TabNote(0));
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_DELETE), S::kDisabled);
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_ORDER), S::kDisabled);
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_SHOW_HIDE), S::kEnabled);
  view->answer = IDYES;
  Command(ID_TAB_DELETE);  // sent anyway: refused without asking
  EXPECT_TRUE(view->messages.empty());
  EXPECT_EQ(g_tabList.GetCount(), 1);
}

TEST_F(ViewCommandsTest, NewTabFromTheThirdTabsMenuGoesBeforeIt) {
  view->PrepareStripMenu(TabNote(2));
  Command(ID_TAB_NEW);
  ASSERT_EQ(g_tabList.GetCount(), 4);
  EXPECT_EQ(g_tabList.GetTab(3)->m_name, "Three");
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 2);
  EXPECT_EQ(view->GetCurrentIndex(), 2);
  EXPECT_EQ(g_tabList.GetCurrentTab(), g_tabList.GetTab(2));
  EXPECT_EQ(StripNames(), VisibleNames());
  // Without a tab menu the new tab is appended.
  view->PreparePanelMenu(-1);
  Command(ID_TAB_NEW);
  EXPECT_EQ(g_tabList.GetCount(), 5);
  EXPECT_EQ(view->GetCurrentIndex(), 4);
  EXPECT_EQ(StripNames(), VisibleNames());
}

TEST_F(ViewCommandsTest, RenameIgnoresCaseAloneAndRefusesTakenNames) {
  ASSERT_EQ(view->GetTabStrip().GetSelected(), 0);
  view->RenameEnded(0, "work");
  EXPECT_EQ(g_tabList.GetTab(0)->m_name, "Work");
  EXPECT_TRUE(view->messages.empty());
  view->RenameEnded(0, "HIDDEN");  // a hidden tab's name, any case
  ASSERT_EQ(view->messages.size(), 1u);
  EXPECT_NE(view->messages[0].find("'Work'"), std::string::npos);
  EXPECT_EQ(view->types[0], static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
  view->RenameEnded(0, "two");
  EXPECT_EQ(view->messages.size(), 2u);
  view->RenameEnded(1, "Other");  // not the selected tab
  view->RenameEnded(0, "");
  EXPECT_EQ(VisibleNames(), (std::vector<std::string>{"Work", "Two", "Three"}));
  view->RenameEnded(0, "Job");
  EXPECT_EQ(g_tabList.GetTab(0)->m_name, "Job");
  EXPECT_EQ(view->GetTabStrip().GetTab(0)->GetName(), "Job");
  EXPECT_EQ(g_tabList.GetCurrentTabName(), "Job");
}

TEST_F(ViewCommandsTest, DeletingATabAsksAndShowsTheNextOne) {
  view->PrepareStripMenu(TabNote(1));
  view->answer = IDNO;
  Command(ID_TAB_DELETE);
  ASSERT_EQ(view->messages.size(), 1u);
  EXPECT_NE(view->messages[0].find("'Two'"), std::string::npos);
  EXPECT_EQ(view->types[0], static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(g_tabList.GetCount(), 3);
  view->answer = IDYES;
  Command(ID_TAB_DELETE);
  EXPECT_EQ(VisibleNames(), (std::vector<std::string>{"Work", "Three"}));
  EXPECT_EQ(StripNames(), VisibleNames());
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 1);
  EXPECT_EQ(g_tabList.GetCurrentTabName(), "Three");
  ASSERT_NE(view->GetCurrentPanel(), nullptr);
  EXPECT_EQ(&view->GetCurrentPanel()->GetTab(), g_tabList.GetTab(1));
  // The last tab deleted: the one before it is shown.
  Command(ID_TAB_DELETE);
  EXPECT_EQ(VisibleNames(), (std::vector<std::string>{"Work"}));
  EXPECT_EQ(&view->GetCurrentPanel()->GetTab(), g_tabList.GetTab(0));
}

TEST_F(ViewCommandsTest, TheButtonTooltipHoldsOneToolPerPanel) {
  auto tools = [&] {
    return static_cast<int>(::SendMessageA(view->GetToolTip(), TTM_GETTOOLCOUNT, 0, 0));
  };
  ASSERT_NE(view->GetToolTip(), nullptr);
  for (int index : {1, 2, 0, 1, 2, 1}) view->ShowTabPanel(index);
  Pump();
  EXPECT_EQ(tools(), 3);
  view->PrepareStripMenu(TabNote(1));
  view->answer = IDYES;
  Command(ID_TAB_DELETE);
  EXPECT_EQ(tools(), 2);
}

TEST_F(ViewCommandsTest, ChoosingAHiddenTabAppendsItAndEmptiesTheHiddenList) {
  HMENU list = view->PrepareStripMenu([] {
    NMTABSTRIP note{};
    note.kind = tabstrip::kOnArrows;
    note.index = tabstrip::kOnArrows;
    return note;
  }());
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(::GetMenuItemCount(list), 5);  // three tabs, a separator, the hidden tab
  EXPECT_EQ(::GetMenuItemID(list, 4), 20003u);
  EXPECT_TRUE(::GetMenuState(list, 20000, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(StateOf(list, 20003), S::kEnabled);
  Command(20003);
  EXPECT_EQ(VisibleNames(), (std::vector<std::string>{"Work", "Two", "Three", "Hidden"}));
  EXPECT_EQ(g_tabList.GetHiddenList(), nullptr);
  EXPECT_EQ(StripNames(), VisibleNames());
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 3);
  EXPECT_EQ(g_tabList.GetCurrentTabName(), "Hidden");
  EXPECT_EQ(Commands(), (std::vector<std::string>{"C:\\h.exe"}));
}

TEST_F(ViewCommandsTest, CellCommandsActOnTheTargetAndKeepTheLastCell) {
  view->PreparePanelMenu(0);
  Command(ID_BTN_DELETE);  // the tab's only cell stays
  EXPECT_EQ(Commands(), (std::vector<std::string>{"C:\\windows\\notepad.exe"}));
  Command(ID_BTN_DUPLICATE);
  Command(ID_SEP_NEW);
  EXPECT_EQ(Commands(), (std::vector<std::string>{"/", "C:\\windows\\notepad.exe",
                                                  "C:\\windows\\notepad.exe"}));
  view->PreparePanelMenu(-1);
  Command(ID_BTN_NEW);  // on empty space: appended
  EXPECT_EQ(Commands().back(), "*");
  view->PreparePanelMenu(1);
  Command(ID_BTN_CLEAR);
  Command(ID_SEP_DELETE);
  EXPECT_EQ(Commands(), (std::vector<std::string>{"/", "C:\\windows\\notepad.exe", "*"}));
  EXPECT_EQ(view->GetCurrentPanel()->GetCount(), 3);
  EXPECT_TRUE(g_tabList.IsModified());
}

TEST_F(ViewCommandsTest, PasteOfThreePathsFillsABlankAndInsertsTheRestAfterIt) {
  Command(20001);
  std::string list(20, '\0');
  list[0] = 20;
  for (const char* path : {" C:\\one.exe", "C:\\two.exe ", "C:\\three.exe"}) {
    list += path;
    list += '\0';
  }
  list += '\0';
  ASSERT_TRUE(::OpenClipboard(*view));
  ::EmptyClipboard();
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, list.size());
  std::memcpy(::GlobalLock(block), list.data(), list.size());
  ::GlobalUnlock(block);
  ASSERT_NE(::SetClipboardData(CF_HDROP, block), nullptr);
  ::CloseClipboard();
  HMENU blank = view->PreparePanelMenu(2);
  EXPECT_EQ(StateOf(::GetSubMenu(blank, 9), ID_BTN_PASTE_OTHER), S::kEnabled);
  Command(ID_BTN_PASTE_OTHER);
  EXPECT_EQ(Commands(), (std::vector<std::string>{"C:\\a.exe", "/", "C:\\one.exe", "C:\\two.exe",
                                                  "C:\\three.exe"}));
  EXPECT_EQ(view->GetCurrentPanel()->GetCount(), 5);
}

TEST_F(ViewCommandsTest, ForeignMessagesOutOfRangeAreIgnored) {
  const UINT kTabList = 0x80C8;
  char foreign[64] = {};
  EXPECT_EQ(view->SendMessage(kTabList, 1, reinterpret_cast<LPARAM>(foreign)), 0);
  EXPECT_EQ(view->SendMessage(kTabList, 1, 0x12345678), 0);
  LRESULT snapshot = view->SendMessage(kTabList, 0, 1);
  ASSERT_NE(snapshot, 0);
  EXPECT_STREQ(reinterpret_cast<const char*>(snapshot), "Work");
  EXPECT_NE(view->SendMessage(kTabList, 1, snapshot), 0);
  EXPECT_EQ(view->SendMessage(kTabList, 1, snapshot), 0);  // not twice
  EXPECT_EQ(view->SendMessage(kTabList, 7, 0), 0);

  view->SendMessage(WM_COMMAND, 20004);  // beyond both lists
  view->SendMessage(WM_COMMAND, 24095);
  view->SendMessage(WM_APP + 8, 3, static_cast<LPARAM>(-1));
  view->SendMessage(WM_APP + 8, static_cast<WPARAM>(-1), 1);
  view->SendMessage(WM_APP + 9, static_cast<WPARAM>(-1), 5);
  view->SendMessage(WM_APP + 9, 0x7FFFFFFF, static_cast<LPARAM>(-1));
  view->SendMessage(WM_APP + 8, static_cast<WPARAM>(-1), static_cast<LPARAM>(-1));
  Pump();
  EXPECT_EQ(VisibleNames(), (std::vector<std::string>{"Work", "Two", "Three"}));
  EXPECT_EQ(HiddenNames(), (std::vector<std::string>{"Hidden"}));
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 0);
  // Cell commands without a cell menu do nothing to the cells.
  view->SendMessage(WM_COMMAND, ID_BTN_CLEAR);
  view->SendMessage(WM_COMMAND, ID_BTN_DELETE);
  EXPECT_EQ(Commands(), (std::vector<std::string>{"C:\\windows\\notepad.exe"}));
}

TEST_F(ViewCommandsTest, RebuildKeepsTheCurrentPanelAndDropsThoseOfRemovedTabs) {
  Command(20001);
  Command(20002);
  CBtnPanel* two = nullptr;
  // Tab order: Three first, Two second, Work gone, a new tab last.
  CTabDataList::TabVector order;
  order.push_back(std::make_unique<CTabData>("Three", g_tabList.GetTab(2)->m_number));
  order.push_back(std::make_unique<CTabData>("Two", g_tabList.GetTab(1)->m_number));
  order.push_back(std::make_unique<CTabData>("New", 0));
  Command(20001);
  two = view->GetCurrentPanel();
  g_tabList.ApplyTabOrder(std::move(order));
  view->RebuildTabs();
  EXPECT_EQ(StripNames(), (std::vector<std::string>{"Three", "Two", "New"}));
  EXPECT_EQ(view->GetCurrentPanel(), two);
  EXPECT_EQ(view->GetCurrentIndex(), 1);
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 1);
  EXPECT_EQ(g_tabList.GetCurrentTabName(), "Two");
  Command(20002);
  ASSERT_NE(view->GetCurrentPanel(), nullptr);
  EXPECT_EQ(&view->GetCurrentPanel()->GetTab(), g_tabList.GetTab(2));
}

// A settings library whose every entry is one function of the test.
class FakeLibrary : public CPlumageLibrary {
 public:
  explicit FakeLibrary(FARPROC entry) : m_fake(entry) {}
  bool Bind(const char*) override { return true; }
  void Unbind() override {}
  bool IsBound() const override { return true; }
  FARPROC GetEntry() const override { return m_fake; }

 private:
  FARPROC m_fake;
};

void PutTabList(char* buffer, const std::vector<std::pair<std::string, uint32_t>>& tabs) {
  for (const auto& tab : tabs) {
    std::memcpy(buffer, tab.first.c_str(), tab.first.size() + 1);
    buffer += tab.first.size() + 1;
    std::memcpy(buffer, &tab.second, sizeof tab.second);
    buffer += sizeof tab.second;
  }
  *buffer = '\0';
}

BOOL WINAPI ShowThreeAndWorkHideTheRest(HWND, PlumageTabRecord*, char* shown, char* hidden) {
  PutTabList(shown, {{"Three", 3}, {"Work", 1}});
  PutTabList(hidden, {{"Two", 2}, {"Hidden", 4}});
  return TRUE;
}

TEST_F(ViewCommandsTest, ShowHideResultRebuildsTheStripAndKeepsTheCurrentPanel) {
  Command(20001);
  HWND two = view->GetCurrentPanel()->GetSafeHwnd();
  Command(20002);
  CBtnPanel* three = view->GetCurrentPanel();
  view->SetPlumageLibrary(std::make_unique<FakeLibrary>(
      reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&ShowThreeAndWorkHideTheRest))));
  view->PrepareStripMenu(TabNote(2));
  Command(ID_TAB_SHOW_HIDE);
  EXPECT_EQ(StripNames(), (std::vector<std::string>{"Three", "Work"}));
  EXPECT_EQ(VisibleNames(), StripNames());
  EXPECT_EQ(HiddenNames(), (std::vector<std::string>{"Two", "Hidden"}));
  EXPECT_EQ(view->GetCurrentPanel(), three);
  EXPECT_EQ(view->GetCurrentIndex(), 0);
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 0);
  EXPECT_FALSE(::IsWindow(two));  // the hidden tab's panel is gone
  // The tab that became hidden kept its cells.
  const CTabData* hiddenTwo = g_tabList.GetHiddenList()->GetTab(0);
  ASSERT_NE(hiddenTwo, nullptr);
  EXPECT_EQ(hiddenTwo->GetButtonCount(), 3);
  Command(20001);  // Work gets a panel of its own again
  ASSERT_NE(view->GetCurrentPanel(), nullptr);
  EXPECT_EQ(&view->GetCurrentPanel()->GetTab(), g_tabList.GetTab(1));
}

}  // namespace
