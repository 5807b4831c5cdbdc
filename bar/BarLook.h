#pragma once

#include <windows.h>
#include <commctrl.h>

#include "core/StyleWord.h"

// The options the bar is laid out and painted with, as the frame holds them
// (its running style word, the button font, the border copies, the system
// image lists). Without a frame the option defaults apply.
class CBarHost;

struct BarLook {
  DWORD style = style::kDefault;
  int fontHeight = 10;   // 0 when text is not shown
  HFONT font = nullptr;  // borrowed; none means the stock GUI font
  int btnTxtWidth = 8;
  int btnTxtDraw = 0x8001;
  int borderX = 5;
  int borderY = 5;
  int frmBorderX = 5;
  int frmBorderY = 5;
  int tabHightAdj = 0;
  HIMAGELIST largeImages = nullptr;  // borrowed system image lists; none while the
  HIMAGELIST smallImages = nullptr;  // frame's shell reader is still opening them

  // The frame's current options, or the defaults when there is no host.
  static BarLook Current(CBarHost* host);
  HIMAGELIST ImagesForStyle() const { return (style & style::kLargeIcons) ? largeImages : smallImages; }
  HFONT FontOrStock() const {
    return font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  }
};

// The system image lists (large or small icons), asked from the shell once.
HIMAGELIST SystemImageList(bool large);
