#include "settings/TabIconStrip.h"

// Not built yet: the strip stays empty.
void CTabIconStrip::Attach(HWND) {}
void CTabIconStrip::ShowCommands(const char*) {}
