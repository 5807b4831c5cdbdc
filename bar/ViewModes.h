// What a finished copy, move or swap mode does to the cells of the current tab, as plain
// arithmetic on indices.
#pragma once

struct CellModePlan {
  enum Op { kNothing, kInsertCopy, kCopyOnto, kSwap };
  Op op = kNothing;
  int at = -1;           // insert a copy of the source before this index, or the cell changed
  int deleteIndex = -1;  // then delete this cell (the source at its index after the insertion)
  int show = -1;         // the cell to keep in view afterwards
};

// mode 0 copy, 1 move, 2 swap; kind 1 before the target, 2 onto it, 3 after it; source and
// target are cell indices among count cells. Moving a cell next to where it already is, or
// onto itself, changes nothing.
CellModePlan PlanCellMode(int mode, int kind, int source, int target, int count, bool sourceBlank);
