// The copy, move and swap modes: where a cell or tab would go for each place of the cursor, where
// the mark shows, when the bar scrolls, what a finished mode does to the cells and tabs, and the
// modes run with mouse and key messages on real panels, strips and views.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "bar/BarLook.h"
#include "bar/BtnDragTracker.h"
#include "bar/BtnItem.h"
#include "bar/BtnPanel.h"
#include "bar/ChildView.h"
#include "bar/DropMark.h"
#include "bar/TabDragTracker.h"
#include "bar/TabStrip.h"
#include "bar/ViewModes.h"
#include "core/ButtonRecord.h"
#include "core/Globals.h"
#include "core/TabData.h"
#include "framework/CmdUI.h"
#include "framework/WinApp.h"
#include "kestrel_res.h"
#include "tests/unit/TempProgramFolder.h"

namespace {

using celltarget::Cell;

// ---- where the target is ----

TEST(DragTargetTest, CellQuartersSeparatorsAndEmptySpaceGiveTheTarget) {
  // Cells 20 long with gaps of 5; a separator of 4 at 55; quarter 5.
  const std::vector<Cell> cells = {
      {10, 30, false}, {35, 55, false}, {60, 64, true}, {69, 89, false}};
  struct Row {
    int mode, current, along;
    bool inArea;
    bool found;
    int kind, index;
  };
  const Row rows[] = {
      // Over a cell: first quarter before, last quarter after, the rest onto it.
      {1, 0, 10, true, true, 1, 0},
      {1, 0, 14, true, true, 1, 0},
      {1, 0, 15, true, true, 2, 0},
      {1, 0, 24, true, true, 2, 0},
      {1, 0, 25, true, true, 3, 0},
      {0, 0, 29, true, true, 3, 0},
      {0, 1, 45, true, true, 2, 1},
      // A separator or empty space: before the next real cell, or after the last.
      {1, 2, 61, true, true, 1, 3},
      {0, -1, 32, true, true, 1, 1},
      {1, -1, 5, true, true, 1, 0},
      {1, -1, 95, true, true, 3, 3},
      // Copy and move need the cursor in the panel.
      {1, 1, 45, false, false, 0, -1},
      {0, -1, 32, false, false, 0, -1},
      // Swap: any cell but a separator, always onto it.
      {2, 1, 36, true, true, 2, 1},
      {2, 3, 88, true, true, 2, 3},
      {2, 2, 61, true, false, 0, -1},
      {2, -1, 32, true, false, 0, -1},
  };
  for (const Row& r : rows) {
    celltarget::Target t = celltarget::FindTarget(r.mode, cells, r.current, r.along, r.inArea, 5);
    EXPECT_EQ(t.found, r.found) << r.mode << " " << r.current << " " << r.along;
    if (!r.found) continue;
    EXPECT_EQ(t.kind, r.kind) << r.mode << " " << r.current << " " << r.along;
    EXPECT_EQ(t.index, r.index) << r.mode << " " << r.current << " " << r.along;
  }
}

TEST(DragTargetTest, ASeparatorAtTheEndIsTheLastResort) {
  const std::vector<Cell> cells = {{10, 30, false}, {35, 39, true}};
  celltarget::Target onSeparator = celltarget::FindTarget(1, cells, 1, 37, true, 5);
  EXPECT_EQ(onSeparator.index, 1);
  EXPECT_EQ(onSeparator.kind, 3);  // it starts before the cursor: after it
  celltarget::Target beforeIt = celltarget::FindTarget(1, cells, -1, 32, true, 5);
  EXPECT_EQ(beforeIt.index, 1);
  EXPECT_EQ(beforeIt.kind, 1);  // it starts after the cursor: before it
  EXPECT_FALSE(celltarget::FindTarget(0, {}, -1, 32, true, 5).found);
  // A node that is no cell counts as empty space.
  celltarget::Target stale = celltarget::FindTarget(1, cells, 7, 20, true, 5);
  EXPECT_EQ(stale.index, 1);
  EXPECT_EQ(stale.kind, 1);
}

TEST(DragTargetTest, MarkSitsInTheGapOrOnTheCellWithinTheArea) {
  struct Row {
    int kind, nearEdge, farEdge, areaStart, areaEnd, half, quarter, expected;
  };
  const Row rows[] = {
      {1, 100, 120, 50, 300, 12, 5, 98},   // the middle of the gap before
      {1, 52, 72, 55, 300, 12, 5, 55},     // not before the area
      {1, 100, 120, 50, 300, 2, 5, 105},   // never past the cell's first quarter
      {2, 100, 120, 50, 300, 12, 5, 110},  // the centre
      {2, 30, 50, 50, 300, 12, 5, 50},     // kept in the area
      {2, 290, 330, 50, 300, 12, 5, 300},
      {3, 100, 120, 50, 300, 12, 5, 122},  // the middle of the gap after
      {3, 280, 300, 50, 300, 12, 5, 300},  // not beyond the area
      {3, 100, 120, 50, 300, 2, 5, 115},   // never before the cell's last quarter
  };
  for (const Row& r : rows) {
    EXPECT_EQ(celltarget::MarkAlong(r.kind, r.nearEdge, r.farEdge, r.areaStart, r.areaEnd, r.half,
                                    r.quarter),
              r.expected)
        << r.kind << " " << r.nearEdge;
  }
  const RECT cell{100, 200, 120, 220}, area{0, 0, 1000, 1000};
  POINT h = celltarget::MarkPoint(2, cell, area, 0, 12, 5);
  EXPECT_EQ(h.x, 110);
  EXPECT_EQ(h.y, 200);  // the cells' top edge
  POINT right = celltarget::MarkPoint(1, cell, area, 1, 12, 5);
  EXPECT_EQ(right.x, 100);  // the left edge
  EXPECT_EQ(right.y, 198);
  POINT left = celltarget::MarkPoint(3, cell, area, 2, 12, 5);
  EXPECT_EQ(left.x, 120);  // the right edge
  EXPECT_EQ(left.y, 222);
}

TEST(DragTargetTest, TabMarkIsAtTheTabsNearEdgeWithinTheArea) {
  const RECT area{40, 500, 300, 520};
  POINT p = tabtarget::MarkPoint(RECT{100, 500, 180, 518}, area, 0);
  EXPECT_EQ(p.x, 100);
  EXPECT_EQ(p.y, 500);
  p = tabtarget::MarkPoint(RECT{20, 500, 80, 518}, area, 0);  // scrolled under the arrows
  EXPECT_EQ(p.x, 40);
  const RECT vertical{600, 40, 620, 300};
  p = tabtarget::MarkPoint(RECT{600, 100, 618, 180}, vertical, 1);
  EXPECT_EQ(p.x, 600);
  EXPECT_EQ(p.y, 100);
  p = tabtarget::MarkPoint(RECT{600, 10, 618, 80}, vertical, 2);
  EXPECT_EQ(p.x, 618);
  EXPECT_EQ(p.y, 40);
}

TEST(DragTargetTest, TheTrianglePointsAtTheCellsFromFivePixelsAway) {
  struct Row {
    int orientation;
    POINT a, b, c;
    RECT bounds;
  };
  const Row rows[] = {
      {0, {97, 43}, {103, 43}, {100, 49}, {97, 43, 104, 50}},
      {1, {93, 47}, {93, 53}, {99, 50}, {93, 47, 100, 54}},
      {2, {107, 47}, {107, 53}, {101, 50}, {101, 47, 108, 54}},
  };
  for (const Row& r : rows) {
    dropmark::Triangle t = dropmark::TriangleFor(POINT{100, 50}, r.orientation);
    const POINT expected[3] = {r.a, r.b, r.c};
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(t.points[i].x, expected[i].x) << r.orientation << " " << i;
      EXPECT_EQ(t.points[i].y, expected[i].y) << r.orientation << " " << i;
    }
    RECT b = dropmark::TriangleBounds(t);
    EXPECT_TRUE(::EqualRect(&b, &r.bounds)) << r.orientation;
  }
}

TEST(DragTargetTest, ScrollingStartsWhenTheCursorLeavesAlongTheBar) {
  const RECT panel{100, 10, 300, 40}, frame{90, 0, 310, 50};
  const RECT tall{10, 100, 40, 300}, tallFrame{0, 90, 50, 310};
  struct Row {
    const RECT& panel;
    const RECT& frame;
    int orientation;
    POINT cursor;
    int expected;
  };
  const Row rows[] = {
      {panel, frame, 0, {150, 20}, dragscroll::kNone},  // inside
      {panel, frame, 0, {95, 20}, SB_LINELEFT},
      {panel, frame, 0, {305, 20}, SB_LINERIGHT},
      {panel, frame, 0, {50, 20}, SB_PAGELEFT},  // outside the bar's window too
      {panel, frame, 0, {400, 39}, SB_PAGERIGHT},
      {panel, frame, 0, {95, 5}, dragscroll::kNone},  // above the panel
      {panel, frame, 0, {95, 40}, dragscroll::kNone},
      {tall, tallFrame, 1, {20, 95}, SB_LINEUP},
      {tall, tallFrame, 2, {20, 305}, SB_LINEDOWN},
      {tall, tallFrame, 1, {20, 400}, SB_PAGEDOWN},
      {tall, tallFrame, 1, {5, 150}, dragscroll::kNone},  // beside a vertical panel
  };
  for (const Row& r : rows) {
    EXPECT_EQ(dragscroll::CellScrollCode(r.cursor, r.panel, r.frame, r.orientation), r.expected)
        << r.cursor.x << "," << r.cursor.y;
  }
  const RECT tabs{40, 500, 300, 520};
  EXPECT_EQ(dragscroll::TabScrollCode({30, 510}, tabs, 0), SB_LINELEFT);
  EXPECT_EQ(dragscroll::TabScrollCode({310, 510}, tabs, 0), SB_LINERIGHT);
  EXPECT_EQ(dragscroll::TabScrollCode({100, 510}, tabs, 0), dragscroll::kNone);
  EXPECT_EQ(dragscroll::TabScrollCode({30, 490}, tabs, 0), dragscroll::kNone);
  EXPECT_EQ(dragscroll::TabScrollCode({605, 20}, RECT{600, 40, 620, 300}, 1), SB_LINEUP);
}

// ---- what a finished mode does ----

// The cells after a plan, as the view carries it out.
std::string Apply(const CellModePlan& plan, std::string cells, int source) {
  const char moved = cells[static_cast<size_t>(source)];
  switch (plan.op) {
    case CellModePlan::kInsertCopy:
      cells.insert(cells.begin() + plan.at, moved);
      break;
    case CellModePlan::kCopyOnto:
      cells[static_cast<size_t>(plan.at)] = moved;
      break;
    case CellModePlan::kSwap:
      std::swap(cells[static_cast<size_t>(plan.at)], cells[static_cast<size_t>(source)]);
      break;
    default:
      break;
  }
  if (plan.deleteIndex >= 0) cells.erase(cells.begin() + plan.deleteIndex);
  return cells;
}

TEST(DragResultTest, EachModeAndKindRearrangesTheCells) {
  struct Row {
    const char* cells;  // '*' is a blank slot
    int mode, kind, source, target;
    const char* expected;
    int show;  // -1: nothing happens
  };
  const Row rows[] = {
      // Move: next to where it is already changes nothing.
      {"ABCDE", 1, 1, 1, 2, "ABCDE", -1},
      {"ABCDE", 1, 3, 1, 2, "ACBDE", 2},
      {"ABCDE", 1, 3, 1, 0, "ABCDE", -1},
      {"ABCDE", 1, 1, 1, 1, "ABCDE", -1},
      {"ABCDE", 1, 3, 1, 1, "ABCDE", -1},
      {"ABCDE", 1, 1, 1, 4, "ACDBE", 3},
      {"ABCDE", 1, 1, 3, 0, "DABCE", 0},
      {"ABCDE", 1, 3, 3, 4, "ABCED", 4},
      {"ABCDE", 1, 2, 1, 3, "ACBDE", 2},  // onto a cell: before it
      {"A*CDE", 1, 2, 1, 3, "AC*E", 2},   // a blank takes the target's place
      {"A*CDE", 1, 2, 1, 0, "*CDE", 0},
      {"A*CDE", 1, 2, 1, 1, "A*CDE", -1},  // a blank moved onto itself stays
      // Copy.
      {"ABCDE", 0, 1, 0, 2, "ABACDE", 2},
      {"ABCDE", 0, 2, 0, 2, "ABACDE", 2},
      {"A*CDE", 0, 2, 1, 3, "A*C*E", 3},
      {"ABCDE", 0, 3, 0, 4, "ABCDEA", 5},
      {"ABCDE", 0, 2, 2, 2, "ABCCDE", 2},
      // Swap.
      {"ABCDE", 2, 2, 1, 3, "ADCBE", 3},
      {"A*CDE", 2, 2, 1, 4, "AECD*", 4},
      {"ABCDE", 2, 2, 1, 1, "ABCDE", -1},
      // Nonsense changes nothing.
      {"ABCDE", 1, 1, 1, 5, "ABCDE", -1},
      {"ABCDE", 0, 0, 1, 3, "ABCDE", -1},
      {"ABCDE", 3, 2, 1, 3, "ABCDE", -1},
      {"ABCDE", 0, 1, -1, 3, "ABCDE", -1},
  };
  for (const Row& r : rows) {
    const std::string cells = r.cells;
    CellModePlan plan =
        PlanCellMode(r.mode, r.kind, r.source, r.target, static_cast<int>(cells.size()),
                     cells[r.source < 0 ? 0 : r.source] == '*');
    EXPECT_EQ(Apply(plan, cells, r.source < 0 ? 0 : r.source), r.expected)
        << r.cells << " mode " << r.mode << " kind " << r.kind << " " << r.source << "->"
        << r.target;
    if (r.show >= 0) {
      EXPECT_EQ(plan.show, r.show) << r.cells << " mode " << r.mode;
    } else {
      EXPECT_EQ(plan.op, CellModePlan::kNothing) << r.cells << " mode " << r.mode;
    }
  }
}

// ---- a panel's modes with mouse and key messages ----

struct ModeNotice {
  int kind, target, mode;
};
std::vector<ModeNotice>* g_notices = nullptr;
std::vector<UINT>* g_codes = nullptr;

LRESULT CALLBACK RecordingParent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && g_codes) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    g_codes->push_back(header->code);
    if (header->code == btnpanel::kModeFinished && g_notices) {
      const auto* note = reinterpret_cast<const NMBTNMODE*>(lParam);
      g_notices->push_back({note->targetKind, note->target, note->mode});
    }
    return 1;  // context menus count as handled: no menu opens in a test
  }
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class CLookPanel : public CBtnPanel {
 public:
  using CBtnPanel::CBtnPanel;
  BarLook look;

 protected:
  BarLook ReadLook() const override { return look; }
  void StartBarMove() override {}
};

// Small icons, no text, borders 5: 20 x 20 cells, 4-pixel separators.
const DWORD kSmallStyle = 0x82DC & ~0x80u & ~0x200u;

class DragPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_notices = &notices;
    g_codes = &codes;
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingParent;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "DragTrackerTestParent";
    ::RegisterClassA(&wc);
    parent = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 400,
                               nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(parent, nullptr);
  }
  void TearDown() override {
    panel.reset();
    if (parent) ::DestroyWindow(parent);
    g_notices = nullptr;
    g_codes = nullptr;
  }
  // Cells at 5 + 25 k along the bar (separators 4 long), 20 across from 5.
  CLookPanel& Make(const std::vector<std::string>& commands, DWORD style = kSmallStyle) {
    tab = std::make_unique<CTabData>("T", 1);
    for (const auto& c : commands)
      tab->m_buttons.push_back(std::make_unique<CBtnData>(ParseButtonRecord(c)));
    panel = std::make_unique<CLookPanel>(*tab);
    panel->look.style = style;
    const bool vertical = (style & 0x30000) != 0;
    RECT r = vertical ? RECT{10, 10, 42, 360} : RECT{10, 10, 360, 42};
    EXPECT_TRUE(panel->Create(parent, 19000, r));
    panel->Rebuild(true);
    return *panel;
  }
  void Send(UINT message, int x, int y, WPARAM keys = 0) {
    ::SendMessageA(*panel, message, keys, MAKELPARAM(x, y));
  }
  // Moves to (x, y) and clicks there with button (WM_LBUTTONDOWN, ...).
  void ClickAt(int x, int y, UINT down = WM_LBUTTONDOWN) {
    Send(WM_MOUSEMOVE, x, y);
    Send(down, x, y, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON);
    Send(down + 1, x, y);
  }
  std::string Commands() const {
    std::string s;
    for (const auto& cell : tab->m_buttons) s += cell->m_command + " ";
    return s;
  }
  POINT ScreenOf(int x, int y) const {
    POINT p{x, y};
    ::ClientToScreen(*panel, &p);
    return p;
  }

  std::vector<ModeNotice> notices;
  std::vector<UINT> codes;
  HWND parent = nullptr;
  std::unique_ptr<CTabData> tab;
  std::unique_ptr<CLookPanel> panel;
};

TEST_F(DragPanelTest, AModeCapturesTheMouseAndTheClickReportsTheMarkedTarget) {
  CLookPanel& p = Make({"C:\\a.exe", "C:\\b.exe", "/", "*", "C:\\c.exe"});
  ASSERT_TRUE(p.BeginMode(1, 0));
  EXPECT_TRUE(p.IsModeRunning());
  EXPECT_EQ(::GetCapture(), p.GetSafeHwnd());
  const CBtnDragTracker* tracker = p.GetDragTracker();
  ASSERT_NE(tracker, nullptr);
  EXPECT_EQ(tracker->GetHalfPitch(), 12);
  EXPECT_EQ(tracker->GetQuarter(), 5);
  // At the start the mark shows onto the source cell, on its centre above its top edge.
  EXPECT_TRUE(tracker->HasTarget());
  EXPECT_EQ(tracker->GetTargetKind(), 2);
  EXPECT_TRUE(tracker->GetMark().IsShown());
  POINT mark = tracker->GetMark().GetPoint();
  POINT expected = ScreenOf(15, 5);
  EXPECT_EQ(mark.x, expected.x);
  EXPECT_EQ(mark.y, expected.y);
  HWND markWindow = tracker->GetMark().GetWindow();
  ASSERT_NE(markWindow, nullptr);
  EXPECT_TRUE(::IsWindowVisible(markWindow));
  RECT shown;
  ::GetWindowRect(markWindow, &shown);
  RECT triangle = dropmark::TriangleBounds(dropmark::TriangleFor(expected, 0));
  EXPECT_TRUE(::EqualRect(&shown, &triangle));

  // The right quarter of the cell after the source, in the gap after it.
  Send(WM_MOUSEMOVE, 48, 15);
  EXPECT_EQ(tracker->GetTargetKind(), 3);
  EXPECT_EQ(tracker->GetTarget(), 1);
  EXPECT_EQ(tracker->GetMark().GetPoint().x, ScreenOf(52, 0).x);
  // Over the separator: before the blank after it.
  Send(WM_MOUSEMOVE, 56, 15);
  EXPECT_EQ(tracker->GetTargetKind(), 1);
  EXPECT_EQ(tracker->GetTarget(), 3);
  ClickAt(56, 15);
  EXPECT_FALSE(p.IsModeRunning());
  EXPECT_NE(::GetCapture(), p.GetSafeHwnd());
  EXPECT_FALSE(::IsWindowVisible(markWindow));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].kind, 1);
  EXPECT_EQ(notices[0].target, 3);
  EXPECT_EQ(notices[0].mode, 1);
  // The panel itself changes nothing: the view does.
  EXPECT_EQ(Commands(), "C:\\a.exe C:\\b.exe / * C:\\c.exe ");
}

TEST_F(DragPanelTest, ClickingWhereThereIsNoTargetEndsTheModeSilently) {
  CLookPanel& p = Make({"C:\\a.exe", "/", "C:\\b.exe"});
  HCURSOR swap = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_MODE_SWAP));
  HCURSOR none = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_MODE_NONE));
  ASSERT_NE(swap, nullptr);
  ASSERT_NE(none, nullptr);
  HCURSOR before = ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
  ASSERT_TRUE(p.BeginMode(2, 0));  // swap
  EXPECT_EQ(::GetCursor(), swap);
  Send(WM_MOUSEMOVE, 31, 15);  // the separator
  EXPECT_FALSE(p.GetDragTracker()->HasTarget());
  EXPECT_FALSE(p.GetDragTracker()->GetMark().IsShown());
  EXPECT_EQ(::GetCursor(), none);
  ClickAt(31, 15);
  EXPECT_FALSE(p.IsModeRunning());
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_ARROW));  // the cursor from before
  ::SetCursor(before);
  // Copy with the cursor outside the panel's client area.
  ASSERT_TRUE(p.BeginMode(0, 0));
  Send(WM_MOUSEMOVE, 400, 15);
  EXPECT_FALSE(p.GetDragTracker()->HasTarget());
  Send(WM_LBUTTONDOWN, 400, 15, MK_LBUTTON);
  EXPECT_TRUE(notices.empty());
}

TEST_F(DragPanelTest, ARightClickEndsTheModeWithoutAContextMenuOrAClick) {
  CLookPanel& p = Make({"C:\\a.exe", "C:\\b.exe", "C:\\c.exe"});
  ASSERT_TRUE(p.BeginMode(2, 0));
  Send(WM_MOUSEMOVE, 65, 15);
  ClickAt(65, 15, WM_RBUTTONDOWN);
  // Had the release reached the panel, its context menu would have come as code 2.
  EXPECT_EQ(codes, std::vector<UINT>{btnpanel::kModeFinished});
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].target, 2);
  EXPECT_EQ(notices[0].mode, 2);
  // A left click after the mode is an ordinary click again.
  codes.clear();
  ClickAt(15, 15);
  EXPECT_EQ(codes, std::vector<UINT>{btnpanel::kClicked});
}

TEST_F(DragPanelTest, AKeyOrALostCaptureCancelsWithNoTrace) {
  CLookPanel& p = Make({"C:\\a.exe", "C:\\b.exe", "C:\\c.exe"});
  ASSERT_TRUE(p.BeginMode(1, 1));
  HWND mark = p.GetDragTracker()->GetMark().GetWindow();
  ::SendMessageA(p, WM_KEYDOWN, VK_SPACE, 1);
  EXPECT_FALSE(p.IsModeRunning());
  EXPECT_TRUE(p.GetDragTracker()->IsCancelled());
  EXPECT_FALSE(::IsWindowVisible(mark));
  EXPECT_NE(::GetCapture(), p.GetSafeHwnd());
  ClickAt(65, 15);
  EXPECT_TRUE(notices.empty());
  // Another window takes the mouse.
  ASSERT_TRUE(p.BeginMode(1, 1));
  ::SetCapture(parent);
  EXPECT_FALSE(p.IsModeRunning());
  ::ReleaseCapture();
  ClickAt(65, 15);
  EXPECT_TRUE(notices.empty());
  // The panel goes while a mode runs: nothing is left on the screen.
  ASSERT_TRUE(p.BeginMode(0, 1));
  mark = p.GetDragTracker()->GetMark().GetWindow();
  panel.reset();
  EXPECT_FALSE(::IsWindow(mark));
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DragPanelTest, VerticalBarsTargetAlongTheColumnAndMarkBesideIt) {
  struct Row {
    DWORD bits;
    int markX;  // client x of the mark: the cells' left or right edge
  };
  for (const Row& r : {Row{0x10000, 5}, Row{0x20000, 25}}) {
    CLookPanel& p = Make({"C:\\a.exe", "C:\\b.exe", "C:\\c.exe"}, kSmallStyle | r.bits);
    ASSERT_TRUE(p.BeginMode(0, 0));
    const CBtnDragTracker* tracker = p.GetDragTracker();
    Send(WM_MOUSEMOVE, 15, 31);  // the top quarter of cell 1 (30..50)
    EXPECT_EQ(tracker->GetTargetKind(), 1) << r.bits;
    EXPECT_EQ(tracker->GetTarget(), 1) << r.bits;
    POINT mark = tracker->GetMark().GetPoint();
    EXPECT_EQ(mark.x, ScreenOf(r.markX, 0).x) << r.bits;
    EXPECT_EQ(mark.y, ScreenOf(0, 28).y) << r.bits;  // the middle of the gap: 40 - 12
    Send(WM_MOUSEMOVE, 15, 49);
    EXPECT_EQ(tracker->GetTargetKind(), 3) << r.bits;
    p.CancelMode();
    panel.reset();
  }
}

// ---- the view carries finished modes out ----

class TestView : public CChildView {
 public:
  int ShowMessage(const char*, UINT) override { return IDNO; }
};

class DragViewTest : public ::testing::Test {
 protected:
  virtual std::string Ini() const {
    return "[Common]\nStyle=33500\n"
           "[Order]\n1=1\n2=1\n3=1\n"
           "[Tab1]\nNo=5\nDesc=Work\nBtn1=C:\\a.exe\nBtn2=C:\\b.exe\nBtn3=*\nBtn4=/"
           "\nBtn5=C:\\c.exe\n"
           "[Tab2]\nNo=1\nDesc=Two\nBtn1=C:\\two.exe\n"
           "[Tab3]\nNo=1\nDesc=Three\nBtn1=C:\\three.exe\n";
  }
  void SetUp() override {
    folder = std::make_unique<TempProgramFolder>(Ini());
    g_barOptions.Clear();
    g_tabList.LoadAll();
    ASSERT_TRUE(CWnd::RegisterWndClass("KestrelDragViewTestParent", 0,
                                       ::LoadCursorA(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr));
    parent = std::make_unique<CWnd>();
    ASSERT_TRUE(parent->CreateEx(0, "KestrelDragViewTestParent", "", WS_POPUP | WS_VISIBLE,
                                 RECT{0, 0, 1000, 120}, nullptr, 0));
    view = std::make_unique<TestView>();
    ASSERT_TRUE(view->Create(*parent, ID_VIEW_PANE, WS_CHILD | WS_VISIBLE));
    // Wide enough for every cell of the first tab without scrolling.
    ::MoveWindow(*view, 0, 0, 1000, 120, TRUE);
    Pump();
  }
  void TearDown() override {
    view.reset();
    parent.reset();
    folder.reset();
    g_barOptions.Clear();
  }
  static void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      // A stray move from the cursor jump would re-aim the mode; the tests aim themselves.
      if (msg.message == WM_MOUSEMOVE) continue;
      ::DispatchMessageA(&msg);
    }
  }
  void Command(UINT id) {
    view->OnCommand(id, 0, nullptr);
    Pump();
  }
  CommandState StateOf(HMENU popup, UINT id) {
    for (int i = 0; i < ::GetMenuItemCount(popup); ++i) {
      if (::GetMenuItemID(popup, i) != id) continue;
      CCmdUI ui(popup, static_cast<UINT>(i), id);
      if (!view->OnUpdateCommand(ui)) return CommandState::kUnclaimed;
      UINT state = ::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION);
      return (state & MF_GRAYED) ? CommandState::kDisabled : CommandState::kEnabled;
    }
    return CommandState::kUnclaimed;
  }
  // Clicks the current panel at a point along the bar (client x) in the middle of its cells.
  void ClickPanel(int x) {
    HWND panel = *view->GetCurrentPanel();
    LPARAM at = MAKELPARAM(x, view->GetCurrentPanel()->GetItem(0)->m_rect.top + 5);
    ::SendMessageA(panel, WM_MOUSEMOVE, 0, at);
    ::SendMessageA(panel, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(panel, WM_LBUTTONUP, 0, at);
    Pump();
  }
  // Points along the current panel's cell index: its first, middle or last quarter.
  int Left(int index) { return view->GetCurrentPanel()->GetItem(index)->m_rect.left + 1; }
  int Middle(int index) {
    const RECT& r = view->GetCurrentPanel()->GetItem(index)->m_rect;
    return (r.left + r.right) / 2;
  }
  int Right(int index) { return view->GetCurrentPanel()->GetItem(index)->m_rect.right - 2; }
  void StartCellMode(int cell, UINT command) {
    view->PreparePanelMenu(cell);
    Command(command);
    ASSERT_TRUE(view->GetCurrentPanel()->IsModeRunning());
  }
  std::vector<std::string> Commands() const {
    std::vector<std::string> commands;
    for (const auto& cell : g_tabList.GetCurrentTab()->m_buttons)
      commands.push_back(cell->m_command);
    return commands;
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& tab : g_tabList.GetTabs()) names.push_back(tab->m_name);
    return names;
  }
  std::vector<std::string> StripNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < view->GetTabStrip().GetTabCount(); ++i)
      names.push_back(view->GetTabStrip().GetTab(i)->GetName());
    return names;
  }
  NMTABSTRIP TabNote(int index) {
    NMTABSTRIP note{};
    note.index = index;
    note.tab = view->GetTabStrip().GetTab(index);
    note.kind = tabstrip::kOnStrip;
    return note;
  }
  void ClickTab(int index) {
    const RECT& r = view->GetTabStrip().GetTab(index)->GetRect();
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    HWND strip = view->GetTabStrip().GetSafeHwnd();
    ::SendMessageA(strip, WM_MOUSEMOVE, 0, at);
    ::SendMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(strip, WM_LBUTTONUP, 0, at);
    Pump();
  }

  std::unique_ptr<TempProgramFolder> folder;
  std::unique_ptr<CWnd> parent;
  std::unique_ptr<TestView> view;
};

using V = std::vector<std::string>;

TEST_F(DragViewTest, TheMenusOfferTheModesByTheirRules) {
  HMENU rbtn = view->PreparePanelMenu(0);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_COPY_MODE), CommandState::kEnabled);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_MOVE_MODE), CommandState::kEnabled);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_SWAP_MODE), CommandState::kEnabled);
  HMENU tabMenu = view->PrepareStripMenu(TabNote(0));
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_MOVE), CommandState::kEnabled);
  EXPECT_EQ(StateOf(tabMenu, ID_TAB_COPY), CommandState::kEnabled);
  Command(20001);  // a tab with one cell: only copying is offered
  rbtn = view->PreparePanelMenu(0);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_COPY_MODE), CommandState::kEnabled);
  EXPECT_EQ(StateOf(rbtn, ID_BTN_MOVE_MODE), CommandState::kDisabled);
  Command(ID_BTN_MOVE_MODE);  // sent anyway: refused
  EXPECT_FALSE(view->GetCurrentPanel()->IsModeRunning());
}

TEST_F(DragViewTest, MoveOntoTheLeftQuarterOfTheNextCellKeepsTheOrderAndTheRightQuarterMovesIt) {
  StartCellMode(0, ID_BTN_MOVE_MODE);
  ClickPanel(Left(1));
  EXPECT_EQ(Commands(), (V{"C:\\a.exe", "C:\\b.exe", "*", "/", "C:\\c.exe"}));
  StartCellMode(0, ID_BTN_MOVE_MODE);
  ClickPanel(Right(1));
  EXPECT_EQ(Commands(), (V{"C:\\b.exe", "C:\\a.exe", "*", "/", "C:\\c.exe"}));
  EXPECT_EQ(view->GetCurrentPanel()->GetCount(), 5);
  // Moved to the end: after the last cell.
  StartCellMode(0, ID_BTN_MOVE_MODE);
  ClickPanel(Right(4));
  EXPECT_EQ(Commands(), (V{"C:\\a.exe", "*", "/", "C:\\c.exe", "C:\\b.exe"}));
  EXPECT_TRUE(g_tabList.IsModified());
}

TEST_F(DragViewTest, CopyOntoACellInsertsBeforeItAndABlankSourceBlanksIt) {
  StartCellMode(0, ID_BTN_COPY_MODE);
  ClickPanel(Middle(1));
  EXPECT_EQ(Commands(), (V{"C:\\a.exe", "C:\\a.exe", "C:\\b.exe", "*", "/", "C:\\c.exe"}));
  StartCellMode(3, ID_BTN_COPY_MODE);  // the blank
  ClickPanel(Middle(2));
  EXPECT_EQ(Commands(), (V{"C:\\a.exe", "C:\\a.exe", "*", "*", "/", "C:\\c.exe"}));
}

TEST_F(DragViewTest, SwapExchangesTwoCellsAndNotOverASeparator) {
  StartCellMode(0, ID_BTN_SWAP_MODE);
  ClickPanel(Middle(3));  // the separator: no target
  EXPECT_EQ(Commands(), (V{"C:\\a.exe", "C:\\b.exe", "*", "/", "C:\\c.exe"}));
  EXPECT_FALSE(view->GetCurrentPanel()->IsModeRunning());
  StartCellMode(0, ID_BTN_SWAP_MODE);
  ClickPanel(Middle(4));
  EXPECT_EQ(Commands(), (V{"C:\\c.exe", "C:\\b.exe", "*", "/", "C:\\a.exe"}));
}

TEST_F(DragViewTest, AKeyThroughTheViewCancelsTheMode) {
  StartCellMode(0, ID_BTN_MOVE_MODE);
  HWND mark = view->GetCurrentPanel()->GetDragTracker()->GetMark().GetWindow();
  MSG key{};
  key.hwnd = *view;
  key.message = WM_KEYDOWN;
  key.wParam = 'A';
  EXPECT_TRUE(view->PreTranslateMessage(&key));
  EXPECT_FALSE(view->GetCurrentPanel()->IsModeRunning());
  EXPECT_FALSE(::IsWindowVisible(mark));
  // A press on the separator: the running move would have put the cell before the last one.
  ClickPanel(Middle(3));
  EXPECT_EQ(Commands(), (V{"C:\\a.exe", "C:\\b.exe", "*", "/", "C:\\c.exe"}));
  // Without a mode keys go on as before.
  EXPECT_FALSE(view->PreTranslateMessage(&key));
}

TEST_F(DragViewTest, MovingATabTakesItsPanelAlongAndCopyingMakesANewCurrentTab) {
  CBtnPanel* work = view->GetCurrentPanel();
  view->PrepareStripMenu(TabNote(0));
  Command(ID_TAB_MOVE);
  ASSERT_TRUE(view->GetTabStrip().IsModeRunning());
  ClickTab(2);  // before "Three"
  EXPECT_EQ(Names(), (V{"Two", "Work", "Three"}));
  EXPECT_EQ(StripNames(), Names());
  EXPECT_EQ(view->GetCurrentPanel(), work);
  EXPECT_EQ(view->GetCurrentIndex(), 1);
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 1);
  EXPECT_EQ(g_tabList.GetCurrentTabName(), "Work");
  // Moving onto itself changes nothing.
  view->PrepareStripMenu(TabNote(1));
  Command(ID_TAB_MOVE);
  ClickTab(1);
  EXPECT_EQ(Names(), (V{"Two", "Work", "Three"}));

  view->PrepareStripMenu(TabNote(2));
  Command(ID_TAB_COPY);
  ClickTab(0);
  ASSERT_EQ(g_tabList.GetCount(), 4);
  EXPECT_EQ(Names()[1], "Two");
  EXPECT_EQ(Names()[2], "Work");
  EXPECT_EQ(g_tabList.GetTab(0)->m_buttons.size(), 1u);
  EXPECT_EQ(g_tabList.GetTab(0)->m_buttons[0]->m_command, "C:\\three.exe");
  EXPECT_EQ(StripNames(), Names());
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 0);
  ASSERT_NE(view->GetCurrentPanel(), nullptr);
  EXPECT_EQ(&view->GetCurrentPanel()->GetTab(), g_tabList.GetTab(0));
  // The other panels kept their tabs.
  Command(20002);
  EXPECT_EQ(view->GetCurrentPanel(), work);
}

TEST_F(DragViewTest, NotesOutOfRangeChangeNothing) {
  view->PreparePanelMenu(0);
  for (const NMBTNMODE& note : {NMBTNMODE{{}, 2, 9, 1}, NMBTNMODE{{}, 7, 1, 1},
                                NMBTNMODE{{}, 2, -1, 0}, NMBTNMODE{{}, 2, 1, 5}})
    view->OnCellModeFinished(note);
  EXPECT_EQ(Commands(), (V{"C:\\a.exe", "C:\\b.exe", "*", "/", "C:\\c.exe"}));
  for (const NMTABMODE& note : {NMTABMODE{{}, 0, 3, 1}, NMTABMODE{{}, -1, 1, 0},
                                NMTABMODE{{}, 3, 0, 1}, NMTABMODE{{}, 0, 1, 7}})
    view->OnTabModeFinished(note);
  EXPECT_EQ(Names(), (V{"Work", "Two", "Three"}));
  EXPECT_EQ(StripNames(), Names());
  EXPECT_EQ(g_tabList.GetCount(), 3);
}

TEST_F(DragViewTest, AKeyCancelsATabModeToo) {
  view->PrepareStripMenu(TabNote(1));
  Command(ID_TAB_COPY);
  ASSERT_TRUE(view->GetTabStrip().IsModeRunning());
  EXPECT_EQ(::GetCapture(), view->GetTabStrip().GetSafeHwnd());
  ::SendMessageA(view->GetTabStrip(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_FALSE(view->GetTabStrip().IsModeRunning());
  ClickTab(0);  // an ordinary click selects the tab again
  EXPECT_EQ(Names(), (V{"Work", "Two", "Three"}));
  EXPECT_EQ(view->GetTabStrip().GetSelected(), 0);
}

// ---- scrolling while the pointer is pushed past the end ----

class CCellScrollProbe : public CBtnDragTracker {
 public:
  using CBtnDragTracker::CBtnDragTracker;
  bool Scroll(POINT cursor) { return AutoScroll(cursor); }
};

class CTabScrollProbe : public CTabDragTracker {
 public:
  using CTabDragTracker::CTabDragTracker;
  bool Scroll(POINT cursor) { return AutoScroll(cursor); }
};

// A first tab of 60 cells and twenty long tab names: both the panel and the tabs overflow.
class DragScrollTest : public DragViewTest {
 protected:
  std::string Ini() const override {
    std::string ini = "[Common]\nStyle=33500\n[Order]\n";
    for (int i = 1; i <= 20; ++i) ini += std::to_string(i) + "=1\n";
    ini += "[Tab1]\nNo=60\nDesc=Long\n";
    for (int i = 2; i <= 20; ++i)
      ini += "[Tab" + std::to_string(i) + "]\nNo=1\nDesc=A rather long tab name " +
             std::to_string(i) + "\n";
    return ini;
  }
  int PanelPosition() const {
    return ::GetScrollPos(view->GetTabStrip().GetPanelScrollBar(), SB_CTL);
  }
};

TEST_F(DragScrollTest, ACellModeScrollsByLinesBesideThePanelAndByPagesBeyondTheBar) {
  CBtnPanel& panel = *view->GetCurrentPanel();
  ASSERT_TRUE(view->GetTabStrip().IsPanelScrollBarShown());
  const BarLook look = BarLook::Current(nullptr);
  auto probe = std::make_unique<CCellScrollProbe>(panel, 1, 0, look.style, look.borderX);
  ASSERT_TRUE(probe->Start());
  RECT r;
  ::GetWindowRect(panel, &r);
  RECT frame;
  ::GetWindowRect(*parent, &frame);
  const int y = (r.top + r.bottom) / 2;
  const int line = panel.ScrollUnit() / 4, page = panel.ScrollUnit();
  EXPECT_TRUE(probe->Scroll(POINT{r.right + 1, y}));
  EXPECT_EQ(PanelPosition(), line);
  EXPECT_FALSE(probe->GetMark().IsShown());  // the mark goes while the cells move
  EXPECT_TRUE(probe->Scroll(POINT{frame.right + 50, y}));
  EXPECT_EQ(PanelPosition(), line + page);
  EXPECT_TRUE(probe->Scroll(POINT{r.left - 1, y}));
  EXPECT_EQ(PanelPosition(), page);
  EXPECT_EQ(panel.GetScrollOffset(), page);
  EXPECT_TRUE(probe->Scroll(POINT{frame.left - 50, y}));
  EXPECT_EQ(PanelPosition(), 0);
  // Over the panel, or above or below it, nothing scrolls.
  EXPECT_FALSE(probe->Scroll(POINT{r.left + 30, y}));
  EXPECT_FALSE(probe->Scroll(POINT{r.right + 1, r.top - 1}));
  EXPECT_FALSE(probe->Scroll(POINT{r.right + 1, r.bottom}));
  EXPECT_EQ(PanelPosition(), 0);
  probe->Cancel();
}

TEST_F(DragScrollTest, ATabModeScrollsTheTabsSixteenPixelsAStep) {
  CTabStrip& strip = view->GetTabStrip();
  ASSERT_GT(strip.GetMaxScroll(), 32);
  auto probe = std::make_unique<CTabScrollProbe>(strip, 1, 0);
  ASSERT_TRUE(probe->Start());
  POINT start{strip.GetPlacement().tabStart - 1, 2}, end{strip.GetPlacement().tabEnd, 2};
  ::ClientToScreen(strip, &start);
  ::ClientToScreen(strip, &end);
  EXPECT_TRUE(probe->Scroll(end));
  EXPECT_TRUE(probe->Scroll(end));
  EXPECT_EQ(strip.GetScrollOffset(), -32);
  EXPECT_TRUE(probe->Scroll(start));
  EXPECT_EQ(strip.GetScrollOffset(), -16);
  EXPECT_FALSE(probe->Scroll(POINT{end.x, end.y - 10}));  // beyond the strip's side
  EXPECT_EQ(strip.GetScrollOffset(), -16);
  probe->Cancel();
}

}  // namespace
