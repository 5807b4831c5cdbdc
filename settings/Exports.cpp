// The six dialog calls Kestrel looks up by name. Each runs one modal dialog
// owned by the caller's window and hands its result back through the
// caller's buffers; any fault ends the call as a cancelled dialog.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <exception>

#include "core/BarOptions.h"
#include "core/PlumageLibrary.h"
#include "settings/OptSheet.h"
#include "framework/Module.h"
#include "settings/PlumageApp.h"

namespace {
template <typename Call>
BOOL Guarded(Call call) {
  try {
    return call();
  } catch (...) {
    return FALSE;
  }
}

// Holds a library for the length of one call.
class CLoadedLibrary {
 public:
  explicit CLoadedLibrary(const char* name) : m_module(::LoadLibraryA(name)) {}
  ~CLoadedLibrary() {
    if (m_module) ::FreeLibrary(m_module);
  }
  CLoadedLibrary(const CLoadedLibrary&) = delete;
  CLoadedLibrary& operator=(const CLoadedLibrary&) = delete;

 private:
  HMODULE m_module;
};

// Clears the dialog's traces in the application object however the call ends.
class CCallScope {
 public:
  explicit CCallScope(CPlumageApp& app) : m_app(app) {}
  ~CCallScope() {
    m_app.m_pMainWnd = nullptr;
    m_app.Context().options = nullptr;
  }
  CCallScope(const CCallScope&) = delete;
  CCallScope& operator=(const CCallScope&) = delete;

 private:
  CPlumageApp& m_app;
};
}  // namespace

// The dialogs of these calls are not here yet: each answers as a cancelled dialog.
extern "C" BOOL WINAPI DisplayBtnPropDialog(HWND, PlumageTabRecord*, WORD, PlumageBtnRecord*,
                                            DWORD*, char*) {
  return FALSE;
}

extern "C" BOOL WINAPI ChgTabOrderDialog(HWND, PlumageTabRecord*, char*) { return FALSE; }

extern "C" BOOL WINAPI UpdTabShowHideDialog(HWND, PlumageTabRecord*, char*, char*) { return FALSE; }

extern "C" BOOL WINAPI BarBkPropDialog(HWND, PlumageTabRecord*, DWORD*) { return FALSE; }

extern "C" BOOL WINAPI ChangeButtonColor(HWND, PlumageTabRecord*, const DWORD*) { return FALSE; }

extern "C" BOOL WINAPI OptionDialog(HWND owner, DWORD* style, BYTE* snapshot, int page) {
  return Guarded([&]() -> BOOL {
    if (!style || !snapshot) return FALSE;
    CPlumageApp& app = PlumageApp();
    CCallScope scope(app);
    DialogContext& context = app.BeginCall(owner);
    context.style = *style;
    CBarOptions options(app.GetSettings(), "Common");
    // A damaged block still opens the sheet with what could be read; the
    // file's values stand in for the rest.
    options.ReadExchangeBlock(reinterpret_cast<const char*>(snapshot));
    context.options = &options;
    // The Version page's rich edit control.
    CLoadedLibrary richEdit("riched20.dll");
    COptSheet sheet(owner, page, context, app.GetSettings());
    app.m_pMainWnd = &sheet;
    if (sheet.DoModal() != IDOK) return FALSE;
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
