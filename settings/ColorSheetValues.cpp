#include "settings/ColorSheetValues.h"

#include <cstdio>

#include "bar/TabLayout.h"
#include "framework/WinApp.h"
#include "plumage_res.h"

const SysColorCell kSystemGridCells[kSystemGridRows * kSystemGridColumns] = {
    {COLOR_SCROLLBAR, IDS_SYSCOLOR_SCROLLBAR},
    {COLOR_BACKGROUND, IDS_SYSCOLOR_DESKTOP},
    {COLOR_ACTIVECAPTION, IDS_SYSCOLOR_ACTIVECAPTION},
    {COLOR_INACTIVECAPTION, IDS_SYSCOLOR_INACTIVECAPTION},
    {COLOR_MENU, IDS_SYSCOLOR_MENU},
    {COLOR_WINDOW, IDS_SYSCOLOR_WINDOW},
    {COLOR_WINDOWFRAME, IDS_SYSCOLOR_WINDOWFRAME},
    {COLOR_MENUTEXT, IDS_SYSCOLOR_MENUTEXT},
    {COLOR_WINDOWTEXT, IDS_SYSCOLOR_WINDOWTEXT},
    {COLOR_CAPTIONTEXT, IDS_SYSCOLOR_CAPTIONTEXT},
    {COLOR_ACTIVEBORDER, IDS_SYSCOLOR_ACTIVEBORDER},
    {COLOR_INACTIVEBORDER, IDS_SYSCOLOR_INACTIVEBORDER},
    {COLOR_APPWORKSPACE, IDS_SYSCOLOR_APPWORKSPACE},
    {COLOR_HIGHLIGHT, IDS_SYSCOLOR_HIGHLIGHT},
    {COLOR_HIGHLIGHTTEXT, IDS_SYSCOLOR_HIGHLIGHTTEXT},
    {COLOR_BTNFACE, IDS_SYSCOLOR_BTNFACE},
    {COLOR_BTNSHADOW, IDS_SYSCOLOR_BTNSHADOW},
    {COLOR_GRAYTEXT, IDS_SYSCOLOR_GRAYTEXT},
    {COLOR_BTNTEXT, IDS_SYSCOLOR_BTNTEXT},
    {COLOR_INACTIVECAPTIONTEXT, IDS_SYSCOLOR_INACTIVECAPTIONTEXT},
    {COLOR_BTNHIGHLIGHT, IDS_SYSCOLOR_BTNHIGHLIGHT},
    {COLOR_3DDKSHADOW, IDS_SYSCOLOR_3DDKSHADOW},
    {COLOR_3DLIGHT, IDS_SYSCOLOR_3DLIGHT},
    {COLOR_INFOTEXT, IDS_SYSCOLOR_INFOTEXT},
    {COLOR_INFOBK, IDS_SYSCOLOR_INFOBK},
};

const COLORREF kGeneralGridColors[kGeneralGridRows * kGeneralGridColumns] = {
    0x8080FF, 0x0000FF, 0x404080, 0x000080, 0x000040, 0x000000, 0x80FFFF, 0x00FFFF, 0x4080FF,
    0x0080FF, 0x004080, 0x008080, 0x80FF80, 0x00FF80, 0x00FF00, 0x008000, 0x004000, 0x408080,
    0x80FF00, 0x40FF00, 0x808000, 0x408000, 0x404000, 0x808080, 0xFFFF80, 0xFFFF00, 0x804000,
    0xFF0000, 0x800000, 0x808040, 0xFF8000, 0xC08000, 0xFF8080, 0xA00000, 0x400000, 0xC0C0C0,
    0xC080FF, 0xC08080, 0x400080, 0x800080, 0x400040, 0xFF80FF, 0xFF00FF, 0x8000FF, 0xFF0080,
    0x800040, 0xFF8000, 0xC08000, 0x408000, 0xFFFFFF,
};

namespace {
const uint32_t kSystemKind = 0x1000000;
const uint32_t kDefaultKind = 0x2000000;

int RoleSystemColor(bool text) { return text ? COLOR_BTNTEXT : COLOR_BTNFACE; }
bool IsUsableSystemColor(uint32_t index) {
  return index <= 0xFFFF && ::GetSysColorBrush(static_cast<int>(index)) != nullptr;
}
}  // namespace

SplitColor SplitColorValue(uint32_t colorValue) {
  return SplitColor{static_cast<BYTE>(colorValue >> 24), colorValue & 0xFFFFFF};
}

uint32_t JoinColorValue(const SplitColor& color) {
  return static_cast<uint32_t>(color.kind) << 24 | (color.value & 0xFFFFFF);
}

uint32_t ShownColorValue(const SplitColor& color, uint32_t standard, bool text) {
  uint32_t value = color.kind <= 1 ? JoinColorValue(color) : standard;
  if (value < kSystemKind) return value;
  if (value < kDefaultKind && IsUsableSystemColor(value & 0xFFFFFF)) return value;
  return kSystemKind | static_cast<uint32_t>(RoleSystemColor(text));
}

COLORREF ShownColor(const SplitColor& color, uint32_t standard, bool text) {
  return tablayout::ResolveColor(ShownColorValue(color, standard, text), RoleSystemColor(text));
}

UINT SystemColorNameId(uint32_t index) {
  for (const SysColorCell& cell : kSystemGridCells)
    if (static_cast<uint32_t>(cell.index) == index) return cell.nameId;
  return 0;
}

std::string DescribeColor(const SplitColor& color, uint32_t standard, bool text) {
  uint32_t shown = ShownColorValue(color, standard, text);
  if (shown >= kSystemKind) {
    if (UINT nameId = SystemColorNameId(shown & 0xFFFFFF)) return LoadResString(nameId);
  }
  COLORREF rgb = ShownColor(color, standard, text);
  char buffer[128] = "";
  std::snprintf(buffer, sizeof buffer, LoadResString(IDS_COLOR_RGB).c_str(), GetRValue(rgb),
                GetGValue(rgb), GetBValue(rgb));
  return buffer;
}
