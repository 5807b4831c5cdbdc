#pragma once

#include <string>

#include "core/SettingsFile.h"
#include "framework/WinApp.h"
#include "settings/DialogContext.h"

// The settings library's application object: Kestrel.ini and the help file
// beside the library, and the context of the dialog that is open.
class CPlumageApp : public CWinApp {
 public:
  CPlumageApp();

  // Takes the program folder from the library's own file.
  BOOL InitInstance() override;

  const std::string& GetProgramFolder() const { return m_programFolder; }
  const CSettingsFile& GetSettings() const { return m_settings; }
  DialogContext& Context() { return m_context; }
  // Starts a new call: a fresh context for owner.
  DialogContext& BeginCall(HWND owner);

 private:
  std::string m_programFolder;
  CSettingsFile m_settings;
  DialogContext m_context;
};

CPlumageApp& PlumageApp();
