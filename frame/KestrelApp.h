#pragma once

#include <windows.h>

#include <string>

#include "core/PlumageLibrary.h"
#include "frame/BarInstance.h"
#include "framework/WinApp.h"

// Kestrel's application object: start-up, exit, and the services the rest of
// the program asks of it (settings-library binding, placement, activity time).
class CKestrelApp : public CWinApp {
 public:
  CKestrelApp();

  BOOL InitInstance() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnIdle(LONG count) override;
  int ExitInstance() override;
  // Windows ends the session: stores everything closing would, at once.
  void EndSession();

  const std::string& GetProgramFolder() const { return m_programFolder; }

  // Loads Plumage.DLL and looks up entry; false (after telling the user) when
  // the library cannot be loaded. The entry is empty when it is not exported.
  bool BindPlumage(const char* entry) { return m_plumage.Bind(entry); }
  FARPROC GetPlumageEntry() const { return m_plumage.GetEntry(); }
  void UnbindPlumage() { m_plumage.Unbind(); }
  // The settings library binding itself, for callers in the view and the launcher.
  CPlumageLibrary& GetPlumageLibrary() { return m_plumage; }

  // [Common] WinPos: read into placement (false: use the default placement)
  // and written through the option cache when the rectangle is sound.
  bool ReadWinPos(WINDOWPLACEMENT* placement) const;
  void WriteWinPos(const WINDOWPLACEMENT& placement) const;

  DWORD GetLastActivity() const { return m_lastActivity; }
  void TouchActivity() { m_lastActivity = ::GetTickCount(); }

 private:
  // Starts Hatchling.exe; when it cannot be started, tells the user and ends
  // the program at once with an abnormal exit code.
  void StartSetupTool();
  RECT DefaultFrameRect() const;
  // Saves the model and flushes the option cache; a file that cannot be written is reported.
  void SaveSettings();

  // False when another bar of this folder runs (it has been brought forward instead).
  bool ClaimBar();

  std::string m_programFolder;
  CBarInstance m_instance;
  CPlumageLibrary m_plumage;
  DWORD m_lastActivity = 0;
};

CKestrelApp& GetKestrelApp();
