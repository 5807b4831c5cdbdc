#pragma once

#include <windows.h>

#include <string>

#include "framework/Wnd.h"

// The system's edit control bound to an object: its messages reach the
// object's WindowProc first, and Default hands them to the control.
class CEdit : public CWnd {
 public:
  BOOL Create(DWORD exStyle, DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateEx(exStyle, "EDIT", "", style, rect, parent, id);
  }

  // The whole text, however long.
  std::string GetText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
  }
  void SetText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
  void SetSel(int start, int end) const { SendMessage(EM_SETSEL, start, end); }
  void ScrollCaret() const { SendMessage(EM_SCROLLCARET); }
  void SetFont(HFONT font, bool redraw = true) const {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
  }
  HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
};
