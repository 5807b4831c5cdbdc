// The built Plumage.dll's templates and strings stand in for this program's while a test runs,
// so the library's dialogs, linked into the tests, open as they do in the library. With
// asInstance the library is also the instance its window classes are registered for.
#pragma once

#include <windows.h>

#include "framework/Module.h"
#include "framework/WinApp.h"
#include "tests/unit/PlumageSheet.h"

class PlumageResources {
 public:
  explicit PlumageResources(bool asInstance = false)
      : m_library(::LoadLibraryA(BuiltPlumage().c_str())),
        m_oldInstance(AfxGetInstanceHandle()),
        m_oldResources(AfxGetResourceHandle()),
        m_asInstance(asInstance && m_library) {
    if (!m_library) return;
    AfxSetResourceHandle(m_library);
    if (m_asInstance) AfxSetInstanceHandle(m_library);
  }
  ~PlumageResources() {
    if (m_asInstance) AfxSetInstanceHandle(m_oldInstance);
    AfxSetResourceHandle(m_oldResources);
    if (m_library) ::FreeLibrary(m_library);
  }
  PlumageResources(const PlumageResources&) = delete;
  PlumageResources& operator=(const PlumageResources&) = delete;

  bool Loaded() const { return m_library != nullptr; }

 private:
  HMODULE m_library;
  HINSTANCE m_oldInstance;
  HINSTANCE m_oldResources;
  bool m_asInstance;
};
