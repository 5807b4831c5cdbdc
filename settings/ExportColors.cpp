// The colour calls. Not here yet: they answer as cancelled dialogs.
#include <windows.h>

#include "core/PlumageLibrary.h"
#include "settings/ExportCall.h"

extern "C" BOOL WINAPI BarBkPropDialog(HWND, PlumageTabRecord*, DWORD*) { return FALSE; }

extern "C" BOOL WINAPI ChangeButtonColor(HWND, PlumageTabRecord*, const DWORD*) { return FALSE; }
