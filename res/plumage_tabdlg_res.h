// Resource numbers of the tab-order and show/hide dialogs (included by plumage_res.h).
// Controls carry a prefix of their own per dialog; strings are IDS_ and unique across the library.
#pragma once


#define IDD_TAB_ORDER 1000
#define IDD_TAB_SHOW_HIDE 3411

// Toolbar images, 16 x 15 each, in the order of the toolbars' buttons
#define IDB_TAB_ORDER_TOOLBAR 1001
#define IDB_TAB_SHOW_HIDE_TOOLBAR 1002

// Toolbar commands; their strings are the tooltips
#define ID_TABS_NEW 32780
#define ID_TABS_DELETE 32781
#define ID_TABS_UP 32782
#define ID_TABS_DOWN 32783
#define ID_TABS_LIST 32784
#define ID_TABS_RENAME 32785
#define ID_TABS_LEFT 32786
#define ID_TABS_RIGHT 32787

#define IDS_TAB_NAME_TAKEN 1216
#define IDS_TAB_DELETE_QUESTION 1217
#define IDS_TAB_LIST_TOO_LONG 3471

// Tab-order dialog
#define IDCTO_LIST 1000
#define IDCTO_ICONS 1818

// Show/hide dialog
#define IDCSH_SHOWN 1033
#define IDCSH_HIDDEN 1002
#define IDCSH_ICONS 1818
