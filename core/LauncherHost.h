// What the launcher needs from the bar view that drives it: its windows, the current cell, the
// panel, the recently used strip, and the frame's automatic hiding. The view implements it;
// tests implement it with a recording double.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CBtnData;

// One entry of a tab's button menu: a button with its command identifier, or a separator
// (identifier 0, no button).
struct ButtonMenuItem {
  UINT id = 0;
  const CBtnData* button = nullptr;
};

class CLauncherHost {
 public:
  virtual ~CLauncherHost() = default;

  // The view window: owner of every shell call and dialog, target of the tab actions.
  virtual HWND GetViewWindow() = 0;
  // The frame window: target of the after-launch commands and timer 198.
  virtual HWND GetFrameWindow() = 0;
  // The running copy of the style word.
  virtual DWORD GetStyleWord() = 0;

  // Posts a message to the view (tab actions of action shortcuts).
  virtual void PostToView(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Message box owned by the main window and captioned with the application name; returns the
  // answer (IDYES, IDNO, ...).
  virtual int ShowMessage(const char* text, UINT type) = 0;

  // The cell the user last right-clicked or pointed at in the current panel, -1 for none.
  virtual int GetCurrentCell() = 0;
  virtual void SetCurrentCell(int index) = 0;
  // The current tab's cells changed: re-lay-out the panel and keep index in view.
  virtual void RelayoutPanel(int index) = 0;
  // The cell at index of the current tab was replaced: redraw it.
  virtual void RedrawCell(int index) = 0;
  // The current tab's colours changed: repaint the panel and give the strip the new colours.
  virtual void TabColorsChanged() = 0;
  // The tab lists were replaced: rebuild the strip and the panels from the model.
  virtual void TabsRebuilt() = 0;

  // A launch succeeded: the command goes to the head of the recently used strip.
  virtual void AddRecentlyUsed(const std::string& command) = 0;

  // The frame's automatic hiding: off while a menu or dialog is open; back on per style bit
  // 0x4, with the idle clock restarted.
  virtual void PauseAutoHide() = 0;
  virtual void ResumeAutoHide() = 0;

  // Shows a tab's buttons as an icon menu at the cursor (frame as owner) and returns the chosen
  // identifier, 0 when none was chosen.
  virtual UINT TrackButtonMenu(const std::vector<ButtonMenuItem>& items) = 0;
};
