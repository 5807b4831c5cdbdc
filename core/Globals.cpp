#include "core/Globals.h"

// Defined together so that the file is constructed before the model and the model before the
// option cache, and destroyed after them.
CSettingsFile g_settingsFile;
CTabDataList g_tabList;
CBarOptions g_barOptions(g_settingsFile, "Common");
