#include "Menus.h"

#include "Input.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

// A key that leaves the menus as they are (a move to another item, a disabled item's access
// key) changes nothing another process can see: this long is given to it.
const DWORD kKeySettleMs = 300;

}  // namespace

size_t OpenMenuCount(DWORD pid) {
  size_t count = 0;
  for (HWND menu : FindTopLevelWindows(pid, "#32768", nullptr)) count += ::IsWindowVisible(menu);
  return count;
}

HWND WaitForMenu(DWORD pid, DWORD timeoutMs) {
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = OpenMenuOf(pid)) != nullptr; }, timeoutMs);
  return menu;
}

void ChooseFromMenu(DWORD pid, WORD key) {
  HWND menu = OpenMenuOf(pid);
  if (!menu) {
    PressKey(key);
    return;
  }
  size_t before = OpenMenuCount(pid);
  // Posted keys wait in the queue until the menu's loop reads them, even when it has not
  // started reading yet.
  if (key >= 'A' && key <= 'Z') {
    Post(menu, WM_CHAR, key - 'A' + 'a', 1);
  } else {
    Post(menu, WM_KEYDOWN, key, 1);
    Post(menu, WM_KEYUP, key, 0xC0000001);
  }
  WaitUntil([&] { return OpenMenuCount(pid) != before; }, kKeySettleMs);
}

}  // namespace e2e
