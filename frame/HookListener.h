// Kestrel's side of the mouse hook: the listener thread with its hidden window,
// which turns Talon's reports into messages to the frame, and the loading of
// Talon itself.
#pragma once

#include <windows.h>

#include "core/BarMessages.h"


// The two hook words: hide-touch, live while the bar is shown, and show-touch,
// live while it is hidden.
struct HookWords {
  WORD hide = 0;
  WORD show = 0;
};

// touchHide/touchShow are the style word's touch bits; the rest are the
// [Common] values HookScnPos/HookScnSize, HookAwkScnPos/HookAwkScnSize,
// HidType and HidLinePos.
WORD HideTouchHookWord(bool touchHide, int pos, int size);
WORD ShowTouchHookWord(bool touchShow, int pos, int size, int hidType, int hidLinePos);
// Both words from the option cache.
HookWords ReadHookWords(bool touchHide, bool touchShow);

// Starts the listener when some spot is live (hide-touch word live at once),
// or only updates its word when it runs; stops it when no spot is live.
// Reports arrive at frame as reportMessage.
void ApplyHookWords(HWND frame, UINT reportMessage, const HookWords& words);

// Starts the listener thread, then loads Talon and installs the hook. A
// failure to load is shown to the user; the listener runs on regardless.
BOOL StartHookListener(HWND mainWindow, UINT reportMessage, WORD word);
// Removes the hook, unloads Talon and ends the listener thread.
void StopHookListener();
// Makes word the live hook word; nothing when no listener runs.
void SetHookWord(WORD word);
// The listener window, or none.
HWND GetHookListenerWindow();
