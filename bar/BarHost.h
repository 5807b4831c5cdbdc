// What the bar's windows ask of the frame that holds them. The frame implements it and hands it
// to the view when it makes the view; the view hands it on to the panels and the tab strip. A
// window made without a host (as the unit tests make them) lays itself out from the option
// cache, reads its icons itself and has no bar to move.
#pragma once

#include <windows.h>

struct BarLook;
class CShellInfoReader;

class CBarHost {
 public:
  virtual ~CBarHost() = default;

  // The frame's top-level window.
  virtual HWND GetFrameWindow() = 0;
  // Fills look with the frame's running options.
  virtual void ReadLook(BarLook& look) = 0;
  // A press on window may become a move of the whole bar (hold to move).
  virtual void BeginHoldToMove(HWND window) = 0;
  // The thread that reads icons and names for the panels, or none.
  virtual CShellInfoReader* GetShellInfoReader() = 0;
  // Automatic hiding stays off while a menu or dialog of the bar is open, and comes back per
  // the style word with the idle clock restarted.
  virtual void PauseAutoHide() = 0;
  virtual void ResumeAutoHide() = 0;
  // A desktop bar docks at the screen edge nearest to (x, y) with thickness across the bar and
  // returns its length along the edge; 0 when the host does not dock.
  virtual int DockAtThickness(int /*thickness*/, int /*x*/, int /*y*/) { return 0; }
};
