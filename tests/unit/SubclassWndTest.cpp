#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/SubclassWnd.h"

namespace {
std::vector<std::string>* g_log = nullptr;
const UINT kProbe = WM_USER + 77;

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbe && g_log) g_log->push_back("own");
  if (message == WM_NCDESTROY && g_log) g_log->push_back("own-ncdestroy");
  return ::DefWindowProcA(window, message, wParam, lParam);
}

class Recorder : public CSubclassWnd {
 public:
  explicit Recorder(const char* name) : m_name(name) {}
  std::vector<UINT> seen;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(message);
    if (message == kProbe) g_log->push_back(m_name);
    if (message == WM_NCDESTROY) g_log->push_back(m_name + "-ncdestroy");
    return Default(message, wParam, lParam);
  }

 private:
  std::string m_name;
};

class SubclassWndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log = &log;
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "KestrelSubclassProbe";
    ::RegisterClassA(&wc);
    window = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
  }
  void TearDown() override {
    if (::IsWindow(window)) ::DestroyWindow(window);
    g_log = nullptr;
  }
  WNDPROC CurrentProc() const {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
  }

  std::vector<std::string> log;
  HWND window = nullptr;
};

TEST_F(SubclassWndTest, NewestHookSeesMessagesFirstAndPassesThemDownTheChain) {
  Recorder a("A"), b("B");
  a.HookWindow(window);
  b.HookWindow(window);
  ::SendMessageA(window, kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"B", "A", "own"}));
}

TEST_F(SubclassWndTest, DetachingInAnyOrderKeepsTheRestHookedAndRestoresTheOwnProcedure) {
  Recorder a("A"), b("B"), c("C");
  a.HookWindow(window);
  b.HookWindow(window);
  c.HookWindow(window);
  a.HookWindow(nullptr);  // the oldest goes: B keeps the window's own procedure
  EXPECT_FALSE(a.IsHooked());
  ::SendMessageA(window, kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"C", "B", "own"}));

  log.clear();
  b.HookWindow(nullptr);  // the middle one goes: C links straight to the window
  ::SendMessageA(window, kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"C", "own"}));

  c.HookWindow(nullptr);  // the last one goes: the window's own procedure is back
  EXPECT_EQ(CurrentProc(), &OwnProc);
  log.clear();
  ::SendMessageA(window, kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"own"}));
}

TEST_F(SubclassWndTest, DestroyingTheWindowDetachesEveryHookBeforeItsOwnProcedureEnds) {
  Recorder a("A"), b("B");
  a.HookWindow(window);
  b.HookWindow(window);
  ::DestroyWindow(window);
  EXPECT_FALSE(a.IsHooked());
  EXPECT_FALSE(b.IsHooked());
  // Hooks never see WM_NCDESTROY: they are gone when the window's procedure gets it.
  EXPECT_EQ(log, (std::vector<std::string>{"own-ncdestroy"}));
}

TEST_F(SubclassWndTest, AnObjectDestroyedWhileHookedLetsGo) {
  {
    Recorder a("A");
    a.HookWindow(window);
  }
  EXPECT_EQ(CurrentProc(), &OwnProc);
  Recorder b("B");
  b.HookWindow(window);
  b.HookWindow(window);  // hooking the same window again does not chain it to itself
  ::SendMessageA(window, kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"B", "own"}));
}
}  // namespace
