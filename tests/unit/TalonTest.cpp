#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "hook/TalonProtocol.h"
#include "tests/unit/TalonLibrary.h"

namespace {

struct Report {
  HWND hookWindow;
  ULONG_PTR message;
  DWORD bytes;
  unsigned char block[talon::kReportBytes];
};
std::vector<Report> g_reports;

LRESULT CALLBACK RecordingListener(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    Report report{reinterpret_cast<HWND>(wParam), data->dwData, data->cbData, {}};
    std::memcpy(report.block, data->lpData, sizeof report.block);
    g_reports.push_back(report);
    return TRUE;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// The hook called in this process, with a stand-in listener of the real class
// and title that records what arrives.
class TalonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    talon_ = LoadBuiltTalon();
    ASSERT_NE(talon_, nullptr) << "Talon.dll beside the test program";
    hook_ = TalonHookProc(talon_);
    ASSERT_NE(hook_, nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordingListener;
    wc.cbWndExtra = 4;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = TALON_LISTENER_CLASS;
    ASSERT_NE(::RegisterClassA(&wc), 0);
    listener_ =
        ::CreateWindowExA(0, TALON_LISTENER_CLASS, TALON_LISTENER_TITLE, WS_OVERLAPPEDWINDOW, 0, 0,
                          0, 0, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(listener_, nullptr);
    target_ = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
    g_reports.clear();
  }
  void TearDown() override {
    if (target_) ::DestroyWindow(target_);
    if (listener_) ::DestroyWindow(listener_);
    ::UnregisterClassA(TALON_LISTENER_CLASS, ::GetModuleHandleA(nullptr));
    if (talon_) ::FreeLibrary(talon_);
  }
  void Move(DWORD word, WPARAM message, POINT pt, HWND window) {
    ::SetWindowLongA(listener_, 0, static_cast<LONG>(word));
    MOUSEHOOKSTRUCT mouse{};
    mouse.pt = pt;
    mouse.hwnd = window;
    hook_(HC_ACTION, message, reinterpret_cast<LPARAM>(&mouse));
  }

  HMODULE talon_ = nullptr;
  HOOKPROC hook_ = nullptr;
  HWND listener_ = nullptr;
  HWND target_ = nullptr;
};

TEST_F(TalonTest, ReportsOnlyMovesOntoTheFirstLiveSpot) {
  const LONG w = ::GetSystemMetrics(SM_CXSCREEN);
  const LONG h = ::GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    const char* what;
    DWORD word;
    WPARAM message;
    POINT pt;
    WORD spot;  // 0: no report
  };
  const Case cases[] = {
      {"inside the top-left square", 0x0581, WM_MOUSEMOVE, {4, 4}, talon::kTopLeft},
      {"right of it (right edge exclusive)", 0x0581, WM_MOUSEMOVE, {5, 0}, 0},
      {"non-client moves count too", 0x0581, WM_NCMOUSEMOVE, {0, 0}, talon::kTopLeft},
      {"without the enable bit", 0x0501, WM_MOUSEMOVE, {0, 0}, 0},
      {"right strip before top-right corner", 0x05A8, WM_MOUSEMOVE, {w - 1, 0}, talon::kRightEdge},
      {"bottom-right square", 0x0584, WM_MOUSEMOVE, {w - 5, h - 5}, talon::kBottomRight},
      {"bottom edge exclusive", 0x0584, WM_MOUSEMOVE, {w - 1, h}, 0},
      {"top strip", 0x03C0, WM_MOUSEMOVE, {w / 2, 2}, talon::kTopEdge},
      {"size 0 empties every spot", 0x00FF, WM_MOUSEMOVE, {0, 0}, 0},
      {"button press", 0x0581, WM_LBUTTONDOWN, {0, 0}, 0},
      {"wheel", 0x0581, WM_MOUSEWHEEL, {0, 0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g_reports.clear();
    Move(c.word, c.message, c.pt, target_);
    if (!c.spot) {
      EXPECT_TRUE(g_reports.empty());
      continue;
    }
    ASSERT_EQ(g_reports.size(), 1u);
    const Report& r = g_reports[0];
    EXPECT_EQ(r.hookWindow, target_);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(r.bytes, talon::kReportBytes);
    DWORD head[2];
    std::memcpy(head, r.block, sizeof head);
    EXPECT_EQ(head[0], static_cast<DWORD>(c.pt.y) << 16 | static_cast<DWORD>(c.pt.x));
    EXPECT_EQ(head[1], (c.word >> 8 & 0xFF) << 16 | c.spot);
    for (size_t i = sizeof head; i < sizeof r.block; ++i) EXPECT_EQ(r.block[i], 0) << i;
  }
}

TEST_F(TalonTest, NoWindowHandleNoReport) {
  Move(0x0581, WM_MOUSEMOVE, {0, 0}, nullptr);
  EXPECT_TRUE(g_reports.empty());
}

TEST_F(TalonTest, FindsANewListenerAfterTheOldOneIsGone) {
  Move(0x0581, WM_MOUSEMOVE, {0, 0}, target_);
  ASSERT_EQ(g_reports.size(), 1u);
  ::DestroyWindow(listener_);
  Move(0x0581, WM_MOUSEMOVE, {0, 0}, target_);  // no listener: nothing, no crash
  listener_ = ::CreateWindowExA(0, TALON_LISTENER_CLASS, TALON_LISTENER_TITLE, WS_OVERLAPPEDWINDOW,
                                0, 0, 0, 0, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  Move(0x0581, WM_MOUSEMOVE, {0, 0}, target_);
  EXPECT_EQ(g_reports.size(), 2u);
}

}  // namespace
