// The tab-order and show/hide calls.
#include <windows.h>
#include <commctrl.h>

#include "core/PlumageLibrary.h"
#include "settings/ExportCall.h"
#include "settings/TabOrderDlg.h"
#include "settings/TabShowHideDlg.h"

namespace {

// The toolbars of both dialogs.
void LoadToolbarClasses() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&controls);
}

}  // namespace

extern "C" BOOL WINAPI ChgTabOrderDialog(HWND owner, PlumageTabRecord* tab, char* order) {
  return Guarded([&]() -> BOOL {
    if (!order) return FALSE;
    CDialogCall call(owner, tab);
    LoadToolbarClasses();
    call.context.outBuffer1 = order;
    CTabOrderDlg dialog(owner, call.context);
    return call.Run(dialog) == IDOK;
  });
}

extern "C" BOOL WINAPI UpdTabShowHideDialog(HWND owner, PlumageTabRecord* tab, char* shown,
                                            char* hidden) {
  return Guarded([&]() -> BOOL {
    if (!shown || !hidden) return FALSE;
    CDialogCall call(owner, tab);
    LoadToolbarClasses();
    call.context.outBuffer1 = shown;
    call.context.outBuffer2 = hidden;
    CTabShowHideDlg dialog(owner, call.context);
    return call.Run(dialog) == IDOK;
  });
}
