// The unit test program has no application object of the bar, so there is
// never a main frame: the panel's ties to it are answered here, which keeps
// the frame's object file (and the application object it needs) out of the
// link.
#include "bar/FrameLink.h"

bool ReadFrameLook(BarLook&) { return false; }
void BeginFrameHoldToMove(HWND) {}
HWND GetFrameWindow() { return nullptr; }
CShellInfoReader* GetFrameShellInfoReader() { return nullptr; }
