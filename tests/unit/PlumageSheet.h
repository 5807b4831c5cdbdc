// What the tests of the real Plumage.dll share: where the built library is,
// and a presser that closes the sheet the thread shows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/unit/ThreadDialogs.h"

// The built library beside the test program.
inline std::string BuiltPlumage() {
  char path[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string file(path, length);
  return file.substr(0, file.find_last_of('\\') + 1) + "Plumage.dll";
}

// Presses a sheet button (PSBTN_OK, PSBTN_CANCEL) in the property sheet the
// thread shows, once, as soon as it shows its page; inspect (if given) sees
// the sheet first.
class SheetPresser {
 public:
  using Inspect = void (*)(HWND sheet);
  explicit SheetPresser(int button, Inspect inspect = nullptr)
      : m_timer(
            [button, inspect] {
              for (HWND sheet : ShownThreadDialogs()) {
                if (!CurrentPage(sheet) || !FirstVisit(sheet, "pressed")) continue;
                if (inspect) inspect(sheet);
                ::PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
              }
            },
            USER_TIMER_MINIMUM) {}

 private:
  ThreadTimer m_timer;
};
