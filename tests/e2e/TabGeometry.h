// Where the bar's tab strip puts its tabs, worked out with the strip's own layout code, so that
// a scenario can click a tab by its index.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The screen point in the middle of tab index of a horizontal strip (another process's window)
// that shows the tabs names, unscrolled and in automatic width.
POINT TabCentre(HWND strip, const std::vector<std::string>& names, size_t index);

}  // namespace e2e
