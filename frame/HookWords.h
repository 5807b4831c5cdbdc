// The two hook words the frame gives the mouse hook: which screen spots are live while the bar
// is shown (touch to hide) and while it is hidden (touch to show), and their size.
#pragma once

#include <windows.h>

struct HookWords {
  WORD hide = 0;  // live while the bar is shown
  WORD show = 0;  // live while the bar is hidden
};

const WORD kHookEnable = 0x80;
const int kHookSpotBits = 0x3F;

// From the style word and the [Common] values HookScnPos, HookScnSize, HookAwkScnPos,
// HookAwkScnSize, HidType and HidLinePos. Sizes are kept to what the word's byte can carry.
HookWords ComputeHookWords(DWORD style, int hookScnPos, int hookScnSize, int hookAwkScnPos,
                           int hookAwkScnSize, int hidType, int hidLinePos);
// The same, read from the option cache.
HookWords ReadHookWords(DWORD style);
// Whether the hook is needed at all: hide spots are on or the show word is enabled.
inline bool HookNeeded(const HookWords& words) {
  return (words.hide & kHookSpotBits) != 0 || (words.show & kHookEnable) != 0;
}
