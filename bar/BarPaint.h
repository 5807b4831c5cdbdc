#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "bar/TabLayout.h"

class CBtnItem;

// A stored colour value made a colour to paint with: below 0x1000000 an RGB
// value, up to 0x1FFFFFF a system colour index, above that "default", which
// gives fallback.
COLORREF ResolveColor(uint32_t value, COLORREF fallback);
inline bool IsDefaultColor(uint32_t value) { return value >= 0x2000000; }

// What painting a cell needs besides the cell itself.
struct CellPaintContext {
  DWORD style = 0;
  COLORREF tabColor = 0;  // the tab's colour, "default" already resolved
  COLORREF tabTextColor = 0;
  HFONT font = nullptr;
  HIMAGELIST images = nullptr;
  int overflowFormat = 0x8001;  // BtnTxtDraw
};

// Paints one cell at r: background, edge, icon and (with style bit 0x80) text.
void PaintCell(HDC dc, const CBtnItem& item, const RECT& r, bool pressed, bool hovered,
               const CellPaintContext& context);
// How far a pressed button's content moves: 1 for thin and flat buttons, 2 for thick ones.
int PressOffset(DWORD style);

// Paints the view's frame around the button panel. client is the view's
// client area, tabThickness the tab strip's thickness.
void PaintViewFrame(HDC dc, const RECT& client, DWORD style, int tabThickness, int frmBorderX,
                    int frmBorderY);

// Paints a tab's face: its region filled with fill and its edges, lit from
// the top-left in a horizontal strip, a dark outline in a vertical one.
void PaintTabFace(HDC dc, HRGN region, const tablayout::Quad& polygon,
                  tablayout::Orientation orientation, COLORREF fill);
