// Resource numbers of the icon, system-folder, folder and file choosers (included by plumage_res.h).
// Controls carry a prefix of their own per dialog; strings are IDS_ and unique across the library.
#pragma once

// Dialogs
#define IDD_ICON_CHOOSER 3405
#define IDD_SYSFOLDER_CHOOSER 1202

// Icon chooser
#define IDCI_FILE 3751
#define IDCI_ICONS 3752
#define IDCI_BROWSE 3753
// Commands of the browse button's menu: the recent files from the first on, then "browse"
#define IDMI_RECENT_FIRST 32771
#define IDMI_BROWSE 32779

// System-folder chooser
#define IDCY_LIST 1697
#define IDCY_GROUP 1801
#define IDCY_ICON 1802
#define IDCY_DESCRIPTION 1696

// Strings
#define IDS_FOLDER_BROWSE_TITLE 1239
#define IDS_ICON_FILE_FILTER 3305
#define IDS_ICON_FILE_TITLE 3306
#define IDS_ICON_NOT_SELECTED 3453
#define IDS_ICON_FILE_MISSING 3455
#define IDS_ICON_FILE_EMPTY 3456
// Descriptions of the system folders: the first of each run of folder numbers
#define IDS_SYSFOLDER_0 1720
#define IDS_SYSFOLDER_16 1740
#define IDS_SYSFOLDER_32 1760
#define IDS_SYSFOLDER_43 1771
#define IDS_SYSFOLDER_45 1773
#define IDS_SYSFOLDER_48 1780
