// The host of the minimal sheet: one window that, for WM_COMMAND n, loads
// MinimalSheet.dll by name, opens its sheet of n pages modally and unloads the
// library again, as the bar does with its settings library.
#include <windows.h>
#include <commctrl.h>

namespace {
using OpenSheetProc = BOOL(WINAPI*)(HWND, int);

void RunSheet(HWND owner, int pages) {
  HMODULE library = ::LoadLibraryA("MinimalSheet.dll");
  if (!library) return;
  auto open = reinterpret_cast<OpenSheetProc>(
      reinterpret_cast<void*>(::GetProcAddress(library, "OpenSheet")));
  if (open) open(owner, pages);
  ::FreeLibrary(library);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      RunSheet(window, LOWORD(wParam));
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The common controls stay loaded, as in the bar.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  WNDCLASSA wc{};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = "KestrelBenchSheetHost";
  ::RegisterClassA(&wc);
  ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Minimal",
                    WS_POPUP | WS_VISIBLE | WS_DLGFRAME, 512, 0, 512, 60, nullptr, nullptr,
                    instance, nullptr);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
