#include "frame/AppBar.h"

#include <algorithm>

#include "core/StyleWord.h"

namespace appbar {
UINT DockEdge(bool vertical, int x, int y, int screenW, int screenH) {
  if (vertical) return x < screenW / 2 ? ABE_LEFT : ABE_RIGHT;
  return y < screenH / 2 ? ABE_TOP : ABE_BOTTOM;
}

RECT CutToThickness(const RECT& rect, UINT edge, int thickness) {
  RECT r = rect;
  switch (edge) {
    case ABE_LEFT:
      r.right = std::min<LONG>(r.right, r.left + thickness);
      break;
    case ABE_RIGHT:
      r.left = std::max<LONG>(r.left, r.right - thickness);
      break;
    case ABE_BOTTOM:
      r.top = std::max<LONG>(r.top, r.bottom - thickness);
      break;
    default:
      r.bottom = std::min<LONG>(r.bottom, r.top + thickness);
      break;
  }
  return r;
}
}  // namespace appbar

namespace {
const DWORD kHidingOptions = style::kAutoHide | style::kTouchShow | style::kTouchHide;
}

APPBARDATA CAppBar::Data() const {
  APPBARDATA data{};
  data.cbSize = sizeof data;
  data.hWnd = m_window;
  data.uCallbackMessage = m_callbackMessage;
  data.uEdge = m_edge;
  return data;
}

bool CAppBar::Register(DWORD style) {
  if (style & kHidingOptions) {
    Unregister();
    return true;
  }
  if (m_registered) return true;
  APPBARDATA data = Data();
  m_registered = ::SHAppBarMessage(ABM_NEW, &data) != 0;
  return m_registered;
}

void CAppBar::Unregister() {
  if (!m_registered) return;
  APPBARDATA data = Data();
  ::SHAppBarMessage(ABM_REMOVE, &data);
  m_registered = false;
}

int CAppBar::Dock(bool vertical, int thickness, int x, int y) {
  const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
  m_edge = appbar::DockEdge(vertical, x, y, w, h);
  // A bar of no thickness could never be seen or reached again.
  m_thickness = std::max(1, thickness);
  SetPosition();
  return vertical ? h : w;
}

void CAppBar::SetPosition() {
  if (!m_window || m_thickness <= 0) return;  // not docked yet: nothing to keep clear
  APPBARDATA data = Data();
  data.rc = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  if (m_registered) ::SHAppBarMessage(ABM_QUERYPOS, &data);
  data.rc = appbar::CutToThickness(data.rc, m_edge, std::max(1, m_thickness));
  if (m_registered) ::SHAppBarMessage(ABM_SETPOS, &data);
  const RECT& r = data.rc;
  ::SetWindowPos(m_window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAppBar::OnCallback(WPARAM code, LPARAM lParam) {
  const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  switch (code) {
    case ABN_STATECHANGE: {
      APPBARDATA data = Data();
      UINT state = static_cast<UINT>(::SHAppBarMessage(ABM_GETSTATE, &data));
      ::SetWindowPos(m_window, (state & ABS_ALWAYSONTOP) ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0,
                     flags);
      break;
    }
    case ABN_POSCHANGED:
      SetPosition();
      break;
    case ABN_FULLSCREENAPP: {
      APPBARDATA data = Data();
      UINT state = static_cast<UINT>(::SHAppBarMessage(ABM_GETSTATE, &data));
      if (lParam) {
        ::SetWindowPos(m_window, (state & ABS_ALWAYSONTOP) ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0,
                       flags);
      } else if (state & ABS_ALWAYSONTOP) {
        ::SetWindowPos(m_window, HWND_TOPMOST, 0, 0, 0, 0, flags);
      }
      SetPosition();
      break;
    }
    default:
      break;
  }
}

void CAppBar::OnActivate() {
  if (!m_registered) return;
  APPBARDATA data = Data();
  ::SHAppBarMessage(ABM_ACTIVATE, &data);
}

void CAppBar::OnWindowPosChanged() {
  if (!m_registered) return;
  APPBARDATA data = Data();
  ::SHAppBarMessage(ABM_WINDOWPOSCHANGED, &data);
}
