#pragma once

#include <windows.h>
#include <commctrl.h>

// The common controls library, loaded when first needed rather than before
// the program starts: it opens themes and registers a score of window
// classes as it loads, which would hold up the bar's first picture. The bar
// creates its tooltips and progress bars only after LoadCommonControls.

// Loads the library (the version the program's manifest asks for) and
// registers its classes; true once that has succeeded.
bool LoadCommonControls();
bool CommonControlsLoaded();
// ImageList_Draw through the loaded library; FALSE when it is not there.
BOOL DrawListImage(HIMAGELIST images, int index, HDC dc, int x, int y, UINT style);
