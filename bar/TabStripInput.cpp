// The tab strip's message map: creation, size, mouse, scrolling, context
// menus and the notifications of its children.
#include "bar/TabStrip.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "bar/BarHost.h"
#include "bar/RecentStrip.h"
#include "core/Globals.h"
#include "core/StyleWord.h"

namespace {
bool IsProtected() { return g_barOptions.GetInt("Protects", 0) == 1; }
}  // namespace

LRESULT CTabStrip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_tooltip.GetSafeHwnd() && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST &&
      message != WM_LBUTTONDBLCLK && message != WM_RBUTTONDBLCLK && message != WM_MBUTTONDBLCLK)
    RelayToTooltip(message, wParam, lParam);
  switch (message) {
    case WM_CAPTURECHANGED:
      m_splitterDragging = false;
      break;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == m_hWnd && LOWORD(lParam) == HTCLIENT && OnSetCursor())
        return TRUE;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      OnScroll(wParam, reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_PARENTNOTIFY:
      if (LOWORD(wParam) == WM_CREATE) EndRename();
      break;
    case WM_IDLEUPDATECMDUI:
      OnIdleUpdate();
      return 0;
    case WM_BUILD_PROGRESS:
      OnProgress(wParam, lParam);
      return 0;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

int CTabStrip::OnCreate(const CREATESTRUCTA&) {
  m_orientation =
      tablayout::OrientationFromStyle(static_cast<DWORD>(g_barOptions.GetInt("Style", style::kDefault)));
  CreateFonts();
  CreateScrollBars();
  m_recent = std::make_unique<CRecentStrip>(*this);
  if (!m_recent->Create(m_hWnd, RECT{0, 0, 0, 0}, kRecentId)) m_recent.reset();
  if (m_fixedWidth) CreateTooltip();
  PlaceChildren();
  Layout();
  return 0;
}

void CTabStrip::OnDestroy() {
  // A rename edit that ends because its window goes away must not report.
  m_destroying = true;
  DestroyTooltip();
  if (m_progress) ::DestroyWindow(m_progress);
  m_progress = nullptr;
}

void CTabStrip::OnSize(UINT, int, int) {
  EndRename();
  // The fonts follow the thickness, which the view sets through the size.
  if (Thickness() != m_fontThickness) CreateFonts();
  PlaceChildren();
  Layout();
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTabStrip::OnLButtonDown(UINT, POINT point) {
  EndRename();
  if (OnSplitter(point)) {
    ::SetCapture(m_hWnd);
    m_splitterDragging = true;
    CollapseRecent();
    return;
  }
  int hit = HitTest(point);
  if (hit == m_selected && hit >= 0) return;
  if (hit < 0) {
    if (m_barMove)
      m_barMove(m_hWnd);
    else if (m_host)
      m_host->BeginHoldToMove(m_hWnd);
    return;
  }
  Select(hit);
  NMTABSTRIP record{};
  record.index = hit;
  record.tab = GetTab(hit);
  SendNotify(record, tabstrip::kTabSelected);
}

void CTabStrip::OnMouseMove(UINT, POINT point) {
  if (m_splitterDragging) {
    if (::GetCapture() != m_hWnd) {
      m_splitterDragging = false;
      return;
    }
    m_share = tablayout::ShareForSplitterAt(Along(point), Length());
    PlaceChildren();
    Layout();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return;
  }
  UpdateTooltip(point);
}

bool CTabStrip::BeginMode(int mode, int index) {
  if (!m_hWnd || !GetTab(index) || (mode != 0 && mode != 1)) return false;
  EndRename();
  m_dragTracker.reset();
  m_tooltip.Activate(false);
  // The tracker hooks the strip's messages while it runs.
  m_dragTracker = std::make_unique<CTabDragTracker>(*this, mode, index);
  if (m_dragTracker->Start()) return true;
  m_dragTracker.reset();
  return false;
}

void CTabStrip::CancelMode() {
  if (m_dragTracker) m_dragTracker->Cancel();
}

void CTabStrip::OnLButtonUp(UINT, POINT) {
  if (!m_splitterDragging) return;
  m_splitterDragging = false;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

BOOL CTabStrip::OnSetCursor() {
  POINT cursor;
  if (!::GetCursorPos(&cursor)) return FALSE;
  ::ScreenToClient(m_hWnd, &cursor);
  if (!m_splitterDragging && !OnSplitter(cursor)) return FALSE;
  bool horizontal = m_orientation == tablayout::kHorizontal;
  ::SetCursor(::LoadCursorA(nullptr, horizontal ? IDC_SIZEWE : IDC_SIZENS));
  return TRUE;
}

void CTabStrip::OnContextMenu(HWND source, POINT point) {
  HWND recent = ::GetDlgItem(m_hWnd, kRecentId);
  if (IsProtected() || (recent && source == recent)) return CWnd::OnContextMenu(source, point);
  const POINT given = point;
  NMTABSTRIP record{};
  record.index = -1;
  record.kind = tabstrip::kOnStrip;
  if (point.x == -1 && point.y == -1) ::GetCursorPos(&point);  // from the keyboard
  // A scroll bar whose arrows are both disabled is a disabled window: its
  // clicks come to the strip, but they still mean the scroll bar.
  if (source == m_hWnd) {
    for (HWND bar : {m_arrows, m_panelScrollBar}) {
      RECT r;
      if (bar && ::IsWindowVisible(bar) && ::GetWindowRect(bar, &r) && ::PtInRect(&r, point))
        source = bar;
    }
  }
  if (source && (source == m_arrows || source == m_panelScrollBar)) {
    record.kind = source == m_arrows ? tabstrip::kOnArrows : tabstrip::kOnPanelScrollBar;
    record.index = record.kind;
  } else {
    ::ScreenToClient(m_hWnd, &point);
    if (!OnSplitter(point)) {
      record.index = HitTest(point);
      record.tab = GetTab(record.index);
    }
  }
  if (SendNotifyResult(record, tabstrip::kContextMenu)) return;
  CWnd::OnContextMenu(source, given);
}

LRESULT CTabStrip::OnNotify(const NMHDR& header) {
  const LPARAM lParam = reinterpret_cast<LPARAM>(&header);
  if (m_tooltip.GetSafeHwnd() && header.hwndFrom == m_tooltip.GetSafeHwnd() && header.code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    info->lpszText = info->szText;
    info->szText[0] = '\0';
    // The truncated tab the mouse last moved onto.
    CTabItem* tab = GetTab(m_tooltipTab);
    if (tab && tab->IsTruncated()) {
      const std::string& name = tab->GetName();
      size_t length = tablayout::MbPrefixLength(name.c_str(), name.size(), sizeof info->szText - 1);
      std::memcpy(info->szText, name.data(), length);
      info->szText[length] = '\0';
    }
    return 0;
  }
  if (m_renameEdit && header.hwndFrom == m_renameEdit->GetSafeHwnd() &&
      header.code == CRenameEdit::kEndedCode) {
    OnRenameEnded(reinterpret_cast<const NMRENAMEEDIT*>(lParam)->text);
    return 0;
  }
  return CWnd::OnNotify(header);
}

void CTabStrip::OnScroll(WPARAM wParam, HWND control) {
  EndRename();
  UINT code = LOWORD(wParam);
  if (control && control == m_arrows) {
    SetScrollOffset(
        tablayout::ScrollOffsetAfter(static_cast<int>(code), m_scrollOffset, m_maxScroll));
    return;
  }
  if (!control || control != m_panelScrollBar) return;
  HWND parent = ::GetParent(m_hWnd);
  if (!parent) return;
  // While the thumb is dragged the cells follow it straight to its place:
  // one message, one redraw, and the cells stand where the bar says (line
  // steps per unit would move them a quarter cell per pixel of thumb).
  if (code == SB_THUMBTRACK) code = SB_THUMBPOSITION;
  ::SendMessageA(parent, WM_HSCROLL, MAKEWPARAM(code, HIWORD(wParam)),
                 reinterpret_cast<LPARAM>(control));
}
