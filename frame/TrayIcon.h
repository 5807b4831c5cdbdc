// The icon in the notification area that stands in for a completely hidden bar. Any mouse
// action on it sends the owner WM_SHOW_BAR.
#pragma once

#include <windows.h>

class CTrayIcon {
 public:
  CTrayIcon() = default;
  // The icon never outlives the program.
  ~CTrayIcon() { Remove(); }
  CTrayIcon(const CTrayIcon&) = delete;
  CTrayIcon& operator=(const CTrayIcon&) = delete;

  // Adds the icon for owner, tipped with tip; the shell's failures are ignored (the bar still
  // comes back by hot key or touch), but the icon counts as added only when the shell took it.
  void Add(HWND owner, HICON icon, const char* tip);
  void Remove();
  bool IsAdded() const { return m_added; }

 private:
  bool m_added = false;
  HWND m_owner = nullptr;
};

extern CTrayIcon g_trayIcon;
