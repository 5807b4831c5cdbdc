#pragma once

#include <windows.h>

#include <string>

// The name shown for a virtual key: digits and letters as themselves, 0 as
// "なし", known keys by their table name, others by the character the
// keyboard gives them, else "Unknown".
std::string KeyName(UINT code);
// A stored hot key value as text: "Ctrl + Shift + Alt + " as held, then the key's name.
std::string HotKeyText(DWORD value);
