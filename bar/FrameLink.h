#pragma once

#include <windows.h>

struct BarLook;
class CShellInfoReader;

// Everything the button panel asks of the main frame goes through these,
// kept in one object file: the unit test program, which has no application
// object of the bar and so never a frame, defines them itself, and the
// frame's object file then stays out of its link.

// Fills look with the frame's running options; false when there is no frame.
bool ReadFrameLook(BarLook& look);
// Lets a press on window become a move of the whole bar (hold to move).
void BeginFrameHoldToMove(HWND window);
// The frame's window, or none.
HWND GetFrameWindow();
// The frame's shell reader thread, or none (panels then read by themselves).
CShellInfoReader* GetFrameShellInfoReader();
