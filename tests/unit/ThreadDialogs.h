// Drivers for the dialogs this thread shows. Each runs from a thread timer,
// inside whatever modal loop the thread is in at the time (a dialog's, a
// property sheet's, a message box's), for as long as it lives.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Calls tick on every tick of a thread timer.
class ThreadTimer {
 public:
  explicit ThreadTimer(std::function<void()> tick, UINT interval = 20) : m_tick(std::move(tick)) {
    m_id = ::SetTimer(nullptr, 0, interval, &Tick);
    Running()[m_id] = this;
  }
  ~ThreadTimer() {
    ::KillTimer(nullptr, m_id);
    Running().erase(m_id);
  }
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

 private:
  static std::map<UINT_PTR, ThreadTimer*>& Running() {
    static std::map<UINT_PTR, ThreadTimer*> running;
    return running;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto running = Running().find(id);
    if (running != Running().end()) running->second->m_tick();
  }

  std::function<void()> m_tick;
  UINT_PTR m_id = 0;
};

inline BOOL CALLBACK CollectShownDialog(HWND window, LPARAM list) {
  char name[16] = "";
  ::GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, "#32770") == 0 && ::IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The visible dialogs (message boxes and property sheets among them) of this thread.
inline std::vector<HWND> ShownThreadDialogs() {
  std::vector<HWND> found;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectShownDialog,
                      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The page a property sheet shows; null for a sheet without one yet, or any other dialog.
inline HWND CurrentPage(HWND sheet) {
  return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// True the first time window is visited under mark: a driver acts on a dialog once.
inline bool FirstVisit(HWND window, const char* mark) {
  if (::GetPropA(window, mark)) return false;
  ::SetPropA(window, mark, reinterpret_cast<HANDLE>(1));
  return true;
}

// Answers each message box the thread shows with OK, keeping its text.
class BoxAnswerer {
 public:
  std::vector<std::string> texts;

 private:
  ThreadTimer m_timer{[this] {
    for (HWND box : ShownThreadDialogs()) {
      HWND text = ::GetDlgItem(box, 0xFFFF);  // a message box's text
      if (!text || !FirstVisit(box, "answered")) continue;
      char buffer[1024] = "";
      ::GetWindowTextA(text, buffer, sizeof buffer);
      texts.push_back(buffer);
      ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  }};
};

// Calls step on the property sheet the thread shows, once it shows a page and then on every
// tick until step answers that it is done.
class SheetDriver {
 public:
  explicit SheetDriver(std::function<bool(HWND sheet)> step)
      : m_timer([this, step = std::move(step)] {
          for (HWND sheet : ShownThreadDialogs())
            if (!m_done && CurrentPage(sheet)) m_done = step(sheet);
        }) {}

 private:
  bool m_done = false;
  ThreadTimer m_timer;
};
