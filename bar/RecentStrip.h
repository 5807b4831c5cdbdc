#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "bar/RecentList.h"
#include "core/BarMessages.h"
#include "framework/ToolTipCtrl.h"
#include "framework/Wnd.h"

class CTabStrip;
class CSubclassWnd;

// The recently used strip: a child of the tab strip that shows a 3-pixel handle at the end of
// the tab area and, when the mouse touches it, slides out over the tabs with one small icon per
// recently launched command. A click launches the command again; the view does the launching,
// told through the tab strip's notifications. The list lives in the settings file and is
// written back when the strip is destroyed, if it changed.
class CRecentStrip : public CWnd {
 public:
  static const char kClassName[];

  explicit CRecentStrip(const CTabStrip& owner, RecentResolver resolve = DescribeRecentTarget);
  ~CRecentStrip() override;

  BOOL Create(HWND parent, const RECT& rect, UINT id);

  // The small system image list the icons come from (the view sets it).
  void SetImageList(HIMAGELIST images) { m_images = images; }
  // (Re)reads the list from section, keys keyFormat (one %d), at most capacity entries.
  void Load(const char* section, const char* keyFormat, int capacity);
  // A command was launched: it goes to the head.
  void Add(const std::string& command);
  void RemoveAt(int index);
  void Clear();
  void Expand();
  void Collapse();
  // Writes the section when the list changed since it was read or written; false when the
  // file could not be written.
  bool Save();

  const CRecentList& GetList() const { return m_list; }
  int GetCount() const { return m_list.Count(); }
  bool IsExpanded() const { return m_expanded; }
  bool IsPinned() const { return m_pinned; }
  bool IsMenuOpen() const { return m_menuOpen; }
  int GetHotIndex() const { return m_hot; }
  // The items' tooltip, made when the strip first opens (none before).
  HWND GetTooltip() const { return m_tooltip.GetSafeHwnd(); }
  // The length the open strip takes along the tab strip (0 without items).
  int NeededLength() const { return m_list.NeededLength(); }
  // Where the open strip starts along the tab strip, or -1 when it has no room to open.
  int OpenStart() const;
  // Whether the strip should be pinned open, given the free length after the last tab.
  bool WantsPin(int freeLength) const;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int OnCreate(const CREATESTRUCTA& cs) override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint(CPaintDC& dc) override;
  void OnMouseMove(UINT flags, POINT point) override;
  void OnMouseLeave();
  void OnLButtonDown(UINT flags, POINT point) override;
  void OnLButtonUp(UINT flags, POINT point) override;
  void OnContextMenu(HWND window, POINT point) override;
  void OnExitMenuLoop();
  void OnRefresh();
  LRESULT OnNotify(const NMHDR& header) override;

  bool IsHorizontal() const;
  int Side() const;  // the strip's thickness: the side of each square item
  void PlaceItems();
  void CreateTooltip();
  void UpdateTools();
  void RequestLeave();
  void SetHot(int index);
  void ItemsChanged();
  // Sends a notification to the view as the tab strip would; returns the view's answer.
  LRESULT NotifyView(UINT code, int index, int kind);
  void PaintItem(HDC dc, const RecentItem& item, bool hot) const;

  const CTabStrip& m_owner;
  CRecentList m_list;
  std::string m_section = "RecentUsed";
  std::string m_keyFormat = "Btn%d";
  HIMAGELIST m_images = nullptr;  // borrowed
  CToolTipCtrl m_tooltip;         // destroyed with the window
  int m_toolCount = 0;
  bool m_expanded = false;
  bool m_pinned = false;
  bool m_menuOpen = false;
  bool m_leaveRequested = false;
  int m_hot = -1;
  bool m_pressed = false;
  int m_pressedIndex = -1;
  std::unique_ptr<CSubclassWnd> m_frameHook;
};
