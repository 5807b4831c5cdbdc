// What Talon and Kestrel's hook listener agree on. Shared by both sides; Talon
// includes it too, so it holds constants only.
#pragma once

#include <windows.h>

// Talon finds the listener by both strings.
#define TALON_LISTENER_CLASS "KestrelSpyHookClass"
#define TALON_LISTENER_TITLE "KestrelSpyHookWindow"

namespace talon {

// The hook word, kept in the listener window's first extra bytes: which
// screen spots are live, an enable bit, and the spot size in bits 8 to 15.
const WORD kTopLeft = 0x01;
const WORD kBottomLeft = 0x02;
const WORD kBottomRight = 0x04;
const WORD kTopRight = 0x08;
const WORD kLeftEdge = 0x10;
const WORD kRightEdge = 0x20;
const WORD kTopEdge = 0x40;
const WORD kEnable = 0x80;

// The report's data block: packed pointer position, (size << 16) | spot bit,
// then zeros.
const DWORD kReportBytes = 24;

}  // namespace talon
