#pragma once

#include <windows.h>

// Sent at idle time to every child of the main window so controls can update
// their enabled states.
const UINT WM_IDLEUPDATECMDUI = 0x0363;

// The state of one menu item, asked of the view and then the frame when its
// popup opens. An item whose command nobody claims is shown disabled.
class CCmdUI {
 public:
  CCmdUI(HMENU menu, UINT index, UINT id) : m_menu(menu), m_index(index), m_id(id) {}

  UINT GetID() const { return m_id; }
  void Enable(bool enable = true) {
    ::EnableMenuItem(m_menu, m_index, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
  }
  void SetCheck(bool check = true) {
    ::CheckMenuItem(m_menu, m_index, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
  }
  void SetRadio(bool on = true) {
    if (on) ::CheckMenuRadioItem(m_menu, m_index, m_index, m_index, MF_BYPOSITION);
    else SetCheck(false);
  }
  void SetText(const char* text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text);
    ::SetMenuItemInfoA(m_menu, m_index, TRUE, &info);
  }

 private:
  HMENU m_menu;
  UINT m_index;
  UINT m_id;
};
