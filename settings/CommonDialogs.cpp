#include "settings/CommonDialogs.h"

namespace {
template <typename Dialog, typename Record>
BOOL RunFromLibrary(const char* entry, Record& record) {
  HMODULE library = ::LoadLibraryA("comdlg32.dll");
  if (!library) return FALSE;
  auto run = reinterpret_cast<Dialog>(reinterpret_cast<void*>(::GetProcAddress(library, entry)));
  BOOL result = run ? run(&record) : FALSE;
  ::FreeLibrary(library);
  return result;
}
}  // namespace

BOOL RunFileDialog(OPENFILENAMEA& ofn, bool open) {
  using Dialog = BOOL(WINAPI*)(OPENFILENAMEA*);
  return RunFromLibrary<Dialog>(open ? "GetOpenFileNameA" : "GetSaveFileNameA", ofn);
}

BOOL RunColorDialog(CHOOSECOLORA& choose) {
  using Dialog = BOOL(WINAPI*)(CHOOSECOLORA*);
  return RunFromLibrary<Dialog>("ChooseColorA", choose);
}
