#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/BarOptions.h"
#include "core/Globals.h"
#include "settings/OptValues.h"
#include "tests/unit/TempProgramFolder.h"

TEST(OptValues, PagesStartFromTheStyleWordAndTheFileWithinTheirRanges) {
  const struct {
    DWORD style;
    const char* ini;
    std::function<bool(const OptValues&)> holds;
    const char* what;
  } cases[] = {
      {33500, "",
       [](const OptValues& v) {
         return v.topmost && v.toolTips && !v.desktopBar && v.frameEffect == 2 && v.iconSize == 1 &&
                v.buttonEffect == 2 && v.showText && v.btnOverflow == 0 && v.tabWidthMode == 0 &&
                v.autoHide && v.sleepTime == 50 && v.hidShowTime == 5 && v.hookTime == 20 &&
                v.rctNo == 3 && v.startTab == 0 && v.afterLaunch == 0 && v.fontSize == 10 &&
                v.btnTxtWidth == 8 && v.tabTxtWidth == 6;
       },
       "defaults"},
      {0x4000 | 0x2000 | 0x800 | 0x1000, "",
       [](const OptValues& v) { return v.frameEffect == 0 && v.buttonEffect == 0; }, "flat wins"},
      {0x2000 | 0x1000 | 0x200000 | 0x80000 | 0x100000, "",
       [](const OptValues& v) {
         return v.frameEffect == 1 && v.buttonEffect == 1 && v.buttonColor == 1 &&
                v.afterLaunch == 2 && v.tabWidthMode == 1 && v.startTab == 1;
       },
       "thin, bottom after launch"},
      {0, "SleepTime=5050\nHidShowTime=99\nBtnTxtDraw=2\nTabTxtDraw=0\n",
       [](const OptValues& v) {
         return v.sleepTime == 50 && v.hidShowTime == 0 && v.btnOverflow == 2 && v.tabOverflow == 1;
       },
       "tenths, overflow"},
      {0,
       "FrmBorderX=-3\nBorderY=99\nTxtFontHeight=200\nBtnTxtWidth=1\nTabTxtWidth=70\n"
       "TabHightAdj=-40\nSleepTime=0\nHookTime=99999999\nHidType=7\nHidLinePos=-1\n"
       "HidScnSize=0\nHookScnPos=255\nRctNo=1000\n",
       [](const OptValues& v) {
         return v.frmBorderX == 0 && v.borderY == 12 && v.fontSize == 18 && v.btnTxtWidth == 4 &&
                v.tabTxtWidth == 15 && v.tabHightAdj == -5 && v.sleepTime == 1 &&
                v.hookTime == 999 && v.hidType == 2 && v.hidLinePos == 0 && v.hidScnSize == 1 &&
                v.hookScnPos == 0x3F && v.rctNo == 255;
       },
       "out of range"},
      {0, "HotKeyHide=1601\nHotKeyShow=63553\n",
       [](const OptValues& v) {
         return v.hotKeys[0] == MAKEWORD(0x41, HOTKEYF_CONTROL | HOTKEYF_SHIFT) &&
                v.hotKeys[1] == MAKEWORD(0x41, 0) && v.hotKeys[2] == 0;
       },
       "hot keys; unknown bits dropped"},
  };
  for (const auto& c : cases) {
    TempProgramFolder folder(std::string("[Common]\n") + c.ini);
    CBarOptions options(g_settingsFile, "Common");
    EXPECT_TRUE(c.holds(ReadOptValues(c.style, options))) << c.what;
  }
}

TEST(OptValues, HotKeysConvertBetweenTheStoredAndTheControlLayouts) {
  const struct {
    DWORD stored;
    WORD control;
  } cases[] = {
      {0x241, MAKEWORD(0x41, HOTKEYF_CONTROL)},
      {0x470, MAKEWORD(0x70, HOTKEYF_SHIFT)},
      {0x15A, MAKEWORD(0x5A, HOTKEYF_ALT)},
      {0x720, MAKEWORD(0x20, HOTKEYF_CONTROL | HOTKEYF_SHIFT | HOTKEYF_ALT)},
      {0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HotKeyToControl(c.stored), c.control) << std::hex << c.stored;
    EXPECT_EQ(HotKeyFromControl(c.control), c.stored) << std::hex << c.stored;
  }
  // The extended-key flag has no place in the stored value.
  EXPECT_EQ(HotKeyFromControl(MAKEWORD(0x2E, HOTKEYF_EXT | HOTKEYF_CONTROL)), 0x22Eu);
}
