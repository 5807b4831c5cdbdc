// The modal mouse modes that move, copy or swap a cell or a tab: the common part.
#pragma once

#include <windows.h>

#include "bar/DropMark.h"
#include "framework/SubclassWnd.h"

// Scroll codes the modes' automatic scrolling asks for, or none.
namespace dragscroll {
const int kNone = -1;
// Cells: when the cursor is outside the panel but within its extent across the bar, a line
// step towards the cursor (a page step when it is also outside the bar's window). Lines and
// pages towards the start are SB_LINELEFT / SB_PAGELEFT (equal to ..UP), towards the end
// SB_LINERIGHT / SB_PAGERIGHT. A vertical bar scrolls when the cursor passes its top or bottom.
int CellScrollCode(POINT cursor, const RECT& panel, const RECT& frame, int orientation);
// Tabs: when the cursor is outside the tab area but within its extent across the strip, a
// line step towards the cursor.
int TabScrollCode(POINT cursor, const RECT& tabArea, int orientation);
}  // namespace dragscroll

// Runs one mode on an owner window (a button panel or the tab strip): it hooks the owner's
// messages, so while the mode runs the owner's own mouse handling sees nothing. The owner
// holds the mouse captured; moves follow the item under the cursor, the next press of any
// button ends the mode there, a key press (or the loss of the capture) cancels it. Every 100
// ms the owner's timer 1001 lets the mode scroll when the cursor is pushed past the end.
//
// A mode that ended by a press keeps the hook until that button is released, so the release
// does not reach the owner as a click or a context menu.
class CDragTracker : public CSubclassWnd {
 public:
  static const UINT_PTR kScrollTimer = 1001;
  static const UINT kScrollPeriod = 100;

  ~CDragTracker() override;

  // Starts the mode on the source item: the cursor goes to the item's centre (screen
  // coordinates), the mode cursor and the mark show, the owner captures the mouse and the
  // scroll timer runs. False when the owner has no window.
  bool Start(POINT sourceCentre);
  // The item under the cursor (-1 none) at cursor (screen coordinates).
  void Track(int node, POINT cursor);
  // A click on node: ends the mode with the target the mark last showed.
  void Finish(int node);
  // Ends the mode with no effect.
  void Cancel();

  bool IsActive() const { return m_state == State::kRunning; }
  bool IsCancelled() const { return m_cancelled; }
  bool HasTarget() const { return m_found; }
  int GetSource() const { return m_source; }
  int GetCurrent() const { return m_current; }
  int GetOrientation() const { return m_orientation; }
  const CDropMark& GetMark() const { return m_mark; }
  HWND GetOwner() const { return m_owner; }

 protected:
  CDragTracker(HWND owner, int source, int orientation, const RECT& targetArea,
               const RECT& frameRect, HCURSOR modeCursor);

  // The target for the current node with the cursor at cursor: true with the mark's point.
  virtual bool FindTarget(POINT cursor, POINT* mark) = 0;
  // The item at point (owner client coordinates), -1 for none.
  virtual int NodeAt(POINT point) const = 0;
  // One tick of the scroll timer; true when something scrolled.
  virtual bool AutoScroll(POINT cursor) = 0;
  // Tells the owner's parent of the finished mode (only with a target, not cancelled).
  virtual void NotifyFinished() = 0;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Recomputes the target and shows the mark and the cursor for it.
  void Update(POINT cursor);
  void RemoveMark() { m_mark.Hide(); }
  RECT m_area;   // the target area, screen coordinates
  RECT m_frame;  // the frame's window, screen coordinates

 private:
  enum class State { kIdle, kRunning, kReleasing, kDone };
  // Stops the timer, restores the cursor and removes the mark; the capture stays while a
  // button release is awaited.
  void End(bool awaitRelease, UINT releaseMessage);
  // Lets go of the owner for good.
  void Detach();

  HWND m_owner;
  int m_source;
  int m_current;
  int m_orientation;
  CDropMark m_mark;
  HCURSOR m_modeCursor;
  HCURSOR m_noTargetCursor;
  HCURSOR m_previousCursor = nullptr;
  State m_state = State::kIdle;
  UINT m_releaseMessage = 0;  // the button release that ends the hook after a click
  bool m_found = false;
  bool m_cancelled = false;
  bool m_timer = false;
};

// The cursor resource of a mode (move, copy, swap, or the no-target cursor).
HCURSOR LoadModeCursor(UINT id);
// The bar's window rectangle in screen coordinates: the main frame's, or the
// top-level window of owner where there is no frame (tests).
RECT FrameWindowRect(HWND owner);
