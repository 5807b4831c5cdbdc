#include "settings/PlumageApp.h"

#include "framework/Module.h"

namespace {
CPlumageApp theApp;
}

CPlumageApp& PlumageApp() { return theApp; }

CPlumageApp::CPlumageApp() : CWinApp("Kestrel") {}

BOOL CPlumageApp::InitInstance() {
  m_hInstance = AfxGetInstanceHandle();
  char path[MAX_PATH] = "";
  DWORD length = ::GetModuleFileNameA(m_hInstance, path, sizeof path);
  std::string file = length > 0 && length < sizeof path ? std::string(path, length) : std::string();
  m_programFolder = file.substr(0, file.find_last_of('\\') + 1);
  m_settings.SetPath(m_programFolder + "Kestrel.ini");
  SetProfileName(m_settings.GetPath());
  std::string help = m_programFolder + "Kestrel.hlp";
  SetHelpPath(help.substr(0, help.size() - 4) + ".chm");
  m_context.options = nullptr;
  return TRUE;
}

DialogContext& CPlumageApp::BeginCall(HWND owner) {
  m_context = DialogContext{};
  m_context.owner = owner;
  return m_context;
}
