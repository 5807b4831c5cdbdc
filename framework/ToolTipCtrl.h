#pragma once

#include <windows.h>
#include <commctrl.h>

// An owned tooltip control. Its tools are windows or rectangles of a window,
// with a text or LPSTR_TEXTCALLBACKA (the owner is asked through
// TTN_GETDISPINFO). The common controls must be loaded before Create.
class CToolTipCtrl {
 public:
  CToolTipCtrl() = default;
  ~CToolTipCtrl() { DestroyWindow(); }
  CToolTipCtrl(const CToolTipCtrl&) = delete;
  CToolTipCtrl& operator=(const CToolTipCtrl&) = delete;

  // A tooltip owned by owner; long tips wrap at no fixed width.
  BOOL Create(HWND owner, DWORD style = TTS_ALWAYSTIP, DWORD exStyle = 0);
  void DestroyWindow();
  HWND GetSafeHwnd() const { return m_hWnd; }

  // A tool covering the whole of window, reported to owner.
  BOOL AddTool(HWND owner, HWND window, const char* text = LPSTR_TEXTCALLBACKA);
  // A tool covering rect of window, known by id.
  BOOL AddTool(HWND window, UINT_PTR id, const RECT& rect, const char* text = LPSTR_TEXTCALLBACKA);
  bool HasTool(HWND owner, HWND window) const;
  void DelTool(HWND owner, HWND window);
  void DelTool(HWND window, UINT_PTR id);
  void SetToolRect(HWND window, UINT_PTR id, const RECT& rect);
  void Activate(bool active);
  void SetDelayTime(DWORD which, int milliseconds);
  // Shows the tooltip the mouse message window has just received.
  void RelayEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RelayEvent(const MSG& msg);

 private:
  HWND m_hWnd = nullptr;
};
