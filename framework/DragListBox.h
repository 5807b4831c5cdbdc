#pragma once

#include <windows.h>

#include <string>

#include "framework/Wnd.h"

// A list box whose items the user drags with the left button. While an item
// is dragged a marker shows where it would land; dropping on the list itself
// moves the item there, and a class may take drops elsewhere (Dropped).
class CDragListBox : public CWnd {
 public:
  // The drag list bound to window, or none: safe for any window, of any thread or process.
  static CDragListBox* FromHandle(HWND window);

  // Binds a list box of a dialog template.
  BOOL SubclassDlgItem(int id, HWND parent) { return SubclassWindow(::GetDlgItem(parent, id)); }

  int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
  void SetCurSel(int index) const { SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)); }
  DWORD_PTR GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
  }
  // The item's whole text, however long.
  std::string GetText(int index) const;
  // Inserts text with data at index (-1 appends); returns its index or a negative error.
  int InsertItem(int index, const char* text, DWORD_PTR data) const;
  void DeleteItem(int index) const { SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index)); }

  // The item at a screen point: its index, the count when the point lies below the last
  // item, or -1 when it is outside the list.
  int ItemFromPt(POINT screen) const;
  bool IsDragging() const { return m_dragging; }

 protected:
  // A drag starts once the pointer leaves the drag rectangle around the press: false refuses it.
  virtual bool BeginDrag(int item);
  // The pointer moved while dragging (screen point); the default shows the marker on this list.
  virtual void Dragging(POINT screen);
  // The drag ended with the button released at screen; the default moves item within the list.
  virtual void Dropped(int item, POINT screen);
  // Moves an item with its data before target (an index as ItemFromPt gives), selecting it.
  void MoveItem(int item, int target) const;
  // Shows the drop marker before index (the count: under the last item); -1 takes it away.
  void DrawInsert(int index);

  void OnLButtonDown(UINT flags, POINT point) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnLButtonUp(UINT flags, POINT point) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void EndDrag();
  HRGN MarkerRegion(int index) const;

  bool m_pressed = false;
  bool m_dragging = false;
  int m_dragItem = -1;
  POINT m_pressPoint{};
  int m_marker = -1;
};
