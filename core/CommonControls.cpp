#include "core/CommonControls.h"

namespace {
using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
using DrawFunction = BOOL(WINAPI*)(HIMAGELIST, int, HDC, int, int, UINT);

struct Library {
  HMODULE module = nullptr;
  DrawFunction draw = nullptr;
  bool ready = false;
};

Library& TheLibrary() {
  static Library library;
  return library;
}

template <typename Function>
Function Entry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}
}  // namespace

bool LoadCommonControls() {
  Library& library = TheLibrary();
  if (library.ready) return true;
  if (!library.module) library.module = ::LoadLibraryA("comctl32.dll");
  if (!library.module) return false;
  auto init = Entry<InitFunction>(library.module, "InitCommonControlsEx");
  library.draw = Entry<DrawFunction>(library.module, "ImageList_Draw");
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  library.ready = init && init(&controls);
  return library.ready;
}

bool CommonControlsLoaded() { return TheLibrary().ready; }

BOOL DrawListImage(HIMAGELIST images, int index, HDC dc, int x, int y, UINT style) {
  Library& library = TheLibrary();
  // Image lists come from the shell, which has loaded the library by then.
  if (!library.draw && !LoadCommonControls()) return FALSE;
  return library.draw ? library.draw(images, index, dc, x, y, style) : FALSE;
}
