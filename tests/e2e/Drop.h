// Files dropped from the shell onto a window of another process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Posts window (of another process) WM_DROPFILES with paths (ANSI, code page 932), dropped at
// point (window client coordinates), as the shell does at the end of a drag. The drop block must
// be readable in the target's own memory, so it is written there (VirtualAllocEx); the target's
// DragFinish hands it to GlobalFree, which under Wine refuses a block it did not allocate and
// leaves it in place (a few bytes until the target ends), without harm to the target.
// False when the block cannot be written or the message cannot be posted.
bool DropFiles(HWND window, const std::vector<std::string>& paths, POINT point);

// The drop block itself: a DROPFILES header (20 bytes: offset of the list, point, non-client
// flag, wide flag) followed by every path with its terminating zero and one more zero.
std::string DropBlock(const std::vector<std::string>& paths, POINT point);

}  // namespace e2e
