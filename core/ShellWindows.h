#pragma once

#include <windows.h>

// The shell's desktop window ("Progman") and taskbar ("Shell_TrayWnd"), which
// the bar can hide. The values are the bits of [Common] WinDisp.
enum class ShellWindow { Desktop = 1, Taskbar = 2 };

HWND FindShellWindow(ShellWindow which);
// Whether the window exists and is visible (the menu's check mark).
bool IsShellWindowVisible(ShellWindow which);
void ShowShellWindow(ShellWindow which, bool show);
// Shows a hidden window or hides a visible one, and records in WinDisp whether
// the bar now hides it. Nothing happens when the window does not exist.
void ToggleShellWindow(ShellWindow which);
// At frame creation: hides again each visible window whose WinDisp bit is set.
void ApplyWinDisp();
// At frame close: shows each window that is hidden (WinDisp keeps its bits, so
// the next start hides them again).
void RestoreShellWindows();
