// The real Plumage.dll loaded, called and freed as Kestrel does it, a hundred
// times over with the options sheet cancelled as soon as it shows: the process
// keeps no GDI or USER object and no module of any call, and the Version
// page shows its text each time.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/PlumageLibrary.h"
#include "tests/unit/PlumageSheet.h"
#include "tests/unit/TempProgramFolder.h"

namespace {
const UINT kTabList = 0x80C8;

// The owner answers the Other page's request for the tab list with one tab.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const char kOneTab[] = "Main\0\1\0\0\0\0\0\0\0\0";  // name, number, list, end
  if (message == kTabList) return wParam == 0 ? reinterpret_cast<LRESULT>(kOneTab) : 1;
  return ::DefWindowProcA(window, message, wParam, lParam);
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  ::EnumChildWindows(window, &CountWindow, count);
  return TRUE;
}

// The Version page shows its text in the rich edit control, whose library
// the page loads itself.
bool g_versionShown = false;
void SeeVersionText(HWND sheet) {
  HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  HWND edit = ::FindWindowExA(page, nullptr, "RichEdit20A", nullptr);
  g_versionShown = edit && ::GetWindowTextLengthA(edit) > 0;
}

struct ProcessCounts {
  DWORD gdi = 0;
  DWORD user = 0;
  std::vector<std::string> modules;
};

// Wine answers GetGuiResources with 0. There the GDI objects are counted in
// the process's own handle table, which takes a handle's bare index; the USER
// objects as the thread's windows and the menus (icons are not counted).
ProcessCounts Take() {
  ProcessCounts counts;
  counts.gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  counts.user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
  if (counts.gdi == 0) {
    for (UINT i = 1; i <= 0xFFFF; ++i)
      counts.gdi += ::GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(i))) != 0;
  }
  if (counts.user == 0) {
    int windows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&windows));
    counts.user = static_cast<DWORD>(windows);
    for (UINT i = 0x20; i <= 0xFFFF; i += 2)
      counts.user += ::IsMenu(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(i))) != 0;
  }
  HMODULE modules[1024];
  DWORD bytes = 0;
  ::EnumProcessModules(::GetCurrentProcess(), modules, sizeof modules, &bytes);
  for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 1024; ++i) {
    char name[MAX_PATH] = "";
    ::GetModuleFileNameA(modules[i], name, sizeof name);
    counts.modules.push_back(name);
  }
  std::sort(counts.modules.begin(), counts.modules.end());
  return counts;
}
}  // namespace

TEST(PlumageOptionDialog, AHundredCancelledSheetsLeaveNoObjectOrModuleBehind) {
  TempProgramFolder folder("[Common]\nRctNo=4\n");
  const std::string library = folder.Folder() + "Plumage.dll";
  ASSERT_TRUE(::CopyFileA(BuiltPlumage().c_str(), library.c_str(), FALSE));
  WNDCLASSA wc{};
  wc.lpfnWndProc = &OwnerProc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "PlumageLeakTestOwner";
  ASSERT_TRUE(::RegisterClassA(&wc));
  HWND owner = ::CreateWindowA(wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
  ASSERT_NE(owner, nullptr);
  // An empty snapshot: the capacity word and the end of the entries.
  const uint32_t capacity = 200 * 78;
  std::vector<char> snapshot(capacity, '\0');
  snapshot[0] = static_cast<char>(capacity & 0xFF);
  snapshot[1] = static_cast<char>(capacity >> 8);
  // Each call starts at another page, so that every page is made and destroyed.
  auto call = [&](int page) {
    HMODULE plumage = ::LoadLibraryA(library.c_str());
    if (!plumage) return false;
    auto dialog = reinterpret_cast<OptionDialogProc>(
        reinterpret_cast<void*>(::GetProcAddress(plumage, "OptionDialog")));
    DWORD style = 33500;
    BOOL ok = TRUE;
    if (dialog) {
      g_versionShown = false;
      SheetPresser cancel(PSBTN_CANCEL, &SeeVersionText);
      ok = dialog(owner, &style, reinterpret_cast<BYTE*>(snapshot.data()), page);
    }
    return ::FreeLibrary(plumage) && dialog && !ok && (page != 7 || g_versionShown);
  };
  // The first call of each page leaves what the system keeps for the process
  // (the common controls' and the shell's caches).
  for (int page = 0; page < 8; ++page) ASSERT_TRUE(call(page)) << page;
  const ProcessCounts before = Take();
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(call(i % 8)) << i;
  const ProcessCounts after = Take();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
  EXPECT_EQ(after.modules, before.modules);
  ::DestroyWindow(owner);
  ::UnregisterClassA(wc.lpszClassName, wc.hInstance);
}
