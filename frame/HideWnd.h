// What stays on the screen while the bar is hidden: a thin line at a screen edge or a small
// square. Resting the pointer on it brings the bar back; Ctrl+drag moves the square.
#pragma once

#include <windows.h>

#include "frame/HideGeometry.h"
#include "framework/GdiObject.h"
#include "framework/Wnd.h"

class CHideWnd : public CWnd {
 public:
  static const char kClassName[];

  // showTime: how long the pointer must rest on the window before the bar shows (0: at once).
  CHideWnd(hide::Kind kind, UINT showTime);
  ~CHideWnd() override;

  // Creates the window at rect, owned by frame, which gets WM_SHOW_BAR.
  BOOL Create(HWND frame, const RECT& rect);
  // Whether a Ctrl+drag moved the window, and where it ended.
  bool WasMoved() const { return m_moved; }
  POINT MovedTo() const { return POINT{m_movedRect.left, m_movedRect.top}; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  void OnMouseMove(WPARAM keys);
  void OnLButtonDown(WPARAM keys);
  void OnLButtonUp();
  void OnMouseLeave();
  void OnShowTimer();
  void StopDragging();

  hide::Kind m_kind;
  UINT m_showTime;
  HWND m_frame = nullptr;
  bool m_dragging = false;
  POINT m_dragStart{};
  RECT m_dragRect{};
  HCURSOR m_previousCursor = nullptr;
  bool m_moved = false;
  RECT m_movedRect{};
  bool m_hover = false;
  bool m_tracking = false;
  UINT_PTR m_showTimer = 0;
  CBrush m_squareBrush;  // the square at rest and under the pointer
  CBrush m_hoverBrush;
};
