// Popup menus of the programs under test: waiting for them and choosing from them.
#pragma once

#include <windows.h>

namespace e2e {

// The number of popup menus process pid shows (a submenu counts apart).
size_t OpenMenuCount(DWORD pid);
// The menu process pid shows once it shows one; null after timeoutMs.
HWND WaitForMenu(DWORD pid, DWORD timeoutMs = 5000);
// Chooses from the open menu of process pid by an access key (a capital letter) or a key
// (VK_UP, VK_RETURN, VK_ESCAPE), and waits until the menu has closed or opened a submenu.
// The keys go to the menu window itself: the menu's loop takes every key message of its
// thread, while keys sent as input go to whatever Wine's desktop holds in front, which is not
// always the menu's owner after the pointer moved. Without a menu the key is sent as input.
void ChooseFromMenu(DWORD pid, WORD key);

}  // namespace e2e
