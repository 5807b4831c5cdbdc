// Stands in for a program that a button starts: appends its command line and its working folder
// to Recorder.log beside itself (one line each, separated by a tab), then ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char self[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(nullptr, self, sizeof self);
  if (length == 0 || length >= sizeof self) return 2;
  std::string log(self, length);
  log = log.substr(0, log.find_last_of('\\') + 1) + "Recorder.log";
  char folder[MAX_PATH * 2];
  DWORD folderLength = ::GetCurrentDirectoryA(sizeof folder, folder);
  if (folderLength == 0 || folderLength >= sizeof folder) return 3;
  std::string line = std::string(::GetCommandLineA()) + "\t" + folder + "\r\n";
  // Several recorders may start at once (a whole tab): retry while another one writes.
  for (int attempt = 0; attempt < 100; ++attempt) {
    HANDLE file = ::CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      BOOL ok = ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      ::CloseHandle(file);
      return ok && written == line.size() ? 0 : 4;
    }
    ::Sleep(20);
  }
  return 5;
}
