#include "bar/PanelScroll.h"

#include <windows.h>

#include <algorithm>

int PanelScrollOverflow(int contentLength, int viewLength, int frmBorderX) {
  // 64-bit so that absurd borders cannot wrap around.
  long long overflow = static_cast<long long>(contentLength) -
                       (static_cast<long long>(viewLength) - 2LL * frmBorderX);
  return static_cast<int>(std::clamp<long long>(overflow, -0x7FFFFFFFLL, 0x7FFFFFFFLL));
}

int PanelScrollPosition(int code, int position, int thumb, int maximum, int unit) {
  if (maximum < 0) maximum = 0;
  long long next = position;
  switch (code) {
    case SB_LINELEFT:
      next -= unit / 4;
      break;
    case SB_LINERIGHT:
      next += unit / 4;
      break;
    case SB_PAGELEFT:
      next -= unit;
      break;
    case SB_PAGERIGHT:
      next += unit;
      break;
    case SB_THUMBPOSITION:
      next = thumb;
      break;
    case SB_LEFT:
      next = 0;
      break;
    case SB_RIGHT:
      next = maximum;
      break;
    default:
      return position;
  }
  return static_cast<int>(std::clamp<long long>(next, 0, maximum));
}

int PanelKeepInView(int position, int oldMaximum, int newMaximum, int cellNear, int cellFar,
                    int visibleLength) {
  long long pos = position;
  const long long centre = (static_cast<long long>(cellNear) + cellFar) / 2;
  if (centre < pos || centre >= pos + visibleLength) {
    pos += static_cast<long long>(newMaximum) - oldMaximum;
    if (cellFar < pos)
      pos = cellNear;
    else if (pos + visibleLength < cellFar)  // the far edge, so that no part stays cut
      pos = static_cast<long long>(cellFar) - visibleLength;
  }
  return static_cast<int>(std::clamp<long long>(pos, 0, std::max(0, newMaximum)));
}
