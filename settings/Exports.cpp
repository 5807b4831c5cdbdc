// The options call and the library's entry point; the other dialog calls
// live beside their dialogs (Export*.cpp).
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <exception>

#include "core/BarOptions.h"
#include "core/PlumageLibrary.h"
#include "framework/Module.h"
#include "settings/ExportCall.h"
#include "settings/OptSheet.h"
#include "settings/PlumageApp.h"

extern "C" BOOL WINAPI OptionDialog(HWND owner, DWORD* style, BYTE* snapshot, int page) {
  return Guarded([&]() -> BOOL {
    if (!style || !snapshot) return FALSE;
    CDialogCall call(owner, nullptr);
    DialogContext& context = call.context;
    context.style = *style;
    CBarOptions options(call.app.GetSettings(), "Common");
    // A damaged block still opens the sheet with what could be read; the
    // file's values stand in for the rest.
    options.ReadExchangeBlock(reinterpret_cast<const char*>(snapshot));
    context.options = &options;
    COptSheet sheet(owner, page, context, call.app.GetSettings());
    if (call.Run(sheet) != IDOK) return FALSE;
    // A block too small for every changed value: the whole call counts as
    // cancelled rather than handing back half of the changes.
    if (!options.WriteExchangeBlock(reinterpret_cast<char*>(snapshot))) return FALSE;
    *style = context.style;
    return TRUE;
  });
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  BOOL result = AfxDllMain(instance, reason, reserved);
  if (reason == DLL_PROCESS_ATTACH) PlumageApp().InitInstance();
  return result;
}
