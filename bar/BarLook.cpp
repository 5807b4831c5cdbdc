#include "bar/BarLook.h"

#include <shellapi.h>

#include <algorithm>

#include "frame/MainFrame.h"

namespace {
const int kMaxBorder = 1000;
}  // namespace

HIMAGELIST SystemImageList(bool large) {
  static HIMAGELIST lists[2] = {};
  HIMAGELIST& list = lists[large ? 1 : 0];
  if (!list) {
    SHFILEINFOA info{};
    list = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        "C:\\", 0, &info, sizeof info,
        SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)));
  }
  return list;
}

BarLook BarLook::Current() {
  BarLook look;
  if (CMainFrame* frame = GetMainFrame()) {
    look.style = frame->GetStyleWord();
    look.font = frame->GetTextFont();
    // The frame makes no font while text is off, and a font of height 0
    // shows no text either.
    look.fontHeight = 0;
    LOGFONTA lf{};
    if ((look.style & style::kShowText) && look.font && ::GetObjectA(look.font, sizeof lf, &lf))
      look.fontHeight = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    look.btnTxtWidth = frame->GetBtnTxtWidth();
    look.btnTxtDraw = frame->GetBtnTxtDraw();
    // Gaps beyond any screen only make coordinates overflow; negative ones
    // would stack the cells on each other.
    look.borderX = std::clamp(frame->GetBorderX(), 0, kMaxBorder);
    look.borderY = std::clamp(frame->GetBorderY(), 0, kMaxBorder);
    look.frmBorderX = frame->GetFrmBorderX();
    look.frmBorderY = frame->GetFrmBorderY();
    look.tabHightAdj = frame->GetTabHightAdj();
    look.largeImages = frame->GetLargeImageList();
    look.smallImages = frame->GetSmallImageList();
  }
  if (!look.largeImages) look.largeImages = SystemImageList(true);
  if (!look.smallImages) look.smallImages = SystemImageList(false);
  return look;
}
