// What every dialog call of the library shares: any fault ends the call as a
// cancelled dialog, and the call's traces are cleared however it ends.
#pragma once

#include <windows.h>

#include "core/PlumageLibrary.h"
#include "settings/PlumageApp.h"

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

// One dialog call: a fresh context for owner, with the tab's name, number and colours when
// the caller gave a tab; the call's traces in the application object are cleared however it
// ends.
class CDialogCall {
 public:
  CDialogCall(HWND owner, const PlumageTabRecord* tab)
      : app(PlumageApp()), context(app.BeginCall(owner)) {
    if (!tab) return;
    context.tabName = tab->name ? tab->name : "";
    context.tabNumber = static_cast<BYTE>(tab->number);
    context.tabColor = tab->color;
    context.tabTextColor = tab->textColor;
  }
  ~CDialogCall() {
    app.m_pMainWnd = nullptr;
    app.Context().options = nullptr;
  }
  CDialogCall(const CDialogCall&) = delete;
  CDialogCall& operator=(const CDialogCall&) = delete;

  // Runs dialog (a dialog or a sheet) as the call's main window; its DoModal answer.
  template <typename Dialog>
  INT_PTR Run(Dialog& dialog) {
    app.m_pMainWnd = &dialog;
    return dialog.DoModal();
  }

  CPlumageApp& app;
  DialogContext& context;
};
