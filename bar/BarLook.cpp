#include "bar/BarLook.h"

#include <shellapi.h>

#include <algorithm>

#include "bar/BarHost.h"

namespace {
const int kMaxBorder = 1000;
}  // namespace

HIMAGELIST SystemImageList(bool large) {
  static HIMAGELIST lists[2] = {};
  HIMAGELIST& list = lists[large ? 1 : 0];
  if (!list) {
    SHFILEINFOA info{};
    list = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", 0, &info, sizeof info,
                         SHGFI_SYSICONINDEX | (large ? SHGFI_LARGEICON : SHGFI_SMALLICON)));
  }
  return list;
}

BarLook BarLook::Current(CBarHost* host) {
  BarLook look;
  if (host) {
    host->ReadLook(look);
    // Gaps beyond any screen only make coordinates overflow; negative ones
    // would stack the cells on each other.
    look.borderX = std::clamp(look.borderX, 0, kMaxBorder);
    look.borderY = std::clamp(look.borderY, 0, kMaxBorder);
    // The frame's lists may still be opening on its shell reader: painting
    // goes on without icons meanwhile rather than waiting here.
    return look;
  }
  look.largeImages = SystemImageList(true);
  look.smallImages = SystemImageList(false);
  return look;
}
