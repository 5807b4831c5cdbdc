#include "frame/HookListener.h"

#include <atomic>
#include <string>

#include "core/Globals.h"
#include "framework/Module.h"
#include "framework/WinApp.h"
#include "hook/TalonProtocol.h"

namespace {

const char kTalonName[] = "TALON.DLL";
// The spots a user can choose: corners and side edges. The top edge is only
// ever the thin line's.
const int kChosenSpots = 0x3F;

// The listener state. The listener thread sets and clears the window handle;
// everything else belongs to the frame's thread.
struct ListenerState {
  HINSTANCE instance = nullptr;
  HWND mainWindow = nullptr;  // report target and owner of the failure messages
  std::string appName;
  UINT reportMessage = 0;
  HANDLE thread = nullptr;
  HANDLE ready = nullptr;  // set once the thread has made its window or given up
  std::atomic<HWND> listener{nullptr};
  HMODULE talon = nullptr;
  HHOOK hook = nullptr;
  std::atomic<bool> dispatch{true};
};
ListenerState g_hook;

WORD SizeByte(int size) { return static_cast<WORD>(size < 0 ? 0 : size > 0xFF ? 0xFF : size); }

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      ::SetWindowLongA(window, 0, 0);
      return 0;
    case WM_COPYDATA: {
      // The block comes from another process: take only what it says it holds.
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      if (data && (data->dwData == WM_MOUSEMOVE || data->dwData == WM_NCMOUSEMOVE) &&
          data->lpData && data->cbData >= 2 * sizeof(DWORD)) {
        const DWORD* block = static_cast<const DWORD*>(data->lpData);
        ::PostMessageA(g_hook.mainWindow, g_hook.reportMessage, block[0], block[1]);
      }
      return TRUE;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      g_hook.dispatch = false;
      break;
    default:
      break;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI ListenerThread(void* parameter) {
  HWND window =
      ::CreateWindowExA(0, TALON_LISTENER_CLASS, TALON_LISTENER_TITLE, WS_OVERLAPPEDWINDOW, 0, 0, 0,
                        0, nullptr, nullptr, g_hook.instance, nullptr);
  if (window) {
    ::SetWindowLongA(window, 0, static_cast<LONG>(reinterpret_cast<ULONG_PTR>(parameter)));
    g_hook.listener = window;
  }
  ::SetEvent(g_hook.ready);
  MSG msg;
  while (window && ::IsWindow(window)) {
    if (::GetMessageA(&msg, window, 0, 0) <= 0) break;
    if (g_hook.dispatch) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  g_hook.listener = nullptr;
  return 0;
}

void ShowLoadFailure(const char* format) {
  const DWORD error = ::GetLastError();
  char text[256];
  ::wsprintfA(text, format, error);
  ::MessageBoxA(g_hook.mainWindow, text, g_hook.appName.c_str(), MB_OK | MB_ICONWARNING);
}

void UnloadHook() {
  if (g_hook.hook) ::UnhookWindowsHookEx(g_hook.hook);
  if (g_hook.talon) ::FreeLibrary(g_hook.talon);
  g_hook.hook = nullptr;
  g_hook.talon = nullptr;
}

// Talon is taken from the program's own folder only: a library of that name
// elsewhere on the search path must not end up in every process.
HMODULE LoadTalon() {
  char path[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return nullptr;
  char* name = path;
  for (char* p = path; *p; p = ::CharNextA(p))
    if (*p == '\\' || *p == '/') name = p + 1;
  if (static_cast<size_t>(name - path) + sizeof kTalonName > sizeof path) {
    ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return nullptr;
  }
  ::lstrcpyA(name, kTalonName);
  return ::LoadLibraryA(path);
}

void LoadHook() {
  g_hook.talon = LoadTalon();
  if (!g_hook.talon) {
    ShowLoadFailure("TALON.DLLモジュールをロードできませんでした。rc=%ld");
    return;
  }
  auto proc = reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(::GetProcAddress(g_hook.talon, "SpyMouseProc")));
  if (!proc) {
    ShowLoadFailure("エントリSpyMouseProcがTALON.DLL内に見つかりません。rc=%ld");
    UnloadHook();
    return;
  }
  g_hook.hook = ::SetWindowsHookExA(WH_MOUSE, proc, g_hook.talon, 0);
  if (!g_hook.hook) {
    ShowLoadFailure("MOUSEフックを登録できませんでした。rc=%ld");
    UnloadHook();
  }
}

}  // namespace

WORD HideTouchHookWord(bool touchHide, int pos, int size) {
  const int chosen = touchHide ? pos : 0;
  WORD low = static_cast<WORD>(chosen & kChosenSpots);
  if (chosen != 0) low |= talon::kEnable;
  return static_cast<WORD>(SizeByte(size) << 8 | low);
}

WORD ShowTouchHookWord(bool touchShow, int pos, int size, int hidType, int hidLinePos) {
  const int chosen = touchShow ? pos : 0;
  WORD low = static_cast<WORD>(chosen & kChosenSpots);
  if (chosen != 0) low |= talon::kEnable;
  // A thin line is easy to miss: reaching its edge anywhere shows the bar.
  if (hidType == 1) {
    static const WORD kLineEdge[] = {talon::kTopEdge, talon::kLeftEdge, 0, talon::kRightEdge};
    if (hidLinePos >= 0 && hidLinePos < 4) low |= kLineEdge[hidLinePos];
    low |= talon::kEnable;
  }
  return static_cast<WORD>(SizeByte(size) << 8 | low);
}

HookWords ReadHookWords(bool touchHide, bool touchShow) {
  HookWords words;
  words.hide = HideTouchHookWord(touchHide, g_barOptions.GetInt("HookScnPos", 0),
                                 g_barOptions.GetInt("HookScnSize", 5));
  words.show = ShowTouchHookWord(
      touchShow, g_barOptions.GetInt("HookAwkScnPos", 0), g_barOptions.GetInt("HookAwkScnSize", 5),
      g_barOptions.GetInt("HidType", 0), g_barOptions.GetInt("HidLinePos", 0));
  return words;
}

void ApplyHookWords(HWND frame, UINT reportMessage, const HookWords& words) {
  if ((words.hide & talon::kEnable) || (words.show & talon::kEnable)) {
    if (g_hook.thread)
      SetHookWord(words.hide);
    else
      StartHookListener(frame, reportMessage, words.hide);
  } else if (g_hook.thread) {
    StopHookListener();
  }
}

BOOL StartHookListener(HWND mainWindow, UINT reportMessage, WORD word) {
  CWinApp* app = AfxGetApp();
  g_hook.instance = AfxGetInstanceHandle();
  g_hook.mainWindow = mainWindow;
  g_hook.appName = app ? app->GetAppName() : "";
  g_hook.reportMessage = reportMessage;
  g_hook.thread = nullptr;
  g_hook.listener = nullptr;
  g_hook.dispatch = true;

  WNDCLASSA wc{};
  wc.lpfnWndProc = ListenerProc;
  wc.cbWndExtra = 4;
  wc.hInstance = g_hook.instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = TALON_LISTENER_CLASS;
  ::RegisterClassA(&wc);  // already there when the listener is started again

  // Waiting for the window keeps a stop right after the start from missing it.
  g_hook.ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD id = 0;
  g_hook.thread = ::CreateThread(nullptr, 0, ListenerThread,
                                 reinterpret_cast<void*>(static_cast<ULONG_PTR>(word)), 0, &id);
  if (g_hook.thread && g_hook.ready) ::WaitForSingleObject(g_hook.ready, INFINITE);
  if (g_hook.ready) ::CloseHandle(g_hook.ready);
  g_hook.ready = nullptr;

  LoadHook();
  return TRUE;
}

void StopHookListener() {
  UnloadHook();
  if (!g_hook.thread) return;
  if (HWND listener = g_hook.listener) ::SendMessageA(listener, WM_CLOSE, 0, 0);
  ::WaitForSingleObject(g_hook.thread, INFINITE);
  ::CloseHandle(g_hook.thread);
  g_hook.thread = nullptr;
  // The next start registers it again, with its own procedure.
  ::UnregisterClassA(TALON_LISTENER_CLASS, g_hook.instance);
}

void SetHookWord(WORD word) {
  if (HWND listener = g_hook.listener) ::SetWindowLongA(listener, 0, word);
}

HWND GetHookListenerWindow() { return g_hook.listener; }
