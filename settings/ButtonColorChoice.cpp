#include "settings/ButtonColorChoice.h"

// Not built yet: the colours stay as they are.
bool ChooseButtonColors(HWND, const DialogContext&, uint32_t&, uint32_t&) { return false; }
