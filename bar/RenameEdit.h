#pragma once

#include <windows.h>

#include <string>

#include "framework/Edit.h"

// The record the rename edit sends its parent when it ends.
struct NMRENAMEEDIT {
  NMHDR hdr;
  const char* text;
};

// The in-place editor of a tab name. It ends exactly once: on Enter, Tab,
// Escape (which first puts the old name back), a Ctrl+arrow or page key, or
// when it loses the focus; it then tells its parent the text and closes.
class CRenameEdit : public CEdit {
 public:
  static constexpr UINT kEndedCode = static_cast<UINT>(-106);
  static constexpr UINT kControlId = 4;

  // Creates the edit over rect on parent with the name, focused and with
  // all its text selected.
  BOOL Start(HWND parent, const RECT& rect, HFONT font, const std::string& name);
  void End();
  bool HasEnded() const { return m_ended; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Ends by handing the focus back to the parent (which ends the edit
  // through the focus loss), and directly when the focus cannot move.
  void EndByKey();
  bool IsEndingKey(WPARAM key) const;
  // Grows the edit toward the parent's end while the text needs more room.
  void Widen();

  HWND m_parent = nullptr;
  std::string m_original;
  bool m_ended = false;
};
