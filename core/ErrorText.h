#pragma once

#include <windows.h>

// The system's message for an error code (0: the last error) without its line
// end, as "text (0xcode)". The output is empty when there is no message or it
// does not fit. Returns output.
char* GetErrorText(char* output, size_t length, DWORD code);
