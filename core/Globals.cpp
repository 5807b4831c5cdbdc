#include "core/Globals.h"

// Defined together so that the model is constructed before the option cache
// and destroyed after it.
CTabDataList g_tabList;
CBarOptions g_barOptions("Common");
