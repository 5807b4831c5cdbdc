#pragma once

#include <windows.h>

#include "framework/FrameWnd.h"

// The bar's only top-level window.
class CMainFrame : public CFrameWnd {
 public:
  static const char kClassName[];

  // Creates the frame as a visible tool window with the given title and rectangle.
  BOOL Create(const char* title, const RECT& rect);
  DWORD GetStyleWord() const { return m_style; }
  // From now on the frame deletes itself when its window is gone.
  void SetAutoDelete() { m_autoDelete = true; }

 protected:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnClose() override;
  void PostNcDestroy() override;

 private:
  int OnCreate();
  void OnDestroy();
  BOOL OnQueryEndSession();
  BOOL OnEraseBkgnd(HDC dc);
  // Stores the current placement as WinPos (restore-to-maximised when zoomed).
  void SavePlacement();

  DWORD m_style = 0x82DC;
  bool m_autoDelete = false;
};
