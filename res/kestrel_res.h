// Resource numbers of Kestrel.exe. Menus, strings and commands keep the
// numbers other modules and the settings file rely on.
#pragma once

#include "core_res.h"

// Menus and accelerators
#define IDR_MAINMENU 128
#define IDR_ACCELERATORS 178

// Icons
#define IDI_KESTREL 128

// Popups of IDR_MAINMENU, by position
#define MENU_POS_FILE 0
#define MENU_POS_RBTN 1
#define MENU_POS_TAB 2
#define MENU_POS_TABMINI 3
#define MENU_POS_RBTNFRAME 4
#define MENU_POS_RBTN_SEP 5

// Strings
#define IDS_RENAME_DUPLICATE 130
#define IDS_DELETE_TAB 131
#define IDS_HOTKEY_FAILED 133

// Commands of the "file" popup
#define ID_OPTIONS 32800
#define ID_ARRANGE_HORZ 32822
#define ID_ARRANGE_VERT_LEFT 32823
#define ID_ARRANGE_VERT_RIGHT 32824
#define ID_MOVE_TOP_LEFT 32818
#define ID_MOVE_TOP_RIGHT 32819
#define ID_ALWAYS_ON_TOP 32804
#define ID_LOCK_POSITION 32831
#define ID_HIDE_BAR 32806
#define ID_TOGGLE_DESKTOP 32829
#define ID_TOGGLE_TASKBAR 32830
#define ID_APP_EXIT 57665

// Commands of the view's popups
#define ID_TAB_NEW 32771
#define ID_TAB_DELETE 32772
#define ID_TAB_RENAME 32773
#define ID_TAB_MOVE 32774
#define ID_TAB_COPY 32775
#define ID_TAB_ORDER 32776
#define ID_RECENT_CLEAR 32777
#define ID_RECENT_DELETE 32778
#define ID_RECENT_OPTIONS 32779
#define ID_BTN_NEW 32781
#define ID_BTN_DUPLICATE 32785
#define ID_BTN_DELETE 32786
#define ID_BTN_CLEAR 32787
#define ID_BTN_PROPERTIES 32788
#define ID_BTN_COPY_MODE 32789
#define ID_BTN_MOVE_MODE 32790
#define ID_BTN_SWAP_MODE 32791
#define ID_TAB_OPTIONS 32807
#define ID_BTN_OPTIONS 32808
#define ID_PANEL_PROPERTIES 32813
#define ID_BTN_COPY_OTHER 32814
#define ID_BTN_PASTE_OTHER 32815
#define ID_BTN_COPY_ALL_OTHER 32817
#define ID_TAB_PROPERTIES 32820
#define ID_SEP_NEW 32825
#define ID_SEP_DELETE 32826
#define ID_SEP_PROPERTIES 32827
#define ID_TAB_SHOW_HIDE 32828

// The view's control ID (the framework's first pane)
#define ID_VIEW_PANE 59648

// Cursors of the move, copy and swap modes
#define IDC_MODE_MOVE 130
#define IDC_MODE_COPY 131
#define IDC_MODE_NONE 132
#define IDC_MODE_SWAP 133
