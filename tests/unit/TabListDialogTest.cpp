// The real Plumage.dll's tab dialogs called as Kestrel calls them, with tab lists the bar
// could hand out at its limits: no list at all, more tabs than the result buffer holds, and
// names of thousands of bytes or with a broken double-byte character.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/BarMessages.h"
#include "core/PlumageLibrary.h"
#include "tests/unit/PlumageSheet.h"

namespace {

std::vector<char> g_visible;  // the block the owner hands out; empty: none
int g_lent = 0;
std::string g_box;  // the text of the last message box

LRESULT CALLBACK Owner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TABLIST) return ::DefWindowProcA(window, message, wParam, lParam);
  if (wParam == 1) return --g_lent, 1;
  if (lParam != 0 || g_visible.empty()) return 0;
  ++g_lent;
  return reinterpret_cast<LRESULT>(g_visible.data());
}

// Presses OK in the dialog; a message box it shows is closed and the dialog cancelled.
BOOL CALLBACK Press(HWND window, LPARAM) {
  char name[16] = "";
  ::GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") != 0 || !::IsWindowVisible(window)) return TRUE;
  // A message box has no list of tabs.
  if (HWND text = ::GetDlgItem(window, 1000) || ::GetDlgItem(window, 1033)
                      ? nullptr
                      : ::GetDlgItem(window, 0xFFFF)) {
    char buffer[512] = "";
    ::GetWindowTextA(text, buffer, sizeof buffer);
    g_box = buffer;
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
  } else if (!::GetPropA(window, "pressed")) {
    ::SetPropA(window, "pressed", reinterpret_cast<HANDLE>(1));
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
  } else if (!g_box.empty()) {
    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  }
  return TRUE;
}
void CALLBACK Drive(HWND, UINT, UINT_PTR, DWORD) {
  ::EnumThreadWindows(::GetCurrentThreadId(), &Press, 0);
}

void PutTab(std::vector<char>& block, const std::string& name, uint32_t number) {
  static const char kNoCommands[] = "";
  block.insert(block.end(), name.begin(), name.end());
  block.push_back('\0');
  const char* bytes = reinterpret_cast<const char*>(&number);
  block.insert(block.end(), bytes, bytes + sizeof number);
  const char* commands = kNoCommands;
  bytes = reinterpret_cast<const char*>(&commands);
  block.insert(block.end(), bytes, bytes + sizeof commands);
}

}  // namespace

TEST(TabListDialog, ResultsNeverOverrunTheBarsBuffersAndAMissingListChangesNothing) {
  const std::string longName(4000, 'A'), broken = "abc\x82";
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, uint32_t>> tabs;  // none: the bar answers 0
    bool accepted;
    bool refused;  // told that the list is too long
  } cases[] = {
      {"no list from the bar", {}, false, false},
      {"a long name and a broken character", {{longName, 1}, {broken, 7}}, true, false},
      {"a thousand tabs", {}, false, true},
  };
  for (int i = 1; i <= 1000; ++i) cases[2].tabs.emplace_back("Tab" + std::to_string(i), i);

  HMODULE plumage = ::LoadLibraryA(BuiltPlumage().c_str());
  ASSERT_NE(plumage, nullptr);
  auto order = reinterpret_cast<ChgTabOrderDialogProc>(
      reinterpret_cast<void*>(::GetProcAddress(plumage, "ChgTabOrderDialog")));
  auto showHide = reinterpret_cast<UpdTabShowHideDialogProc>(
      reinterpret_cast<void*>(::GetProcAddress(plumage, "UpdTabShowHideDialog")));
  ASSERT_TRUE(order && showHide);
  WNDCLASSA wc{};
  wc.lpfnWndProc = &Owner;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "TabListOwner";
  ::RegisterClassA(&wc);
  HWND owner = ::CreateWindowA("TabListOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
  ASSERT_NE(owner, nullptr);
  const size_t kGuard = 64;

  for (const Case& c : cases) {
    for (bool both : {false, true}) {
      g_visible.clear();
      if (!c.tabs.empty()) {
        for (const auto& tab : c.tabs) PutTab(g_visible, tab.first, tab.second);
        g_visible.push_back('\0');
      }
      g_box.clear();
      std::vector<char> shown(kPlumageTabListSize + kGuard, '\x5A');
      std::vector<char> hidden(kPlumageTabListSize + kGuard, '\x5A');
      PlumageTabRecord tab{"Tab1", 1, 0x2000000, 0x2000000};
      UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &Drive);
      BOOL ok = both ? showHide(owner, &tab, shown.data(), hidden.data())
                     : order(owner, &tab, shown.data());
      ::KillTimer(nullptr, timer);
      const std::string what = std::string(c.what) + (both ? " (show/hide)" : " (order)");
      EXPECT_EQ(ok != FALSE, c.accepted) << what;
      EXPECT_EQ(g_lent, 0) << what << ": every list given back";
      EXPECT_EQ(!g_box.empty(), c.refused) << what << ": " << g_box;
      for (size_t i = kPlumageTabListSize; i < shown.size(); ++i)
        ASSERT_TRUE(shown[i] == '\x5A' && hidden[i] == '\x5A') << what << " at " << i;
      if (!c.accepted) {
        EXPECT_EQ(shown[0], '\x5A') << what << ": nothing written";
        continue;
      }
      // Each tab comes back whole with its number, and nothing is hidden.
      std::vector<char> expected;
      for (const auto& t : c.tabs) {
        expected.insert(expected.end(), t.first.begin(), t.first.end());
        expected.push_back('\0');
        const char* bytes = reinterpret_cast<const char*>(&t.second);
        expected.insert(expected.end(), bytes, bytes + 4);
      }
      expected.push_back('\0');
      EXPECT_TRUE(std::equal(expected.begin(), expected.end(), shown.begin())) << what;
      if (both) {
        EXPECT_EQ(hidden[0], '\0') << what;
      }
    }
  }
  ::DestroyWindow(owner);
  ::UnregisterClassA("TabListOwner", wc.hInstance);
  ASSERT_TRUE(::FreeLibrary(plumage));
}
