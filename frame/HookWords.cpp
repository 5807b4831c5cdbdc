#include "frame/HookWords.h"

#include <algorithm>

#include "core/Globals.h"
#include "core/StyleWord.h"

namespace {
WORD SizeByte(int size) { return static_cast<WORD>(std::clamp(size, 0, 0xFF) << 8); }
}  // namespace

HookWords ComputeHookWords(DWORD style, int hookScnPos, int hookScnSize, int hookAwkScnPos,
                           int hookAwkScnSize, int hidType, int hidLinePos) {
  HookWords words;
  int p = (style & style::kTouchHide) ? (hookScnPos & kHookSpotBits) : 0;
  words.hide = static_cast<WORD>(SizeByte(hookScnSize) | p | (p ? kHookEnable : 0));

  int a = (style & style::kTouchShow) ? (hookAwkScnPos & kHookSpotBits) : 0;
  int low = a | (a ? kHookEnable : 0);
  // The thin line's own edge is a show spot too, so a line under another window still works.
  if (hidType == 1) {
    if (hidLinePos == 0) low = a | 0xC0;
    if (hidLinePos == 1) low = a | 0x90;
    if (hidLinePos == 3) low = a | 0xA0;
  }
  words.show = static_cast<WORD>(SizeByte(hookAwkScnSize) | low);
  return words;
}

HookWords ReadHookWords(DWORD style) {
  return ComputeHookWords(
      style, g_barOptions.GetInt("HookScnPos", 0), g_barOptions.GetInt("HookScnSize", 5),
      g_barOptions.GetInt("HookAwkScnPos", 0), g_barOptions.GetInt("HookAwkScnSize", 5),
      g_barOptions.GetInt("HidType", 0), g_barOptions.GetInt("HidLinePos", 0));
}
