// The private messages of the bar's windows and of the modules that talk to them. Each number
// is named once; a message that several windows receive is one name, with its travellers listed.
#pragma once

#include <windows.h>

// Frame -> view: options or orientation changed; wParam = the style word before the change.
const UINT WM_VIEW_OPTIONS_CHANGED = WM_APP + 1;
// Shell -> frame: an application-bar notification.
const UINT WM_APPBAR_CALLBACK = WM_APP + 2;
// Shell -> frame -> every descendant: icons or file associations changed. The panels and the
// recently used strip read their icons and names again.
const UINT WM_SHELL_CHANGED = WM_APP + 3;
// Hook listener -> frame: the pointer rests on an enabled spot.
const UINT WM_HOOK_TOUCH = WM_APP + 4;
// Timers, commands, hot keys, the line or square window, the tray icon -> frame.
const UINT WM_HIDE_BAR = WM_APP + 5;
const UINT WM_SHOW_BAR = WM_APP + 6;
// Launcher -> view: start every button of a tab / show a tab's buttons as a menu. wParam is the
// visible index or -1, lParam the hidden index or -1.
const UINT WM_RUN_TAB = WM_APP + 8;
const UINT WM_TAB_MENU = WM_APP + 9;
// Panel -> view -> tab strip: progress of building a large tab. wParam 0 starts with lParam
// steps, 1 is one step, 2 ends.
const UINT WM_BUILD_PROGRESS = WM_APP + 0x61;
// Shell reader thread -> panel: icons and names are waiting to be taken.
const UINT WM_SHELL_INFO_READ = WM_APP + 0x62;
// View -> itself, after the first picture: the work that may wait (shell reader, icons).
const UINT WM_VIEW_LATE_START = WM_APP + 0x63;
// Frame -> itself, once the bar is up: tell the user which hot keys could not be registered.
const UINT WM_HOTKEY_FAILED = WM_APP + 0x65;
// Frame -> itself at creation: the hook listener starts once the bar is on screen, so loading
// the hook never holds up its first picture.
const UINT WM_START_HOOK_LISTENER = WM_APP + 0x70;
// Tab strip -> recently used strip: pin the strip to its place after a layout change.
const UINT WM_RECENT_PIN = WM_APP + 100;
// Settings library -> frame -> view: build or free a tab list snapshot.
const UINT WM_TABLIST = WM_APP + 0xC8;
