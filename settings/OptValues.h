// The values the pages of the options sheet edit, read from the style word
// and the [Common] cache when the sheet is made, and what each page writes
// back on OK. Out-of-range values from the file are brought into the ranges
// the pages' controls offer.
#pragma once

#include <windows.h>

class CBarOptions;

struct OptValues {
  // Window page
  bool topmost = false, desktopBar = false, toolTips = false, animate = false;
  // Frame page: 3-D effect 0 flat, 1 thin, 2 thick
  int frameEffect = 2;
  int frmBorderX = 5, frmBorderY = 5, borderX = 5, borderY = 5;
  // Button page
  int iconSize = 0;      // 0 small, 1 large
  int buttonEffect = 2;  // 0 flat, 1 thin, 2 thick
  bool showText = false, textOverIcon = false;
  int fontSize = 10, btnTxtWidth = 8;
  int btnOverflow = 0;  // 0 ellipsis, 1 left, 2 right
  int buttonColor = 0;  // 0 standard, 1 same as the background
  // Tab page
  int tabWidthMode = 0;  // 0 automatic, 1 fixed
  int tabTxtWidth = 6, tabHightAdj = 0;
  int tabOverflow = 0;
  // Hide/Appear page; times in tenths of a second
  bool autoHide = false, touchShow = false, touchHide = false;
  int sleepTime = 50, hidShowTime = 5;
  int hidType = 0, hidLinePos = 0, hidScnSize = 10;
  int hookTime = 20, hookScnSize = 5, hookScnPos = 0;
  int hookAwkTime = 20, hookAwkScnSize = 5, hookAwkScnPos = 0;
  // Recently used page
  int rctNo = 3;
  // Other page
  int startTab = 0;      // 0 the tab selected at exit, 1 always the chosen tab
  int afterLaunch = 0;   // 0 none, 1 hide, 2 to the bottom, 3 exit
  WORD hotKeys[3] = {};  // hide, show, exit in the hot key control's layout
  bool actMenu = false;
};

// The starting values of every page.
OptValues ReadOptValues(DWORD style, CBarOptions& options);

// The style bits of the Frame and Button pages (the ones their previews and
// OK write), applied to style.
DWORD ApplyFrameBits(DWORD style, const OptValues& values);
DWORD ApplyButtonBits(DWORD style, const OptValues& values);

// The overflow format of BtnTxtDraw and TabTxtDraw: 0x8001 ellipsis, 0 left, 2 right.
int OverflowIndex(int format);
int OverflowFormat(int index);

// Hot key values: stored with MOD_ALT 0x100, MOD_CONTROL 0x200, MOD_SHIFT 0x400
// above the key; the hot key control keeps HOTKEYF_ bits in its high byte.
WORD HotKeyToControl(DWORD stored);
DWORD HotKeyFromControl(WORD control);
