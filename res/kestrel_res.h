// Resource numbers of Kestrel.exe. Menus, strings and commands keep the
// numbers other modules and the settings file rely on.
#pragma once

// Strings
#define IDS_TAB_NAME 129
#define IDS_TAB_NOT_FOUND 132
#define IDS_HOTKEY_FAILED 133
#define IDS_COPY_OR_MOVE 134
