#pragma once

#include "framework/Wnd.h"

// A top-level frame window with a view. Commands go to the view first, then
// to the frame; popup items are enabled by asking the view, then the frame.
// Closing the application's main frame ends the message loop.
class CFrameWnd : public CWnd {
 public:
  // Registers a window class for frames with the given class style, cursor,
  // background and icon under the given name (once per process).
  static bool RegisterFrameClass(const char* className, UINT classStyle, HCURSOR cursor,
                                 HBRUSH background, HICON icon);

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL LoadAccelTable(UINT id);
  // Sets the state of every item of popup (not of its submenus, which get
  // their own WM_INITMENUPOPUP).
  void UpdatePopupItems(HMENU popup);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void OnClose();
  void PostNcDestroy() override;

  CWnd* m_pView = nullptr;  // the view object, when the view is one of ours
  HACCEL m_accelerators = nullptr;
};
