#pragma once

#include <windows.h>

// Where the view puts the tab strip and the current panel in a client area of
// cx × cy: the strip of thickness stripThickness along the bottom of a
// horizontal bar, along the right edge of a bar standing at the left, along
// the left edge of one standing at the right; the panel inside the margins.
struct ViewLayout {
  RECT strip;
  RECT panel;
};

ViewLayout ComputeViewLayout(int cx, int cy, DWORD style, int stripThickness, int frmBorderX,
                             int frmBorderY);

// The view's client size across the bar that makes a panel of contentAcross
// pixels fit, before the margins and window frames are added.
inline int NeededClientAcross(int contentAcross, int stripThickness) {
  return contentAcross + stripThickness;
}
