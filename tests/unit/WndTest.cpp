#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"

namespace {
// An edit control bound to an object: the object sees its messages first.
class CountingEdit : public CWnd {
 public:
  int setTextSeen = 0;
  bool destroyed = false;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SETTEXT) ++setTextSeen;
    return CWnd::WindowProc(message, wParam, lParam);
  }
  void PostNcDestroy() override { destroyed = true; }
};

TEST(Wnd, SystemControlsAreBoundAndKeepTheirOwnBehaviour) {
  CountingEdit edit;
  ASSERT_TRUE(edit.CreateEx(0, "EDIT", "", WS_POPUP, RECT{0, 0, 100, 20}, nullptr, 0));
  EXPECT_EQ(CWnd::FromHandlePermanent(edit.GetSafeHwnd()), &edit);
  ::SetWindowTextA(edit, "abc");
  EXPECT_EQ(edit.setTextSeen, 1);
  char text[16] = "";
  ::GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "abc");  // the control's own procedure stored it
  HWND window = edit.GetSafeHwnd();
  edit.DestroyWindow();
  EXPECT_TRUE(edit.destroyed);
  EXPECT_EQ(edit.GetSafeHwnd(), nullptr);
  EXPECT_FALSE(::IsWindow(window));
}

// A frame with a view: commands and menu states are asked of the view first.
class RecordingView : public CWnd {
 public:
  std::vector<UINT>* log = nullptr;
  BOOL OnCommand(UINT id, UINT, HWND) override {
    log->push_back(id);
    return id == 1;
  }
  BOOL OnUpdateCommand(CCmdUI& ui) override { return ui.GetID() == 1; }
};

class RecordingFrame : public CFrameWnd {
 public:
  std::vector<UINT> handled;
  void SetView(CWnd* view) { m_pView = view; }
  BOOL OnCommand(UINT id, UINT, HWND) override {
    if (id != 2) return FALSE;
    handled.push_back(id);
    return TRUE;
  }
  BOOL OnUpdateCommand(CCmdUI& ui) override {
    if (ui.GetID() != 2) return FALSE;
    ui.SetCheck(true);
    return TRUE;
  }
};

TEST(FrameWnd, CommandsGoToTheViewFirstAndUnclaimedItemsAreDisabled) {
  ASSERT_TRUE(CFrameWnd::RegisterFrameClass("KestrelWndTestFrame", 0, nullptr, nullptr, nullptr));
  RecordingFrame frame;
  ASSERT_TRUE(frame.CreateEx(0, "KestrelWndTestFrame", "", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
  std::vector<UINT> viewLog;
  RecordingView view;
  view.log = &viewLog;
  frame.SetView(&view);

  frame.SendMessage(WM_COMMAND, 1);
  frame.SendMessage(WM_COMMAND, 2);
  EXPECT_EQ(viewLog, (std::vector<UINT>{1, 2}));
  EXPECT_EQ(frame.handled, (std::vector<UINT>{2}));

  HMENU popup = ::CreatePopupMenu();
  ::AppendMenuA(popup, MF_STRING, 1, "view's");
  ::AppendMenuA(popup, MF_STRING, 2, "frame's");
  ::AppendMenuA(popup, MF_STRING, 3, "nobody's");
  frame.UpdatePopupItems(popup);
  EXPECT_EQ(::GetMenuState(popup, 1, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), 0u);
  EXPECT_EQ(::GetMenuState(popup, 2, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED), UINT(MF_CHECKED));
  EXPECT_NE(::GetMenuState(popup, 3, MF_BYCOMMAND) & MF_GRAYED, 0u);
  ::DestroyMenu(popup);
  frame.SetView(nullptr);
  frame.DestroyWindow();
}

// A window that counts the notifications it hears of; on WM_APP it raises one of its own, as a
// control does while the window handles a message another thread sent it.
class NotifiedWnd : public CWnd {
 public:
  int notified = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) ++notified;
    if (message == WM_APP) {
      NMHDR own{m_hWnd, 1, 2};
      ::SendMessageA(m_hWnd, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&own));
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

DWORD WINAPI SendApp(void* window) {
  return static_cast<DWORD>(::SendMessageA(static_cast<HWND>(window), WM_APP, 0, 0));
}

TEST(Wnd, OnlyNotificationsFromThisThreadsWindowsInItsOwnMemoryAreHeard) {
  NotifiedWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
  void* reserved = ::VirtualAlloc(nullptr, 4096, MEM_RESERVE, PAGE_READWRITE);
  NMHDR own{wnd.GetSafeHwnd(), 1, 2};
  NMHDR foreign{::GetDesktopWindow(), 1, 2};
  const struct {
    const char* name;
    const void* header;
    int heard;
  } cases[] = {{"own", &own, 1},
               {"from a window of another thread", &foreign, 0},
               {"not readable here", reserved, 0},
               {"no header", nullptr, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    wnd.notified = 0;
    ::SendMessageA(wnd, WM_NOTIFY, 1, reinterpret_cast<LPARAM>(c.header));
    EXPECT_EQ(wnd.notified, c.heard);
  }
  ::VirtualFree(reserved, 0, MEM_RELEASE);

  // Raised while handling a message sent from another thread: still the window's own.
  wnd.notified = 0;
  HANDLE sender = ::CreateThread(nullptr, 0, SendApp, wnd.GetSafeHwnd(), 0, nullptr);
  while (::MsgWaitForMultipleObjects(1, &sender, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  ::CloseHandle(sender);
  EXPECT_EQ(wnd.notified, 1);
}

}  // namespace
