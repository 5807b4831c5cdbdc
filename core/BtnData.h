#pragma once

#include <cstdint>
#include <string>
#include <utility>

// The colour value of a tab or button: top byte the kind (0 RGB with red in
// the lowest byte, 1 system colour index, 2 default), low 24 bits the value.
const uint32_t kDefaultColor = 0x2000000;

// Button flag bits.
const uint32_t kBtnFlagLabelFromComment = 1;  // label from the shortcut's comment
const uint32_t kBtnFlagAction = 2;            // the command is an action shortcut
const uint32_t kBtnFlagOpenDropped = 4;       // a dropped file is opened with the button

// One cell of a tab: a blank slot ("*"), a separator ("/") or a button. Its
// command text alone tells which.
class CBtnData {
 public:
  CBtnData() = default;
  explicit CBtnData(std::string command) : m_command(std::move(command)) {}

  // An empty command (an empty record, or "|4") counts as blank too.
  bool IsBlank() const { return m_command.empty() || m_command == "*"; }
  bool IsSeparator() const { return m_command == "/"; }
  bool IsButton() const { return !IsBlank() && !IsSeparator(); }

  std::string m_command = "*";
  uint32_t m_flags = 0;
  uint32_t m_textColor = kDefaultColor;
  uint32_t m_bkColor = kDefaultColor;
};
