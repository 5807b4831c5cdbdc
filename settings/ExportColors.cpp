// The colour calls: the tab's colour sheet, and the question whether every
// button is to take the same colour.
#include <windows.h>

#include "core/PlumageLibrary.h"
#include "framework/WinApp.h"
#include "plumage_res.h"
#include "settings/ColorSheet.h"
#include "settings/ExportCall.h"

extern "C" BOOL WINAPI BarBkPropDialog(HWND owner, PlumageTabRecord* tab, DWORD* style) {
  return Guarded([&]() -> BOOL {
    if (!tab) return FALSE;
    CDialogCall call(owner, tab);
    DialogContext& context = call.context;
    context.style = style ? *style : 0;

    CColorSheet sheet(owner);
    const SplitColor bk = SplitColorValue(tab->color);
    const SplitColor text = SplitColorValue(tab->textColor);
    sheet.m_bkKind = bk.kind;
    sheet.m_bkValue = bk.value;
    sheet.m_textKind = text.kind;
    sheet.m_textValue = text.value;
    if (call.Run(sheet) != IDOK) return FALSE;
    const uint32_t newBk = JoinColorValue(SplitColor{sheet.m_bkKind, sheet.m_bkValue});
    const uint32_t newText = JoinColorValue(SplitColor{sheet.m_textKind, sheet.m_textValue});
    // The same colours again: the bar has nothing to save or repaint.
    if (newBk == tab->color && newText == tab->textColor) return FALSE;
    if (style) *style = context.style;
    tab->color = newBk;
    tab->textColor = newText;
    return TRUE;
  });
}

extern "C" BOOL WINAPI ChangeButtonColor(HWND owner, PlumageTabRecord*, const DWORD*) {
  return Guarded([&]() -> BOOL {
    const std::string question = LoadResString(IDS_SAME_COLOR_FOR_ALL);
    return ::MessageBoxA(owner, question.c_str(), PlumageApp().GetAppName(),
                         MB_YESNO | MB_ICONQUESTION) == IDYES;
  });
}
