#include "bar/FrameLink.h"

#include "bar/BarLook.h"
#include "frame/MainFrame.h"

bool ReadFrameLook(BarLook& look) {
  CMainFrame* frame = GetMainFrame();
  if (!frame) return false;
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
  look.borderX = frame->GetBorderX();
  look.borderY = frame->GetBorderY();
  look.frmBorderX = frame->GetFrmBorderX();
  look.frmBorderY = frame->GetFrmBorderY();
  look.tabHightAdj = frame->GetTabHightAdj();
  look.largeImages = frame->GetLargeImageList();
  look.smallImages = frame->GetSmallImageList();
  return true;
}

void BeginFrameHoldToMove(HWND window) {
  if (CMainFrame* frame = GetMainFrame()) frame->BeginHoldToMove(window);
}

HWND GetFrameWindow() {
  CMainFrame* frame = GetMainFrame();
  return frame ? frame->GetSafeHwnd() : nullptr;
}

CShellInfoReader* GetFrameShellInfoReader() {
  CMainFrame* frame = GetMainFrame();
  return frame ? frame->GetShellInfoReader() : nullptr;
}
