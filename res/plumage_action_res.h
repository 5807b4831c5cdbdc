// Resource numbers of the action page of the button sheet and the tab icon strip (included by plumage_res.h).
// Controls carry a prefix of their own per dialog; strings are IDS_ and unique across the library.
#pragma once

#define IDD_BTN_ACTION 1902

// Action page
#define IDCA_SWITCH 1674
#define IDCA_START 1675
#define IDCA_MENU 1676
#define IDCA_CURRENT_TAB 1816
#define IDCA_TAB_COMBO 1815
#define IDCA_ICON_STRIP 1818
#define IDCA_DROP_ADDS 1664
#define IDCA_DROP_OPENS 1665

// Strings
#define IDS_CURRENT_TAB 1248
