// Hatchling.exe: prepares the settings file on a first start and starts Kestrel, or performs one
// shell command for a template shortcut ("/shell /Name").
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "core/ProgramFolder.h"
#include "framework/Module.h"
#include "setup/SetupContext.h"
#include "setup/SetupDialog.h"
#include "setup/ShellCommand.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  AfxSetInstanceHandle(instance);
  SetupContext context;
  context.programFolder = GetProgramFolder();
  context.settings.SetPath(context.programFolder + "Kestrel.ini");

  HRESULT hr = CoInitialize(nullptr);
  if (FAILED(hr)) return 1;

  int exitCode = 0;
  std::string name;
  if (ParseShellCommandLine(commandLine, name)) {
    if (!name.empty()) PerformShellCommand(name);
  } else {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    exitCode = RunSetupDialog(context);
  }
  CoUninitialize();
  return exitCode;
}
