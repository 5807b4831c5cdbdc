// The colour sheet on one button's colours, opened from the button sheet's
// colour sample.
#pragma once

#include <windows.h>

#include <cstdint>

struct DialogContext;

// textColor and bkColor are colour values (kind << 24 | value); on OK both
// hold the choice and the result is true.
bool ChooseButtonColors(HWND parentPage, const DialogContext& context, uint32_t& textColor,
                        uint32_t& bkColor);
