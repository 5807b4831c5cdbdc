#pragma once

#include <windows.h>

#include <string>

#include "framework/GdiObject.h"
#include "framework/Wnd.h"

// A static text that is a hyperlink: drawn in the link colour with an
// underlined font, it opens its target with the shell when clicked (its own
// text when no target was given) and turns to the visited colour.
class CStaticLink : public CWnd {
 public:
  explicit CStaticLink(std::string target = std::string(), bool deleteOnDestroy = false)
      : m_target(std::move(target)), m_deleteOnDestroy(deleteOnDestroy) {}

  // Binds to the static control id of dialog.
  BOOL Attach(HWND dialog, int id);
  // The answer to the parent's WM_CTLCOLORSTATIC for this control.
  HBRUSH CtlColor(HDC dc);

  static const COLORREF kUnvisited = RGB(0, 0, 255);
  static const COLORREF kVisited = RGB(128, 0, 128);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnLButtonDown(UINT flags, POINT point) override;
  void PostNcDestroy() override;

 private:
  std::string m_target;
  COLORREF m_color = kUnvisited;
  CFont m_font;
  bool m_deleteOnDestroy;
};
