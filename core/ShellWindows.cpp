#include "core/ShellWindows.h"

#include "core/Globals.h"

namespace {
const char kCommon[] = "Common";
const char kWinDisp[] = "WinDisp";

int ReadWinDisp() { return g_settingsFile.ReadInt(kCommon, kWinDisp, 0); }
}  // namespace

HWND FindShellWindow(ShellWindow which) {
  return ::FindWindowA(which == ShellWindow::Desktop ? "Progman" : "Shell_TrayWnd", nullptr);
}

bool IsShellWindowVisible(ShellWindow which) {
  HWND window = FindShellWindow(which);
  return window && ::IsWindowVisible(window);
}

void ShowShellWindow(ShellWindow which, bool show) {
  if (HWND window = FindShellWindow(which)) ::ShowWindow(window, show ? SW_SHOW : SW_HIDE);
}

void ToggleShellWindow(ShellWindow which) {
  HWND window = FindShellWindow(which);
  if (!window) return;
  bool wasVisible = ::IsWindowVisible(window) != FALSE;
  ::ShowWindow(window, wasVisible ? SW_HIDE : SW_SHOW);
  int bit = static_cast<int>(which);
  int winDisp = ReadWinDisp();
  winDisp = wasVisible ? (winDisp | bit) : (winDisp & ~bit);
  g_settingsFile.WriteInt(kCommon, kWinDisp, winDisp);
}

void ApplyWinDisp() {
  int winDisp = ReadWinDisp();
  for (ShellWindow which : {ShellWindow::Desktop, ShellWindow::Taskbar}) {
    if ((winDisp & static_cast<int>(which)) && IsShellWindowVisible(which))
      ShowShellWindow(which, false);
  }
}

void RestoreShellWindows() {
  for (ShellWindow which : {ShellWindow::Desktop, ShellWindow::Taskbar}) {
    HWND window = FindShellWindow(which);
    if (window && !::IsWindowVisible(window)) ::ShowWindow(window, SW_SHOW);
  }
}
