// The tab-order and show/hide calls. Not here yet: they answer as cancelled dialogs.
#include <windows.h>

#include "core/PlumageLibrary.h"
#include "settings/ExportCall.h"

extern "C" BOOL WINAPI ChgTabOrderDialog(HWND, PlumageTabRecord*, char*) { return FALSE; }

extern "C" BOOL WINAPI UpdTabShowHideDialog(HWND, PlumageTabRecord*, char*, char*) { return FALSE; }
