// A grid of colour cells in a colour page: system colours with their names,
// or fixed colours with their red, green and blue. A click on a cell is
// reported to the parent.
#pragma once

#include <windows.h>

#include <string>

#include "framework/ToolTipCtrl.h"
#include "framework/Wnd.h"
#include "settings/ColorSheetValues.h"

// WM_NOTIFY code of a click on a cell.
const UINT kColorGridClicked = 1;
struct ColorGridNotify {
  NMHDR header;
  int cell;
};

class CColorGrid : public CWnd {
 public:
  // Takes the place of the dialog's control id (its rectangle and id): a
  // grid of fixed colours, or of system colours.
  BOOL Replace(HWND dialog, int id, int rows, int columns, const COLORREF* colors);
  BOOL Replace(HWND dialog, int id, int rows, int columns, const SysColorCell* cells);

  int GetCellCount() const { return m_rows * m_columns; }
  RECT GetCellRect(int cell) const;
  // The cell point falls on (inside its frame), or -1.
  int HitTest(POINT point) const;
  COLORREF GetCellColor(int cell) const;
  std::string GetCellTip(int cell) const;

 protected:
  void OnPaint(CPaintDC& dc) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnLButtonDown(UINT flags, POINT point) override;
  LRESULT OnNotify(const NMHDR& header) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  BOOL Create(HWND dialog, int id, int rows, int columns);
  void AddTips();

  int m_rows = 0;
  int m_columns = 0;
  const COLORREF* m_colors = nullptr;
  const SysColorCell* m_cells = nullptr;
  CToolTipCtrl m_tips;
  std::string m_tipText;  // the text the tooltip was last handed
};
