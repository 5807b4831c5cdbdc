// The move and copy modes on the tabs of the tab strip.
#pragma once

#include <windows.h>

#include "bar/DragTracker.h"

class CTabStrip;

// The strip's notification of a finished tab mode (code 5): the tab the mode started on, the
// tab it goes before, and the mode (0 copy, 1 move).
struct NMTABMODE {
  NMHDR hdr;
  int source;
  int target;
  int mode;
};

namespace tabtarget {
enum Mode { kCopy = 0, kMove = 1 };
// The mark's point for a target tab (screen rectangle): at the tab's near edge along the
// strip, not before the tab area's start, and at its top edge, or its left or right edge in a
// vertical strip (orientation 1 or 2).
POINT MarkPoint(const RECT& tab, const RECT& tabArea, int orientation);
}  // namespace tabtarget

// A move or copy mode on the strip's tabs. The target is the tab under the cursor; the moved
// or copied tab goes before it.
class CTabDragTracker : public CDragTracker {
 public:
  CTabDragTracker(CTabStrip& strip, int mode, int source);

  // Starts at the centre of the source tab.
  bool Start();

  int GetMode() const { return m_mode; }
  int GetTarget() const { return m_target; }

 protected:
  bool FindTarget(POINT cursor, POINT* mark) override;
  int NodeAt(POINT point) const override;
  bool AutoScroll(POINT cursor) override;
  void NotifyFinished() override;

 private:
  RECT TabOnScreen(int index) const;

  CTabStrip& m_strip;
  int m_mode;
  int m_target = -1;
};
