// What the pages of the button sheet share through the sheet: the command
// being edited, its flag word, and the first page's fields the action page
// fills in when it turns the button into an action button.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct DialogContext;

class CBtnSheetHost {
 public:
  virtual ~CBtnSheetHost() = default;

  // The button's command ("" for a blank button); pages that change what the
  // button launches write the new command here.
  virtual std::string& Command() = 0;
  // The button's flag word (0x1 name from comment, 0x2 action, 0x4 open drops).
  virtual uint32_t& Flags() = 0;
  virtual const DialogContext& Context() const = 0;
  // The folder of Plumage.dll and Kestrel.exe, ending in a backslash.
  virtual const std::string& ProgramFolder() const = 0;

  // The working folder (WrkPath, ending in a backslash) when it is usable;
  // otherwise tells the user (message 1215) and returns false.
  virtual bool CheckWorkFolder(HWND owner, std::string& folder) = 0;

  // True while the shortcut page is the first page.
  virtual bool IsShortcutPageFirst() const = 0;
  // The shortcut page's edit fields by control ID (file name 1544, target
  // 1545, arguments 1549, comment 1550); only while it is the first page.
  virtual std::string GetShortcutField(int controlId) const = 0;
  virtual void SetShortcutField(int controlId, const std::string& text) = 0;
  // The shortcut page's new icon location (written with its other changes on OK).
  virtual void SetShortcutNewIcon(const std::string& file, int index) = 0;
};
