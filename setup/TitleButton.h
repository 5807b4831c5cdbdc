// The embossed application title drawn on the setup dialog's owner-drawn title button.
#pragma once

#include <windows.h>

void DrawTitleButton(const DRAWITEMSTRUCT& item);
