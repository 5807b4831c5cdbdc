#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/BtnData.h"

struct ButtonCell;

// What the shell says of a button's target: its image in the system image
// list (-1: none, the application icon stands in) and its display name.
struct ButtonShellInfo {
  int imageIndex = -1;
  std::string text;
};

// Asks the shell about a button's command (flags: the button's flags, for
// the name taken from a shortcut's comment). Safe on any thread that has
// initialised COM.
ButtonShellInfo ReadButtonShellInfo(const std::string& command, uint32_t flags);

// One cell of a button panel: where it is, what it shows (icon and name read
// once from the shell) and whether its name fits.
class CBtnItem {
 public:
  explicit CBtnItem(CBtnData* data) : m_data(data) {}
  CBtnItem(const CBtnItem&) = delete;
  CBtnItem& operator=(const CBtnItem&) = delete;

  // Reads the icon and the display name of the button's target from the
  // shell. Blank slots and separators show nothing.
  void ReadContent();
  // Takes what the shell said of the target (read here or elsewhere).
  void ApplyShellInfo(ButtonShellInfo info);
  // Takes the cell's icon and text rectangles and measures the display text
  // with the font selected into dc (none when text is not shown).
  void Measure(HDC dc, const ButtonCell& cell);

  bool IsSeparator() const { return m_data && m_data->IsSeparator(); }
  bool IsBlank() const { return !m_data || m_data->IsBlank(); }

  RECT m_rect{};               // the cell in panel client coordinates
  HICON m_icon = nullptr;      // the application icon for a target without an image; shared
  int m_imageIndex = -1;       // index into the panel's system image list
  std::string m_text;          // display name
  CBtnData* m_data = nullptr;  // the model's cell, not owned
  RECT m_iconRect{};           // relative to the cell's top-left corner
  RECT m_textRect{};
  bool m_overflow = true;  // the name does not fit, or text is not shown
  // While the shell is asked elsewhere: the question's number, so a late
  // answer to an older question is recognised.
  bool m_pending = false;
  uint32_t m_serial = 0;
};

// Whether reading path would reach over the network (a UNC path or a mapped
// network drive): such targets are described from their names alone so that
// an unreachable server never stalls the bar.
bool IsRemotePath(const std::string& path);
// The comment of the shortcut file at path, read without resolving the
// shortcut; empty when there is none or the file cannot be read.
std::string ReadShortcutComment(const std::string& path);
