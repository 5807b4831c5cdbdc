// The bar under test: starting it from a prepared settings file and finding its parts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "AppProcess.h"
#include "ProgramFolder.h"

namespace e2e {

// The first descendant of parent of class className (only a visible one with visibleOnly).
HWND FirstChild(HWND parent, const char* className, bool visibleOnly = false);
// The button panel the bar shows, its tab strip, its recently-used strip.
HWND ShownPanel(HWND frame);
HWND TabStripOf(HWND frame);
// The panel's scroll bar: the strip's scroll bar control 2 (1 is the tabs' arrows).
HWND PanelScrollBarOf(HWND frame);

// The window that holds the mouse in window's thread (a mode or a drag runs), or null.
HWND CaptureOf(HWND window);

// Writes ini as the folder's Kestrel.ini, starts the folder's Kestrel.exe as *bar and waits
// until its frame shows a button panel. The frame, or null when the bar shows none in time.
HWND StartBar(const ProgramFolder& folder, const std::string& ini, AppProcess* bar);

// The lines (without their line ends) of a log file that programs of the folder append to,
// once it holds count of them or when timeoutMs has passed.
std::vector<std::string> WaitForLines(const ProgramFolder& folder, const std::string& name,
                                      size_t count, DWORD timeoutMs);

}  // namespace e2e
