#include "core/WinPos.h"

#include <algorithm>
#include <cstdio>

bool ParseWinPos(const std::string& text, int screenWidth, int screenHeight,
                 WINDOWPLACEMENT* placement) {
  if (text.empty() || !placement) return false;
  int flags, show, minX, minY, maxX, maxY, left, top, right, bottom;
  if (std::sscanf(text.c_str(), "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i", &flags, &show, &minX, &minY, &maxX,
                  &maxY, &left, &top, &right, &bottom) != 10)
    return false;
  right = std::min(right, screenWidth);
  left = std::max(left, 0);
  bottom = std::min(bottom, screenHeight);
  top = std::max(top, 0);
  if (!(left < right && top < bottom)) return false;
  *placement = WINDOWPLACEMENT{};
  placement->length = sizeof(WINDOWPLACEMENT);
  placement->flags = static_cast<UINT>(flags);
  placement->showCmd = static_cast<UINT>(show);
  placement->ptMinPosition = POINT{minX, minY};
  placement->ptMaxPosition = POINT{maxX, maxY};
  placement->rcNormalPosition = RECT{left, top, right, bottom};
  return true;
}

std::string FormatWinPos(const WINDOWPLACEMENT& p) {
  const RECT& r = p.rcNormalPosition;
  if (!(0 <= r.left && r.left < r.right && 0 <= r.top && r.top < r.bottom)) return std::string();
  char text[160];
  std::snprintf(text, sizeof text, "%i:%i:%i:%i:%i:%i:%i:%i:%i:%i", static_cast<int>(p.flags),
                static_cast<int>(p.showCmd), static_cast<int>(p.ptMinPosition.x),
                static_cast<int>(p.ptMinPosition.y), static_cast<int>(p.ptMaxPosition.x),
                static_cast<int>(p.ptMaxPosition.y), static_cast<int>(r.left),
                static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom));
  return text;
}
