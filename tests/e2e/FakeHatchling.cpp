// Stands in for the setup tool in the end-to-end tests: writes Hatchling.ran beside itself
// with its command line, so a test can see that it was started and how, then ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(nullptr, self, sizeof self);
  if (length == 0 || length >= sizeof self) return 2;
  std::string marker(self, length);
  marker = marker.substr(0, marker.find_last_of('\\') + 1) + "Hatchling.ran";
  // Written under another name and renamed, so a reader never sees half a line.
  std::string partial = marker + ".tmp";
  HANDLE file = ::CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 3;
  const char* line = ::GetCommandLineA();
  DWORD written = 0;
  BOOL ok = ::WriteFile(file, line, lstrlenA(line), &written, nullptr);
  ::CloseHandle(file);
  if (!ok || !::MoveFileExA(partial.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING)) return 4;
  return 0;
}
