// The button property sheet's call. Not here yet: it answers as a cancelled dialog.
#include <windows.h>

#include "core/PlumageLibrary.h"
#include "settings/ExportCall.h"

extern "C" BOOL WINAPI DisplayBtnPropDialog(HWND, PlumageTabRecord*, WORD, PlumageBtnRecord*,
                                            DWORD*, char*) {
  return FALSE;
}
