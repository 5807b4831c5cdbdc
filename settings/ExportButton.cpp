// The button property sheet's call: the sheet on one button of the current
// tab, its record handed back in the caller's buffer.
#include <windows.h>

#include "core/PlumageLibrary.h"
#include "settings/BtnPropSheet.h"
#include "settings/ExportCall.h"

extern "C" BOOL WINAPI DisplayBtnPropDialog(HWND owner, PlumageTabRecord* tab, WORD index,
                                            PlumageBtnRecord* button, DWORD* style, char* record) {
  return Guarded([&]() -> BOOL {
    if (!tab || !button || !style || !record) return FALSE;
    CDialogCall call(owner, tab);
    DialogContext& context = call.context;
    context.style = *style;
    context.btnCommand = button->command ? button->command : "*";
    context.btnFlags = button->flags;
    context.btnTextColor = button->textColor;
    context.btnBkColor = button->bkColor;
    context.btnIndex = index;
    context.recordOut = record;
    CBtnPropSheet sheet(owner, context, call.app.GetSettings(), call.app.GetProgramFolder());
    if (call.Run(sheet) != IDOK) return FALSE;
    *style = context.style;
    return TRUE;
  });
}
