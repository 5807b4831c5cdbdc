// The baseline of the sheet benchmarks: a library whose one call opens a
// modal property sheet of empty pages, the least a settings library can do
// to show a sheet.
#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace {
HINSTANCE g_instance = nullptr;

INT_PTR CALLBACK EmptyPage(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}
}  // namespace

// Opens a sheet of pages empty pages (1 to 8) owned by owner; TRUE on OK.
extern "C" __declspec(dllexport) BOOL WINAPI OpenSheet(HWND owner, int pages) {
  if (pages < 1 || pages > 8) return FALSE;
  std::vector<PROPSHEETPAGEA> sheetPages(static_cast<size_t>(pages));
  for (PROPSHEETPAGEA& page : sheetPages) {
    page.dwSize = sizeof page;
    page.hInstance = g_instance;
    page.pszTemplate = MAKEINTRESOURCEA(1);
    page.pfnDlgProc = EmptyPage;
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
  header.hwndParent = owner;
  header.hInstance = g_instance;
  header.pszCaption = "Minimal";
  header.nPages = static_cast<UINT>(pages);
  header.ppsp = sheetPages.data();
  return ::PropertySheetA(&header) > 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
  return TRUE;
}
