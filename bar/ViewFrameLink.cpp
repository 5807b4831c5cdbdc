#include "bar/ViewFrameLink.h"

#include "frame/MainFrame.h"

void PauseFrameAutoHide() {
  if (CMainFrame* frame = GetMainFrame()) frame->PauseAutoHide();
}

void ResumeFrameAutoHide() {
  if (CMainFrame* frame = GetMainFrame()) frame->ResumeAutoHide();
}
