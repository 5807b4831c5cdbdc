// The bar's frame: arranging, corner moves, hold-to-move, the "file" menu, the
// locked bar, the desktop and taskbar toggles, and messages from strangers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Input.h"
#include "Screenshot.h"
#include "ProgramFolder.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

const UINT kArrangeHorz = 32822, kArrangeLeft = 32823, kArrangeRight = 32824;
const UINT kTopLeft = 32818, kTopRight = 32819;
const UINT kLockPosition = 32831, kToggleDesktop = 32829, kToggleTaskbar = 32830;

std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

std::string WinPosFor(const RECT& r) {
  return "0:1:-1:-1:-1:-1:" + std::to_string(r.left) + ":" + std::to_string(r.top) + ":" +
         std::to_string(r.right) + ":" + std::to_string(r.bottom);
}

// The window's rectangle once it equals expected, or as it is after timeoutMs.
std::string WaitForRect(HWND window, const RECT& expected, DWORD timeoutMs = 3000) {
  std::string want = RectText(expected);
  for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < timeoutMs; ::Sleep(20)) {
    if (RectText(WindowRectOf(window)) == want) break;
  }
  return RectText(WindowRectOf(window));
}

// Sends a command to the frame and waits until it has been carried out.
bool Command(HWND frame, UINT id) { return SendWithTimeout(frame, WM_COMMAND, id, 0, 10000); }

bool StillAnswers(HWND frame) { return SendWithTimeout(frame, WM_NULL, 0, 0, 5000); }

// Injected button input at (x, y), in absolute coordinates as a mouse reports them.
void Inject(int x, int y, DWORD buttonFlags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = (x * 65535 + (cx - 1) / 2) / (cx - 1);
  input.mi.dy = (y * 65535 + (cy - 1) / 2) / (cy - 1);
  ::SendInput(1, &input, sizeof input);
}

POINT g_pointer{0, 0};

// Moves the pointer on the display and for Wine alike (see MovePointerTo).
void PointTo(int x, int y, bool settle = true) {
  g_pointer = POINT{x, y};
  MovePointerTo(x, y, settle);
}

void Button(DWORD flags) { Inject(g_pointer.x, g_pointer.y, flags); }

void RightClickAt(int x, int y) {
  PointTo(x, y);
  Button(MOUSEEVENTF_RIGHTDOWN);
  Button(MOUSEEVENTF_RIGHTUP);
}

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    PointTo(0, ::GetSystemMetrics(SM_CYSCREEN) - 1);  // away from the bar
  }

  HWND StartBar(const std::string& commonLines) {
    EXPECT_TRUE(folder_.WriteIni("[Common]\r\nTrans=10\r\n" + commonLines));
    bar_ = folder_.Start();
    EXPECT_TRUE(bar_.Started());
    return bar_.WaitForFrame();
  }

  // Starts the bar and gives it exactly rect, as a user sizing it would: the
  // view fits the thickness once at start, and a later size stays.
  HWND StartBarAt(const RECT& rect, const std::string& moreLines = "") {
    HWND frame = StartBar("WinPos=" + WinPosFor(rect) + "\r\n" + moreLines);
    if (frame)
      ::SetWindowPos(frame, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return frame;
  }

  unsigned long StoredStyle() const {
    return std::stoul(folder_.IniValue("Common", "Style", "33500"));
  }

  ProgramFolder folder_;
  AppProcess bar_;
};

TEST_F(FrameTest, ArrangingMirrorsTheBarOverItsDiagonalAndStoresItsPlace) {
  // A 600 x 40 bar at (100, 700) on a 1024 x 768 screen becomes (700, 100, 740, 700);
  // then the view fits its new thickness across the bar, keeping the other edges.
  HWND frame = StartBarAt({100, 700, 700, 740});
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(Command(frame, kArrangeLeft));
  RECT r = WindowRectOf(frame);
  EXPECT_EQ(RectText({r.left, r.top, r.left, r.bottom}), RectText({700, 100, 700, 700}));
  int across = r.right - r.left;
  EXPECT_GT(across, 0);

  // Between left and right the rectangle stays; only the orientation changes.
  ASSERT_TRUE(Command(frame, kArrangeRight));
  EXPECT_EQ(RectText(WindowRectOf(frame)), RectText(r));

  // Back to horizontal: mirrored again, the far edges kept on the screen.
  ASSERT_TRUE(Command(frame, kArrangeHorz));
  RECT h = WindowRectOf(frame);
  int bottom = std::min(700 + across, 768);
  EXPECT_EQ(RectText({h.left, h.top, h.right, 0}), RectText({100, bottom - across, 700, 0}));
  ASSERT_TRUE(Command(frame, kArrangeHorz));  // already horizontal: nothing happens
  EXPECT_EQ(RectText(WindowRectOf(frame)), RectText(h));

  ASSERT_TRUE(Command(frame, kArrangeRight));
  RECT last = WindowRectOf(frame);
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(StoredStyle() & 0x30000, 0x20000u);
  EXPECT_EQ(folder_.IniValue("Common", "WinPos"),
            "0:1:-1:-1:-1:-1:" + std::to_string(last.left) + ":" + std::to_string(last.top) + ":" +
                std::to_string(last.right) + ":" + std::to_string(last.bottom));
}

TEST_F(FrameTest, CornerMovesEndExactlyAtTheTopCornersWithAndWithoutAnimation) {
  for (unsigned long animate : {0x0ul, 0x400ul}) {
    SCOPED_TRACE(animate ? "animated" : "at once");
    HWND frame = StartBarAt({300, 200, 900, 240},
                            "Style=" + std::to_string((0x82DCul & ~0x400ul) | animate) + "\r\n");
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(Command(frame, kTopRight));
    EXPECT_EQ(RectText(WindowRectOf(frame)), RectText({424, 0, 1024, 40}));
    ASSERT_TRUE(Command(frame, kTopLeft));
    EXPECT_EQ(RectText(WindowRectOf(frame)), RectText({0, 0, 600, 40}));
    // Already at the left edge but lower down: the move runs along y alone.
    ::SetWindowPos(frame, nullptr, 0, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(Command(frame, kTopLeft));
    EXPECT_EQ(RectText(WindowRectOf(frame)), RectText({0, 0, 600, 40}));
    ASSERT_TRUE(bar_.CloseFrame());
  }
}

class HoldToMoveTest : public FrameTest {
 protected:
  static POINT Middle(HWND frame) {
    RECT r = WindowRectOf(frame);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  // Presses at the bar's middle and keeps still for the given time.
  POINT PressAndHold(HWND frame, DWORD holdMs) {
    POINT p = Middle(frame);
    PointTo(p.x, p.y);
    Button(MOUSEEVENTF_LEFTDOWN);
    ::Sleep(holdMs);
    return p;
  }
  void DragBy(POINT from, int dx, int dy) {
    PointTo(from.x + dx / 2, from.y + dy / 2);
    ::Sleep(50);
    PointTo(from.x + dx, from.y + dy);
    ::Sleep(100);
  }
  void Release() { Button(MOUSEEVENTF_LEFTUP); }
  void TearDown() override { Release(); }
};

TEST_F(HoldToMoveTest, AStillPressMovesTheBarWithThePointer) {
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  POINT p = PressAndHold(frame, 900);
  DragBy(p, 60, 40);
  Release();
  EXPECT_EQ(WaitForRect(frame, {160, 340, 760, 380}), RectText({160, 340, 760, 380}));
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(folder_.IniValue("Common", "WinPos"), "0:1:-1:-1:-1:-1:160:340:760:380");
}

TEST_F(HoldToMoveTest, TheSlightestMovementBeforeHalfASecondStartsNoMove) {
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  POINT p = Middle(frame);
  PointTo(p.x, p.y);
  Button(MOUSEEVENTF_LEFTDOWN);
  DWORD pressed = ::GetTickCount();
  PointTo(p.x + 1, p.y, false);
  if (::GetTickCount() - pressed > 300) GTEST_SKIP() << "the pointer moved too late to test this";
  ::Sleep(800);
  DragBy(p, 60, 40);
  Release();
  ::Sleep(200);
  EXPECT_EQ(RectText(WindowRectOf(frame)), RectText({100, 300, 700, 340}));
}

TEST_F(HoldToMoveTest, AClickAlreadyReleasedStartsNoMove) {
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  POINT p = Middle(frame);
  PointTo(p.x, p.y);
  Button(MOUSEEVENTF_LEFTDOWN);
  Button(MOUSEEVENTF_LEFTUP);
  ::Sleep(900);
  DragBy(p, 60, 40);
  EXPECT_EQ(RectText(WindowRectOf(frame)), RectText({100, 300, 700, 340}));
}

TEST_F(HoldToMoveTest, EscapePutsTheBarBackEvenWhenItIsNotLocked) {
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  POINT p = PressAndHold(frame, 900);
  DragBy(p, 60, 40);
  EXPECT_EQ(WaitForRect(frame, {160, 340, 760, 380}), RectText({160, 340, 760, 380}));
  PressKey(VK_ESCAPE);
  EXPECT_EQ(WaitForRect(frame, {100, 300, 700, 340}), RectText({100, 300, 700, 340}));
  Release();
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(folder_.IniValue("Common", "WinPos"), "0:1:-1:-1:-1:-1:100:300:700:340");
}

TEST_F(HoldToMoveTest, ALockedBarFollowsTheDragButJumpsBackAtRelease) {
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(Command(frame, kLockPosition));
  POINT p = PressAndHold(frame, 900);
  DragBy(p, 60, 40);
  EXPECT_EQ(WaitForRect(frame, {160, 340, 760, 380}), RectText({160, 340, 760, 380}));
  Release();
  EXPECT_EQ(WaitForRect(frame, {100, 300, 700, 340}), RectText({100, 300, 700, 340}));
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_NE(StoredStyle() & 0x20000000, 0u);
}

TEST_F(FrameTest, RightClickShowsTheFileMenuUnlessTheBarIsLocked) {
  // The "file" menu belongs to the frame itself (the system turns a right click on its
  // border into WM_CONTEXTMENU); the view has menus of its own.
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  PointTo(400, 301);
  Post(frame, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(frame), MAKELPARAM(400, 301));
  HWND menu = WaitForTopLevelWindow(bar_.Id(), "#32768", nullptr, 5000);
  ASSERT_NE(menu, nullptr) << "no popup menu appeared";
  ::Sleep(300);
  // Twelve items and four separators: far taller than any of the view's menus.
  RECT r = WindowRectOf(menu);
  EXPECT_GT(r.bottom - r.top, 150) << "not the file menu";
  std::string artefacts = ProgramFolder::BinFolder() + "..\\artefacts";
  ::CreateDirectoryA(artefacts.c_str(), nullptr);
  SaveScreenBitmap(artefacts + "\\file-menu.bmp");
  Post(menu, WM_KEYDOWN, VK_ESCAPE, 1);
  ::Sleep(300);
  ASSERT_TRUE(bar_.CloseFrame());

  frame = StartBarAt({100, 300, 700, 340}, "Protects=1\r\n");
  ASSERT_NE(frame, nullptr);
  Post(frame, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(frame), MAKELPARAM(400, 301));
  RightClickAt(400, 320);  // and on the view, which passes it on
  ::Sleep(1000);
  for (HWND w : FindTopLevelWindows(bar_.Id(), "#32768", nullptr))
    EXPECT_FALSE(::IsWindowVisible(w)) << "a menu opened on a locked bar";
  // Neither the system close command nor Alt+F4 ends a locked bar.
  Post(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
  BringToFront(frame);
  PressKey(VK_F4, false, false, true);
  ::Sleep(500);
  EXPECT_TRUE(bar_.IsRunning());
  ASSERT_TRUE(bar_.CloseFrame());  // WM_CLOSE itself still closes it
}

TEST_F(FrameTest, FileMenuTextsAndCommandsAreAsStored) {
  HMODULE kestrel =
      ::LoadLibraryExA(folder_.PathOf("Kestrel.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(kestrel, nullptr);
  HMENU menu = ::LoadMenuA(kestrel, MAKEINTRESOURCEA(128));
  ASSERT_NE(menu, nullptr);
  std::vector<std::string> popups;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    char text[64] = "";
    ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    popups.push_back(text);
  }
  EXPECT_EQ(popups,
            (std::vector<std::string>{"file", "rbtn", "Tab", "TabMini", "rbtnframe", "rbtn_sep"}));
  HMENU file = ::GetSubMenu(menu, 0);
  const struct {
    UINT id;
    const char* text;
  } items[] = {
      {32800, "オプション(&O)"},
      {32822, "横に並べる(&H)"},
      {32823, "縦に並べる-左(&V)"},
      {32824, "縦に並べる-右(&R)"},
      {32818, "左上(&L)"},
      {32819, "右上(&R)"},
      {32804, "常に手前に表示(&T)"},
      {32831, "バー位置を固定(&L)"},
      {32806, "バーを隠す(&D)"},
      {32829, "デスクトップ(&K)\tCtrl+D"},
      {32830, "タスクバー(&A)\tCtrl+T"},
      {57665, "終了(&X)"},
  };
  for (const auto& item : items) {
    char text[64] = "";
    EXPECT_GT(::GetMenuStringA(file, item.id, text, sizeof text, MF_BYCOMMAND), 0) << item.id;
    EXPECT_STREQ(text, item.text) << item.id;
  }
  ::DestroyMenu(menu);
  ::FreeLibrary(kestrel);
}

TEST_F(FrameTest, TaskbarToggleHidesItRecordsItAndShowsItAgainAtClose) {
  HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
  if (!taskbar || !::IsWindowVisible(taskbar)) GTEST_SKIP() << "no visible taskbar on this desktop";
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(Command(frame, kToggleTaskbar));
  EXPECT_FALSE(::IsWindowVisible(taskbar));
  EXPECT_EQ(folder_.IniValue("Common", "WinDisp"), "2");
  // No Progman window exists on Wine's desktop: the desktop toggle does nothing.
  if (!::FindWindowA("Progman", nullptr)) {
    ASSERT_TRUE(Command(frame, kToggleDesktop));
    EXPECT_EQ(folder_.IniValue("Common", "WinDisp"), "2");
  }
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_TRUE(::IsWindowVisible(taskbar));
  EXPECT_EQ(folder_.IniValue("Common", "WinDisp"), "2");

  // The next start hides it again; Ctrl+T brings it back and clears the bit.
  frame = StartBar("WinPos=" + WinPosFor({100, 300, 700, 340}) + "\r\nWinDisp=2\r\n");
  ASSERT_NE(frame, nullptr);
  ::Sleep(300);
  EXPECT_FALSE(::IsWindowVisible(taskbar));
  BringToFront(frame);
  PressKey('T', true);
  ::Sleep(500);
  EXPECT_TRUE(::IsWindowVisible(taskbar));
  EXPECT_EQ(folder_.IniValue("Common", "WinDisp"), "0");
  ASSERT_TRUE(bar_.CloseFrame());
  ::ShowWindow(taskbar, SW_SHOW);
}

TEST_F(FrameTest, MessagesFromOtherProcessesNeverBreakTheFrame) {
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  for (UINT id = 32818; id <= 32831; ++id) {
    if (id == kToggleDesktop || id == kToggleTaskbar) continue;  // they change the desktop
    SendWithTimeout(frame, WM_COMMAND, id, 0, 10000);
    SendWithTimeout(frame, WM_COMMAND, id, 0xDEADBEEF, 10000);
  }
  for (UINT message = 0x8001; message <= 0x80C8; ++message) {
    if (message == 0x8005 || message == 0x8006) continue;  // hide and show are real requests
    for (LPARAM l : {LPARAM(0), LPARAM(-1), LPARAM(0x7FFFFFFF)})
      Post(frame, message, WPARAM(-1), l);
  }
  std::vector<char> data(1 << 20, 'x');
  for (DWORD size : {0ul, 1ul, 1ul << 20}) {
    COPYDATASTRUCT copy{12345, size, size ? data.data() : nullptr};
    SendWithTimeout(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), 10000);
  }
  EXPECT_TRUE(StillAnswers(frame));
  EXPECT_TRUE(bar_.IsRunning());
  ASSERT_TRUE(bar_.CloseFrame());
}

TEST_F(FrameTest, ContradictoryStyleWordsStillGiveAUsableBar) {
  // Both vertical bits, every bit, and a negative number.
  for (const char* styleWord : {"196608", "4294967295", "-1"}) {
    SCOPED_TRACE(styleWord);
    HWND frame = StartBarAt({100, 300, 700, 340}, std::string("Style=") + styleWord + "\r\n");
    ASSERT_NE(frame, nullptr);
    RECT r = WindowRectOf(frame);
    EXPECT_TRUE(::IsWindowVisible(frame));
    EXPECT_GT(r.right - r.left, 0);
    EXPECT_GT(r.bottom - r.top, 0);
    EXPECT_TRUE(StillAnswers(frame));
    ASSERT_TRUE(bar_.CloseFrame());
  }
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {
TEST_F(FrameTest, SettingsThatCannotBeWrittenAreReportedAtExit) {
  HWND frame = StartBarAt({100, 300, 700, 340});
  ASSERT_NE(frame, nullptr);
  // Another program holds the file open without sharing (a read-only file would not do:
  // the tests may run as root, whom Wine lets write it anyway).
  HANDLE lock = ::CreateFileA(folder_.IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(Command(frame, kArrangeLeft));  // the style and the placement change
  Post(frame, WM_CLOSE);
  HWND box = bar_.WaitForMessageBox("Kestrel");
  ASSERT_NE(box, nullptr) << "the failed save went unreported";
  MessageBoxInfo info = ReadMessageBox(box);
  EXPECT_EQ(info.icon, BoxIcon::kExclamation) << BoxIconName(info.icon);
  EXPECT_NE(info.text.find("Kestrel.ini"), std::string::npos) << info.text;
  Post(box, WM_CLOSE);
  EXPECT_TRUE(bar_.WaitForExit());
  ::CloseHandle(lock);
}
}  // namespace
}  // namespace e2e
