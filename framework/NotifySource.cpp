#include "framework/NotifySource.h"

namespace {

bool IsReadableMemory(const void* address, size_t size) {
  MEMORY_BASIC_INFORMATION info{};
  if (!::VirtualQuery(address, &info, sizeof info)) return false;
  if (info.State != MEM_COMMIT || (info.Type != MEM_PRIVATE && info.Type != MEM_IMAGE))
    return false;
  const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                         PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  if (!(info.Protect & readable) || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS))) return false;
  // The whole header must lie in the region, not only its first byte.
  auto start = reinterpret_cast<ULONG_PTR>(address);
  auto end = reinterpret_cast<ULONG_PTR>(info.BaseAddress) + info.RegionSize;
  return start + size <= end && start + size > start;
}

}  // namespace

bool IsOwnNotification(const NMHDR* header) {
  if (!header || !IsReadableMemory(header, sizeof *header)) return false;
  HWND from = header->hwndFrom;
  return from && ::IsWindow(from) &&
         ::GetWindowThreadProcessId(from, nullptr) == ::GetCurrentThreadId();
}
