#pragma once

#include <windows.h>

#include <string>

// One pass of moving values between a dialog's controls and its members:
// loading the controls, or saving and checking what the user entered. The
// first refused value ends the pass; the user has been told and the control
// has the focus.
class CDataExchange {
 public:
  CDataExchange(HWND dialog, bool saveAndValidate)
      : m_dialog(dialog), m_saveAndValidate(saveAndValidate) {}

  bool Saving() const { return m_saveAndValidate; }
  bool Failed() const { return m_failed; }
  // The control, or none when the pass has already failed or it does not exist.
  HWND Control(int id) const { return m_failed ? nullptr : ::GetDlgItem(m_dialog, id); }
  // Refuses the control's value: tells the user text and gives the control the focus.
  void Fail(HWND control, const char* text);

 private:
  HWND m_dialog;
  bool m_saveAndValidate;
  bool m_failed = false;
};

// An edit's whole text.
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// An edit holding a whole number from min to max; anything else is refused
// with the standard range message.
void DDX_Int(CDataExchange& dx, int id, int& value, int min, int max);
// A check box (or a single radio button).
void DDX_Check(CDataExchange& dx, int id, bool& value);
// A group of radio buttons starting at firstId and running to the next
// WS_GROUP: the index of the checked one, -1 for none.
void DDX_Radio(CDataExchange& dx, int firstId, int& index);
// A track bar's position.
void DDX_Slider(CDataExchange& dx, int id, int& position);
// An up-down control's position (its range is set beforehand).
void DDX_UpDown(CDataExchange& dx, int id, int& position);
// A hot key control: the virtual key and its HOTKEYF_ modifiers.
void DDX_HotKey(CDataExchange& dx, int id, WORD& key, WORD& modifiers);
// A combo box's selected index (-1 for none).
void DDX_CBIndex(CDataExchange& dx, int id, int& index);
// A combo box's text (the edit part, or the selected item of a drop-down list).
void DDX_CBString(CDataExchange& dx, int id, std::string& value);

// Parses a whole decimal number (spaces around it allowed); false for
// anything else, including one beyond the range of int.
bool ParseDialogInt(const std::string& text, int& value);
