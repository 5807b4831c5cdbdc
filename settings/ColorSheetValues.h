// The colour sheet's values: colour values split into kind and value, what
// each stands for on screen, and the two grids' tables.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// A colour value split as the sheet keeps it: kind 0 RGB, 1 system colour
// index, 2 (or anything above) the standard colour of its role.
struct SplitColor {
  BYTE kind = 2;
  uint32_t value = 0;  // 24 bits
  bool operator==(const SplitColor& other) const {
    return kind == other.kind && value == other.value;
  }
};
SplitColor SplitColorValue(uint32_t colorValue);
uint32_t JoinColorValue(const SplitColor& color);

// The colour value color shows as: an RGB value or a usable system colour
// index. Kind 2 and above take standard (itself a full colour value); the
// default kind and unusable indices take the role's system colour (button
// face or button text).
uint32_t ShownColorValue(const SplitColor& color, uint32_t standard, bool text);
// The colour to paint with for ShownColorValue.
COLORREF ShownColor(const SplitColor& color, uint32_t standard, bool text);
// The page's description of color: a system colour's name, otherwise its red,
// green and blue (from the resource module's strings).
std::string DescribeColor(const SplitColor& color, uint32_t standard, bool text);

// The grids: 5 x 5 system colours (cell i is system colour i) and 5 x 10 fixed colours.
const int kSystemGridRows = 5, kSystemGridColumns = 5;
const int kGeneralGridRows = 5, kGeneralGridColumns = 10;
struct SysColorCell {
  int index;    // system colour index
  UINT nameId;  // its name string
};
extern const SysColorCell kSystemGridCells[kSystemGridRows * kSystemGridColumns];
extern const COLORREF kGeneralGridColors[kGeneralGridRows * kGeneralGridColumns];
// The name string of system colour index, or 0 when no grid cell shows it.
UINT SystemColorNameId(uint32_t index);
