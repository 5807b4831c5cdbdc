#include "core/SystemFolder.h"

#include <cstdio>

#include "core/ComPtr.h"
#include "core/FileName.h"

void FreeItemList(LPITEMIDLIST list) {
  if (!list) return;
  CComPtr<IMalloc> malloc;
  if (SUCCEEDED(SHGetMalloc(malloc.Put())) && malloc) {
    malloc->Free(list);
  } else {
    CoTaskMemFree(list);
  }
}

LPITEMIDLIST GetSystemFolderList(int number) {
  if (number < 0 || number > kMaxSystemFolder) return nullptr;
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, number, &list))) {
    FreeItemList(list);
    return nullptr;
  }
  return list;
}

namespace {

// The locations of the special folders that paths are matched against, looked up once: asking
// the shell for 35 folders every time a button's target is described is far too slow.
class CMatchedFolders {
 public:
  CMatchedFolders() {
    for (int number = 0; number <= kLastMatchedSystemFolder; ++number) {
      m_lists[number].Reset(GetSystemFolderList(number));
    }
  }
  LPCITEMIDLIST Get(int number) const { return m_lists[number].Get(); }

 private:
  CItemList m_lists[kLastMatchedSystemFolder + 1];
};

}  // namespace

int GetSystemFolderNumber(LPCITEMIDLIST list) {
  if (!list) return -1;
  CComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.Put())) || !desktop) return -1;
  static const CMatchedFolders folders;
  for (int number = 0; number <= kLastMatchedSystemFolder; ++number) {
    LPCITEMIDLIST folder = folders.Get(number);
    if (!folder) continue;
    // The comparison's result code is negative, zero or positive like strcmp.
    HRESULT hr = desktop->CompareIDs(0, list, folder);
    if (SUCCEEDED(hr) && static_cast<short>(HRESULT_CODE(hr)) == 0) return number;
  }
  return -1;
}

std::string GetItemListPath(LPCITEMIDLIST list) {
  char path[MAX_PATH + 1] = {};
  if (!list || !SHGetPathFromIDListA(list, path)) return std::string();
  // Some shells answer "::{class id}" for virtual folders; that is no file-system path.
  if (path[0] == ':' && path[1] == ':') return std::string();
  return path;
}

LPITEMIDLIST ParseFolderPath(const char* path) {
  if (!path || !*path) return nullptr;
  std::string text(path);
  if (!EndsWithBackslash(text)) text += '\\';
  WCHAR wide[MAX_PATH] = {};
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH);
  if (length <= 0) return nullptr;  // longer than the shell accepts: refuse, never cut
  CComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.Put())) || !desktop) return nullptr;
  LPITEMIDLIST list = nullptr;
  ULONG eaten = 0;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide, &eaten, &list, nullptr))) {
    FreeItemList(list);
    return nullptr;
  }
  return list;
}

std::string FormatSystemFolderCommand(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "&#%d", number);
  return text;
}
