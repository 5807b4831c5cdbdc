// Resource numbers of the action page of the button sheet and the tab icon strip (included by plumage_res.h).
// Controls carry a prefix of their own per dialog; strings are IDS_ and unique across the library.
#pragma once

#define IDD_BTN_ACTION 1902
