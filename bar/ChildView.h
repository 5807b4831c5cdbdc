#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bar/ViewEnabling.h"
#include "core/LauncherHost.h"
#include "framework/Menu.h"
#include "framework/ToolTipCtrl.h"
#include "framework/Wnd.h"

class CBarHost;
class CBtnPanel;
class CLauncher;
class CPlumageLibrary;
class CTabStrip;
struct NMBTNMODE;
struct NMBTNPANEL;
struct NMTABMODE;
struct NMTABSTRIP;

// The frame's client window: the tab strip, one button panel per tab
// (created when the tab is first shown) and the button tooltip. It places
// them, switches the shown panel, fits the frame to the cells and applies
// changed options without a restart. It turns the clicks and context menus
// of its children into launches and commands on the model, and drives the
// launcher as its host.
class CChildView : public CWnd, public CLauncherHost {
 public:
  static const char kClassName[];
  static const UINT kFirstPanelId = 19000;
  static const UINT kFirstTabCommand = 20000;
  static const UINT kLastTabCommand = 24095;

  // host is the frame that holds the view (none in tests: the option cache's defaults apply).
  explicit CChildView(CBarHost* host = nullptr);
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
  // Stores what the view keeps between runs (last tab, splitter share, recently used list),
  // as closing does.
  void StoreSession();

  CTabStrip& GetTabStrip() const { return *m_strip; }
  CBtnPanel* GetCurrentPanel() const { return m_current; }
  int GetCurrentIndex() const { return m_currentIndex; }
  HWND GetToolTip() const { return m_toolTip.GetSafeHwnd(); }

  // Scroll range of the current panel, after any size or layout change.
  void UpdateScrollRange();
  // Scrolls so cell index of the current panel is seen (-1: the hot cell).
  void KeepCellInView(int index);

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  BOOL OnUpdateCommand(CCmdUI& ui) override;

  // The settings library the dialog commands bind (tests give their own).
  void SetPlumageLibrary(std::unique_ptr<CPlumageLibrary> library);
  CLauncher& GetLauncher() const { return *m_launcher; }

  // The context menus: each prepares the command context and returns the
  // popup to open (none when the case is not the view's); OpenMenu tracks
  // it at the cursor with automatic hiding paused.
  HMENU PreparePanelMenu(int index);
  HMENU PrepareStripMenu(const NMTABSTRIP& note);
  void OpenMenu(HMENU popup);
  // The state menu items are judged against.
  ViewCommandContext GetCommandContext() const;
  int GetTarget() const { return m_target; }
  bool IsTargetValid() const { return m_targetValid; }

  // Tab commands, also reached without a menu.
  void NewTab();
  void DeleteTab(bool ask = true);
  void RenameEnded(int index, const char* text);
  // The strip and the panels follow the model after its tab lists were replaced.
  void RebuildTabs();

  // The copy (0), move (1) and swap (2) modes on the target cell and the copy (0) and move (1)
  // modes on the selected tab, and what a finished one does (ViewModes.cpp).
  void BeginCellMode(int mode);
  void BeginTabMode(int mode);
  // Ends a running mode of the current panel or the strip with no effect; true when one ran.
  bool CancelModes();
  void OnCellModeFinished(const NMBTNMODE& note);
  void OnTabModeFinished(const NMTABMODE& note);

  // CLauncherHost
  HWND GetViewWindow() override { return m_hWnd; }
  HWND GetFrameWindow() override;
  DWORD GetStyleWord() override;
  void PostToView(UINT message, WPARAM wParam, LPARAM lParam) override;
  int ShowMessage(const char* text, UINT type) override;
  int GetCurrentCell() override { return CellTarget(); }
  void SetCurrentCell(int index) override {
    m_target = index;
    m_menuKind = MenuKind::kCell;
  }
  void RelayoutPanel(int index) override;
  void RedrawCell(int index) override;
  void TabColorsChanged() override;
  void TabsRebuilt() override { RebuildTabs(); }
  void AddRecentlyUsed(const std::string& command) override;
  void PauseAutoHide() override;
  void ResumeAutoHide() override;
  UINT TrackButtonMenu(const std::vector<ButtonMenuItem>& items) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate(const CREATESTRUCTA& cs) override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint(CPaintDC& dc) override;
  void OnLButtonDown(UINT flags, POINT point) override;
  LRESULT OnNotify(const NMHDR& header) override;
  void OnPanelScroll(UINT code, int thumb);
  bool OnKeyDown(UINT key);

  void LayOut();
  int StripThickness() const;
  void ApplyTabTextOptions(bool withShare);
  void UpdateToolTip();
  void AttachToolTip(CBtnPanel& panel);
  void SelectTab(int index);
  void SlideIn(CBtnPanel& panel);
  // Destroys a panel whose tab is gone or going, with its tooltip tool.
  void DestroyPanel(std::unique_ptr<CBtnPanel> panel);

  // The cell the cell commands act on: the target of the last cell menu, -1
  // for none (then new cells are appended).
  int CellTarget() const { return m_menuKind == MenuKind::kCell ? m_target : -1; }
  bool HandlesCommand(UINT id) const;

  // Commands (ViewCommands.cpp).
  bool OnCellCommand(UINT id);
  bool OnTabCommand(UINT id);
  bool OnRecentCommand(UINT id);
  void OnPanelClicked(const NMBTNPANEL& note);
  LRESULT OnPanelNotify(const NMHDR& header, LPARAM lParam);
  LRESULT OnStripNotify(const NMHDR& header, LPARAM lParam);
  LRESULT OnTabList(WPARAM wParam, LPARAM lParam);
  // Menus (ViewMenus.cpp).
  HMENU BuildTabListMenu();
  HMENU MenuPopup(int position);
  [[noreturn]] void InternalError(int line);

  std::unique_ptr<CTabStrip> m_strip;
  std::vector<std::unique_ptr<CBtnPanel>> m_panels;  // one slot per visible tab
  CBarHost* m_host = nullptr;                        // the frame, or none
  CBtnPanel* m_current = nullptr;
  int m_currentIndex = -1;
  bool m_fitted = false;  // the fit guard
  CToolTipCtrl m_toolTip;
  UINT m_panelCounter = 0;
  // The number of the tab each created panel shows; numbers stay with their
  // tab, so panels are found again after the tab lists were replaced.
  std::map<const CBtnPanel*, uint32_t> m_panelNumbers;

  // The command context: what the last context menu was opened on.
  enum class MenuKind { kNone, kCell, kTab, kRecent };
  int m_target = -1;
  bool m_targetValid = false;
  MenuKind m_menuKind = MenuKind::kNone;
  CMenu m_menus;              // menu resource 128, loaded on first use
  CMenu m_tabListMenu;        // the run-time tab-list menu, rebuilt for each opening
  UINT m_buttonMenuLast = 0;  // the last identifier of the open button menu, 0 for none

  std::unique_ptr<CPlumageLibrary> m_plumage;
  std::unique_ptr<CLauncher> m_launcher;
};
