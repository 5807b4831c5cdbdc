// The tab dialogs' list of names: owner-drawn, renamed in place, reordered by
// dragging or with Alt and the arrow keys. Each item stands for a tab: its
// name, kept byte for byte, and its number (0 for a tab made in the dialog).
// The list box itself holds only a shortened copy of the name to show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/DragListBox.h"
#include "framework/Edit.h"

// Notifications to the dialog (WM_NOTIFY from the list's ID).
// Is this name taken outside the list? A nonzero answer refuses it.
const UINT DLN_NAMETAKEN = 1;
// An item was dropped onto another drag list.
const UINT DLN_DROPPEDOUT = 2;
struct NMDRAGLIST {
  NMHDR hdr;
  int item;          // the dragged item
  const char* name;  // the name asked about
  HWND target;       // the list the item was dropped on
};

// Takes the spaces and tabs off both ends (never part of a double-byte character).
std::string TrimName(const std::string& text);

class CEditDragList : public CDragListBox {
 public:
  CEditDragList();
  ~CEditDragList() override;

  // Binds the dialog's list box and sizes its items to its font.
  BOOL Attach(int id, HWND dialog);
  void DrawItem(const DRAWITEMSTRUCT& item) const;

  void SetEditable(bool editable) { m_canEdit = editable; }
  void SetMovable(bool movable) { m_canMove = movable; }
  bool IsEditing() const { return m_editItem >= 0; }

  // Adds a tab before index (-1: at the end); returns its index.
  int AddTab(int index, const std::string& name, uint32_t number);
  std::string GetName(int index) const;
  uint32_t GetNumber(int index) const;

  // Edits item index in place; an index at or past the end appends an empty item first.
  void StartEdit(int index);
  void InsertNew() { StartEdit(GetCount()); }
  // Ends a running edit, taking (commit) or dropping the text.
  void EndEdit(bool commit);
  // Moves the selected item one place up (-1) or down (1).
  void MoveSelection(int delta);
  // Renames an item, keeping its number and selection.
  void SetName(int index, const std::string& name);
  // The index of an item named name (case-insensitive, as tab names compare), other than
  // except; -1 when there is none.
  int FindName(const std::string& name, int except = -1) const;

 protected:
  bool BeginDrag(int item) override;
  void Dropped(int item, POINT screen) override;
  void OnLButtonDown(UINT flags, POINT point) override;
  void OnLButtonDblClk(UINT flags, POINT point) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The edit control: Enter takes the text, Escape drops it, losing the focus takes it.
  class CInPlaceEdit : public CEdit {
   public:
    explicit CInPlaceEdit(CEditDragList& list) : m_list(list) {}

   protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    CEditDragList& m_list;
  };
  // Refuses a name that another item or the dialog already holds; true when it may be taken.
  bool AcceptName(const std::string& name, int item);
  bool HandleAltArrow(UINT key);
  struct Tab {
    std::string name;
    uint32_t number;
  };
  const Tab* TabAt(int index) const;

  // Every tab this list ever showed; items point into it until the list goes.
  std::vector<std::unique_ptr<Tab>> m_tabs;

  int m_editItem = -1;
  bool m_canEdit = true;
  bool m_canMove = true;
  bool m_ending = false;
  CInPlaceEdit m_edit;
};
