#pragma once

#include <windows.h>

#include <string>

// The frame's placement as stored in [Common] WinPos:
// flags:show:minX:minY:maxX:maxY:left:top:right:bottom.

// Reads text into placement, clamping the normal rectangle to the screen.
// Fails on fewer than ten numbers or a rectangle that is empty after clamping.
bool ParseWinPos(const std::string& text, int screenWidth, int screenHeight,
                 WINDOWPLACEMENT* placement);
// The stored form of placement, or empty when its normal rectangle is empty or
// off the top-left of the screen (such a placement is never written).
std::string FormatWinPos(const WINDOWPLACEMENT& placement);
