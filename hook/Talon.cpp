// Talon: the mouse hook that Kestrel installs for the whole desktop. The system
// maps this library into every process that receives mouse input, so it uses
// no runtime library, allocates nothing, imports only from KERNEL32 and USER32
// and does as little as possible per message.
#include <windows.h>

#include "hook/TalonProtocol.h"

namespace {

// One copy for all processes: the screen size and the listener window, written
// by every process when it maps the library. Handles fit in 32 bits on both
// bitnesses, so a 32-bit and a 64-bit Kestrel lay the section out alike.
struct SharedData {
  LONG screenWidth;
  LONG screenHeight;
  LONG listener;
};
SharedData g_shared __attribute__((section(".shared"), shared)) = {0, 0, 0};

// Per process: the report handed to the listener.
DWORD g_block[talon::kReportBytes / sizeof(DWORD)];
COPYDATASTRUCT g_report;

HWND StoredListener() { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(g_shared.listener)); }

HWND FindListener() {
  HWND listener = ::FindWindowA(TALON_LISTENER_CLASS, TALON_LISTENER_TITLE);
  g_shared.listener = static_cast<LONG>(reinterpret_cast<LONG_PTR>(listener));
  return listener;
}

// A listener handle stays valid after its window is gone; the system may give
// it to another window. Only a window of the listener's class gets a report.
bool IsListenerClass(HWND window) {
  static const char kClass[] = TALON_LISTENER_CLASS;
  char name[sizeof kClass + 1];
  if (::GetClassNameA(window, name, sizeof name) != sizeof kClass - 1) return false;
  for (unsigned i = 0; i < sizeof kClass; ++i)
    if (name[i] != kClass[i]) return false;
  return true;
}

// Right and bottom exclusive; an empty rectangle holds nothing.
bool Holds(LONG left, LONG top, LONG right, LONG bottom, POINT p) {
  return left < right && top < bottom && p.x >= left && p.x < right && p.y >= top && p.y < bottom;
}

// The first live spot under the pointer, in a fixed order (edges before the
// corners they contain), or 0.
WORD SpotAt(DWORD word, POINT p) {
  const LONG s = static_cast<LONG>((word >> 8) & 0xFF);
  const LONG w = g_shared.screenWidth;
  const LONG h = g_shared.screenHeight;
  struct Spot {
    WORD bit;
    LONG left, top, right, bottom;
  };
  const Spot spots[] = {
      {talon::kRightEdge, w - s, 0, w, h},
      {talon::kLeftEdge, 0, 0, s, h},
      {talon::kTopLeft, 0, 0, s, s},
      {talon::kBottomLeft, 0, h - s, s, h},
      {talon::kBottomRight, w - s, h - s, w, h},
      {talon::kTopRight, w - s, 0, w, s},
      {talon::kTopEdge, 0, 0, w, s},
  };
  for (const Spot& spot : spots)
    if ((word & spot.bit) && Holds(spot.left, spot.top, spot.right, spot.bottom, p))
      return spot.bit;
  return 0;
}

// The hook word, or 0 without a listener. The stored listener is read first and
// looked for again only when it has gone: one window read per message.
DWORD HookWord() {
  HWND listener = StoredListener();
  if (listener) {
    ::SetLastError(0);
    const DWORD word = static_cast<DWORD>(::GetWindowLongA(listener, 0)) & 0xFFFF;
    if (word || ::GetLastError() == 0) return word;
  }
  listener = FindListener();
  return listener ? static_cast<DWORD>(::GetWindowLongA(listener, 0)) & 0xFFFF : 0;
}

}  // namespace

extern "C" LRESULT CALLBACK SpyMouseProc(int code, WPARAM wParam, LPARAM lParam) {
  const MOUSEHOOKSTRUCT* mouse = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
  if (code >= 0 && mouse && mouse->hwnd && (wParam == WM_MOUSEMOVE || wParam == WM_NCMOUSEMOVE)) {
    // The host program may be about to read its own last error.
    const DWORD lastError = ::GetLastError();
    const DWORD word = HookWord();
    if (word & talon::kEnable) {
      const WORD bit = SpotAt(word, mouse->pt);
      HWND listener = StoredListener();
      if (bit && !IsListenerClass(listener)) {
        FindListener();  // the stored handle now names a stranger's window
      } else if (bit) {
        g_block[0] = (static_cast<DWORD>(mouse->pt.y) << 16) | (mouse->pt.x & 0xFFFF);
        g_block[1] = (((word >> 8) & 0xFF) << 16) | bit;
        g_report.dwData = wParam;
        g_report.cbData = talon::kReportBytes;
        g_report.lpData = g_block;
        ::SendMessageA(listener, WM_COPYDATA, reinterpret_cast<WPARAM>(mouse->hwnd),
                       reinterpret_cast<LPARAM>(&g_report));
      }
    }
    ::SetLastError(lastError);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// The library's entry point: there is no runtime library to start.
extern "C" BOOL WINAPI TalonEntry(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    // Threads starting and ending in the host process are none of our business.
    ::DisableThreadLibraryCalls(instance);
    FindListener();
    g_shared.screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    g_shared.screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  }
  return TRUE;
}
