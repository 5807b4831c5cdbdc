// What the file and shortcut pages of the button sheet share: their bitmap
// browse buttons, tooltips, text fields and the limits of the stored texts.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/GdiObject.h"
#include "framework/ToolTipCtrl.h"

class CSettingsFile;

// Longest text a path or shortcut field may hold (the shell's path buffers).
constexpr size_t kMaxFieldText = MAX_PATH - 1;

// A bitmap of this library for a browse button: light grey (0xC0C0C0) takes
// the button face's colour, so the bitmap shows on the button as if cut out.
HBITMAP LoadButtonBitmap(UINT id);

// Gives each button of the dialog its bitmap (the pair: control, bitmap).
struct BitmapButton {
  int control;
  UINT bitmap;
};
void SetButtonBitmaps(HWND dialog, std::initializer_list<BitmapButton> buttons, CBitmap* bitmaps);

// A tooltip for each control with the string of the control's own number,
// made when the mouse first comes over the dialog (WM_SETCURSOR): nobody
// waits for tips while a sheet opens.
class CControlTips {
 public:
  void Watch(HWND dialog, std::initializer_list<int> controls);
  // The dialog's WM_SETCURSOR.
  void OnSetCursor();
  // With the dialog's window: a page that comes back watches anew.
  void Destroy();

 private:
  CToolTipCtrl m_tips;
  HWND m_dialog = nullptr;
  std::vector<int> m_controls;
};

// A control's whole text.
std::string GetItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
// Text without leading and trailing blanks.
std::string TrimBlanks(const std::string& text);
bool EqualNoCase(const std::string& a, const std::string& b);
bool PathExists(const std::string& path);

// Tells the user that a field holds more than limit bytes and gives it the
// focus; false, for the caller to return.
bool RefuseTooLong(HWND dialog, int id, size_t limit);
// Checks each field's length against kMaxFieldText (refusing the first too long).
bool FieldsFit(HWND dialog, std::initializer_list<int> ids);

// text with every "%1" replaced by file.
std::string SubstituteFile(std::string text, const std::string& file);
// The icon file's type registers for its files, with file put in for "%1";
// false when the type names none.
bool DefaultIconOf(const std::string& file, std::string& iconFile, int& iconIndex);

// The file dialog with the library's filter string filter (title and starting folder when
// given); path holds the choice.
bool ChooseFiltered(HWND owner, UINT filter, std::string& path, const char* title = nullptr,
                    const char* initialDir = nullptr, bool dereferenceLinks = false);
// A template from the template folder (SrvPath of [Common]); false when none is set or
// nothing was chosen.
bool ChooseTemplate(HWND owner, const CSettingsFile& settings, std::string& path);
// What the first pages' browse buttons choose a new target from.
enum class TargetSource { kFile, kFolder, kTemplate };
bool ChooseTarget(HWND owner, const CSettingsFile& settings, TargetSource source,
                  std::string& path);
