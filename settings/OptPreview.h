// The samples of the Frame, Button and Tab pages, drawn by the bar's own
// painting code from the sheet's current values.
#pragma once

#include <windows.h>

#include "settings/OptValues.h"

// A frame with the frame effect and outer borders holding sample buttons.
// style: the style word with the pages' frame and button bits applied.
void DrawBarPreview(HDC dc, const RECT& area, DWORD style, const OptValues& values);
// A sample tab strip with the tab page's width mode, width, overflow and height.
void DrawTabPreview(HDC dc, const RECT& area, const OptValues& values);
// The style word the previews show: the caller's word with the Frame and
// Button pages' current bits.
DWORD PreviewStyle(DWORD style, const OptValues& values);
