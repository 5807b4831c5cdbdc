#include <gtest/gtest.h>

#include "bar/TabStrip.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "framework/Wnd.h"
#include "tests/unit/TempProgramFolder.h"

namespace {
const uint32_t kDefault = 0x2000000;

// A stand-in for the bar view: records what the strip tells it.
class StripParent : public CWnd {
 public:
  struct Note {
    UINT code;
    UINT_PTR id;
    int index;
    bool hasTab;
    int kind;
    std::string text;
  };
  struct Scroll {
    UINT code;
    UINT position;
    HWND bar;
  };
  std::vector<Note> notes;
  std::vector<Scroll> scrolls;
  int contextMenusPassedOn = 0;
  LRESULT contextMenuResult = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_NOTIFY: {
        const auto& record = *reinterpret_cast<const NMTABSTRIP*>(lParam);
        notes.push_back(Note{record.hdr.code, record.hdr.idFrom, record.index,
                             record.tab != nullptr, record.kind, record.text ? record.text : ""});
        return record.hdr.code == tabstrip::kContextMenu ? contextMenuResult : 0;
      }
      case WM_HSCROLL:
        scrolls.push_back(Scroll{LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return 0;
      case WM_CONTEXTMENU:
        ++contextMenusPassedOn;
        return 0;
      default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
  }
};

class TabStripTest : public ::testing::Test {
 protected:
  void SetUp() override { Start("[Common]\nStyle=33500\n"); }
  void TearDown() override {
    strip.reset();
    parent.reset();
    g_barOptions.Clear();
  }

  void Start(const std::string& ini, int length = 500) {
    strip.reset();
    parent.reset();
    folder.reset();  // first: it puts the previous settings file back
    folder = std::make_unique<TempProgramFolder>(ini);
    g_barOptions.Clear();
    ASSERT_TRUE(CWnd::RegisterWndClass("KestrelTabStripTestParent", 0,
                                       ::LoadCursorA(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr));
    parent = std::make_unique<StripParent>();
    ASSERT_TRUE(parent->CreateEx(0, "KestrelTabStripTestParent", "", WS_POPUP | WS_VISIBLE,
                                 RECT{0, 0, length + 20, length + 20}, nullptr, 0));
    strip = std::make_unique<CTabStrip>();
    bool vertical = (g_barOptions.GetInt("Style", 0) & 0x30000) != 0;
    RECT r = vertical ? RECT{0, 0, Thickness(), length} : RECT{0, 0, length, Thickness()};
    ASSERT_TRUE(strip->Create(*parent, r));
  }
  static int Thickness() {
    return g_barOptions.GetInt("TabHightAdj", 0) + ::GetSystemMetrics(SM_CYVTHUMB);
  }

  static POINT Centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Click(POINT p) {
    strip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    strip->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  }
  std::vector<StripParent::Note> NotesWithCode(UINT code) const {
    std::vector<StripParent::Note> found;
    for (const auto& note : parent->notes)
      if (note.code == code) found.push_back(note);
    return found;
  }
  void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  void AddTabs(int count, const std::string& prefix = "Tab") {
    for (int i = 0; i < count; ++i) strip->AddTab(prefix + std::to_string(i), kDefault, kDefault);
  }

  std::unique_ptr<TempProgramFolder> folder;
  std::unique_ptr<StripParent> parent;
  std::unique_ptr<CTabStrip> strip;
};

TEST_F(TabStripTest, ClickingAnotherTabSelectsItAndTellsTheParent) {
  AddTabs(3);
  strip->Select(0);
  Click(Centre(strip->GetTab(2)->GetRect()));
  EXPECT_EQ(strip->GetSelected(), 2);
  auto notes = NotesWithCode(tabstrip::kTabSelected);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].index, 2);
  EXPECT_TRUE(notes[0].hasTab);
  EXPECT_EQ(notes[0].id, CTabStrip::kControlId);
  // The selected tab and empty strip space send nothing.
  Click(Centre(strip->GetTab(2)->GetRect()));
  Click(POINT{480, 5});
  EXPECT_EQ(NotesWithCode(tabstrip::kTabSelected).size(), 1u);
}

TEST_F(TabStripTest, EmptySpaceStartsTheBarMoveAndTabsDoNot) {
  AddTabs(2);
  std::vector<HWND> moves;
  strip->SetBarMoveHandler([&moves](HWND window) { moves.push_back(window); });
  Click(POINT{480, 5});
  Click(Centre(strip->GetTab(1)->GetRect()));
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], strip->GetSafeHwnd());
}

TEST_F(TabStripTest, TheEarlierTabWinsInTheOverlapEvenWhenTheLaterIsSelected) {
  AddTabs(2);
  strip->Select(1);
  const RECT& second = strip->GetTab(1)->GetRect();
  EXPECT_EQ(second.left, strip->GetTab(0)->GetRect().right - 8);
  POINT overlap{second.left + 3, 2};
  EXPECT_EQ(strip->HitTest(overlap), 0);
  Click(overlap);
  EXPECT_EQ(strip->GetSelected(), 0);
  EXPECT_EQ(strip->HitTest(POINT{-5, 2}), -1);
}

TEST_F(TabStripTest, SelectAndIndexOperationsIgnoreInvalidIndices) {
  AddTabs(3);
  EXPECT_EQ(strip->Select(1), 1);
  EXPECT_EQ(strip->Select(1), 1);
  EXPECT_EQ(strip->Select(7), -1);
  EXPECT_EQ(strip->GetSelected(), -1);
  EXPECT_EQ(strip->SetTabName(3, "x"), 0);
  EXPECT_EQ(strip->GetTab(-1), nullptr);
  strip->RemoveTab(9);
  EXPECT_EQ(strip->GetTabCount(), 3);
  strip->Select(2);
  strip->RemoveTab(2);
  EXPECT_EQ(strip->GetSelected(), 1);  // past the end: the last tab
  EXPECT_EQ(strip->InsertTab(0, "first", kDefault, kDefault), 0);
  EXPECT_EQ(strip->GetTab(0)->GetName(), "first");
}

TEST_F(TabStripTest, ArrowsScrollTheTabsAndAreEnabledAtIdleTime) {
  AddTabs(60);
  ASSERT_GT(strip->GetMaxScroll(), 16);
  HWND arrows = strip->GetArrows();
  strip->SendMessage(WM_HSCROLL, SB_LINELEFT, reinterpret_cast<LPARAM>(arrows));
  EXPECT_EQ(strip->GetScrollOffset(), 0);
  strip->SendMessage(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(arrows));
  EXPECT_EQ(strip->GetScrollOffset(), -16);
  EXPECT_EQ(strip->GetTab(0)->GetRect().left, strip->GetPlacement().tabStart - 16);
  for (int i = 0; i < 1000; ++i)
    strip->SendMessage(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(arrows));
  EXPECT_EQ(strip->GetScrollOffset(), -strip->GetMaxScroll());

  strip->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetScrollBarInfo(arrows, OBJID_CLIENT, &info));
  EXPECT_FALSE(info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE);  // left arrow usable
  EXPECT_TRUE(info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);   // at the end
}

TEST_F(TabStripTest, RemovingTabsNeverLeavesThemScrolledPastTheirEnd) {
  AddTabs(60);
  strip->EnsureVisible(59);
  ASSERT_LT(strip->GetScrollOffset(), 0);
  while (strip->GetTabCount() > 2) strip->RemoveTab(strip->GetTabCount() - 1);
  EXPECT_EQ(strip->GetScrollOffset(), 0);
  EXPECT_EQ(strip->GetTab(0)->GetRect().left, strip->GetPlacement().tabStart);
}

TEST_F(TabStripTest, TabsThatFitDoNotScroll) {
  AddTabs(2);
  EXPECT_LE(strip->GetMaxScroll(), 0);
  strip->SendMessage(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(strip->GetArrows()));
  EXPECT_EQ(strip->GetScrollOffset(), 0);
}

TEST_F(TabStripTest, EnsureVisibleBringsTheLastTabIntoTheTabArea) {
  AddTabs(60);
  strip->EnsureVisible(59);
  const RECT& last = strip->GetTab(59)->GetRect();
  EXPECT_LE(last.right, strip->GetPlacement().tabEnd);
  EXPECT_GE(last.left, strip->GetPlacement().tabStart);
  strip->EnsureVisible(0);
  EXPECT_EQ(strip->GetScrollOffset(), 0);
}

TEST_F(TabStripTest, ContextMenuTargetsAndTheParentsAnswer) {
  AddTabs(2);
  POINT p = Centre(strip->GetTab(1)->GetRect());
  ::ClientToScreen(*strip, &p);
  strip->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip->GetSafeHwnd()),
                     MAKELPARAM(p.x, p.y));
  strip->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip->GetArrows()),
                     MAKELPARAM(p.x, p.y));
  auto notes = NotesWithCode(tabstrip::kContextMenu);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].index, 1);
  EXPECT_TRUE(notes[0].hasTab);
  EXPECT_EQ(notes[0].kind, tabstrip::kOnStrip);
  EXPECT_EQ(notes[1].index, static_cast<int>(CTabStrip::kArrowsId));
  EXPECT_FALSE(notes[1].hasTab);
  EXPECT_EQ(notes[1].kind, tabstrip::kOnArrows);
  // Unhandled menus go on to the parent; handled ones do not.
  EXPECT_EQ(parent->contextMenusPassedOn, 2);
  parent->contextMenuResult = 1;
  strip->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip->GetSafeHwnd()),
                     MAKELPARAM(p.x, p.y));
  EXPECT_EQ(parent->contextMenusPassedOn, 2);
}

TEST_F(TabStripTest, DisabledArrowsStillGetTheirOwnContextMenu) {
  AddTabs(2);  // they fit: both arrows are disabled at idle time
  strip->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
  RECT arrows;
  ::GetWindowRect(strip->GetArrows(), &arrows);
  POINT p = Centre(arrows);
  // A disabled window's clicks reach its parent.
  strip->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip->GetSafeHwnd()),
                     MAKELPARAM(p.x, p.y));
  auto notes = NotesWithCode(tabstrip::kContextMenu);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].kind, tabstrip::kOnArrows);
  EXPECT_EQ(notes[0].index, static_cast<int>(CTabStrip::kArrowsId));
}

TEST_F(TabStripTest, ProtectedBarSendsNoContextMenu) {
  Start("[Common]\nStyle=33500\nProtects=1\n");
  AddTabs(2);
  strip->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip->GetSafeHwnd()),
                     MAKELPARAM(10, 10));
  EXPECT_TRUE(NotesWithCode(tabstrip::kContextMenu).empty());
  EXPECT_EQ(parent->contextMenusPassedOn, 1);
}

TEST_F(TabStripTest, PanelScrollBarIsForwardedAndTheDraggedThumbIsFollowedAtOnce) {
  strip->ShowPanelScrollBar(true);
  HWND bar = strip->GetPanelScrollBar();
  ASSERT_TRUE(::IsWindowVisible(bar));
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, 0, 10, 0, 2, 0};
  ::SetScrollInfo(bar, SB_CTL, &info, FALSE);
  // One message to the thumb's place, however far it went: steps per unit
  // would move the cells a quarter cell for each pixel of thumb.
  strip->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5), reinterpret_cast<LPARAM>(bar));
  ASSERT_EQ(parent->scrolls.size(), 1u);
  EXPECT_EQ(parent->scrolls[0].code, static_cast<UINT>(SB_THUMBPOSITION));
  EXPECT_EQ(parent->scrolls[0].position, 5u);
  EXPECT_EQ(parent->scrolls[0].bar, bar);
  strip->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0), reinterpret_cast<LPARAM>(bar));
  ASSERT_EQ(parent->scrolls.size(), 2u);
  EXPECT_EQ(parent->scrolls[1].code, static_cast<UINT>(SB_LINELEFT));
  strip->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), reinterpret_cast<LPARAM>(bar));
  ASSERT_EQ(parent->scrolls.size(), 3u);
  EXPECT_EQ(parent->scrolls[2].code, static_cast<UINT>(SB_THUMBPOSITION));
  EXPECT_EQ(parent->scrolls[2].position, 7u);
}

TEST_F(TabStripTest, SplitterDraggedToTheFarEndLeavesEightPixels) {
  strip->ShowPanelScrollBar(true);
  RECT splitter = strip->GetSplitterRect();
  ASSERT_FALSE(::IsRectEmpty(&splitter));
  POINT p = Centre(splitter);
  strip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  strip->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(499, p.y));
  strip->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(499, p.y));
  RECT bar;
  ::GetWindowRect(strip->GetPanelScrollBar(), &bar);
  EXPECT_EQ(bar.right - bar.left, 8);
  EXPECT_LT(strip->SplitterShare(), 0.02);
  EXPECT_EQ(::GetCapture(), nullptr);
  // Hidden again: the tabs have the whole length.
  strip->ShowPanelScrollBar(false);
  EXPECT_EQ(strip->GetPlacement().tabEnd, 500 - 3);
}

TEST_F(TabStripTest, EnterCommitsTheRenameOnce) {
  AddTabs(2);
  strip->Select(1);
  strip->BeginRename(1);
  HWND edit = strip->GetRenameEdit();
  ASSERT_NE(edit, nullptr);
  char text[64] = "";
  ::GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "Tab1");
  EXPECT_TRUE(strip->IsRenaming());
  ::SetWindowTextA(edit, "新しいタブ");
  ::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  ::SendMessageA(edit, WM_CHAR, '\r', 0);
  auto notes = NotesWithCode(tabstrip::kRenamed);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].index, 1);
  EXPECT_EQ(notes[0].text, "新しいタブ");
  EXPECT_FALSE(::IsWindow(edit));
  EXPECT_FALSE(strip->IsRenaming());
  // The strip itself leaves the name to the view.
  EXPECT_EQ(strip->GetTab(1)->GetName(), "Tab1");
  strip->EndRename();
  EXPECT_EQ(NotesWithCode(tabstrip::kRenamed).size(), 1u);
}

TEST_F(TabStripTest, EscapeRestoresTheNameAndOtherEndingsReportOnce) {
  AddTabs(2);
  strip->Select(0);
  strip->BeginRename(0);
  ::SetWindowTextA(strip->GetRenameEdit(), "changed");
  ::SendMessageA(strip->GetRenameEdit(), WM_KEYDOWN, VK_ESCAPE, 0);
  auto notes = NotesWithCode(tabstrip::kRenamed);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].text, "Tab0");

  // A click on the strip ends a running edit first.
  strip->BeginRename(0);
  ::SetWindowTextA(strip->GetRenameEdit(), "clicked");
  Click(POINT{480, 5});
  // A scroll does too.
  strip->BeginRename(0);
  strip->SendMessage(WM_HSCROLL, SB_LINELEFT, reinterpret_cast<LPARAM>(strip->GetArrows()));
  notes = NotesWithCode(tabstrip::kRenamed);
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_EQ(notes[1].text, "clicked");
  EXPECT_EQ(notes[2].text, "Tab0");
  EXPECT_EQ(strip->GetRenameEdit(), nullptr);
}

TEST_F(TabStripTest, ArrowsEndTheRenameOnlyWithCtrlAndLosingTheFocusEndsIt) {
  AddTabs(1);
  strip->Select(0);
  strip->BeginRename(0);
  HWND edit = strip->GetRenameEdit();
  ::SendMessageA(edit, WM_KEYDOWN, VK_RIGHT, 0);
  ::SendMessageA(edit, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_TRUE(::IsWindow(edit));
  BYTE keys[256];
  ::GetKeyboardState(keys);
  BYTE control = keys[VK_CONTROL];
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  ::SendMessageA(edit, WM_KEYDOWN, VK_RIGHT, 0);
  keys[VK_CONTROL] = control;
  ::SetKeyboardState(keys);
  EXPECT_FALSE(::IsWindow(edit));
  EXPECT_EQ(NotesWithCode(tabstrip::kRenamed).size(), 1u);

  strip->BeginRename(0);
  edit = strip->GetRenameEdit();
  ASSERT_EQ(::GetFocus(), edit);
  ::SetFocus(*parent);
  EXPECT_FALSE(::IsWindow(edit));
  EXPECT_EQ(NotesWithCode(tabstrip::kRenamed).size(), 2u);
}

// A parent that starts a new rename while the last one reports its end.
class RestartingParent : public StripParent {
 public:
  CTabStrip* strip = nullptr;
  int restarts = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = StripParent::WindowProc(message, wParam, lParam);
    if (message == WM_NOTIFY && strip && restarts < 1 &&
        reinterpret_cast<const NMHDR*>(lParam)->code == tabstrip::kRenamed) {
      ++restarts;
      strip->BeginRename(0);
    }
    return result;
  }
};

TEST_F(TabStripTest, ARenameStartedFromTheEndNotificationIsSafe) {
  strip.reset();
  auto restarting = std::make_unique<RestartingParent>();
  ASSERT_TRUE(restarting->CreateEx(0, "KestrelTabStripTestParent", "", WS_POPUP | WS_VISIBLE,
                                   RECT{0, 0, 520, 100}, nullptr, 0));
  strip = std::make_unique<CTabStrip>();
  ASSERT_TRUE(strip->Create(*restarting, RECT{0, 0, 500, Thickness()}));
  restarting->strip = strip.get();
  strip->AddTab("one", kDefault, kDefault);
  strip->Select(0);
  strip->BeginRename(0);
  ::SendMessageA(strip->GetRenameEdit(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(restarting->restarts, 1);
  EXPECT_TRUE(strip->IsRenaming());
  ASSERT_NE(strip->GetRenameEdit(), nullptr);
  ::SendMessageA(strip->GetRenameEdit(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(strip->IsRenaming());
  EXPECT_EQ(restarting->notes.size(), 2u);
  strip.reset();
}

TEST_F(TabStripTest, TypingWidensTheEditUpToTheStripsEnd) {
  AddTabs(1);
  strip->Select(0);
  strip->BeginRename(0);
  HWND edit = strip->GetRenameEdit();
  RECT before;
  ::GetWindowRect(edit, &before);
  for (int i = 0; i < 200; ++i) ::SendMessageA(edit, WM_CHAR, 'W', 0);
  RECT after;
  ::GetWindowRect(edit, &after);
  RECT client;
  strip->GetClientRect(&client);
  ::MapWindowPoints(*strip, nullptr, reinterpret_cast<POINT*>(&client), 2);
  EXPECT_GT(after.right - after.left, before.right - before.left);
  EXPECT_LE(after.right, client.right);
  strip->EndRename();
}

TEST_F(TabStripTest, AutomaticWidthHasNoTruncationAndNoTooltip) {
  strip->SetTextOptions(0, 0, 6, true);
  strip->AddTab(std::string(300, 'x'), kDefault, kDefault);
  EXPECT_FALSE(strip->GetTab(0)->IsTruncated());
  EXPECT_EQ(strip->GetTabTooltip(), nullptr);
}

TEST_F(TabStripTest, FixedWidthTruncatesLongNamesAndTheTooltipShowsThem) {
  strip->SetTextOptions(0.4, 18, 6, true);
  ASSERT_NE(strip->GetTabTooltip(), nullptr);
  // A long Shift-JIS name whose 80-byte cut would split a character.
  std::string name = "a";
  for (int i = 0; i < 60; ++i) name += "\x82\xA0";
  strip->AddTab("ab", kDefault, kDefault);
  strip->AddTab(name, kDefault, kDefault);
  EXPECT_FALSE(strip->GetTab(0)->IsTruncated());
  EXPECT_TRUE(strip->GetTab(1)->IsTruncated());
  EXPECT_EQ(strip->GetTab(0)->GetRect().right - strip->GetTab(0)->GetRect().left,
            strip->GetTab(1)->GetRect().right - strip->GetTab(1)->GetRect().left);

  POINT p = Centre(strip->GetTab(1)->GetRect());
  strip->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
  NMTTDISPINFOA info{};
  info.hdr.hwndFrom = strip->GetTabTooltip();
  info.hdr.code = TTN_GETDISPINFOA;
  strip->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  ASSERT_NE(info.lpszText, nullptr);
  EXPECT_EQ(std::string(info.lpszText), name.substr(0, 79));  // "a" + 39 whole characters
  // Over a tab that fits there is nothing to show.
  p = Centre(strip->GetTab(0)->GetRect());
  strip->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
  strip->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(info.lpszText, "");

  // Back to automatic width: the tooltip goes.
  strip->SetTextOptions(0, 0, 6, true);
  EXPECT_EQ(strip->GetTabTooltip(), nullptr);
  EXPECT_FALSE(strip->GetTab(1)->IsTruncated());
}

TEST_F(TabStripTest, ProgressBarUsesTheRoomAfterTheLastTab) {
  AddTabs(2);
  strip->SendMessage(WM_BUILD_PROGRESS, 0, 10);
  HWND progress = strip->GetProgressBar();
  ASSERT_NE(progress, nullptr);
  RECT r;
  ::GetWindowRect(progress, &r);
  ::MapWindowPoints(nullptr, *strip, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, strip->GetTab(1)->GetRect().right + 4);
  EXPECT_EQ(r.right, strip->GetPlacement().tabEnd - 4);
  EXPECT_EQ(::SendMessageA(progress, PBM_GETRANGE, FALSE, 0), 10);
  strip->SendMessage(WM_BUILD_PROGRESS, 1, 0);
  EXPECT_EQ(::SendMessageA(progress, PBM_GETPOS, 0, 0), 1);
  strip->SendMessage(WM_BUILD_PROGRESS, 2, 0);
  EXPECT_EQ(strip->GetProgressBar(), nullptr);
  EXPECT_FALSE(::IsWindow(progress));
  // No room: no bar.
  AddTabs(60);
  strip->SendMessage(WM_BUILD_PROGRESS, 0, 10);
  EXPECT_EQ(strip->GetProgressBar(), nullptr);
  strip->SendMessage(WM_BUILD_PROGRESS, 1, 0);
}

TEST_F(TabStripTest, VerticalStripsLayTabsDownTheirLength) {
  for (const char* ini : {"[Common]\nStyle=99036\n", "[Common]\nStyle=164572\n"}) {
    Start(ini);
    AddTabs(3);
    strip->Select(1);
    strip->SetEmblem("emblem");
    EXPECT_NE(strip->GetOrientation(), tablayout::kHorizontal);
    const RECT& first = strip->GetTab(0)->GetRect();
    const RECT& second = strip->GetTab(1)->GetRect();
    EXPECT_EQ(second.top, first.bottom - 8);
    EXPECT_EQ(first.top, strip->GetPlacement().tabStart);
    EXPECT_TRUE(::GetWindowLongA(strip->GetArrows(), GWL_STYLE) & SBS_VERT);
    EXPECT_EQ(strip->HitTest(Centre(second)), 1);
    ::RedrawWindow(*strip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
}

TEST_F(TabStripTest, ReorientFollowsTheStyleWord) {
  AddTabs(2);
  g_barOptions.SetInt("Style", 33500 | 0x20000);
  ::MoveWindow(*strip, 0, 0, Thickness(), 500, TRUE);
  strip->Reorient();
  EXPECT_EQ(strip->GetOrientation(), tablayout::kVerticalLeft);
  EXPECT_EQ(strip->GetTab(1)->GetRect().top, strip->GetTab(0)->GetRect().bottom - 8);
  EXPECT_TRUE(::GetWindowLongA(strip->GetPanelScrollBar(), GWL_STYLE) & SBS_VERT);
}

// Paints the strip into a bitmap of its client size and counts the pixels of
// colour inside area.
int CountPixels(CTabStrip& strip, const RECT& area, COLORREF colour) {
  RECT client;
  strip.GetClientRect(&client);
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  strip.Paint(dc);
  int count = 0;
  for (int y = std::max(0L, area.top); y < std::min(client.bottom, area.bottom); ++y)
    for (int x = std::max(0L, area.left); x < std::min(client.right, area.right); ++x)
      if (::GetPixel(dc, x, y) == colour) ++count;
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return count;
}

TEST_F(TabStripTest, NamesAreDrawnInsideTheirTabsInEveryOrientation) {
  const COLORREF red = RGB(255, 0, 0);
  for (const char* ini :
       {"[Common]\nStyle=33500\n", "[Common]\nStyle=99036\n", "[Common]\nStyle=164572\n"}) {
    Start(ini);
    for (int mode : {0, 18, 10, 6}) {
      strip->SetTextOptions(0, mode, 3, true);
      strip->RemoveAllTabs();
      strip->AddTab("WWWWWWWWWWWW", kDefault, 0x0000FF);
      strip->AddTab("x", kDefault, kDefault);
      RECT tab = strip->GetTab(0)->GetRect();
      RECT client;
      strip->GetClientRect(&client);
      // Drawn plain and as the selected tab (bold and underlined).
      for (int selected : {1, 0}) {
        strip->Select(selected);
        int inside = CountPixels(*strip, tab, red);
        int everywhere = CountPixels(*strip, client, red);
        EXPECT_GT(inside, 0) << ini << " mode " << mode << " selected " << selected;
        EXPECT_EQ(inside, everywhere) << ini << " mode " << mode << " selected " << selected;
      }
    }
  }
}

TEST_F(TabStripTest, TheEmblemIsDrawnOnlyWhenItFitsAfterTheLastTab) {
  AddTabs(2);
  strip->Select(0);
  const COLORREF highlight = ::GetSysColor(COLOR_3DHILIGHT);
  RECT after{strip->GetTab(1)->GetRect().right + 1, 0, strip->GetPlacement().tabEnd, 40};
  EXPECT_EQ(CountPixels(*strip, after, highlight), 0);
  strip->SetEmblem("Emblem");
  EXPECT_GT(CountPixels(*strip, after, highlight), 0);
  strip->SetEmblem(std::string(4000, 'E'));
  EXPECT_EQ(CountPixels(*strip, after, highlight), 0);
}

// Damaged or extreme settings and names are drawn or clipped, never fatal.
TEST_F(TabStripTest, HugeNamesBrokenCharactersAndLongEmblemsPaintSafely) {
  strip->AddTab(std::string(5000, 'W'), kDefault, kDefault);
  strip->AddTab("broken\x82", 0x1000000 | 9999, 0xFFFFFFFF);
  strip->AddTab(std::string(3000, '\x82'), 0x0000FF, 0x00FF00);
  strip->SetEmblem(std::string(4000, 'E'));
  strip->Select(1);
  ::RedrawWindow(*strip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  strip->EnsureVisible(2);
  ::RedrawWindow(*strip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  for (int mode : {18, 10, 6}) {
    strip->SetTextOptions(0, mode, 6, true);
    ::RedrawWindow(*strip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  strip->BeginRename(1);
  strip->EndRename();
  EXPECT_EQ(NotesWithCode(tabstrip::kRenamed).size(), 1u);
}

TEST_F(TabStripTest, TenThousandTabsStayResponsive) {
  for (int i = 0; i < 10000; ++i) strip->AddTab("T" + std::to_string(i), kDefault, kDefault);
  strip->Select(5000);
  strip->EnsureVisible(9999);
  EXPECT_LE(strip->GetTab(9999)->GetRect().right, strip->GetPlacement().tabEnd);
  ::RedrawWindow(*strip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(strip->HitTest(Centre(strip->GetTab(9999)->GetRect())), 9999);
  strip->RemoveAllTabs();
  EXPECT_EQ(strip->GetTabCount(), 0);
}

TEST_F(TabStripTest, ZeroOrNegativeFixedWidthsStillMakeTabs) {
  AddTabs(3);
  for (int chars : {0, -5, -2147483647, 2147483647}) {
    strip->SetTextOptions(0, 6, chars, true);
    for (int i = 0; i < 3; ++i) {
      const RECT& r = strip->GetTab(i)->GetRect();
      EXPECT_GT(r.right - r.left, 20) << chars;
    }
    EXPECT_EQ(strip->GetTab(1)->GetRect().left, strip->GetTab(0)->GetRect().right - 8);
    ::RedrawWindow(*strip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
}

TEST_F(TabStripTest, ForeignMessagesWithoutRecordsAreIgnored) {
  AddTabs(2);
  strip->SendMessage(WM_NOTIFY, 0, 0);
  strip->SendMessage(WM_BUILD_PROGRESS, 7, 0);
  strip->SendMessage(WM_BUILD_PROGRESS, 1, 0);  // a step without a bar
  strip->SendMessage(WM_BUILD_PROGRESS, 0, -5);
  strip->SendMessage(WM_BUILD_PROGRESS, 2, 0);
  strip->SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
  strip->SendMessage(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(parent->GetSafeHwnd()));
  strip->SendMessage(WM_CONTEXTMENU, 0, -1);
  EXPECT_EQ(strip->GetScrollOffset(), 0);
  EXPECT_EQ(strip->GetProgressBar(), nullptr);
}

TEST_F(TabStripTest, NegativeTabHeightAdjustmentIsClipped) {
  Start("[Common]\nStyle=33500\nTabHightAdj=-100\n");
  AddTabs(3);
  strip->Select(0);
  ::RedrawWindow(*strip, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const RECT& r = strip->GetTab(0)->GetRect();
  EXPECT_GE(r.bottom, r.top);
  strip->SendMessage(WM_BUILD_PROGRESS, 0, 5);
  strip->SendMessage(WM_BUILD_PROGRESS, 2, 0);
}
}  // namespace
