#include "framework/ModalPump.h"

#include <windows.h>

#include "framework/WinApp.h"

bool AfxPumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    // As in the main loop: a posted notification points at nothing of ours.
    if (msg.message == WM_NOTIFY) continue;
    CWinApp* app = AfxGetApp();
    if (app && app->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return true;
}
