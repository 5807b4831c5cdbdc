// Where a WM_NOTIFY came from. A notification carries a pointer into its sender's memory: one
// that another program sends (or posts) points at nothing this process could read, while the
// bar's own controls raise theirs from this thread, also while it handles a message another
// thread sent it.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Whether header lies in committed, readable memory of this process (its own allocations or a
// mapped module) and names as its sender a window of the calling thread.
bool IsOwnNotification(const NMHDR* header);
