// What the tests of the real Plumage.dll share: where the built library is,
// and a presser that closes the sheet the thread shows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

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
  explicit SheetPresser(int button, Inspect inspect = nullptr) {
    s_button = button;
    s_inspect = inspect;
    m_timer = ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &Tick);
  }
  ~SheetPresser() { ::KillTimer(nullptr, m_timer); }
  SheetPresser(const SheetPresser&) = delete;
  SheetPresser& operator=(const SheetPresser&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Press, 0);
  }
  static BOOL CALLBACK Press(HWND window, LPARAM) {
    char name[16] = "";
    ::GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "#32770") == 0 && ::IsWindowVisible(window) &&
        ::SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0) && !::GetPropA(window, "pressed")) {
      ::SetPropA(window, "pressed", reinterpret_cast<HANDLE>(1));
      if (s_inspect) s_inspect(window);
      ::PostMessageA(window, PSM_PRESSBUTTON, static_cast<WPARAM>(s_button), 0);
    }
    return TRUE;
  }
  static inline int s_button = PSBTN_OK;
  static inline Inspect s_inspect = nullptr;
  UINT_PTR m_timer;
};
