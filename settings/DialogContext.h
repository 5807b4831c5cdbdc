// What one export hands its dialog: the caller's inputs, filled before the
// dialog opens, and the places its outputs go. Overwritten by the next export.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class CBarOptions;

struct DialogContext {
  DWORD style = 0;             // Kestrel's style word; copied back on OK
  char* outBuffer1 = nullptr;  // tab list results (4096 bytes each)
  char* outBuffer2 = nullptr;
  std::string tabName;  // the current tab
  BYTE tabNumber = 0;
  uint32_t tabColor = 0;
  uint32_t tabTextColor = 0;
  std::string btnCommand;  // the button being edited ("*" for a blank one)
  uint32_t btnFlags = 0;
  uint32_t btnTextColor = 0;
  uint32_t btnBkColor = 0;
  int btnIndex = 0;
  char* recordOut = nullptr;       // 520 bytes
  HWND owner = nullptr;            // owns the dialog and answers WM_TABLIST
  CBarOptions* options = nullptr;  // the [Common] cache, only while the options sheet runs
};
