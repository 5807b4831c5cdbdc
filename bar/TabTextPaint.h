// The names on the tabs: their fonts and how a name is placed in its tab,
// shared by the bar's tab strip and the settings library's sample strip.
#pragma once

#include <windows.h>

#include <string>

#include "bar/TabLayout.h"

namespace tabtext {

enum Align { kAlignStart, kAlignCentre, kAlignEnd };

// The font of a strip whose tabs are thickness thick: the menu font, four
// pixels smaller than the tab, turned with the strip; the selected tab's is
// bold and underlined. The tabs are laid out with the selected font.
LOGFONTA TabFont(int thickness, tablayout::Orientation orientation, bool selected);

// Paints a tab's name within the tab's rectangle r, in the font and text
// colour selected into dc (background mode transparent). A truncated name
// (fixed tab width) is placed by overflowFormat: DT_LEFT, DT_RIGHT, or
// DT_END_ELLIPSIS | DT_CENTER. extent caches the whole name's size in the
// font ({-1, -1}: not measured yet).
void PaintTabName(HDC dc, const std::string& name, const RECT& r, bool truncated, bool selected,
                  tablayout::Orientation orientation, UINT overflowFormat, SIZE& extent);

// Draws text along a vertical box in the rotated font, clipped to the box.
// width is the text's length in the font.
void PaintRotatedText(HDC dc, const std::string& text, const RECT& box, int width, Align align,
                      tablayout::Orientation orientation);

// The text's width in the font of dc (0 for an empty text).
int MeasureWidth(HDC dc, const std::string& text);

}  // namespace tabtext
