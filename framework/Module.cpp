#include "framework/Module.h"

#include <string>
#include <vector>

// Provided by the linker: the start of the image this code belongs to.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
HINSTANCE g_instance = nullptr;

std::vector<std::string>& RegisteredClasses() {
  static std::vector<std::string> classes;
  return classes;
}
}  // namespace

HINSTANCE AfxGetInstanceHandle() {
  return g_instance ? g_instance : reinterpret_cast<HINSTANCE>(&__ImageBase);
}

void AfxSetInstanceHandle(HINSTANCE instance) { g_instance = instance; }

bool AfxRegisterClass(const WNDCLASSA& wc) {
  WNDCLASSA existing{};
  if (::GetClassInfoA(wc.hInstance, wc.lpszClassName, &existing)) return true;
  if (!::RegisterClassA(&wc)) return false;
  RegisteredClasses().emplace_back(wc.lpszClassName);
  return true;
}

void AfxUnregisterClasses() {
  for (const std::string& name : RegisteredClasses())
    ::UnregisterClassA(name.c_str(), AfxGetInstanceHandle());
  RegisteredClasses().clear();
}

BOOL AfxDllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    AfxSetInstanceHandle(instance);
    ::DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    // FreeLibrary: the class procedures are about to disappear with the code.
    AfxUnregisterClasses();
  }
  return TRUE;
}
