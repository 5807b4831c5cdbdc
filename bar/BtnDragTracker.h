// The copy, move and swap modes on the cells of a button panel.
#pragma once

#include <windows.h>

#include <vector>

#include "bar/DragTracker.h"

class CBtnPanel;

namespace celltarget {

// Modes and target kinds as the panel's mode notification carries them.
enum Mode { kCopy = 0, kMove = 1, kSwap = 2 };
enum Kind { kBefore = 1, kOnto = 2, kAfter = 3 };

// One cell along the bar (screen coordinates).
struct Cell {
  int nearEdge = 0;
  int farEdge = 0;
  bool separator = false;
};
struct Target {
  bool found = false;
  int kind = 0;
  int index = -1;
};

// The target when the cursor is at position along the bar over the cell current (-1: no
// cell), inArea telling whether it lies in the panel's client area; quarter is a quarter of
// the source cell's length. Swap takes the cell under the cursor unless it is a separator.
// Copy and move need the cursor in the panel: over a cell its first quarter means before it,
// its last quarter after it, the rest onto it; elsewhere the first cell (not a separator)
// that starts at or after the cursor, before it, or else after the last cell.
Target FindTarget(int mode, const std::vector<Cell>& cells, int current, int along, bool inArea,
                  int quarter);

// Where the mark goes along the bar for a target cell: the middle of the gap before it, its
// centre, or the middle of the gap after it, kept within the target area (areaStart..areaEnd)
// and close to the cell.
int MarkAlong(int kind, int nearEdge, int farEdge, int areaStart, int areaEnd, int halfPitch,
              int quarter);
// The mark's point for a target cell (screen rectangle): along as above, across at the cells'
// top edge, or their left or right edge in a vertical bar (orientation 1 or 2).
POINT MarkPoint(int kind, const RECT& cell, const RECT& area, int orientation, int halfPitch,
                int quarter);

}  // namespace celltarget

// A copy, move or swap mode on a panel's cells. The target is a cell and a kind: before it,
// onto it, or after it.
class CBtnDragTracker : public CDragTracker {
 public:
  // style and borderX are the options the panel is laid out with.
  CBtnDragTracker(CBtnPanel& panel, int mode, int source, DWORD style, int borderX);

  // Starts at the centre of the source cell.
  bool Start();

  int GetMode() const { return m_mode; }
  int GetTargetKind() const { return m_kind; }
  int GetTarget() const { return m_target; }
  int GetHalfPitch() const { return m_halfPitch; }
  int GetQuarter() const { return m_quarter; }

 protected:
  bool FindTarget(POINT cursor, POINT* mark) override;
  int NodeAt(POINT point) const override;
  bool AutoScroll(POINT cursor) override;
  void NotifyFinished() override;

 private:
  RECT CellOnScreen(int index) const;

  CBtnPanel& m_panel;
  int m_mode;
  int m_halfPitch = 0;
  int m_quarter = 0;
  int m_kind = 0;
  int m_target = -1;
};
