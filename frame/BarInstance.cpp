#include "frame/BarInstance.h"

#include <vector>

#include "core/BarMessages.h"

std::string CBarInstance::SlotName(const std::string& programFolder) {
  // Folded through the wide form so double-byte names fold as the file system compares them.
  int length = ::MultiByteToWideChar(CP_ACP, 0, programFolder.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
  if (length > 0) {
    ::MultiByteToWideChar(CP_ACP, 0, programFolder.c_str(), -1, wide.data(), length);
  }
  ::CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  // A path may be longer than an object name and holds backslashes, which names reserve for
  // namespaces: the name carries a 64-bit hash of the folded path instead.
  unsigned long long hash = 14695981039346656037ull;
  for (wchar_t c : wide) {
    if (c == L'\0') break;
    hash = (hash ^ static_cast<unsigned>(c)) * 1099511628211ull;
  }
  char name[64];
  wsprintfA(name, "Kestrel.Bar.%08lX%08lX", static_cast<unsigned long>(hash >> 32),
            static_cast<unsigned long>(hash & 0xFFFFFFFFu));
  return name;
}

bool CBarInstance::Claim(const std::string& programFolder) {
  Release();
  m_mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG),
                                   SlotName(programFolder).c_str());
  if (m_mapping == nullptr) return true;
  bool first = ::GetLastError() != ERROR_ALREADY_EXISTS;
  m_frame = static_cast<volatile LONG*>(
      ::MapViewOfFile(m_mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(LONG)));
  return first;
}

HWND CBarInstance::WaitForRunningFrame(DWORD timeoutMs) const {
  if (m_frame == nullptr) return nullptr;
  DWORD start = ::GetTickCount();
  for (;;) {
    // Window handles keep to 32 bits in 64-bit processes too, so either bitness reads them.
    HWND frame = reinterpret_cast<HWND>(
        static_cast<ULONG_PTR>(static_cast<ULONG>(::InterlockedCompareExchange(m_frame, 0, 0))));
    if (frame != nullptr && ::IsWindow(frame)) return frame;
    if (::GetTickCount() - start >= timeoutMs) return nullptr;
    ::Sleep(50);
  }
}

void CBarInstance::SetFrame(HWND frame) {
  if (m_frame != nullptr) {
    ::InterlockedExchange(m_frame, static_cast<LONG>(reinterpret_cast<ULONG_PTR>(frame)));
  }
}

void CBarInstance::Release() {
  if (m_frame != nullptr) ::UnmapViewOfFile(const_cast<LONG*>(m_frame));
  if (m_mapping != nullptr) ::CloseHandle(m_mapping);
  m_frame = nullptr;
  m_mapping = nullptr;
}

void ShowRunningBar(HWND frame) {
  // This process was just started by the user and may pass the foreground on.
  DWORD process = 0;
  ::GetWindowThreadProcessId(frame, &process);
  ::AllowSetForegroundWindow(process);
  ::PostMessageA(frame, WM_SHOW_BAR, 0, 0);
  ::SetForegroundWindow(frame);
}
