// The real Talon.dll, taken from beside the test program as Kestrel takes it.
#pragma once

#include <windows.h>

#include <string>

inline HMODULE LoadBuiltTalon() {
  char path[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, length);
  folder.erase(folder.find_last_of('\\') + 1);
  return ::LoadLibraryA((folder + "Talon.dll").c_str());
}

inline HOOKPROC TalonHookProc(HMODULE talon) {
  // Through void*: a plain cast between function pointer types draws a warning.
  return reinterpret_cast<HOOKPROC>(
      reinterpret_cast<void*>(::GetProcAddress(talon, "SpyMouseProc")));
}
