// The bits of the style word ([Common] Style): every window and bar option that is on or off.
// The frame keeps the running copy; everything else reads it from there or from the option
// cache. Each bit is named here once.
#pragma once

#include <windows.h>

namespace style {
const DWORD kAutoHide = 0x4;                   // hide after an idle time
const DWORD kTopmost = 0x8;                    // always on top
const DWORD kSaveLastTab = 0x10;               // the tab shown at exit is the next start's tab
const DWORD kTextOverIcon = 0x20;              // button text over the icon, not under it
const DWORD kToolTips = 0x40;                  // tooltips on buttons
const DWORD kShowText = 0x80;                  // button text shown
const DWORD kLargeIcons = 0x200;               // large icons (clear: small)
const DWORD kAnimate = 0x400;                  // tab switching, bar growth, moves to corners
const DWORD kFlatButtons = 0x800;              // button edges: flat, thin, or (neither) thick
const DWORD kThinButtons = 0x1000;
const DWORD kButtonEdges = kFlatButtons | kThinButtons;
const DWORD kThinFrame = 0x2000;               // view frame: thin, flat, or (neither) thick
const DWORD kFlatFrame = 0x4000;
const DWORD kFrameEdges = kThinFrame | kFlatFrame;
const DWORD kAutoTabWidth = 0x8000;            // clear: fixed tab width (TabTxtWidth, TabTxtDraw)
const DWORD kVerticalLeft = 0x10000;           // bar at the left, tab strip on the view's right
const DWORD kVerticalRight = 0x20000;          // bar at the right, tab strip on the view's left
const DWORD kVertical = kVerticalLeft | kVerticalRight;
const DWORD kHideAfterLaunch = 0x40000;        // after a launch: hide at once,
const DWORD kBottomAfterLaunch = 0x80000;      // or drop to the bottom for a while,
const DWORD kExitAfterLaunch = 0x100000;       // or end the program
const DWORD kTabColorButtons = 0x200000;       // default-coloured buttons take the tab's colour
const DWORD kTouchShow = 0x8000000;            // show when a spot of HookAwkScnPos is touched
const DWORD kTouchHide = 0x10000000;           // hide when a spot of HookScnPos is touched
const DWORD kPositionLocked = 0x20000000;      // the bar does not move
const DWORD kDesktopBar = 0x40000000;          // docked as a desktop application bar

// The style word of a new settings file (33500).
const DWORD kDefault = kAutoTabWidth | kLargeIcons | kShowText | kToolTips | kSaveLastTab |
                       kTopmost | kAutoHide;
static_assert(kDefault == 33500, "the default style word is stored in settings files");
}  // namespace style
