#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "settings/TabIconStrip.h"

TEST(TabIconStrip, TakesAnyListBoxAndShowsOneIconPerCommandButSeparators) {
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                  nullptr, nullptr);
  // A list box with strings, sorted, not owner-drawn: made again with the strip's styles.
  ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_STANDARD, 10, 10, 200, 60, parent,
                    reinterpret_cast<HMENU>(1818), nullptr, nullptr);
  CTabIconStrip strip;
  strip.Attach(::GetDlgItem(parent, 1818));
  HWND list = strip.GetSafeHwnd();
  ASSERT_EQ(list, ::GetDlgItem(parent, 1818));
  LONG_PTR style = ::GetWindowLongPtrA(list, GWL_STYLE);
  EXPECT_EQ(style & (LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN | LBS_HASSTRINGS | LBS_SORT),
            LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN);
  EXPECT_EQ(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), ::GetSystemMetrics(SM_CYSMICON) + 4);

  char windows[MAX_PATH];
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string commands = std::string(windows) + "\\notepad.exe" + '\0' + "/" + '\0' +
                               windows + '\0' + "/" + '\0' + "*" + '\0' + '\0';
  const struct {
    const char* list;
    int count;
  } cases[] = {{commands.c_str(), 3},
               {"/\0/\0", 0},
               {"\0", 0},
               {nullptr, 0},
               {commands.c_str(), 3}};  // again, from what the strip keeps
  for (const auto& c : cases) {
    strip.ShowCommands(c.list);
    EXPECT_EQ(::SendMessageA(list, LB_GETCOUNT, 0, 0), c.count);
  }
  ::DestroyWindow(parent);
}
