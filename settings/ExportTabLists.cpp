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
    CPlumageApp& app = PlumageApp();
    CCallScope scope(app);
    DialogContext& context = BeginTabCall(app, owner, tab);
    LoadToolbarClasses();
    context.outBuffer1 = order;
    CTabOrderDlg dialog(owner, context);
    app.m_pMainWnd = &dialog;
    return dialog.DoModal() == IDOK;
  });
}

extern "C" BOOL WINAPI UpdTabShowHideDialog(HWND owner, PlumageTabRecord* tab, char* shown,
                                            char* hidden) {
  return Guarded([&]() -> BOOL {
    if (!shown || !hidden) return FALSE;
    CPlumageApp& app = PlumageApp();
    CCallScope scope(app);
    DialogContext& context = BeginTabCall(app, owner, tab);
    LoadToolbarClasses();
    context.outBuffer1 = shown;
    context.outBuffer2 = hidden;
    CTabShowHideDlg dialog(owner, context);
    app.m_pMainWnd = &dialog;
    return dialog.DoModal() == IDOK;
  });
}
