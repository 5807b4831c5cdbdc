// The system's file and colour dialogs. Their library is loaded for the length of one such
// dialog only: the settings library itself is loaded for every dialog the bar shows, and most
// of those never open one, so it does not import it.
#pragma once

#include <windows.h>
#include <commdlg.h>

// GetOpenFileNameA (open) or GetSaveFileNameA; FALSE also when the library is missing.
BOOL RunFileDialog(OPENFILENAMEA& ofn, bool open);
// ChooseColorA; FALSE also when the library is missing.
BOOL RunColorDialog(CHOOSECOLORA& choose);
