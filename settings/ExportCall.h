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

// Starts a call on the current tab: a fresh context for owner with the tab's
// name, number and colours (none when the caller gave no tab).
inline DialogContext& BeginTabCall(CPlumageApp& app, HWND owner, const PlumageTabRecord* tab) {
  DialogContext& context = app.BeginCall(owner);
  if (tab) {
    context.tabName = tab->name ? tab->name : "";
    context.tabNumber = static_cast<BYTE>(tab->number);
    context.tabColor = tab->color;
    context.tabTextColor = tab->textColor;
  }
  return context;
}
