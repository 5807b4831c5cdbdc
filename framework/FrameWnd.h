#pragma once

#include "framework/Wnd.h"

// A top-level frame window. Closing the application's main frame ends the
// message loop.
class CFrameWnd : public CWnd {
 public:
  // Registers a window class for frames with the given class style, cursor,
  // background and icon under the given name (once per process).
  static bool RegisterFrameClass(const char* className, UINT classStyle, HCURSOR cursor,
                                 HBRUSH background, HICON icon);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void OnClose();
  void PostNcDestroy() override;
};
