#pragma once

#include "core/BarOptions.h"
#include "core/TabDataList.h"

// The program's one model and its one cache of the [Common] section.
extern CTabDataList g_tabList;
extern CBarOptions g_barOptions;
