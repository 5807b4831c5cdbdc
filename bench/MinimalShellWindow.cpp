// The baseline of the working-set figure: the least a program must do to show
// the bar's first tab. It opens one window, asks the shell for the small and
// large system image lists and for the icon and name of every target given on
// its command line, and paints the icons from the list. Nothing else: no
// settings, no fonts of its own, no threads.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace {
HIMAGELIST g_images = nullptr;
std::vector<int> g_icons;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    ::FillRect(dc, &paint.rcPaint, ::GetSysColorBrush(COLOR_BTNFACE));
    int x = 2;
    for (int icon : g_icons) {
      ::ImageList_Draw(g_images, icon, dc, x, 2, ILD_TRANSPARENT);
      x += 20;
    }
    ::EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

HIMAGELIST SystemImages(UINT size) {
  SHFILEINFOA info{};
  return reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | size));
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ::CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  g_images = SystemImages(SHGFI_SMALLICON);
  SystemImages(SHGFI_LARGEICON);
  // Every argument after the program's name is a target.
  for (int i = 1; i < __argc; ++i) {
    SHFILEINFOA info{};
    if (::SHGetFileInfoA(__argv[i], 0, &info, sizeof info,
                         SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_DISPLAYNAME))
      g_icons.push_back(info.iIcon);
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.lpszClassName = "KestrelBenchShell";
  ::RegisterClassA(&wc);
  HWND window = ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Minimal",
                                  WS_POPUP | WS_VISIBLE | WS_DLGFRAME, 0, 0, 1024, 60, nullptr,
                                  nullptr, instance, nullptr);
  ::UpdateWindow(window);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  ::CoUninitialize();
  return 0;
}
