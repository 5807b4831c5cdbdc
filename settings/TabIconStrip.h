// One row of a tab's button icons (small system icons), shown under the tab
// combo of the action page and under the lists of the tab dialogs.
#pragma once

#include <windows.h>

class CTabIconStrip {
 public:
  CTabIconStrip() = default;
  CTabIconStrip(const CTabIconStrip&) = delete;
  CTabIconStrip& operator=(const CTabIconStrip&) = delete;

  // Takes over a dialog's list box (ID 1818) and sizes it to one row.
  void Attach(HWND listBox);
  // Shows the icons of one command list of a tab list snapshot (each command
  // with its zero, ended by an empty string); null empties the strip.
  void ShowCommands(const char* commandList);
};
