// Which of the view's menu commands are offered, from the state the menu was opened in.
#pragma once

#include <windows.h>

// What a menu of the view was opened on, and the state it is judged against.
struct ViewCommandContext {
  bool panel = false;           // the current tab's panel exists
  bool targetValid = false;     // the menu was opened on a cell, a tab or a recently used item
  int target = -1;              // that cell, tab or item
  int cellCount = 0;            // cells of the current panel
  bool targetBlank = false;     // the target cell is a blank slot
  bool clipboardFiles = false;  // the clipboard holds a file list
  bool tabSelected = false;     // the strip has a selected tab
  int tabCount = 0;             // visible tabs
  int recentCount = 0;          // items of the recently used strip

  // A target that names an existing place: a cell, tab or item at index >= 0.
  bool HasTarget() const { return targetValid && target >= 0; }
};

enum class CommandState { kUnclaimed, kEnabled, kDisabled };

// The state of command id, or kUnclaimed for a command that is not the view's.
CommandState ViewCommandState(UINT id, const ViewCommandContext& context);
