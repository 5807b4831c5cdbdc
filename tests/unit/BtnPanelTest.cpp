#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

#include "bar/BtnPanel.h"
#include "core/ButtonRecord.h"
#include "core/Globals.h"
#include "core/TabData.h"

namespace {
// Small icons, no text, borders 5: 20 x 20 cells, 4-pixel separators.
const DWORD kStyle = 0x82DC & ~0x80u & ~0x200u;

struct Notice {
  UINT code;
  int index;
  std::string text;
  int count;
};

// The panel's parent: records what the panel tells it.
struct Recorder {
  std::vector<Notice> notices;
  std::vector<std::pair<WPARAM, LPARAM>> progress;
  int contextMenus = 0;
  LRESULT contextAnswer = 1;
};
Recorder* g_recorder = nullptr;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_recorder) {
    if (message == WM_NOTIFY) {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      Notice n{header->code, -1, std::string(), 0};
      if (header->code == btnpanel::kFilesDropped) {
        const auto* drop = reinterpret_cast<const NMBTNDROP*>(lParam);
        n.index = drop->index;
        n.text = drop->text;
        n.count = drop->count;
      } else {
        n.index = reinterpret_cast<const NMBTNPANEL*>(lParam)->index;
      }
      g_recorder->notices.push_back(n);
      return header->code == btnpanel::kContextMenu ? g_recorder->contextAnswer : 0;
    }
    if (message == WM_BUILD_PROGRESS) g_recorder->progress.emplace_back(wParam, lParam);
    if (message == WM_CONTEXTMENU) ++g_recorder->contextMenus;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class CTestPanel : public CBtnPanel {
 public:
  using CBtnPanel::CBtnPanel;
  BarLook look;
  int barMoves = 0;

 protected:
  BarLook ReadLook() const override { return look; }
  void StartBarMove() override { ++barMoves; }
};

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

class BtnPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_recorder = &recorder;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BtnPanelTestParent";
    RegisterClassA(&wc);
    parent = CreateWindowExA(0, "BtnPanelTestParent", "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0,
                             0, 400, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, parent);
  }
  void TearDown() override {
    panel.reset();
    if (parent) DestroyWindow(parent);
    g_recorder = nullptr;
  }

  // A panel over cells made from the commands, built as the view builds it.
  CTestPanel& Make(const std::vector<std::string>& commands, DWORD style = kStyle,
                   int width = 300) {
    tab = std::make_unique<CTabData>("T", 1);
    for (const auto& c : commands)
      tab->m_buttons.push_back(std::make_unique<CBtnData>(ParseButtonRecord(c)));
    panel = std::make_unique<CTestPanel>(*tab);
    panel->look.style = style;
    RECT r{5, 5, 5 + width, 45};
    EXPECT_TRUE(panel->Create(parent, 19000, r));
    panel->Rebuild(true);
    return *panel;
  }
  void Send(UINT message, LPARAM lParam, WPARAM wParam = 0) {
    SendMessageA(panel->GetSafeHwnd(), message, wParam, lParam);
  }
  void Click(int x, int y) {
    Send(WM_MOUSEMOVE, At(x, y));
    Send(WM_LBUTTONDOWN, At(x, y), MK_LBUTTON);
    Send(WM_LBUTTONUP, At(x, y));
  }
  std::vector<UINT> Codes() const {
    std::vector<UINT> codes;
    for (const auto& n : recorder.notices) codes.push_back(n.code);
    return codes;
  }

  Recorder recorder;
  HWND parent = nullptr;
  std::unique_ptr<CTabData> tab;
  std::unique_ptr<CTestPanel> panel;
};

// Cell k of kStyle panels (buttons only) starts at 5 + 25k.
int CellX(int k) { return 5 + 25 * k + 10; }
}  // namespace

TEST_F(BtnPanelTest, ThreeButtonsAndASeparatorNeed89By30) {
  CTestPanel& p = Make({"*", "*", "*", "/"});
  EXPECT_EQ(89, p.ContentSize().cx);
  EXPECT_EQ(30, p.ContentSize().cy);
  // The static edge adds a pixel on every side.
  EXPECT_TRUE(GetWindowLongA(p.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ(91, p.ContentExtent().cx);
  EXPECT_EQ(32, p.ContentExtent().cy);
  RECT separator = p.GetItem(3)->m_rect;
  EXPECT_EQ(80, separator.left);
  EXPECT_EQ(84, separator.right);
}

TEST_F(BtnPanelTest, VerticalBarsPutBorderXAlongAndBorderYAcross) {
  CTestPanel& p = Make({"*", "*", "*", "/"}, kStyle | 0x10000);
  p.look.borderX = 7;
  p.look.borderY = 3;
  p.Rebuild(false);
  EXPECT_EQ(20 + 6, p.ContentSize().cx);
  EXPECT_EQ(7 + 3 * 27 + 4 + 7, p.ContentSize().cy);
  EXPECT_EQ(3, p.GetItem(0)->m_rect.left);
  EXPECT_EQ(7, p.GetItem(0)->m_rect.top);
}

TEST_F(BtnPanelTest, ZeroBordersRemoveTheStaticEdge) {
  CTestPanel& p = Make({"*", "*"});
  p.look.borderX = 0;
  p.look.borderY = 0;
  p.Rebuild(false);
  EXPECT_FALSE(GetWindowLongA(p.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
  EXPECT_EQ(40, p.ContentExtent().cx);
  EXPECT_EQ(20, p.ContentExtent().cy);
  // One border is enough to bring it back.
  p.look.borderY = 1;
  p.Rebuild(false);
  EXPECT_TRUE(GetWindowLongA(p.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

TEST_F(BtnPanelTest, HitTestFindsCellsAndNothingBetweenOrOutside) {
  CTestPanel& p = Make({"*", "/", "*"});
  struct Case {
    int x, y, expected;
  } cases[] = {{4, 10, -1}, {5, 10, 0},   {24, 24, 0}, {25, 10, -1}, {30, 10, 1},  {39, 10, 2},
               {58, 10, 2}, {59, 10, -1}, {10, 4, -1}, {10, 25, -1}, {-1, 10, -1}, {10, 500, -1}};
  for (const Case& c : cases) EXPECT_EQ(c.expected, p.HitTest({c.x, c.y})) << c.x << "," << c.y;
}

TEST_F(BtnPanelTest, ScrollOffsetMovesEveryCellBackAlongTheBar) {
  CTestPanel& p = Make({"*", "*", "*", "*"});
  p.SetScrollOffset(30, true);
  EXPECT_EQ(-25, p.GetItem(0)->m_rect.left);
  EXPECT_EQ(1, p.HitTest({6, 10}));
  int nearEdge = 0, farEdge = 0;
  ASSERT_TRUE(p.CellSpan(1, &nearEdge, &farEdge));
  EXPECT_EQ(30, nearEdge);
  EXPECT_EQ(50, farEdge);
  p.SetScrollOffset(0, false);
  EXPECT_EQ(5, p.GetItem(0)->m_rect.left);
  EXPECT_EQ(25, p.ScrollUnit());
}

TEST_F(BtnPanelTest, InsertedCellIsKeptInView) {
  // 20 cells in 200 pixels: 505 long, a range of 0..305 (client 198 wide).
  CTestPanel& p = Make(std::vector<std::string>(20, "*"), kStyle, 200);
  const int visible = p.VisibleLength();
  EXPECT_EQ(198, visible);
  const int oldMax = p.ContentSize().cx - visible;
  p.InsertCell(btnpanel::kBlank, -1);  // appended, and hot
  const int newMax = p.ContentSize().cx - visible;
  int nearEdge = 0, farEdge = 0;
  ASSERT_TRUE(p.CellSpan(20, &nearEdge, &farEdge));
  // The new cell's far edge ends the view.
  int position = p.PositionToShow(-1, 0, oldMax, newMax);
  EXPECT_EQ(farEdge - visible, position);
  // Inserted at the front while scrolled to the end: its near edge starts the view.
  p.SetScrollOffset(position, true);
  p.InsertCell(btnpanel::kBlank, 0);
  EXPECT_EQ(5, p.PositionToShow(-1, position, newMax, newMax + 25));
  // A cell already in view keeps the position.
  EXPECT_EQ(40, p.PositionToShow(3, 40, newMax + 25, newMax + 25));
}

TEST_F(BtnPanelTest, ScrollUnitSkipsSeparatorsUnlessThereIsNothingElse) {
  EXPECT_EQ(25, Make({"/", "/", "*"}).ScrollUnit());
  EXPECT_EQ(4 + 5, Make({"/", "/"}).ScrollUnit());
}

TEST_F(BtnPanelTest, ReleaseOnThePressedCellClicksIt) {
  Make({"*", "*", "*"});
  Click(CellX(1), 10);
  ASSERT_EQ(1u, recorder.notices.size());
  EXPECT_EQ(btnpanel::kClicked, recorder.notices[0].code);
  EXPECT_EQ(1, recorder.notices[0].index);
  EXPECT_FALSE(panel->IsPressed());
  EXPECT_EQ(-1, panel->GetPressedIndex());
  EXPECT_NE(panel->GetSafeHwnd(), GetCapture());
}

TEST_F(BtnPanelTest, MovingOffThePressedCellCancelsAndComingBackRestores) {
  Make({"*", "*", "*"});
  // Off and released elsewhere: nothing.
  Send(WM_LBUTTONDOWN, At(CellX(0), 10));
  EXPECT_EQ(0, panel->GetPressedIndex());
  Send(WM_MOUSEMOVE, At(CellX(2), 10));
  EXPECT_EQ(-1, panel->GetPressedIndex());
  Send(WM_LBUTTONUP, At(CellX(2), 10));
  EXPECT_TRUE(recorder.notices.empty());

  // Off and back before the release: a click.
  Send(WM_LBUTTONDOWN, At(CellX(0), 10));
  Send(WM_MOUSEMOVE, At(200, 10));
  Send(WM_MOUSEMOVE, At(CellX(0), 12));
  EXPECT_EQ(0, panel->GetPressedIndex());
  Send(WM_LBUTTONUP, At(CellX(0), 12));
  EXPECT_EQ(std::vector<UINT>{btnpanel::kClicked}, Codes());
}

TEST_F(BtnPanelTest, LosingTheCaptureDropsThePress) {
  Make({"*", "*"});
  Send(WM_LBUTTONDOWN, At(CellX(0), 10));
  SetCapture(parent);
  ReleaseCapture();
  Send(WM_LBUTTONUP, At(CellX(0), 10));
  EXPECT_TRUE(recorder.notices.empty());
  EXPECT_FALSE(panel->IsPressed());
}

TEST_F(BtnPanelTest, PressOnSeparatorOrEmptySpaceMovesTheBarInstead) {
  Make({"*", "/", "*"});
  Send(WM_LBUTTONDOWN, At(27, 10));  // the separator
  Send(WM_LBUTTONUP, At(27, 10));
  Send(WM_LBUTTONDOWN, At(250, 10));  // after the last cell
  Send(WM_LBUTTONUP, At(250, 10));
  Send(WM_LBUTTONDOWN, At(10, 2));  // the border
  EXPECT_EQ(3, panel->barMoves);
  EXPECT_TRUE(recorder.notices.empty());
  EXPECT_FALSE(panel->IsPressed());
  Send(WM_LBUTTONDOWN, At(CellX(0), 10));
  EXPECT_EQ(3, panel->barMoves);
}

TEST_F(BtnPanelTest, AfterAReleaseHoverFollowsWhereThePointerIs) {
  Make({"*", "*", "*"});
  const struct {
    const char* name;
    LPARAM release;
    int hot;
  } cases[] = {{"off the bar", At(-40, 200), -1}, {"on another cell", At(CellX(2), 10), 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Send(WM_MOUSEMOVE, At(CellX(0), 10));
    Send(WM_LBUTTONDOWN, At(CellX(0), 10));
    Send(WM_MOUSELEAVE, 0);  // while the press holds the mouse: the cell stays
    EXPECT_EQ(0, panel->GetHotIndex());
    Send(WM_LBUTTONUP, c.release);
    EXPECT_EQ(c.hot, panel->GetHotIndex());
  }
}

TEST_F(BtnPanelTest, HoverEndsWhenTheMouseLeavesOrAMenuLoopEnds) {
  Make({"*", "*", "*"});
  HWND frame = CreateWindowExA(0, "BtnPanelTestParent", "", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  panel->HookFrameWindow(frame);
  Send(WM_MOUSEMOVE, At(CellX(2), 10));
  EXPECT_EQ(2, panel->GetHotIndex());
  Send(WM_MOUSEMOVE, At(CellX(1), 10));
  EXPECT_EQ(1, panel->GetHotIndex());
  Send(WM_MOUSELEAVE, 0);
  EXPECT_EQ(-1, panel->GetHotIndex());

  // A right press shows the cell pressed until the frame's menu loop ends.
  Send(WM_RBUTTONDOWN, At(CellX(2), 10));
  EXPECT_EQ(2, panel->GetHotIndex());
  EXPECT_EQ(2, panel->GetPressedIndex());
  SendMessageA(frame, WM_EXITMENULOOP, 0, 0);
  EXPECT_EQ(-1, panel->GetHotIndex());
  EXPECT_EQ(-1, panel->GetPressedIndex());
  EXPECT_FALSE(panel->IsPressed());
  panel.reset();
  // The frame goes on working once the panel is gone.
  SendMessageA(frame, WM_EXITMENULOOP, 0, 0);
  DestroyWindow(frame);
}

TEST_F(BtnPanelTest, ContextMenuNotifiesWithTheCellUnlessProtected) {
  Make({"*", "*"});
  POINT onCell{CellX(1), 10};
  ClientToScreen(panel->GetSafeHwnd(), &onCell);
  Send(WM_CONTEXTMENU, MAKELPARAM(onCell.x, onCell.y));
  POINT empty{200, 10};
  ClientToScreen(panel->GetSafeHwnd(), &empty);
  Send(WM_CONTEXTMENU, MAKELPARAM(empty.x, empty.y));
  ASSERT_EQ(2u, recorder.notices.size());
  EXPECT_EQ(btnpanel::kContextMenu, recorder.notices[0].code);
  EXPECT_EQ(1, recorder.notices[0].index);
  EXPECT_EQ(-1, recorder.notices[1].index);
  EXPECT_EQ(0, recorder.contextMenus);  // the view answered: handled

  // Unhandled by the view, the menu goes on to the parent.
  recorder.contextAnswer = 0;
  Send(WM_CONTEXTMENU, MAKELPARAM(empty.x, empty.y));
  EXPECT_EQ(1, recorder.contextMenus);

  g_barOptions.SetInt("Protects", 1);
  recorder.notices.clear();
  Send(WM_CONTEXTMENU, MAKELPARAM(onCell.x, onCell.y));
  g_barOptions.SetInt("Protects", 0);
  EXPECT_TRUE(recorder.notices.empty());
  EXPECT_EQ(2, recorder.contextMenus);
}

namespace {
// A drop block as the shell makes it, owned by whoever receives it.
HDROP MakeDrop(const std::vector<std::string>& paths, POINT at) {
  size_t bytes = sizeof(DROPFILES) + 1;
  for (const auto& p : paths) bytes += p.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = at;
  drop->fNC = FALSE;
  drop->fWide = FALSE;
  char* text = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
  for (const auto& p : paths) {
    memcpy(text, p.c_str(), p.size() + 1);
    text += p.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}
}  // namespace

TEST_F(BtnPanelTest, DroppedFilesArriveAsLinesWithTheirCount) {
  Make({"*", "*", "*"});
  std::string longPath = "C:\\" + std::string(300, 'a') + "\\b.txt";
  HDROP drop = MakeDrop({"C:\\a.txt", "C:\\フォルダ\\b.exe", longPath}, {CellX(2), 10});
  Send(WM_DROPFILES, 0, reinterpret_cast<WPARAM>(drop));
  ASSERT_EQ(1u, recorder.notices.size());
  const Notice& n = recorder.notices[0];
  EXPECT_EQ(btnpanel::kFilesDropped, n.code);
  EXPECT_EQ(2, n.index);
  EXPECT_EQ(3, n.count);
  // Paths longer than MAX_PATH arrive whole.
  EXPECT_EQ("C:\\a.txt\nC:\\フォルダ\\b.exe\n" + longPath + "\n", n.text);
  EXPECT_EQ(2, panel->GetHotIndex());
}

TEST_F(BtnPanelTest, ProgressIsReportedForTabsOfMoreThanFiveCells) {
  Make({"*", "*", "*", "*", "*"});
  EXPECT_TRUE(recorder.progress.empty());
  Make({"*", "*", "*", "*", "/", "*"});
  ASSERT_EQ(8u, recorder.progress.size());
  EXPECT_EQ(0u, recorder.progress.front().first);
  EXPECT_EQ(6, recorder.progress.front().second);
  for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(1u, recorder.progress[i].first);
  EXPECT_EQ(2u, recorder.progress.back().first);
  // Rebuilding without re-creating reports nothing.
  recorder.progress.clear();
  panel->Rebuild(false);
  EXPECT_TRUE(recorder.progress.empty());
}

TEST_F(BtnPanelTest, CellEditsChangeModelItemsAndLayoutTogether) {
  CTestPanel& p = Make({"C:\\nowhere\\a.exe", "C:\\nowhere\\b.exe|1/0/255/0/65280"});
  auto commands = [&] {
    std::vector<std::string> c;
    for (const auto& b : tab->m_buttons) c.push_back(b->m_command);
    return c;
  };
  auto names = [&] {
    std::vector<std::string> n;
    for (int i = 0; i < p.GetCount(); ++i) n.push_back(p.GetItem(i)->m_text);
    return n;
  };
  auto consistent = [&] {
    if (p.GetCount() != tab->GetButtonCount()) return false;
    for (int i = 0; i < p.GetCount(); ++i)
      if (p.GetItem(i)->m_data != tab->GetButton(i)) return false;
    return true;
  };

  EXPECT_EQ(0, p.InsertCell(btnpanel::kBlank, 0));
  EXPECT_EQ(0, p.GetHotIndex());
  EXPECT_EQ(3, p.InsertCell(btnpanel::kSeparator, 99));
  EXPECT_EQ(1, p.InsertCell(btnpanel::kDuplicate, 1, 2));  // a copy of b before a
  EXPECT_EQ((std::vector<std::string>{"*", "C:\\nowhere\\b.exe", "C:\\nowhere\\a.exe",
                                      "C:\\nowhere\\b.exe", "/"}),
            commands());
  EXPECT_EQ(1u, tab->GetButton(1)->m_flags);
  EXPECT_EQ(255u, tab->GetButton(1)->m_textColor);
  EXPECT_EQ(65280u, tab->GetButton(1)->m_bkColor);
  EXPECT_EQ((std::vector<std::string>{"", "b.exe", "a.exe", "b.exe", ""}), names());
  EXPECT_EQ(5 + 4 * 25 + 4 + 5, p.ContentSize().cx);
  EXPECT_EQ(-1, p.InsertCell(btnpanel::kDuplicate, 0, 42));
  EXPECT_EQ(-1, p.InsertCell(7, 0));

  EXPECT_TRUE(p.SwapCells(0, 2));
  EXPECT_EQ(0, p.GetHotIndex());
  EXPECT_EQ((std::vector<std::string>{"a.exe", "b.exe", "", "b.exe", ""}), names());
  EXPECT_TRUE(p.CopyCell(2, 1));
  EXPECT_EQ(2, p.GetHotIndex());
  EXPECT_EQ("C:\\nowhere\\b.exe", tab->GetButton(2)->m_command);
  EXPECT_EQ(255u, tab->GetButton(2)->m_textColor);

  EXPECT_TRUE(p.DeleteCell(4));
  EXPECT_EQ(-1, p.GetHotIndex());
  EXPECT_EQ(5 + 4 * 25, p.ContentSize().cx);
  EXPECT_FALSE(p.DeleteCell(4));
  EXPECT_FALSE(p.SwapCells(0, 9));
  EXPECT_FALSE(p.CopyCell(-1, 0));

  // A blank turned into a separator shortens the row.
  EXPECT_TRUE(p.SetCell(3, "/"));
  EXPECT_EQ(5 + 3 * 25 + 9, p.ContentSize().cx);
  EXPECT_TRUE(p.SetCell(3, nullptr));
  EXPECT_TRUE(p.IsBlank(3));
  EXPECT_TRUE(consistent());
  EXPECT_EQ(1, p.IndexOfNode(p.GetItem(1)));
  EXPECT_EQ(-1, p.IndexOfNode(nullptr));
}

TEST_F(BtnPanelTest, ShellChangesReReadEveryItem) {
  CTestPanel& p = Make({"C:\\nowhere\\a.exe", "*"});
  tab->m_buttons[0]->m_command = "C:\\nowhere\\renamed.exe";
  Send(WM_SHELL_CHANGED, 0);
  EXPECT_EQ("renamed.exe", p.GetItem(0)->m_text);
  // A missing target is drawn with the application icon.
  EXPECT_EQ(-1, p.GetItem(0)->m_imageIndex);
  EXPECT_NE(nullptr, p.GetItem(0)->m_icon);
}

TEST_F(BtnPanelTest, ModelChangedBehindThePanelIsFollowedOnRebuild) {
  CTestPanel& p = Make({"*", "*"});
  tab->m_buttons.erase(tab->m_buttons.begin());
  tab->m_buttons.push_back(std::make_unique<CBtnData>("/"));
  tab->m_buttons.push_back(std::make_unique<CBtnData>("C:\\nowhere\\c.exe"));
  p.Rebuild(false);
  ASSERT_EQ(3, p.GetCount());
  EXPECT_TRUE(p.IsSeparator(1));
  EXPECT_EQ("c.exe", p.GetItem(2)->m_text);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(tab->GetButton(i), p.GetItem(i)->m_data);
}

TEST_F(BtnPanelTest, TooltipShowsNamesThatDoNotFitOrAreHidden) {
  // Text off: every named button has a tooltip; blanks do not.
  CTestPanel& p = Make({"C:\\nowhere\\a.exe", "*"});
  EXPECT_EQ("a.exe", p.TooltipTextAt({CellX(0), 10}));
  EXPECT_EQ("", p.TooltipTextAt({CellX(1), 10}));
  EXPECT_EQ("", p.TooltipTextAt({200, 10}));

  // Text on: only names wider than the text area.
  std::string longName = std::string(200, 'W') + ".exe";
  CTestPanel& q = Make({"C:\\nowhere\\a.exe", "C:\\nowhere\\" + longName}, kStyle | 0x80);
  EXPECT_FALSE(q.GetItem(0)->m_overflow);
  EXPECT_TRUE(q.GetItem(1)->m_overflow);
  RECT r = q.GetItem(1)->m_rect;
  EXPECT_EQ("", q.TooltipTextAt({q.GetItem(0)->m_rect.left + 2, 10}));
  EXPECT_EQ(longName, q.TooltipTextAt({r.left + 2, r.top + 2}));
}

TEST_F(BtnPanelTest, CellsPastTheVisibleLengthAreNotPainted) {
  // Client 58 wide: cells at 5..25 and 30..50 fit, the one at 55..75 does not.
  Make({"*", "*", "*"}, kStyle, 60);
  tab->m_color = RGB(10, 200, 30);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 60, 40);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  Send(WM_PRINTCLIENT, PRF_CLIENT | PRF_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
  EXPECT_NE(RGB(10, 200, 30), GetPixel(dc, 35, 15));  // the second cell
  EXPECT_EQ(RGB(10, 200, 30), GetPixel(dc, 56, 15));  // where the third would start
  EXPECT_EQ(RGB(10, 200, 30), GetPixel(dc, 27, 15));  // the gap
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST(CopyTipText, CutsAtACharacterBoundaryAndTerminates) {
  char buffer[80];
  CopyTipText(std::string(200, 'x'), buffer, sizeof buffer);
  EXPECT_EQ(79u, strlen(buffer));
  // 78 single bytes then a double-byte character that would need bytes 78 and 79.
  std::string mixed = std::string(78, 'x') + "表";
  CopyTipText(mixed, buffer, sizeof buffer);
  EXPECT_EQ(std::string(78, 'x'), buffer);
  CopyTipText("短い", buffer, sizeof buffer);
  EXPECT_STREQ("短い", buffer);
}

TEST_F(BtnPanelTest, TenThousandCellsBuildPaintAndHitTest) {
  std::vector<std::string> commands(10000, "*");
  for (int i = 0; i < 10000; i += 100) commands[static_cast<size_t>(i)] = "/";
  commands[5001] = "C:\\nowhere\\missing.exe";
  commands[5002] = "\\\\nohost.invalid\\share\\app.exe";
  commands[5003] = "&#9999";
  commands[5004] = std::string(5000, 'z');
  CTestPanel& p = Make(commands);
  ASSERT_EQ(10000, p.GetCount());
  EXPECT_EQ(5 + 9900 * 25 + 100 * 9, p.ContentSize().cx);
  EXPECT_EQ("missing.exe", p.GetItem(5001)->m_text);
  EXPECT_NE(nullptr, p.GetItem(5001)->m_icon);  // the application icon stands in
  EXPECT_EQ("app.exe", p.GetItem(5002)->m_text);
  ShowWindow(parent, SW_SHOWNOACTIVATE);
  p.SetScrollOffset(p.ContentSize().cx - 300, true);
  UpdateWindow(p.GetSafeHwnd());
  EXPECT_EQ(9999, p.HitTest({300 - 5 - 10, 10}));
  Click(300 - 5 - 10, 10);
  ASSERT_EQ(1u, recorder.notices.size());
  EXPECT_EQ(9999, recorder.notices[0].index);
}

TEST_F(BtnPanelTest, PaintingShowsThePressedCellSunken) {
  Make({"*", "*"});
  // The panel paints into a memory picture, so other windows on the
  // display cannot get in the way.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 40);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  auto corner = [&] {
    Send(WM_PRINTCLIENT, PRF_CLIENT | PRF_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    return GetPixel(dc, 5, 5);
  };
  // A raised edge is light at the top-left corner; a sunken one dark.
  COLORREF released = corner();
  Send(WM_LBUTTONDOWN, At(CellX(0), 10));
  COLORREF pressed = corner();
  Send(WM_MOUSEMOVE, At(200, 10));
  COLORREF movedOff = corner();
  Send(WM_LBUTTONUP, At(200, 10));
  COLORREF after = corner();
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EXPECT_NE(released, pressed);
  EXPECT_EQ(released, movedOff);
  EXPECT_EQ(released, after);
}
