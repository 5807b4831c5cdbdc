#pragma once

#include <windows.h>

// The size of one button cell and where its icon and text go, relative to the
// cell's top-left corner. Separators take the cell with a shorter length
// along the bar.
struct ButtonCell {
  SIZE size{};
  RECT icon{};
  RECT text{};  // empty when text is not shown
  bool showText = false;
};

// The pure part: icon size and the size of "W" already known.
ButtonCell CellGeometryFor(DWORD style, SIZE icon, SIZE letterW, int textWidthInW);
// The cell for the options: icon size from the system metrics (large with
// style bit 0x200), "W" measured with font when text is shown (style bit
// 0x80 and a non-zero font height).
ButtonCell CellGeometry(DWORD style, int fontHeight, HFONT font, int textWidthInW);
// The separator cell: a fifth of the button cell's length along the bar,
// kept within 3..6 pixels; as thick as the button cell across it.
SIZE SeparatorGeometry(DWORD style, const ButtonCell& cell);

// Whether the bar stands vertically (style bits 0x10000 or 0x20000).
inline bool IsVerticalStyle(DWORD style) { return (style & 0x30000) != 0; }
// Lengths along and across the bar.
inline int Along(DWORD style, SIZE s) { return IsVerticalStyle(style) ? s.cy : s.cx; }
inline int Across(DWORD style, SIZE s) { return IsVerticalStyle(style) ? s.cx : s.cy; }
inline int NearEdge(DWORD style, const RECT& r) { return IsVerticalStyle(style) ? r.top : r.left; }
inline int FarEdge(DWORD style, const RECT& r) {
  return IsVerticalStyle(style) ? r.bottom : r.right;
}
