#pragma once

#include <windows.h>

class CWnd;

// A window's paint DC for one WM_PAINT: BeginPaint on construction,
// EndPaint on destruction. The one the framework hands to OnPaint begins
// only when it is first used, so a handler that leaves it alone lets the
// window's default painting run.
class CPaintDC {
 public:
  explicit CPaintDC(HWND window) : m_window(window) { Begin(); }
  ~CPaintDC() {
    if (m_dc) ::EndPaint(m_window, &m_ps);
  }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC GetSafeHdc() { return Begin(); }
  operator HDC() { return Begin(); }
  const RECT& PaintRect() {
    Begin();
    return m_ps.rcPaint;
  }
  bool Erase() {
    Begin();
    return m_ps.fErase != FALSE;
  }
  bool Begun() const { return m_dc != nullptr; }

 private:
  friend class CWnd;
  struct Deferred {};
  CPaintDC(HWND window, Deferred) : m_window(window) {}
  HDC Begin() {
    if (!m_dc) m_dc = ::BeginPaint(m_window, &m_ps);
    return m_dc;
  }

  HWND m_window;
  HDC m_dc = nullptr;
  PAINTSTRUCT m_ps{};
};

// A window's client-area DC (GetDC/ReleaseDC) for one scope.
class CClientDC {
 public:
  explicit CClientDC(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
  ~CClientDC() {
    if (m_dc) ::ReleaseDC(m_window, m_dc);
  }
  CClientDC(const CClientDC&) = delete;
  CClientDC& operator=(const CClientDC&) = delete;

  HDC GetSafeHdc() const { return m_dc; }
  operator HDC() const { return m_dc; }

 private:
  HWND m_window;
  HDC m_dc;
};
