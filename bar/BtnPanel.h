#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "bar/BarLook.h"
#include "bar/BtnItem.h"
#include "bar/CellGeometry.h"
#include "core/BarMessages.h"
#include "framework/Wnd.h"

class CBarHost;
class CShellInfoReader;
class CTabData;
class CSubclassWnd;
class CBtnDragTracker;

// The panel reports the building of a tab of more than five cells to its parent (the view)
// with WM_BUILD_PROGRESS.

// Notification codes the panel sends its parent in WM_NOTIFY.
namespace btnpanel {
const UINT kClicked = 1;       // NMBTNPANEL
const UINT kContextMenu = 2;   // NMBTNPANEL; a non-zero answer means handled
const UINT kModeFinished = 3;  // NMBTNMODE (moving cells)
const UINT kFilesDropped = 4;  // NMBTNDROP
// Kinds of InsertCell.
const int kBlank = 0;
const int kDuplicate = 1;
const int kSeparator = 4;
}  // namespace btnpanel

class CBtnItem;

struct NMBTNPANEL {
  NMHDR hdr;
  int index;       // -1 none
  CBtnItem* item;  // none for -1
};

struct NMBTNMODE {
  NMHDR hdr;
  int targetKind;  // 1 before the target cell, 2 onto it, 3 after it
  int target;
  int mode;  // 0 copy, 1 move, 2 swap
};

struct NMBTNDROP {
  NMHDR hdr;
  int index;         // the cell under the drop point, -1 none
  const char* text;  // every path followed by a line feed
  int count;
};

// The window that shows the cells of one tab: it lays them out along the
// bar, paints them, tracks hover and press and tells the view of clicks,
// context menus and dropped files. It changes its tab only when told to.
class CBtnPanel : public CWnd {
 public:
  static const char kClassName[];

  // host is the frame that holds the bar, or none.
  explicit CBtnPanel(CTabData& tab, CBarHost* host = nullptr);
  ~CBtnPanel() override;

  BOOL Create(HWND parent, UINT id, const RECT& rect,
              DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);

  CTabData& GetTab() const { return m_tab; }
  // The system image list to draw from (large or small icons).
  void SetImageList(HIMAGELIST images) { m_images = images; }
  HIMAGELIST GetImageList() const;
  // The view's button tooltip (not owned), or none.
  void SetToolTip(HWND tip) { m_toolTip = tip; }

  // With recreateItems, makes an item for every cell of the tab (reading
  // icons and names); else re-measures the existing ones. Then lays out the
  // cells, sets the static edge and repaints.
  void Rebuild(bool recreateItems, bool erase = true);
  // Re-places every cell moved by -offset along the bar.
  void SetScrollOffset(int offset, bool repaint);
  int GetScrollOffset() const { return m_scrollOffset; }
  // The client size the cells need, and the window size with the panel's styles.
  SIZE ContentSize() const { return m_contentSize; }
  SIZE ContentExtent() const;

  int GetCount() const { return static_cast<int>(m_items.size()); }
  // -1 outside the client area or between cells.
  int HitTest(POINT point) const;
  CBtnItem* GetItem(int index) const;
  int IndexOfNode(const CBtnItem* item) const;
  bool IsBlank(int index) const;
  bool IsSeparator(int index) const;

  // kind btnpanel::kBlank, kSeparator, or kDuplicate of the cell at source;
  // placed before index (appended when out of range). Returns its index, -1
  // when nothing was inserted.
  int InsertCell(int kind, int index, int source = -1);
  bool DeleteCell(int index);
  // Replaces the cell by a button record (none: a blank slot).
  bool SetCell(int index, const char* text);
  bool CopyCell(int target, int source);
  bool SwapCells(int a, int b);
  // Re-reads every item's icon and name.
  void RefreshAll();

  int GetHotIndex() const { return m_hot; }
  void SetHotIndex(int index);
  bool IsPressed() const { return m_pressed; }
  int GetPressedIndex() const { return m_pressedIndex; }

  // The tooltip text for a point: the name of the cell there when it does
  // not fit (or text is off); empty otherwise.
  std::string TooltipTextAt(POINT point) const;
  // One cell pitch along the bar: the first cell that is not a separator (or
  // the last cell) plus BorderX.
  int ScrollUnit() const;
  // The cell's edges along the bar without the scroll offset.
  bool CellSpan(int index, int* nearEdge, int* farEdge) const;
  // Client length along the bar.
  int VisibleLength() const;
  // The scroll position that keeps the cell at index (the hot cell when
  // index is negative) in view after a change of the cell list, from the
  // scroll bar's position and its maximum before and after the change.
  int PositionToShow(int index, int position, int oldMaximum, int newMaximum) const;
  // Follows the frame's menu loops so hover ends when a menu closes; the
  // panel hooks the main frame by itself.
  void HookFrameWindow(HWND frame);
  // Starts the copy (0), move (1) or swap (2) mode on the cell at index: the cursor jumps
  // to the cell and the next click picks the place (code 3 tells the view). False when
  // there is no such cell or window.
  bool BeginMode(int mode, int index);
  bool IsModeRunning() const;
  // Ends a running mode with no effect.
  void CancelMode();
  // The running or the last mode, or none.
  const CBtnDragTracker* GetDragTracker() const { return m_dragTracker.get(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The options to lay out and paint with.
  virtual BarLook ReadLook() const { return BarLook::Current(m_host); }
  // A press on no cell may become a move of the whole bar.
  virtual void StartBarMove();
  // The frame's reader of icons and names, or none (the panel then reads them itself).
  CShellInfoReader* ShellInfoReader() const;

 private:
  int OnCreate(const CREATESTRUCTA& cs) override;
  void OnDestroy() override;
  // After a press ends, hover follows the point of release (in client coordinates).
  void FollowPointerAfterRelease(POINT point);
  // Takes the panel's tool out of the view's tooltip.
  void RemoveToolTipTool();
  BOOL OnEraseBkgnd(HDC dc) override;
  void OnPaint(CPaintDC& dc) override;
  void PaintCells(HDC dc, const RECT& area);
  void OnMouseMove(UINT flags, POINT point) override;
  void OnLButtonDown(UINT flags, POINT point) override;
  void OnLButtonUp(UINT flags, POINT point) override;
  void OnOtherButtonDown(POINT point);
  void OnCaptureChanged(HWND gaining);
  void EndHover();
  void OnContextMenu(HWND window, POINT point) override;
  void OnDropFiles(HDROP drop);

  // Places every cell at the layout's position with the scroll offset.
  void Place();
  void MeasureItems(size_t first, size_t last);
  void SyncItems();
  // No cell is hot or pressed any more.
  void ForgetStates();
  void ReadItem(size_t index);
  // Reads every item's icon and name: on the frame's shell reader when there
  // is one (cells fill in as answers come, with the progress messages when
  // report is set), else here and now.
  void ReadAllItems(bool report);
  void OnShellInfoRead();
  void CountPending();
  // Ends the progress report once nothing is waiting any more.
  void SettlePending();
  void InvalidateCell(int index);
  int ClickableCell(POINT point) const;
  LRESULT Notify(UINT code, NMHDR& header);
  COLORREF TabColor() const;

  CTabData& m_tab;
  std::vector<std::unique_ptr<CBtnItem>> m_items;
  HIMAGELIST m_images = nullptr;
  ButtonCell m_cell;
  SIZE m_contentSize{0, 0};
  int m_scrollOffset = 0;
  int m_hot = -1;
  bool m_pressed = false;
  int m_pressedIndex = -1;
  int m_lastPressed = -1;
  bool m_tracking = false;
  bool m_leaveRequested = false;
  HWND m_toolTip = nullptr;
  CBarHost* m_host = nullptr;
  std::unique_ptr<CSubclassWnd> m_frameHook;
  std::unique_ptr<CBtnDragTracker> m_dragTracker;  // kept after its mode until the next
  uint32_t m_nextSerial = 1;
  int m_pendingCount = 0;  // items waiting for the shell reader
  bool m_reportingProgress = false;
  int m_progressTotal = 0;    // a progress bar to show with the first answers
  size_t m_answerCursor = 0;  // answers come in cell order: search on from here
};

// Copies text into a fixed buffer of size bytes, cut at a character
// boundary and always terminated.
void CopyTipText(const std::string& text, char* buffer, size_t size);
