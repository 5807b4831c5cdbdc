#include "setup/ShellCommand.h"

#include <windows.h>
#include <shldisp.h>

#include <cstring>

#include "core/ComPtr.h"

namespace {

using Operation = HRESULT (*)(IShellDispatch*);

struct NamedOperation {
  const char* name;
  Operation operation;
};

const NamedOperation kOperations[] = {
    {"FindFiles", [](IShellDispatch* shell) { return shell->FindFiles(); }},
    {"FindComputer", [](IShellDispatch* shell) { return shell->FindComputer(); }},
    {"RunPrograms", [](IShellDispatch* shell) { return shell->FileRun(); }},
    {"MinimizeAll", [](IShellDispatch* shell) { return shell->MinimizeAll(); }},
    {"UndoMinimize", [](IShellDispatch* shell) { return shell->UndoMinimizeALL(); }},
    {"CascadeWindows", [](IShellDispatch* shell) { return shell->CascadeWindows(); }},
    {"TileHorizontally", [](IShellDispatch* shell) { return shell->TileHorizontally(); }},
    {"TileVertically", [](IShellDispatch* shell) { return shell->TileVertically(); }},
    {"ShutdownWindows", [](IShellDispatch* shell) { return shell->ShutdownWindows(); }},
    {"Suspend", [](IShellDispatch* shell) { return shell->Suspend(); }},
    {"SetTime", [](IShellDispatch* shell) { return shell->SetTime(); }},
};

}  // namespace

bool ParseShellCommandLine(const char* commandLine, std::string& name) {
  name.clear();
  if (!commandLine) return false;
  size_t length = std::strlen(commandLine);
  if (length < 8 || _strnicmp(commandLine, "/shell ", 7) != 0) return false;
  const char* rest = commandLine + 7;
  while (*rest == ' ' || *rest == '\t') ++rest;
  if (*rest != '/') return true;
  ++rest;
  size_t end = std::strlen(rest);
  while (end > 0 && (rest[end - 1] == ' ' || rest[end - 1] == '\t')) --end;
  if (end > 0 && end <= kMaxShellCommandName) name.assign(rest, end);
  return true;
}

HRESULT PerformShellCommand(const std::string& name) {
  const NamedOperation* found = nullptr;
  for (const NamedOperation& entry : kOperations) {
    if (lstrcmpiA(entry.name, name.c_str()) == 0) found = &entry;
  }
  if (!found) return E_INVALIDARG;
  CComPtr<IShellDispatch> shell;
  HRESULT hr = CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IShellDispatch, shell.PutVoid());
  if (FAILED(hr)) return hr;
  if (!shell) return E_NOINTERFACE;
  return found->operation(shell.Get());  // the object is released right after the call
}
