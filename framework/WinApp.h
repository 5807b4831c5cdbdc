#pragma once

#include <windows.h>

#include <string>

#include "framework/Object.h"

class CWnd;

// The application object: owns the message loop, the profile (settings file)
// and help paths and the message-box caption. Exactly one exists per module.
class CWinApp : public CObject {
 public:
  explicit CWinApp(const char* appName);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int Run();
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL OnIdle(LONG count);
  virtual int ExitInstance();

  const char* GetAppName() const { return m_appName.c_str(); }
  const char* GetProfileName() const { return m_profileName.c_str(); }
  void SetProfileName(const std::string& path) { m_profileName = path; }
  const char* GetHelpPath() const { return m_helpPath.c_str(); }
  void SetHelpPath(const std::string& path) { m_helpPath = path; }

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;

 private:
  std::string m_appName;
  std::string m_profileName;
  std::string m_helpPath;
};

CWinApp* AfxGetApp();
// The module whose resources (strings, menus, dialogs) are loaded: this
// module's own instance unless set otherwise.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);
HWND AfxGetMainWndHandle();

// A string resource of the resource module, empty when it does not exist.
std::string LoadResString(UINT id);
// Message box owned by the main window and captioned with the application name.
int AfxMessageBox(const char* text, UINT type = MB_OK | MB_ICONEXCLAMATION);
int AfxMessageBox(UINT stringId, UINT type = MB_OK | MB_ICONEXCLAMATION);

// Runs the application object; called by WinMain.
int AfxWinMain(HINSTANCE instance, int showCommand);
