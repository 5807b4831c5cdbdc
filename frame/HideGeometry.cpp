#include "frame/HideGeometry.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace hide {
namespace {
const int kMinSquareSize = 4;

bool ParseInt(const char* begin, const char* end, int* value) {
  if (begin == end) return false;
  const char* p = begin;
  if (*p == '-' || *p == '+') ++p;
  if (p == end) return false;
  long long v = 0;
  for (; p != end; ++p) {
    if (*p < '0' || *p > '9') return false;
    v = v * 10 + (*p - '0');
    if (v > INT_MAX) return false;
  }
  *value = static_cast<int>(*begin == '-' ? -v : v);
  return true;
}
}  // namespace

Kind KindFrom(int hidType) {
  return hidType == kLine ? kLine : hidType == kSquare ? kSquare : kNothing;
}

UINT SleepTimeFrom(int sleepTime) {
  return sleepTime > 0 ? static_cast<UINT>(sleepTime) : static_cast<UINT>(kDefaultSleepTime);
}

int SquareSizeFrom(int hidScnSize, int screenW, int screenH) {
  if (hidScnSize <= 0) hidScnSize = kDefaultSquareSize;
  int largest = std::max(kMinSquareSize, std::min(screenW, screenH) / 4);
  return std::clamp(hidScnSize, kMinSquareSize, largest);
}

bool ParseSquarePos(const std::string& text, POINT* pos) {
  size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  const char* s = text.c_str();
  int x = 0, y = 0;
  if (!ParseInt(s, s + colon, &x) || !ParseInt(s + colon + 1, s + text.size(), &y)) return false;
  pos->x = x;
  pos->y = y;
  return true;
}

std::string FormatSquarePos(POINT pos) {
  char text[32];
  std::snprintf(text, sizeof text, "%d:%d", static_cast<int>(pos.x), static_cast<int>(pos.y));
  return text;
}

RECT HideWindowRect(Kind kind, int linePos, int squareSize, const std::string& winPos,
                    const RECT& shown, int screenW, int screenH) {
  if (kind == kLine) {
    switch (linePos) {
      case kBottom:
        return RECT{0, screenH - kLineThickness, screenW, screenH};
      case kLeft:
        return RECT{0, 0, kLineThickness, screenH};
      case kRight:
        return RECT{screenW - kLineThickness, 0, screenW, screenH};
      default:
        return RECT{0, 0, screenW, kLineThickness};
    }
  }
  POINT at{shown.left, shown.top};
  ParseSquarePos(winPos, &at);
  // A square stored on another screen layout, or a bar that was partly off the screen, must
  // still leave a square the pointer can reach.
  int x = std::clamp<int>(at.x, 0, std::max(0, screenW - squareSize));
  int y = std::clamp<int>(at.y, 0, std::max(0, screenH - squareSize));
  return RECT{x, y, x + squareSize, y + squareSize};
}

RECT TouchRect(int bit, int s, int w, int h) {
  switch (bit) {
    case 0x01:
      return RECT{0, 0, s, s};
    case 0x02:
      return RECT{0, h - s, s, h};
    case 0x04:
      return RECT{w - s, h - s, w, h};
    case 0x08:
      return RECT{w - s, 0, w, s};
    case 0x10:
      return RECT{0, 0, s, h};
    case 0x20:
      return RECT{w - s, 0, w, h};
    case 0x40:
      return RECT{0, 0, w, s};
    default:
      return RECT{0, 0, 0, 0};
  }
}

int ShowTabIndex(const std::string& showTab, const std::function<int(const char*)>& findTab) {
  if (showTab.empty()) return -1;
  bool digits =
      std::all_of(showTab.begin(), showTab.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) return findTab ? findTab(showTab.c_str()) : -1;
  if (showTab.size() > 9) return -1;  // no bar has that many tabs
  return std::atoi(showTab.c_str());
}

}  // namespace hide
