#pragma once

#include <windows.h>

#include "framework/Object.h"

// Watches and filters the messages of a window this object does not own.
// Several objects may hook one window; they form a chain, newest first, and
// each passes what it does not swallow to the one hooked before it.
class CSubclassWnd : public CObject {
 public:
  CSubclassWnd() = default;
  ~CSubclassWnd() override;

  // Hooks window (this object becomes the newest of its chain); with no
  // window, unhooks. Always TRUE.
  BOOL HookWindow(HWND window);
  bool IsHooked() const { return m_hooked != nullptr; }
  HWND GetHookedWindow() const { return m_hooked; }

 protected:
  // Override to filter; the default passes the message on down the chain.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Unhook();
  static LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam);

  HWND m_hooked = nullptr;
  WNDPROC m_savedProc = nullptr;     // the window's procedure before the first hook
  CSubclassWnd* m_next = nullptr;  // hooked on the same window before this one
};
