// Finding and reading the windows of other processes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Visible or hidden top-level windows of process pid (0: any process) whose class and title
// match; a null class or title matches any.
std::vector<HWND> FindTopLevelWindows(DWORD pid, const char* className, const char* title);
// The popup menu window process pid shows, if any.
HWND OpenMenuOf(DWORD pid);

// Polls until such a window exists; gives up early when process (if given) ends.
HWND WaitForTopLevelWindow(DWORD pid, const char* className, const char* title, DWORD timeoutMs,
                           HANDLE process = nullptr);

// The visible top-level windows of process pid.
std::vector<HWND> VisibleTopLevelWindows(DWORD pid);
// All descendants of parent, optionally only those of one class.
std::vector<HWND> ChildWindows(HWND parent, const char* className = nullptr);

// Polls condition every 20 ms until it holds (true) or timeoutMs has passed (false).
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

std::string ClassNameOf(HWND window);
// The window's text, asked for with WM_GETTEXT (works across processes for controls too).
std::string TextOf(HWND window);
RECT WindowRectOf(HWND window);

// A message box ("#32770") of another process as the user sees it.
enum class BoxIcon { kNone, kStop, kExclamation, kInformation, kQuestion, kUnknown };
struct MessageBoxInfo {
  std::string title;
  std::string text;
  std::vector<std::string> buttons;
  BoxIcon icon = BoxIcon::kNone;
};
MessageBoxInfo ReadMessageBox(HWND box);
// The box once it shows its text and buttons (its controls are made after its window shows)
// and, with withIcon, an icon; as it is when timeoutMs has passed.
MessageBoxInfo ReadShownMessageBox(HWND box, bool withIcon = false, DWORD timeoutMs = 3000);
const char* BoxIconName(BoxIcon icon);

}  // namespace e2e
