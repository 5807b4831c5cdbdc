#pragma once

#include <windows.h>

// Sent at idle time to every child of the main window, and to every
// descendant of a dialog or property sheet, so controls can update their
// enabled states.
const UINT WM_IDLEUPDATECMDUI = 0x0363;

// The state of one menu item, asked of the view and then the frame when its
// popup opens (an item whose command nobody claims is shown disabled), or of
// one dialog control, asked of its dialog at idle time.
class CCmdUI {
 public:
  CCmdUI(HMENU menu, UINT index, UINT id) : m_menu(menu), m_index(index), m_id(id) {}
  explicit CCmdUI(HWND control)
      : m_control(control), m_id(static_cast<UINT>(::GetDlgCtrlID(control))) {}

  UINT GetID() const { return m_id; }
  HWND GetControl() const { return m_control; }
  void Enable(bool enable = true) {
    if (m_control) {
      // Only a change: enabling repaints the control.
      if (!::IsWindowEnabled(m_control) != !enable) ::EnableWindow(m_control, enable);
      return;
    }
    ::EnableMenuItem(m_menu, m_index, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
  }
  void SetCheck(bool check = true) {
    if (m_control) {
      ::SendMessageA(m_control, BM_SETCHECK, check ? BST_CHECKED : BST_UNCHECKED, 0);
      return;
    }
    ::CheckMenuItem(m_menu, m_index, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
  }
  void SetRadio(bool on = true) {
    if (m_control)
      SetCheck(on);
    else if (on)
      ::CheckMenuRadioItem(m_menu, m_index, m_index, m_index, MF_BYPOSITION);
    else
      SetCheck(false);
  }
  void SetText(const char* text) {
    if (m_control) {
      ::SetWindowTextA(m_control, text);
      return;
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text);
    ::SetMenuItemInfoA(m_menu, m_index, TRUE, &info);
  }

 private:
  HMENU m_menu = nullptr;
  UINT m_index = 0;
  HWND m_control = nullptr;
  UINT m_id;
};
