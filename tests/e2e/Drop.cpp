#include "Drop.h"

#include <shlobj.h>

namespace e2e {

std::string DropBlock(const std::vector<std::string>& paths, POINT point) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.pt = point;
  header.fNC = FALSE;
  header.fWide = FALSE;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  for (const auto& path : paths) {
    block += path;
    block += '\0';
  }
  block += '\0';
  // A drop of nothing still ends with the two zeros of an empty list.
  if (paths.empty()) block += '\0';
  return block;
}

bool DropFiles(HWND window, const std::vector<std::string>& paths, POINT point) {
  DWORD pid = 0;
  if (!::GetWindowThreadProcessId(window, &pid) || pid == 0) return false;
  HANDLE process = ::OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION, FALSE, pid);
  if (!process) return false;
  const std::string block = DropBlock(paths, point);
  void* remote =
      ::VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  SIZE_T written = 0;
  bool ok = remote && ::WriteProcessMemory(process, remote, block.data(), block.size(), &written) &&
            written == block.size() &&
            ::PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
  // Once posted, the block belongs to the target, which reads it whenever it takes the message.
  if (!ok && remote) ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  ::CloseHandle(process);
  return ok;
}

}  // namespace e2e
