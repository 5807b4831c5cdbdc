// The baseline of the start-up benchmark: a program that opens one window and
// paints it, and nothing else.
#include <windows.h>

namespace {
LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    ::FillRect(dc, &paint.rcPaint, ::GetSysColorBrush(COLOR_BTNFACE));
    ::EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.lpszClassName = "KestrelBenchMinimal";
  ::RegisterClassA(&wc);
  HWND window = ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Minimal",
                                  WS_POPUP | WS_VISIBLE | WS_DLGFRAME, 512, 0, 512, 60, nullptr,
                                  nullptr, instance, nullptr);
  ::UpdateWindow(window);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
