// Resource numbers of the button property sheet: its caption, the file and shortcut pages (included by plumage_res.h).
// Controls carry a prefix of their own per dialog; strings are IDS_ and unique across the library.
#pragma once

// Shortcut page fields the action page fills in
#define IDCS_FILE_NAME 1544
#define IDCS_TARGET 1545
#define IDCS_ARGUMENTS 1549
#define IDCS_COMMENT 1550
