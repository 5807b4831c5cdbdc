// Where the bar's stand-ins go while it is hidden, how long its delays are, and which tab it
// shows when it comes back. Pure functions of the settings and the screen, so that any value
// in the settings file still leaves a way back to the bar.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace hide {

enum Kind { kNothing = 0, kLine = 1, kSquare = 2 };
enum LineEdge { kTop = 0, kLeft = 1, kBottom = 2, kRight = 3 };

const int kLineThickness = 2;
const int kDefaultSquareSize = 10;
const int kDefaultSleepTime = 5000;

// HidType: anything but a line or a square leaves nothing (the tray icon instead).
Kind KindFrom(int hidType);
// SleepTime as the idle time and timer period: zero or negative gives the default, so the bar
// does not vanish the moment it shows.
UINT SleepTimeFrom(int sleepTime);
// HidScnSize: the square is at least a few pixels and at most a quarter of the shorter screen
// side, so it can be seen and hovered but never covers the desktop.
int SquareSizeFrom(int hidScnSize, int screenW, int screenH);
// HidWinPos "%d:%d" (left:top); false when the text is not exactly two integers.
bool ParseSquarePos(const std::string& text, POINT* pos);
std::string FormatSquarePos(POINT pos);

// The hide window's rectangle. shown is the bar's rectangle before it hid; winPos the stored
// HidWinPos text (used by the square only). The square always lies wholly on the screen.
RECT HideWindowRect(Kind kind, int linePos, int squareSize, const std::string& winPos,
                    const RECT& shown, int screenW, int screenH);

// The screen spot a touch reported: bit is one of the hook's spot bits, size the spot's side.
// Unknown bits give an empty rectangle.
RECT TouchRect(int bit, int size, int screenW, int screenH);

// ShowTab: all digits give that index, anything else the index findTab gives for the name
// (-1: none). Empty gives -1.
int ShowTabIndex(const std::string& showTab, const std::function<int(const char*)>& findTab);

}  // namespace hide
