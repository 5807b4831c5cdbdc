#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bar/RenameEdit.h"
#include "bar/TabDragTracker.h"
#include "bar/TabItem.h"
#include "bar/TabLayout.h"
#include "core/BarMessages.h"
#include "framework/ToolTipCtrl.h"
#include "framework/CmdUI.h"
#include "framework/GdiObject.h"
#include "framework/Wnd.h"

class CBarHost;
class CRecentStrip;

// Notification codes the strip sends its parent in WM_NOTIFY.
namespace tabstrip {
enum Code : UINT {
  kTabSelected = 1,    // index, tab: a click selected another tab
  kRecentClicked = 2,  // index, item, text: a recently-used item was clicked
  kContextMenu = 3,    // index, tab, kind; a non-zero result means handled
  kRenamed = 4,        // index (the selected tab), text: a rename ended
  kTabMoved = 5,       // a tab move or copy finished
};
// Where a context menu was asked for (kind of kContextMenu).
enum Kind : int { kOnStrip = 0, kOnArrows = 1, kOnPanelScrollBar = 2, kOnRecent = 3 };
}  // namespace tabstrip

// The record of every strip notification; fields a code does not use are
// zero. hdr carries the strip's window and control ID.
struct NMTABSTRIP {
  NMHDR hdr;
  int index;
  CTabItem* tab;
  int kind;
  const char* text;
  void* item;  // the recently-used strip's item, for its codes
};

// The view forwards the panel's WM_BUILD_PROGRESS reports here; the strip shows them.

// The strip of tabs along one edge of the bar view, with the arrows that
// scroll the tabs, the panel's scroll bar, the slot of the recently-used
// strip, the splitter between tabs and scroll bar, and the rename edit. It
// reports everything to its parent and never changes the model itself.
class CTabStrip : public CWnd {
 public:
  static constexpr UINT kControlId = 1000;
  static constexpr UINT kArrowsId = 1;
  static constexpr UINT kPanelScrollBarId = 2;
  static constexpr UINT kRecentId = 3;
  static const char kClassName[];

  // host is the frame that holds the bar, or none.
  explicit CTabStrip(CBarHost* host = nullptr);
  ~CTabStrip() override;

  BOOL Create(HWND parent, const RECT& rect, UINT id = kControlId);
  CBarHost* GetHost() const { return m_host; }

  // Tabs (indices from 0 in tab order; invalid ones are ignored).
  int AddTab(const std::string& name, uint32_t color, uint32_t textColor, bool relayout = true);
  int InsertTab(int index, const std::string& name, uint32_t color, uint32_t textColor,
                bool relayout = true);
  int SetTabName(int index, const std::string& name);
  void SetTabColours(int index, uint32_t color, uint32_t textColor);
  void RemoveTab(int index);
  void RemoveAllTabs();
  CTabItem* GetTab(int index) const;
  int GetTabCount() const { return static_cast<int>(m_tabs.size()); }
  int GetSelected() const { return m_selected; }
  int Select(int index);
  void EnsureVisible(int index);
  // The tab under point (client coordinates); the earlier tab wins where
  // two overlap. -1 for none.
  int HitTest(POINT point) const;

  // textMode 0: automatic width; else bit 2 fixed width of fixedChars
  // average characters, with bit 0x10 right-aligned and bit 8 left-aligned
  // overflow (neither: end ellipsis). share > 0 becomes the splitter share.
  void SetTextOptions(double share, int textMode, int fixedChars, bool relayout);
  // Re-reads the orientation, re-creates the fonts and re-places the children.
  void Reorient();
  void ShowPanelScrollBar(bool show);
  bool IsPanelScrollBarShown() const { return m_scrollShown; }
  HWND GetPanelScrollBar() const { return m_panelScrollBar; }
  HWND GetArrows() const { return m_arrows; }
  void BeginRename(int index);
  bool IsRenaming() const { return m_renaming; }
  // Ends a running rename as losing the focus would.
  void EndRename();
  void SetEmblem(const std::string& text);
  // Makes what waits for the common controls (the tab tooltip), once they are loaded.
  void CreateLateControls();
  // Starts the tab copy (0) or move (1) mode on the tab at index: the cursor jumps to the
  // tab and the next click picks the tab to go before (code 5 tells the view). False when
  // there is no such tab or window.
  bool BeginMode(int mode, int index);
  bool IsModeRunning() const { return m_dragTracker && m_dragTracker->IsActive(); }
  // Ends a running mode with no effect.
  void CancelMode();
  // The running or the last mode, or none.
  const CTabDragTracker* GetDragTracker() const { return m_dragTracker.get(); }
  double SplitterShare() const { return m_share; }

  // Idle-time state of the arrows and the panel scroll bar's arrows.
  void OnIdleUpdate();
  // Called with the strip's window when a press on it should start moving
  // the whole bar; without a handler the frame's press-and-hold gesture starts.
  void SetBarMoveHandler(std::function<void(HWND)> handler) { m_barMove = std::move(handler); }

  // Paints the tabs, the emblem and the splitter (not the background).
  void Paint(HDC dc);

  // State for the view and for tests.
  tablayout::Orientation GetOrientation() const { return m_orientation; }
  int GetScrollOffset() const { return m_scrollOffset; }
  int GetMaxScroll() const { return m_maxScroll; }
  const tablayout::Placement& GetPlacement() const { return m_placement; }
  // The collapsed slot of the recently-used strip (client coordinates).
  RECT GetRecentSlot() const;
  RECT GetSplitterRect() const;
  HWND GetTabTooltip() const { return m_tooltip.GetSafeHwnd(); }
  HWND GetProgressBar() const { return m_progress; }
  HWND GetRenameEdit() const { return m_renameEdit ? m_renameEdit->GetSafeHwnd() : nullptr; }
  // The recently used strip (control kRecentId), or none when it could not be made.
  CRecentStrip* GetRecentStrip() const { return m_recent.get(); }
  bool IsFixedWidth() const { return m_fixedWidth; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate(const CREATESTRUCTA& cs) override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint(CPaintDC& dc) override;
  void OnLButtonDown(UINT flags, POINT point) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnLButtonUp(UINT flags, POINT point) override;
  BOOL OnSetCursor();
  void OnContextMenu(HWND source, POINT point) override;
  LRESULT OnNotify(const NMHDR& header) override;
  void OnScroll(WPARAM wParam, HWND control);
  void OnProgress(WPARAM action, LPARAM count);
  void RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam);

  // The frame's running style word (the settings file's without a frame).
  DWORD StyleWord() const;
  // Geometry.
  int Length() const;     // the client length along the strip
  int Thickness() const;  // the client size across it
  int TabThickness() const;
  RECT AlongRect(int start, int length) const;  // full-thickness band
  int Along(POINT point) const {
    return m_orientation == tablayout::kHorizontal ? point.x : point.y;
  }
  void CreateFonts();
  void CreateScrollBars();
  void PlaceChildren();
  void Layout();
  void MeasureTab(CTabItem& tab, HDC dc) const;
  void InvalidateMeasures();
  void InvalidateTab(int index);
  void SetScrollOffset(int offset);
  bool OnSplitter(POINT point) const;
  void CollapseRecent();

  // Painting.
  void PaintTab(HDC dc, const CTabItem& tab, bool selected) const;
  void PaintTabText(HDC dc, const CTabItem& tab, bool selected) const;
  void PaintEmblem(HDC dc, int lastFarEdge) const;

  // Text shown by the tooltip and the rename edit.
  void UpdateTooltip(POINT point);
  void CreateTooltip();
  void DestroyTooltip();
  void OnRenameEnded(const char* text);
  void SendNotify(NMTABSTRIP& record, UINT code) const;
  LRESULT SendNotifyResult(NMTABSTRIP& record, UINT code) const;

  std::vector<std::unique_ptr<CTabItem>> m_tabs;
  int m_selected = -1;
  int m_scrollOffset = 0;
  int m_maxScroll = 0;
  tablayout::Orientation m_orientation = tablayout::kHorizontal;
  tablayout::Placement m_placement;
  bool m_fixedWidth = false;
  int m_fixedChars = 6;
  UINT m_overflowFormat = DT_END_ELLIPSIS | DT_CENTER;
  bool m_measuresValid = false;
  CFont m_font;
  CFont m_selectedFont;
  CFont m_editFont;          // upright, for a vertical strip's rename edit
  int m_fontThickness = -1;  // the thickness the fonts were made for
  int m_averageCharWidth = 0;
  CBarHost* m_host = nullptr;
  HWND m_arrows = nullptr;  // children: destroyed with the strip
  HWND m_panelScrollBar = nullptr;
  bool m_scrollShown = false;
  double m_share = 0.4;
  bool m_splitterDragging = false;
  std::string m_emblem;
  int m_emblemWidth = -1;  // measured with the normal font; -1 not yet
  CToolTipCtrl m_tooltip;
  int m_tooltipTab = -1;
  std::unique_ptr<CRenameEdit> m_renameEdit;
  std::unique_ptr<CRenameEdit> m_retiredEdit;
  bool m_renaming = false;
  HWND m_progress = nullptr;
  UINT m_arrowState = ~0u;  // last EnableScrollBar states
  UINT m_panelArrowState = ~0u;
  bool m_destroying = false;
  std::function<void(HWND)> m_barMove;
  std::unique_ptr<CTabDragTracker> m_dragTracker;  // kept after its mode until the next
  std::unique_ptr<CRecentStrip> m_recent;
};
