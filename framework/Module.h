#pragma once

#include <windows.h>

// Each program and library links its own copy of the framework, so these
// describe the module whose code is running: its instance (for window
// classes, templates and resources) and the window classes it registered.

// The module's instance: the one set at program or library start, or else the
// module this code was linked into (never the executable on behalf of a library).
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE instance);

// Registers a window class of this module and remembers it, so that a
// library can take its classes away before it is unloaded. An already
// registered class counts as success.
bool AfxRegisterClass(const WNDCLASSA& wc);
// Unregisters every class this module registered.
void AfxUnregisterClasses();

// For a library's DllMain: sets the instance on attach and unregisters the
// library's classes on detach (not at process exit, when the system cleans up).
BOOL AfxDllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);
