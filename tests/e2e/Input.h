// Real input and messages sent to the programs under test.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Moves the pointer to the bottom-left corner, away from the bar.
void ParkPointer();
// Moves the pointer to screen point (x, y) and clicks the left or right button there.
bool ClickAt(int x, int y, bool right = false);
// Moves the pointer on the X display (xdotool, through start.exe /unix) and for Wine alike, then
// clicks there. Wine answers GetCursorPos from the display's pointer, which injected input does
// not move; menus opened at the cursor and hover tracking need both. With settle, the move is
// reported twice 150 ms apart (Wine may answer from a cache just after a move); without, it
// returns at once, for moves that must happen within a short time.
void MovePointerTo(int x, int y, bool settle = true);
bool ClickAtPointer(int x, int y, bool right = false);
// Moves the pointer to (x, y) as MovePointerTo does and only presses, or only releases, the left
// or right button there: for a press held while the pointer moves on.
bool PressAtPointer(int x, int y, bool right = false);
bool ReleaseAtPointer(int x, int y, bool right = false);
// Presses and releases vk with the given modifiers held.
bool PressKey(WORD vk, bool ctrl = false, bool shift = false, bool alt = false);
// Types text as Unicode key events (the target sees the characters of its code page). Under
// Wine 8 a program with an ANSI message loop hands each Japanese character to a system edit
// control as two WM_CHAR bytes, which the control takes as two "・"; Windows joins them. Set
// such text with WM_SETTEXT in tests.
bool TypeText(const std::wstring& text);
// Makes window the foreground window so that keys reach it.
bool BringToFront(HWND window);

// SendMessage that gives up after timeoutMs; false when the target did not answer.
bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs,
                     LRESULT* result = nullptr);
bool Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace e2e
