// The work of the three setup steps on the settings file and the disk.
#pragma once

#include "setup/SetupContext.h"

// Step 1 for one folder key (WrkPath or SrvPath): writes program folder + defaultName + '\' when
// the key is empty, expands it into folder and creates that folder when missing. On failure the
// system error and the folder are shown and false is returned: setup must end at once.
bool PrepareFolder(SetupContext& context, const char* key, const char* defaultName,
                   std::string& folder);

// Step 2 on a first run: Emblem, the template shortcuts, and the first tab from the programs
// registered for text, web, word-processor and spreadsheet files. Moves the progress bar.
void CreateSamples(SetupContext& context, HWND progress);

// Step 3: Trans, Font, NewBtnNum, then starts Kestrel.exe. On a failed start the error and the
// command line are shown and false is returned: setup must end at once.
bool PrepareStart(SetupContext& context);
