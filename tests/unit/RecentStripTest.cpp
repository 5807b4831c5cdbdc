#include <gtest/gtest.h>

#include "bar/RecentStrip.h"

#include <commctrl.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bar/ChildView.h"
#include "bar/TabStrip.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "framework/CmdUI.h"
#include "framework/Wnd.h"
#include "kestrel_res.h"
#include "tests/unit/TempProgramFolder.h"

namespace {
const uint32_t kDefault = 0x2000000;

// A stand-in for the bar view: records the notes that reach it. While a context menu note is
// handled (the view's menu would be open then), it moves the mouse off the strip.
class ViewStandIn : public CWnd {
 public:
  struct Note {
    UINT code;
    HWND from;
    UINT_PTR id;
    int index;
    int kind;
    bool hasItem;
    std::string text;
  };
  std::vector<Note> notes;
  CRecentStrip* recent = nullptr;
  LRESULT menuResult = 1;
  bool menuOpenDuringMenu = false;
  bool expandedAfterLeaveDuringMenu = false;
  int contextMenusPassedOn = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_NOTIFY: {
        const auto& record = *reinterpret_cast<const NMTABSTRIP*>(lParam);
        notes.push_back(Note{record.hdr.code, record.hdr.hwndFrom, record.hdr.idFrom, record.index,
                             record.kind, record.item != nullptr, record.text ? record.text : ""});
        if (record.hdr.code != tabstrip::kContextMenu || !recent) return 0;
        menuOpenDuringMenu = recent->IsMenuOpen();
        recent->SendMessage(WM_MOUSELEAVE);
        expandedAfterLeaveDuringMenu = recent->IsExpanded();
        return menuResult;
      }
      case WM_CONTEXTMENU:
        ++contextMenusPassedOn;
        return 0;
      default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
  }
};

class RecentStripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::make_unique<TempProgramFolder>();
    for (const char* name : {"one.txt", "two.txt", "three.txt", "four.txt"}) MakeFile(name);
  }
  void TearDown() override {
    strip.reset();
    parent.reset();
    g_barOptions.Clear();
    folder.reset();
  }

  void MakeFile(const std::string& name) { std::ofstream(File(name)) << "x"; }
  std::string File(const std::string& name) const { return folder->Folder() + name; }
  std::string Entries(const std::vector<std::string>& names) const {
    std::string text = "[RecentUsed]\n";
    for (size_t i = 0; i < names.size(); ++i)
      text += "Btn" + std::to_string(i + 1) + "=" + File(names[i]) + "\n";
    return text;
  }

  void Start(const std::string& rest, const std::string& common = "Style=33500\n") {
    folder->WriteIni("[Common]\n" + common + rest);
    g_barOptions.Clear();
    ASSERT_TRUE(CWnd::RegisterWndClass("KestrelRecentTestView", 0,
                                       ::LoadCursorA(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr));
    parent = std::make_unique<ViewStandIn>();
    ASSERT_TRUE(parent->CreateEx(0, "KestrelRecentTestView", "", WS_POPUP | WS_VISIBLE,
                                 RECT{0, 0, 540, 540}, nullptr, 0));
    strip = std::make_unique<CTabStrip>();
    int t = g_barOptions.GetInt("TabHightAdj", 0) + ::GetSystemMetrics(SM_CYVTHUMB);
    bool vertical = (g_barOptions.GetInt("Style", 0) & 0x30000) != 0;
    ASSERT_TRUE(strip->Create(*parent, vertical ? RECT{0, 0, t, 500} : RECT{0, 0, 500, t}));
    recent = strip->GetRecentStrip();
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(::GetDlgCtrlID(*recent), static_cast<int>(CTabStrip::kRecentId));
    parent->recent = recent;
    recent->Load("RecentUsed", "Btn%d", g_barOptions.GetInt("RctNo", 3));
  }

  // The strip's place in the tab strip's client area.
  RECT Place() const {
    RECT r;
    ::GetWindowRect(*recent, &r);
    ::MapWindowPoints(nullptr, *strip, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  int Side() const {
    RECT slot = strip->GetRecentSlot();
    return strip->GetOrientation() == tablayout::kHorizontal ? slot.bottom - slot.top
                                                             : slot.right - slot.left;
  }
  POINT ItemCentre(int index) const {
    const RECT& r = recent->GetList().Items()[static_cast<size_t>(index)].rect;
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Touch() { recent->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)); }
  void Press(POINT p) { recent->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y)); }
  void Release(POINT p) { recent->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y)); }
  void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  std::vector<std::string> Commands() const {
    std::vector<std::string> commands;
    for (const auto& item : recent->GetList().Items()) commands.push_back(item.command);
    return commands;
  }
  // The section's text as the file holds it, from its header to the next one.
  std::string Section() const {
    std::string ini = folder->ReadIni();
    size_t at = ini.find("[RecentUsed]");
    if (at == std::string::npos) return "";
    size_t end = ini.find("\r\n[", at);
    return ini.substr(at, end == std::string::npos ? std::string::npos : end + 2 - at);
  }

  std::unique_ptr<TempProgramFolder> folder;
  std::unique_ptr<ViewStandIn> parent;
  std::unique_ptr<CTabStrip> strip;
  CRecentStrip* recent = nullptr;
};
}  // namespace

TEST_F(RecentStripTest, AnEmptyListNeverOpens) {
  Start("");
  Touch();
  recent->SendMessage(WM_RECENT_PIN);
  strip->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  Pump();
  EXPECT_FALSE(recent->IsExpanded());
  RECT r = Place();
  EXPECT_EQ(r.right - r.left, 3);
  EXPECT_EQ(r.left, strip->GetRecentSlot().left);
}

TEST_F(RecentStripTest, TouchingTheHandleOpensItOverTheTabsWithItsFarEndInPlace) {
  for (const char* style : {"Style=33500\n", "Style=99036\n"}) {  // horizontal, vertical
    Start(Entries({"one.txt", "two.txt"}), style);
    bool horizontal = strip->GetOrientation() == tablayout::kHorizontal;
    RECT slot = strip->GetRecentSlot();
    Touch();
    ASSERT_TRUE(recent->IsExpanded()) << style;
    RECT r = Place();
    EXPECT_EQ(horizontal ? r.right : r.bottom, horizontal ? slot.right : slot.bottom);
    EXPECT_EQ(horizontal ? r.right - r.left : r.bottom - r.top, 3 + 2 * Side()) << style;
    EXPECT_EQ(horizontal ? r.bottom - r.top : r.right - r.left, Side());
    EXPECT_EQ(::SendMessageA(recent->GetTooltip(), TTM_GETTOOLCOUNT, 0, 0), 2);
    // The mouse goes: back to the handle.
    recent->SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(recent->IsExpanded());
    r = Place();
    EXPECT_TRUE(::EqualRect(&r, &slot));
    strip.reset();
  }
}

TEST_F(RecentStripTest, AListLongerThanTheTabAreaOpensOnlyUpToItsStart) {
  std::vector<std::string> names;
  for (int i = 0; i < 40; ++i) {
    names.push_back("f" + std::to_string(i) + ".txt");
    MakeFile(names.back());
  }
  Start(Entries(names), "Style=33500\nRctNo=40\n");
  ASSERT_EQ(recent->GetCount(), 40);
  Touch();
  RECT r = Place();
  EXPECT_EQ(r.left, strip->GetPlacement().tabStart);  // never over the arrows
  EXPECT_EQ(r.right, strip->GetRecentSlot().right);
}

TEST_F(RecentStripTest, APressAndReleaseOnOneItemIsReportedAsTheTabStripsCode2) {
  Start(Entries({"one.txt", "two.txt", "three.txt"}));
  Press(ItemCentre(0));  // collapsed: the press means nothing
  Release(ItemCentre(0));
  Touch();
  Press(ItemCentre(1));
  EXPECT_EQ(recent->GetHotIndex(), 1);
  Release(ItemCentre(1));
  ASSERT_EQ(parent->notes.size(), 1u);
  const auto& note = parent->notes[0];
  EXPECT_EQ(note.code, static_cast<UINT>(tabstrip::kRecentClicked));
  EXPECT_EQ(note.from, strip->GetSafeHwnd());
  EXPECT_EQ(note.id, CTabStrip::kControlId);
  EXPECT_EQ(note.index, 1);
  EXPECT_TRUE(note.hasItem);
  EXPECT_EQ(note.text, File("two.txt"));
  // Released on another item, on the handle, or without a press: nothing.
  Press(ItemCentre(0));
  Release(ItemCentre(2));
  Press(ItemCentre(2));
  Release(POINT{1, 1});
  Release(ItemCentre(2));
  EXPECT_EQ(parent->notes.size(), 1u);
  EXPECT_NE(::GetCapture(), recent->GetSafeHwnd());
}

TEST_F(RecentStripTest, TheContextMenuIsCode3OfKind3AndHoldsTheStripOpenWhileItRuns) {
  Start(Entries({"one.txt", "two.txt", "three.txt"}));
  Touch();
  POINT p = ItemCentre(2);
  ::ClientToScreen(*recent, &p);
  recent->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(recent->GetSafeHwnd()),
                      MAKELPARAM(p.x, p.y));
  ASSERT_EQ(parent->notes.size(), 1u);
  auto note = parent->notes[0];
  EXPECT_EQ(note.code, static_cast<UINT>(tabstrip::kContextMenu));
  EXPECT_EQ(note.kind, tabstrip::kOnRecent);
  EXPECT_EQ(note.index, 2);
  EXPECT_EQ(note.text, File("three.txt"));
  EXPECT_EQ(note.from, strip->GetSafeHwnd());
  EXPECT_TRUE(parent->menuOpenDuringMenu);
  EXPECT_TRUE(parent->expandedAfterLeaveDuringMenu);
  // The menu has closed: the strip goes back to its handle.
  EXPECT_FALSE(recent->IsMenuOpen());
  EXPECT_FALSE(recent->IsExpanded());
  // On the handle of the closed strip: no item.
  RECT r;
  ::GetWindowRect(*recent, &r);
  recent->SendMessage(WM_CONTEXTMENU, 0, MAKELPARAM(r.left + 1, r.top + 1));
  ASSERT_EQ(parent->notes.size(), 2u);
  EXPECT_EQ(parent->notes[1].index, -1);
  EXPECT_FALSE(parent->notes[1].hasItem);
  // A view that does not take it lets it pass on.
  parent->menuResult = 0;
  recent->SendMessage(WM_CONTEXTMENU, 0, MAKELPARAM(r.left + 1, r.top + 1));
  EXPECT_EQ(parent->contextMenusPassedOn, 1);
  EXPECT_FALSE(recent->IsMenuOpen());
}

TEST_F(RecentStripTest, ProtectedSettingsPassTheContextMenuOnWithoutANote) {
  Start(Entries({"one.txt"}), "Style=33500\nProtects=1\n");
  Touch();
  POINT p = ItemCentre(0);
  ::ClientToScreen(*recent, &p);
  recent->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(recent->GetSafeHwnd()),
                      MAKELPARAM(p.x, p.y));
  EXPECT_TRUE(parent->notes.empty());
  EXPECT_EQ(parent->contextMenusPassedOn, 1);
  EXPECT_FALSE(recent->IsMenuOpen());
}

TEST_F(RecentStripTest, PinnedOpenAtIdleWhileTheTabsLeaveRoomUntilTheTabStripIsResized) {
  Start(Entries({"one.txt", "two.txt"}));
  strip->AddTab("Main", kDefault, kDefault);
  strip->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  Pump();
  ASSERT_TRUE(recent->IsExpanded());
  EXPECT_TRUE(recent->IsPinned());
  RECT r = Place();
  EXPECT_EQ(r.right - r.left, 3 + 2 * Side());
  recent->SendMessage(WM_MOUSELEAVE);
  EXPECT_TRUE(recent->IsExpanded());
  // The tab strip puts its children back in their slots.
  ::MoveWindow(*strip, 0, 0, 450, Side(), TRUE);
  EXPECT_FALSE(recent->IsExpanded());
  EXPECT_FALSE(recent->IsPinned());
  // Tabs up to the strip's end leave no room.
  for (int i = 0; i < 30; ++i) strip->AddTab("Tab" + std::to_string(i), kDefault, kDefault);
  strip->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  Pump();
  EXPECT_FALSE(recent->IsExpanded());
}

TEST_F(RecentStripTest, AStripWithoutRoomToOpenIsNotAskedToPinAgainAtEveryIdlePass) {
  Start(Entries({"one.txt", "two.txt"}), "Style=33500\nTabHightAdj=-100\n");
  strip->AddTab("Main", kDefault, kDefault);
  for (int pass = 0; pass < 2; ++pass) {
    strip->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    Pump();
  }
  strip->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  MSG msg;
  EXPECT_FALSE(::PeekMessageA(&msg, *recent, WM_RECENT_PIN, WM_RECENT_PIN, PM_NOREMOVE));
  EXPECT_FALSE(recent->IsExpanded());
}

TEST_F(RecentStripTest, ALaunchGoesToTheHeadAndTheFileGetsTheOrderWhenTheStripGoes) {
  Start(Entries({"one.txt", "two.txt", "three.txt"}));
  EXPECT_EQ(recent->GetTooltip(), nullptr);  // until the strip first opens
  Touch();
  recent->Add(File("three.txt"));
  recent->Add(File("missing\\nothing.exe"));
  EXPECT_EQ(Commands(),
            (std::vector<std::string>{File("three.txt"), File("one.txt"), File("two.txt")}));
  recent->Add(File("four.txt"));
  EXPECT_EQ(recent->GetCount(), 3);
  EXPECT_EQ(::SendMessageA(recent->GetTooltip(), TTM_GETTOOLCOUNT, 0, 0), 3);
  strip.reset();
  EXPECT_EQ(Section(), "[RecentUsed]\r\nBtn1=" + File("four.txt") + "\r\nBtn2=" +
                           File("three.txt") + "\r\nBtn3=" + File("one.txt") + "\r\nBtn4=\r\n");
}

TEST_F(RecentStripTest, AnUnchangedListLeavesTheSectionAsItWas) {
  Start(Entries({"one.txt", "two.txt"}) + "Extra=kept\n");
  Touch();
  recent->SendMessage(WM_MOUSELEAVE);
  recent->Add(File("one.txt"));  // the head already
  strip.reset();
  EXPECT_NE(Section().find("Extra=kept"), std::string::npos) << Section();
}

TEST_F(RecentStripTest, RemovingAndClearingReachTheFileWithOnlyTheTerminatorLeft) {
  Start(Entries({"one.txt", "two.txt", "three.txt"}));
  Touch();
  recent->RemoveAt(0);
  EXPECT_FALSE(recent->IsExpanded());
  EXPECT_EQ(Commands(), (std::vector<std::string>{File("two.txt"), File("three.txt")}));
  recent->RemoveAt(5);
  EXPECT_EQ(recent->GetCount(), 2);
  ASSERT_TRUE(recent->Save());
  EXPECT_EQ(Section(), "[RecentUsed]\r\nBtn1=" + File("two.txt") + "\r\nBtn2=" + File("three.txt") +
                           "\r\nBtn3=\r\n");
  recent->Clear();
  EXPECT_EQ(::SendMessageA(recent->GetTooltip(), TTM_GETTOOLCOUNT, 0, 0), 0);
  Touch();
  EXPECT_FALSE(recent->IsExpanded());
  strip.reset();
  EXPECT_EQ(Section(), "[RecentUsed]\r\nBtn1=\r\n");
}

TEST_F(RecentStripTest, HandEditedSectionsLoadSafely) {
  // A thousand keys, all but one naming files that do not exist, and capacities out of range.
  std::string thousand = "[RecentUsed]\n";
  for (int n = 1; n <= 1000; ++n) {
    std::string target = n == 200 ? File("one.txt") : File("gone" + std::to_string(n) + ".exe");
    thousand += "Btn" + std::to_string(n) + "=" + target + "\n";
  }
  const struct {
    const char* common;
    int count;
  } cases[] = {{"RctNo=1000\n", 1}, {"RctNo=199\n", 0}, {"RctNo=0\n", 0}, {"RctNo=-7\n", 0}};
  for (const auto& c : cases) {
    Start(thousand, std::string("Style=33500\n") + c.common);
    EXPECT_EQ(recent->GetCount(), c.count) << c.common;
    strip.reset();
    parent.reset();
  }
  // Repeats in another case load once; RctNo 0 still keeps one entry.
  std::string upper = File("ONE.TXT");
  Start("[RecentUsed]\nBtn1=" + File("one.txt") + "\nBtn2=" + upper + "\nBtn3=" + File("two.txt") +
        "\n");
  EXPECT_EQ(Commands(), (std::vector<std::string>{File("one.txt"), File("two.txt")}));
  strip.reset();
  parent.reset();
  Start(Entries({"one.txt", "two.txt"}), "Style=33500\nRctNo=0\n");
  EXPECT_EQ(Commands(), (std::vector<std::string>{File("one.txt")}));
}

TEST_F(RecentStripTest, ARefreshDropsItemsWhoseFileIsGone) {
  Start(Entries({"one.txt", "two.txt", "three.txt"}));
  Touch();
  ASSERT_TRUE(::DeleteFileA(File("two.txt").c_str()));
  EXPECT_EQ(recent->SendMessage(WM_SHELL_CHANGED), 1);
  EXPECT_EQ(Commands(), (std::vector<std::string>{File("one.txt"), File("three.txt")}));
  EXPECT_EQ(::SendMessageA(recent->GetTooltip(), TTM_GETTOOLCOUNT, 0, 0), 2);
  strip.reset();
  EXPECT_EQ(Section(), "[RecentUsed]\r\nBtn1=" + File("one.txt") + "\r\nBtn2=" + File("three.txt") +
                           "\r\nBtn3=\r\n");
}

TEST_F(RecentStripTest, TooltipTextIsTheItemsDisplayNameCutTo80Bytes) {
  std::string longName = std::string(150, 'n') + ".txt";
  MakeFile(longName);
  Start(Entries({"one.txt", longName}));
  Touch();
  auto tip = [&](UINT_PTR tool) {
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = recent->GetTooltip();
    info.hdr.idFrom = tool;
    info.hdr.code = TTN_GETDISPINFOA;
    recent->SendMessage(WM_NOTIFY, tool, reinterpret_cast<LPARAM>(&info));
    return std::string(info.lpszText ? info.lpszText : "");
  };
  EXPECT_EQ(tip(1), recent->GetList().Items()[0].displayName);
  std::string cut = tip(2);
  EXPECT_EQ(cut.size(), 79u);
  EXPECT_EQ(cut, recent->GetList().Items()[1].displayName.substr(0, 79));
  EXPECT_EQ(tip(3), "");
  EXPECT_EQ(tip(0), "");
}

namespace {
// The strip inside the real view: what the view loads and adds, and its menu's commands.
class RecentViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::make_unique<TempProgramFolder>();
    for (const char* name : {"one.txt", "two.txt", "three.txt"}) std::ofstream(File(name)) << "x";
  }
  void Start(const std::string& section) {
    folder->WriteIni("[Common]\nStyle=33500\n[Order]\n1=1\n[Tab1]\nNo=1\nDesc=Work\n" + section);
    g_barOptions.Clear();
    g_tabList.LoadAll();
    ASSERT_TRUE(CWnd::RegisterWndClass("KestrelRecentViewTestParent", 0,
                                       ::LoadCursorA(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr));
    parent = std::make_unique<CWnd>();
    ASSERT_TRUE(parent->CreateEx(0, "KestrelRecentViewTestParent", "", WS_POPUP | WS_VISIBLE,
                                 RECT{0, 0, 600, 120}, nullptr, 0));
    view = std::make_unique<CChildView>();
    ASSERT_TRUE(view->Create(*parent, ID_VIEW_PANE, WS_CHILD | WS_VISIBLE));
    // The view loads the list once it is up, from a message it posts itself.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    recent = view->GetTabStrip().GetRecentStrip();
    ASSERT_NE(recent, nullptr);
  }
  void TearDown() override {
    view.reset();
    parent.reset();
    folder.reset();
    g_barOptions.Clear();
  }
  std::string File(const char* name) const { return folder->Folder() + name; }
  // Prepares the strip's menu as its context menu note does, on item index or on no item.
  HMENU MenuOn(int index) {
    NMTABSTRIP note{};
    note.index = index;
    note.kind = tabstrip::kOnRecent;
    note.item = const_cast<RecentItem*>(recent->GetList().Item(index));
    return view->PrepareStripMenu(note);
  }
  bool Enabled(HMENU popup, UINT id) {
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
      if (::GetMenuItemID(popup, i) != id) continue;
      CCmdUI ui(popup, static_cast<UINT>(i), id);
      if (!view->OnUpdateCommand(ui)) return false;
      return !(::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED);
    }
    ADD_FAILURE() << "no item " << id;
    return false;
  }

  std::unique_ptr<TempProgramFolder> folder;
  std::unique_ptr<CWnd> parent;
  std::unique_ptr<CChildView> view;
  CRecentStrip* recent = nullptr;
};
}  // namespace

TEST_F(RecentViewTest, ItsMenuDeletesOnlyTheItemItWasOpenedOnAndClearsTheList) {
  Start("[RecentUsed]\nBtn1=" + File("one.txt") + "\nBtn2=" + File("two.txt") +
        "\nBtn3=" + File("three.txt") + "\n");
  ASSERT_EQ(recent->GetCount(), 3);
  HMENU menu = MenuOn(1);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(Enabled(menu, ID_RECENT_DELETE));
  EXPECT_TRUE(Enabled(menu, ID_RECENT_CLEAR));
  view->OnCommand(ID_RECENT_DELETE, 0, nullptr);
  EXPECT_EQ(recent->GetList().Find(File("two.txt")), -1);
  // The same command again, or after another menu, names no item of the strip.
  view->OnCommand(ID_RECENT_DELETE, 0, nullptr);
  view->PreparePanelMenu(0);
  view->OnCommand(ID_RECENT_DELETE, 0, nullptr);
  EXPECT_EQ(recent->GetCount(), 2);
  // On the handle: nothing to delete, but the list can be cleared.
  menu = MenuOn(-1);
  EXPECT_FALSE(Enabled(menu, ID_RECENT_DELETE));
  EXPECT_TRUE(Enabled(menu, ID_RECENT_CLEAR));
  view->OnCommand(ID_RECENT_CLEAR, 0, nullptr);
  EXPECT_EQ(recent->GetCount(), 0);
  EXPECT_FALSE(Enabled(MenuOn(-1), ID_RECENT_CLEAR));
  view->AddRecentlyUsed(File("three.txt"));
  EXPECT_EQ(recent->GetCount(), 1);
}

TEST_F(RecentViewTest, TakingOverOptionsKeepsLaunchesTheFileHadNotYetAndRereadsAClearedList) {
  Start("");
  view->AddRecentlyUsed(File("one.txt"));
  // Options that leave the list alone (the frame's always-on-top switch sends these too): the
  // launch is not lost to the empty file.
  view->ApplyOptions(view->GetStyleWord());
  EXPECT_EQ(recent->GetCount(), 1);
  EXPECT_EQ(g_settingsFile.ReadString("RecentUsed", "Btn1", ""), File("one.txt"));
  // The options page cleared the list in the file.
  g_settingsFile.WriteString("RecentUsed", "Btn1", "");
  view->ApplyOptions(view->GetStyleWord());
  EXPECT_EQ(recent->GetCount(), 0);
}
