#pragma once

#include <windows.h>

#include "framework/SubclassWnd.h"

// Hooked on the main frame by a window that must learn when a menu loop
// ends: the frame's context menus end their loop at the frame only, so the
// hook passes WM_EXITMENULOOP on to that window.
class CMenuLoopHook : public CSubclassWnd {
 public:
  explicit CMenuLoopHook(HWND target) : m_target(target) {}

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_EXITMENULOOP && ::IsWindow(m_target))
      ::SendMessageA(m_target, WM_EXITMENULOOP, wParam, lParam);
    return Default(message, wParam, lParam);
  }

 private:
  HWND m_target;
};
