#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/Wnd.h"

class CBtnPanel;
class CTabStrip;

// The frame's client window: the tab strip, one button panel per tab
// (created when the tab is first shown) and the button tooltip. It places
// them, switches the shown panel, fits the frame to the cells and applies
// changed options without a restart.
class CChildView : public CWnd {
 public:
  static const char kClassName[];
  static const UINT kFirstPanelId = 19000;
  static const UINT kFirstTabCommand = 20000;
  static const UINT kLastTabCommand = 24095;

  CChildView();
  ~CChildView() override;

  BOOL Create(HWND frame, UINT id, DWORD style);

  // Resizes the frame so the current panel fits across the bar; only the
  // first call after creation or after ApplyOptions cleared the guard fits.
  void FitFrame(bool animate);
  // Shows the panel of visible tab index, creating it on first use; none
  // when its window cannot be made.
  CBtnPanel* ShowTabPanel(int index);
  // Takes over changed options; oldStyle is the style word before the change.
  void ApplyOptions(DWORD oldStyle);

  CTabStrip& GetTabStrip() const { return *m_strip; }
  CBtnPanel* GetCurrentPanel() const { return m_current; }
  int GetCurrentIndex() const { return m_currentIndex; }
  HWND GetToolTip() const { return m_toolTip; }

  // Scroll range of the current panel, after any size or layout change.
  void UpdateScrollRange();
  // Scrolls so cell index of the current panel is seen (-1: the hot cell).
  void KeepCellInView(int index);

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate();
  void OnDestroy();
  void OnSize(int cx, int cy);
  void OnPaint();
  LRESULT OnNotify(const NMHDR& header, LPARAM lParam);
  void OnPanelScroll(UINT code, int thumb);
  bool OnKeyDown(UINT key);

  void LayOut();
  int StripThickness() const;
  void ApplyTabTextOptions(bool withShare);
  void UpdateToolTip();
  void AttachToolTip(CBtnPanel& panel);
  void SelectTab(int index);
  void SlideIn(CBtnPanel& panel);
  [[noreturn]] void InternalError(int line);

  std::unique_ptr<CTabStrip> m_strip;
  std::vector<std::unique_ptr<CBtnPanel>> m_panels;  // one slot per visible tab
  CBtnPanel* m_current = nullptr;
  int m_currentIndex = -1;
  bool m_fitted = false;  // the fit guard
  HWND m_toolTip = nullptr;
  UINT m_panelCounter = 0;
};
