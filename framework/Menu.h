#pragma once

#include <windows.h>

#include <utility>

// An owned menu (a loaded menu resource or a built popup), destroyed with its
// owner. Popups taken from it with GetSubMenu are borrowed.
class CMenu {
 public:
  CMenu() = default;
  explicit CMenu(HMENU menu) : m_menu(menu) {}
  ~CMenu() { DestroyMenu(); }
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;
  CMenu(CMenu&& other) noexcept : m_menu(std::exchange(other.m_menu, nullptr)) {}
  CMenu& operator=(CMenu&& other) noexcept {
    if (this != &other) {
      DestroyMenu();
      m_menu = std::exchange(other.m_menu, nullptr);
    }
    return *this;
  }

  BOOL LoadMenu(HINSTANCE instance, UINT id) {
    DestroyMenu();
    m_menu = ::LoadMenuA(instance, MAKEINTRESOURCEA(id));
    return m_menu != nullptr;
  }
  BOOL CreatePopupMenu() {
    DestroyMenu();
    m_menu = ::CreatePopupMenu();
    return m_menu != nullptr;
  }
  void DestroyMenu() {
    if (m_menu) ::DestroyMenu(m_menu);
    m_menu = nullptr;
  }
  HMENU GetSafeHmenu() const { return m_menu; }
  HMENU GetSubMenu(int position) const { return m_menu ? ::GetSubMenu(m_menu, position) : nullptr; }

 private:
  HMENU m_menu = nullptr;
};
