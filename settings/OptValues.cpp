#include "settings/OptValues.h"

#include <commctrl.h>

#include <algorithm>

#include "core/BarOptions.h"
#include "core/StyleWord.h"

namespace {
int Clamp(int value, int low, int high) { return std::min(std::max(value, low), high); }
// A time in milliseconds as the tenths the pages edit.
int Tenths(CBarOptions& options, const char* key, int defaultValue, int low) {
  return Clamp(options.GetInt(key, defaultValue) / 100, low, 999);
}
int EffectIndex(DWORD style, DWORD flat, DWORD thin) {
  return (style & flat) ? 0 : (style & thin) ? 1 : 2;
}
}  // namespace

int OverflowIndex(int format) { return (format & 0x8000) ? 0 : (format & 0x2) ? 2 : 1; }

int OverflowFormat(int index) { return index == 0 ? 0x8001 : index == 2 ? 2 : 0; }

WORD HotKeyToControl(DWORD stored) {
  BYTE modifiers = 0;
  if (stored & 0x200) modifiers |= HOTKEYF_CONTROL;
  if (stored & 0x400) modifiers |= HOTKEYF_SHIFT;
  if (stored & 0x100) modifiers |= HOTKEYF_ALT;
  return MAKEWORD(stored & 0xFF, modifiers);
}

DWORD HotKeyFromControl(WORD control) {
  const DWORD m = HIBYTE(control);
  const DWORD modifiers = (m & 2) | (m & 1) * 4 | ((m >> 2) & 1);
  return LOBYTE(control) | modifiers << 8;
}

OptValues ReadOptValues(DWORD s, CBarOptions& o) {
  OptValues v;
  v.topmost = s & style::kTopmost;
  v.desktopBar = s & style::kDesktopBar;
  v.toolTips = s & style::kToolTips;
  v.animate = s & style::kAnimate;

  v.frameEffect = EffectIndex(s, style::kFlatFrame, style::kThinFrame);
  v.frmBorderX = Clamp(o.GetInt("FrmBorderX", 5), 0, 12);
  v.frmBorderY = Clamp(o.GetInt("FrmBorderY", 5), 0, 12);
  v.borderX = Clamp(o.GetInt("BorderX", 5), 0, 12);
  v.borderY = Clamp(o.GetInt("BorderY", 5), 0, 12);

  v.iconSize = (s & style::kLargeIcons) ? 1 : 0;
  v.buttonEffect = EffectIndex(s, style::kFlatButtons, style::kThinButtons);
  v.showText = s & style::kShowText;
  v.textOverIcon = s & style::kTextOverIcon;
  v.fontSize = Clamp(o.GetInt("TxtFontHeight", 10), 8, 18);
  v.btnTxtWidth = Clamp(o.GetInt("BtnTxtWidth", 8), 4, 14);
  v.btnOverflow = OverflowIndex(o.GetInt("BtnTxtDraw", 0x8001));
  v.buttonColor = (s & style::kTabColorButtons) ? 1 : 0;

  v.tabWidthMode = (s & style::kAutoTabWidth) ? 0 : 1;
  v.tabTxtWidth = Clamp(o.GetInt("TabTxtWidth", 6), 4, 15);
  v.tabHightAdj = Clamp(o.GetInt("TabHightAdj", 0), -5, 10);
  v.tabOverflow = OverflowIndex(o.GetInt("TabTxtDraw", 0x8001));

  v.autoHide = s & style::kAutoHide;
  v.touchShow = s & style::kTouchShow;
  v.touchHide = s & style::kTouchHide;
  v.sleepTime = Tenths(o, "SleepTime", 5000, 1);
  v.hidShowTime = Tenths(o, "HidShowTime", 500, 0);
  v.hidType = Clamp(o.GetInt("HidType", 0), 0, 2);
  v.hidLinePos = Clamp(o.GetInt("HidLinePos", 0), 0, 3);
  v.hidScnSize = Clamp(o.GetInt("HidScnSize", 10), 1, 99);
  v.hookTime = Tenths(o, "HookTime", 2000, 0);
  v.hookScnSize = Clamp(o.GetInt("HookScnSize", 5), 1, 99);
  v.hookScnPos = o.GetInt("HookScnPos", 0) & 0x3F;
  v.hookAwkTime = Tenths(o, "HookAwkTime", 2000, 0);
  v.hookAwkScnSize = Clamp(o.GetInt("HookAwkScnSize", 5), 1, 99);
  v.hookAwkScnPos = o.GetInt("HookAwkScnPos", 0) & 0x3F;

  v.rctNo = Clamp(o.GetInt("RctNo", 3), 1, 255);

  v.startTab = (s & style::kSaveLastTab) ? 0 : 1;
  v.afterLaunch = (s & style::kHideAfterLaunch)     ? 1
                  : (s & style::kBottomAfterLaunch) ? 2
                  : (s & style::kExitAfterLaunch)   ? 3
                                                    : 0;
  const char* keys[] = {"HotKeyHide", "HotKeyShow", "HotKeyExit"};
  for (int i = 0; i < 3; ++i) v.hotKeys[i] = HotKeyToControl(o.GetInt(keys[i], 0));
  v.actMenu = o.GetInt("ActMenu", 0) != 0;
  return v;
}

DWORD ApplyFrameBits(DWORD s, const OptValues& v) {
  s &= ~style::kFrameEdges;
  if (v.frameEffect == 0) s |= style::kFlatFrame;
  if (v.frameEffect == 1) s |= style::kThinFrame;
  return s;
}

DWORD ApplyButtonBits(DWORD s, const OptValues& v) {
  s &= ~(style::kTextOverIcon | style::kShowText | style::kLargeIcons | style::kButtonEdges |
         style::kTabColorButtons);
  if (v.iconSize == 1) s |= style::kLargeIcons;
  if (v.buttonEffect == 0) s |= style::kFlatButtons;
  if (v.buttonEffect == 1) s |= style::kThinButtons;
  if (v.showText) s |= style::kShowText;
  if (v.textOverIcon) s |= style::kTextOverIcon;
  if (v.buttonColor == 1) s |= style::kTabColorButtons;
  return s;
}
