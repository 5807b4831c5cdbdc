// The setup dialog: shows the three steps while they run one after another on timers.
#pragma once

#include <windows.h>

#include "setup/SetupContext.h"

// Exit code of a setup that had to stop (a folder or the start of Kestrel.exe failed).
constexpr int kSetupFailed = 1;

// Runs the dialog to its end; returns 0, or kSetupFailed.
int RunSetupDialog(HINSTANCE instance, SetupContext& context);
