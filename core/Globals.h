#pragma once

#include "core/BarOptions.h"
#include "core/SettingsFile.h"
#include "core/TabDataList.h"

// The program's settings file, its one model and its one cache of the [Common] section. The
// program names the file at start-up; until then nothing is read or written.
extern CSettingsFile g_settingsFile;
extern CTabDataList g_tabList;
extern CBarOptions g_barOptions;
