#include "bar/ViewLayout.h"
#include "core/StyleWord.h"

namespace {

RECT At(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }
}  // namespace

ViewLayout ComputeViewLayout(int cx, int cy, DWORD style, int t, int frmBorderX, int frmBorderY) {
  ViewLayout layout{};
  if (style & style::kVerticalLeft) {
    layout.strip = At(cx - t, 0, t, cy);
    layout.panel = At(frmBorderY, frmBorderX, cx - 2 * frmBorderY - t, cy - 2 * frmBorderX);
  } else if (style & style::kVerticalRight) {
    layout.strip = At(0, 0, t, cy);
    layout.panel = At(frmBorderY + t, frmBorderX, cx - 2 * frmBorderY - t, cy - 2 * frmBorderX);
  } else {
    layout.strip = At(0, cy - t, cx, t);
    layout.panel = At(frmBorderX, frmBorderY, cx - 2 * frmBorderX, cy - 2 * frmBorderY - t);
  }
  // Margins larger than the view leave the panel empty, never inverted.
  if (layout.panel.right < layout.panel.left) layout.panel.right = layout.panel.left;
  if (layout.panel.bottom < layout.panel.top) layout.panel.bottom = layout.panel.top;
  return layout;
}
