// The unit test program has no application object of the bar, so there is
// never a main frame: the panel's ties to it are answered here, which keeps
// the frame's object file (and the application object it needs) out of the
// link.
#include "bar/FrameLink.h"

bool ReadFrameLook(BarLook&) { return false; }
void BeginFrameHoldToMove(HWND) {}
HWND GetFrameWindow() { return nullptr; }
// Tests of the threaded reading put a reader of their own here.
CShellInfoReader* g_testShellInfoReader = nullptr;
CShellInfoReader* GetFrameShellInfoReader() { return g_testShellInfoReader; }
