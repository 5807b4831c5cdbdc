// Waits for or closes a top-level window from the shell (tools/run uses it):
//   WindowProbe wait  <class> <title> <timeout ms>   exit 0 once the window is visible, printing
//                                                    its rectangle: left top right bottom
//   WindowProbe close <class> <title> <timeout ms>   posts WM_CLOSE, exit 0 once it is gone
//   WindowProbe list                                  every top-level window: handle, process,
//                                                    visible, styles, rectangle, class, title
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "WindowFinder.h"

namespace {

int ListWindows() {
  for (HWND window : e2e::FindTopLevelWindows(0, nullptr, nullptr)) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    RECT r = e2e::WindowRectOf(window);
    std::printf("%p %lu %d %08lx %08lx (%ld,%ld,%ld,%ld) %s \"%s\"\n", static_cast<void*>(window),
                pid, ::IsWindowVisible(window) ? 1 : 0,
                static_cast<unsigned long>(::GetWindowLongA(window, GWL_STYLE)),
                static_cast<unsigned long>(::GetWindowLongA(window, GWL_EXSTYLE)), r.left, r.top,
                r.right, r.bottom, e2e::ClassNameOf(window).c_str(), e2e::TextOf(window).c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "list") return ListWindows();
  if (argc != 5) {
    std::fprintf(stderr, "usage: WindowProbe wait|close <class> <title> <timeout ms> | list\n");
    return 2;
  }
  std::string verb = argv[1];
  DWORD timeout = static_cast<DWORD>(std::strtoul(argv[4], nullptr, 10));
  DWORD start = ::GetTickCount();
  if (verb == "wait") {
    for (;;) {
      for (HWND window : e2e::FindTopLevelWindows(0, argv[2], argv[3])) {
        if (!::IsWindowVisible(window)) continue;
        RECT r = e2e::WindowRectOf(window);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
      }
      if (::GetTickCount() - start >= timeout) return 1;
      ::Sleep(50);
    }
  }
  if (verb == "close") {
    for (HWND window : e2e::FindTopLevelWindows(0, argv[2], argv[3]))
      ::PostMessageA(window, WM_CLOSE, 0, 0);
    while (!e2e::FindTopLevelWindows(0, argv[2], argv[3]).empty()) {
      if (::GetTickCount() - start >= timeout) return 1;
      ::Sleep(50);
    }
    return 0;
  }
  std::fprintf(stderr, "WindowProbe: unknown verb %s\n", verb.c_str());
  return 2;
}
