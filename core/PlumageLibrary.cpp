#include "core/PlumageLibrary.h"

#include "core/ErrorText.h"
#include "core/Globals.h"
#include "framework/WinApp.h"

int CPlumageLibrary::s_bound = 0;

CPlumageLibrary::CPlumageLibrary(std::string fileName) : m_fileName(std::move(fileName)) {}

CPlumageLibrary::~CPlumageLibrary() {
  // Nothing of the library stays loaded past its owner, and no box opens at exit.
  if (!m_module) return;
  --s_bound;
  ::FreeLibrary(m_module);
}

bool CPlumageLibrary::Bind(const char* entry) {
  Unbind();
  // The dialogs write the settings file themselves: the backup must be the file from before.
  g_settingsFile.BackUpOnce();
  m_module = ::LoadLibraryA(m_fileName.c_str());
  if (!m_module) {
    ReportLastError();
    return false;
  }
  ++s_bound;
  m_entry = entry ? ::GetProcAddress(m_module, entry) : nullptr;
  return true;
}

void CPlumageLibrary::Unbind() {
  if (!m_module) return;
  --s_bound;
  if (!::FreeLibrary(m_module)) ReportLastError();
  m_module = nullptr;
  m_entry = nullptr;
}

void CPlumageLibrary::ReportLastError() {
  char error[256];
  GetErrorText(error, sizeof error, 0);
  UINT type = MB_OK | MB_ICONEXCLAMATION;
  if (m_reporter) {
    m_reporter(error, type);
  } else {
    AfxMessageBox(error, type);
  }
}
