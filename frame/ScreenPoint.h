// The screen and the pointer as the frame and its hide window see them.
#pragma once

#include <windows.h>

inline int ScreenWidth() { return ::GetSystemMetrics(SM_CXSCREEN); }
inline int ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

inline POINT PointerPosition() {
  POINT p{};
  ::GetCursorPos(&p);
  return p;
}
