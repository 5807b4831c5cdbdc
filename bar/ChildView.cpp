#include "bar/ChildView.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "bar/BarHost.h"
#include "bar/BarLook.h"
#include "bar/BarPaint.h"
#include "bar/BtnPanel.h"
#include "bar/ShellInfoReader.h"
#include "bar/PanelScroll.h"
#include "bar/RecentStrip.h"
#include "bar/TabStrip.h"
#include "bar/ViewLayout.h"
#include "core/CommonControls.h"
#include "core/Globals.h"
#include "core/Launcher.h"
#include "core/PlumageLibrary.h"
#include "core/SettingsFile.h"
#include "core/StyleWord.h"
#include "framework/ModalPump.h"
#include "framework/Module.h"
#include "framework/WinApp.h"

const char CChildView::kClassName[] = "KestrelView";

namespace {
bool IsVertical(DWORD style) { return (style & style::kVertical) != 0; }

bool Changed(const char* key) { return g_barOptions.ChangedSince(key); }

const char kRecentSection[] = "RecentUsed";
const char kRecentKey[] = "Btn%d";
}  // namespace

CChildView::CChildView(CBarHost* host)
    : m_host(host),
      m_plumage(std::make_unique<CPlumageLibrary>()),
      m_launcher(std::make_unique<CLauncher>(g_tabList, *this, *m_plumage)) {}

CChildView::~CChildView() = default;

void CChildView::SetPlumageLibrary(std::unique_ptr<CPlumageLibrary> library) {
  if (!library) return;
  // The launcher keeps a reference: it is made again around the new library.
  m_launcher = std::make_unique<CLauncher>(g_tabList, *this, *library);
  m_plumage = std::move(library);
}

BOOL CChildView::Create(HWND frame, UINT id, DWORD style) {
  if (!RegisterWndClass(kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS,
                        ::LoadCursorA(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr))
    return FALSE;
  // No border of its own; the client edge unless the view frame is flat.
  style = (style & ~WS_BORDER) | WS_CLIPCHILDREN;
  DWORD exStyle = (GetStyleWord() & style::kFlatFrame) ? 0 : WS_EX_CLIENTEDGE;
  return CreateEx(exStyle, kClassName, "", style, RECT{0, 0, 0, 0}, frame, id);
}

int CChildView::StripThickness() const {
  return BarLook::Current(m_host).tabHightAdj + ::GetSystemMetrics(SM_CYVTHUMB);
}

void CChildView::ApplyTabTextOptions(bool withShare) {
  DWORD style = GetStyleWord();
  int draw = g_barOptions.GetInt("TabTxtDraw", 0x8001);
  int mode = (style & style::kAutoTabWidth) ? 0 : draw == 2 ? 18 : draw == 0 ? 10 : 6;
  double share = withShare ? g_barOptions.GetInt("TabScrW", 40) * 0.01 : 0.0;
  m_strip->SetTextOptions(share, mode, g_barOptions.GetInt("TabTxtWidth", 6), true);
}

int CChildView::OnCreate(const CREATESTRUCTA&) {
  DWORD style = GetStyleWord();
  int t = StripThickness();
  m_strip = std::make_unique<CTabStrip>(m_host);
  RECT stripRect = IsVertical(style) ? RECT{0, 0, t, 100} : RECT{0, 0, 100, t};
  if (!m_strip->Create(m_hWnd, stripRect)) return -1;
  ApplyTabTextOptions(true);
  // Tooltips wait for the common controls, which load once the bar is up.
  PostMessage(WM_VIEW_LATE_START, 0, 0);

  const auto& tabs = g_tabList.GetTabs();
  for (size_t i = 0; i < tabs.size(); ++i)
    m_strip->AddTab(tabs[i]->m_name, tabs[i]->m_color, tabs[i]->m_textColor, i + 1 == tabs.size());
  m_panels.clear();
  m_panels.resize(tabs.size());

  int start = 0;
  std::string last = g_barOptions.GetString("LastActiveTab", "");
  if (!last.empty()) start = std::max(0, g_tabList.FindTab(last.c_str()));
  if (tabs.empty()) return -1;
  g_tabList.SelectTab(start);
  m_strip->Select(start);
  if (!ShowTabPanel(start)) return -1;
  PostMessage(WM_COMMAND, kFirstTabCommand + start, 0);  // scrolls it into view too
  m_strip->SetEmblem(g_barOptions.GetString("Emblem", ""));
  return 0;
}

void CChildView::StoreSession() {
  DWORD style = GetStyleWord();
  if ((style & style::kSaveLastTab) && g_tabList.GetCurrentTab())
    g_barOptions.SetString("LastActiveTab", g_tabList.GetCurrentTab()->m_name.c_str());
  if (!m_strip) return;
  g_barOptions.SetInt("TabScrW", static_cast<int>(m_strip->SplitterShare() * 100));
  if (CRecentStrip* recent = m_strip->GetRecentStrip()) recent->Save();
}

void CChildView::OnDestroy() {
  StoreSession();
  m_current = nullptr;
  m_currentIndex = -1;
  m_panels.clear();
  m_panelNumbers.clear();
  m_toolTip.DestroyWindow();
}

void CChildView::UpdateToolTip() {
  bool wanted = (GetStyleWord() & style::kToolTips) != 0;
  if (wanted && !m_toolTip.GetSafeHwnd() && LoadCommonControls()) {
    if (m_toolTip.Create(m_hWnd, TTS_ALWAYSTIP, WS_EX_TOPMOST)) {
      m_toolTip.Activate(true);
      for (auto& panel : m_panels) {
        if (panel) AttachToolTip(*panel);
      }
    }
  } else if (!wanted && m_toolTip.GetSafeHwnd()) {
    for (auto& panel : m_panels) {
      if (panel) panel->SetToolTip(nullptr);
    }
    m_toolTip.DestroyWindow();
  }
}

void CChildView::AttachToolTip(CBtnPanel& panel) {
  if (!m_toolTip.GetSafeHwnd()) return;
  // One tool covers the whole panel; its text is asked for when needed. A panel shown again
  // keeps the tool it has; the panel removes it when it goes.
  if (!m_toolTip.HasTool(m_hWnd, panel.GetSafeHwnd()))
    m_toolTip.AddTool(m_hWnd, panel.GetSafeHwnd());
  panel.SetToolTip(m_toolTip.GetSafeHwnd());
}

[[noreturn]] void CChildView::InternalError(int line) {
  char text[96];
  std::snprintf(text, sizeof text, "Unexpected error\n%s line:%d", "ChildView", line);
  AfxMessageBox(text, MB_OK | MB_ICONSTOP);
  ::ExitProcess(3);
}

CBtnPanel* CChildView::ShowTabPanel(int index) {
  if (index < 0 || index >= static_cast<int>(m_panels.size()) || index >= g_tabList.GetCount())
    InternalError(__LINE__);
  CTabData* tab = g_tabList.GetTab(index);
  if (!tab) InternalError(__LINE__);
  auto& slot = m_panels[static_cast<size_t>(index)];
  if (slot && !::IsWindow(slot->GetSafeHwnd())) InternalError(__LINE__);

  CBtnPanel* previous = m_current != slot.get() ? m_current : nullptr;
  BarLook look = BarLook::Current(m_host);
  if (slot) {
    if (previous) previous->ShowWindow(SW_HIDE);
    slot->SetImageList(look.ImagesForStyle());
    slot->ShowWindow(SW_SHOWNA);
    slot->SetScrollOffset(0, false);
    slot->Rebuild(false, true);
  } else {
    auto panel = std::make_unique<CBtnPanel>(*tab, m_host);
    panel->SetImageList(look.ImagesForStyle());
    if (!panel->Create(m_hWnd, kFirstPanelId + m_panelCounter++, RECT{0, 0, 0, 0})) return nullptr;
    slot = std::move(panel);
    m_panelNumbers[slot.get()] = tab->m_number;
    slot->Rebuild(true, true);
    if (previous) previous->ShowWindow(SW_HIDE);
  }
  // Every panel shown starts at 0, new or not, and so does its scroll bar.
  if (m_strip->GetPanelScrollBar()) ::SetScrollPos(m_strip->GetPanelScrollBar(), SB_CTL, 0, TRUE);
  m_current = slot.get();
  m_currentIndex = index;
  LayOut();
  FitFrame(false);
  AttachToolTip(*m_current);
  if (look.style & style::kAnimate) SlideIn(*m_current);
  return m_current;
}

void CChildView::SlideIn(CBtnPanel& panel) {
  RECT r;
  ::GetWindowRect(panel, &r);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
  bool vertical = IsVertical(GetStyleWord());
  int length = vertical ? r.bottom - r.top : r.right - r.left;
  int finalEdge = vertical ? r.top : r.left;
  int edge = finalEdge + length;
  int step = std::max(1, length / 100);
  HWND window = panel.GetSafeHwnd();
  while (edge > finalEdge && ::IsWindow(window)) {
    ::SetWindowPos(window, nullptr, vertical ? r.left : edge, vertical ? edge : r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::UpdateWindow(window);
    if (!AfxPumpMessages()) break;
    ::Sleep(1);
    step += 2;
    edge -= step;
  }
  if (::IsWindow(window))
    ::SetWindowPos(window, nullptr, r.left, r.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CChildView::LayOut() {
  if (!m_hWnd || !m_strip) return;
  RECT client;
  GetClientRect(&client);
  BarLook look = BarLook::Current(m_host);
  ViewLayout layout = ComputeViewLayout(client.right, client.bottom, look.style, StripThickness(),
                                        look.frmBorderX, look.frmBorderY);
  const RECT& s = layout.strip;
  ::MoveWindow(*m_strip, s.left, s.top, s.right - s.left, s.bottom - s.top, TRUE);
  if (!m_current) return;
  const RECT& p = layout.panel;
  ::MoveWindow(*m_current, p.left, p.top, p.right - p.left, p.bottom - p.top, TRUE);
  UpdateScrollRange();
}

void CChildView::OnSize(UINT, int, int) { LayOut(); }

void CChildView::UpdateScrollRange() {
  if (!m_current || !m_strip) return;
  BarLook look = BarLook::Current(m_host);
  bool vertical = IsVertical(look.style);
  RECT client;
  GetClientRect(&client);
  SIZE extent = m_current->ContentExtent();
  int overflow = PanelScrollOverflow(vertical ? extent.cy : extent.cx,
                                     vertical ? client.bottom : client.right, look.frmBorderX);
  m_strip->ShowPanelScrollBar(overflow > 0);
  HWND bar = m_strip->GetPanelScrollBar();
  if (overflow > 0 && bar) {
    ::SetScrollRange(bar, SB_CTL, 0, overflow, TRUE);
    // The bar clamps its position to the new range: the cells follow it.
    int position = ::GetScrollPos(bar, SB_CTL);
    if (position != m_current->GetScrollOffset()) m_current->SetScrollOffset(position, true);
  } else {
    m_current->SetScrollOffset(0, true);
  }
}

void CChildView::OnPanelScroll(UINT code, int thumb) {
  HWND bar = m_strip ? m_strip->GetPanelScrollBar() : nullptr;
  if (!m_current || !bar || !m_strip->IsPanelScrollBarShown()) return;
  int minimum = 0, maximum = 0;
  ::GetScrollRange(bar, SB_CTL, &minimum, &maximum);
  int position = ::GetScrollPos(bar, SB_CTL);
  if (code == SB_THUMBPOSITION && maximum > 0xFFFF) {
    // The message holds 16 bits of the thumb's place; longer panels read it whole.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    if (::GetScrollInfo(bar, SB_CTL, &info)) thumb = info.nTrackPos;
  }
  int next = PanelScrollPosition(static_cast<int>(code), position, thumb, maximum,
                                 m_current->ScrollUnit());
  if (next == position) return;
  m_current->SetScrollOffset(next, true);
  ::SetScrollPos(bar, SB_CTL, next, TRUE);
}

void CChildView::KeepCellInView(int index) {
  if (!m_current || !m_strip) return;
  if (index < 0) index = m_current->GetHotIndex();
  HWND bar = m_strip->GetPanelScrollBar();
  bool shown = bar && m_strip->IsPanelScrollBarShown();
  int minimum = 0, oldMaximum = 0, position = 0;
  if (shown) {
    ::GetScrollRange(bar, SB_CTL, &minimum, &oldMaximum);
    position = ::GetScrollPos(bar, SB_CTL);
  }
  UpdateScrollRange();
  if (!m_strip->IsPanelScrollBarShown()) {
    m_current->SetScrollOffset(0, true);
    return;
  }
  int newMaximum = 0;
  ::GetScrollRange(bar, SB_CTL, &minimum, &newMaximum);
  int nearEdge = 0, farEdge = 0;
  if (!m_current->CellSpan(index, &nearEdge, &farEdge)) return;
  int next = PanelKeepInView(position, oldMaximum, newMaximum, nearEdge, farEdge,
                             m_current->VisibleLength());
  m_current->SetScrollOffset(next, true);
  ::SetScrollPos(bar, SB_CTL, next, TRUE);
}

void CChildView::FitFrame(bool animate) {
  if (m_fitted) return;
  m_fitted = true;
  HWND frame = ::GetParent(m_hWnd);
  if (!m_current || !frame) return;
  BarLook look = BarLook::Current(m_host);
  bool vertical = IsVertical(look.style);
  int t = StripThickness();

  SIZE extent = m_current->ContentExtent();
  RECT client;
  GetClientRect(&client);
  RECT need =
      vertical ? RECT{0, 0, extent.cx + t, client.bottom} : RECT{0, 0, client.right, extent.cy + t};
  // The margins: FrmBorderX along the bar, FrmBorderY across it.
  if (vertical)
    ::InflateRect(&need, look.frmBorderY, look.frmBorderX);
  else
    ::InflateRect(&need, look.frmBorderX, look.frmBorderY);
  ::AdjustWindowRectEx(&need, static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
  ::AdjustWindowRectEx(&need, static_cast<DWORD>(::GetWindowLongPtrA(frame, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrA(frame, GWL_EXSTYLE)));
  int needed = vertical ? need.right - need.left : need.bottom - need.top;
  RECT frameRect;
  ::GetWindowRect(frame, &frameRect);
  int along = vertical ? frameRect.bottom - frameRect.top : frameRect.right - frameRect.left;
  int across = vertical ? frameRect.right - frameRect.left : frameRect.bottom - frameRect.top;
  auto setAcross = [&](int size) {
    ::SetWindowPos(frame, nullptr, 0, 0, vertical ? size : along, vertical ? along : size,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  // A desktop bar takes its thickness at its screen edge instead.
  if ((look.style & style::kDesktopBar) && m_host &&
      m_host->DockAtThickness(needed, frameRect.left, frameRect.top) > 0)
    return;
  if (!animate && across == needed) return;
  if (animate && (look.style & style::kAnimate)) {
    int step = std::max(1, (needed - t) / 20);
    for (int size = t; size < needed && ::IsWindow(frame); size += step) {
      setAcross(size);
      if (!AfxPumpMessages()) break;
      ::Sleep(1);
    }
  } else {
    setAcross(t);
  }
  if (::IsWindow(frame)) setAcross(needed);
}

void CChildView::ApplyOptions(DWORD oldStyle) {
  DWORD style = GetStyleWord();
  DWORD changed = style ^ oldStyle;
  HWND frame = ::GetParent(m_hWnd);
  auto redrawFrame = [frame] {
    if (frame)
      ::RedrawWindow(frame, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  BarLook look = BarLook::Current(m_host);
  if ((changed & style::kAutoTabWidth) || Changed("TabTxtDraw") || Changed("TabTxtWidth"))
    ApplyTabTextOptions(false);
  if (changed & style::kToolTips) UpdateToolTip();
  if ((changed & style::kFrameEdges) || Changed("FrmBorderX") || Changed("FrmBorderY")) {
    LONG_PTR ex = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    ex = (style & style::kFlatFrame) ? (ex & ~WS_EX_CLIENTEDGE) : (ex | WS_EX_CLIENTEDGE);
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, ex);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    LayOut();
    m_fitted = false;
    FitFrame(false);
    redrawFrame();
  }
  if ((changed & (style::kShowText | style::kLargeIcons | style::kButtonEdges)) ||
      Changed("TxtFontHeight") || Changed("BtnTxtDraw") || Changed("BorderX") ||
      Changed("BorderY") || Changed("BtnTxtWidth")) {
    for (auto& panel : m_panels) {
      if (!panel || panel.get() == m_current) continue;
      panel->SetImageList(look.ImagesForStyle());
      panel->Rebuild(false, false);
    }
    if (m_current) {
      m_current->SetImageList(look.ImagesForStyle());
      m_current->Rebuild(false, true);
    }
    LayOut();
    m_fitted = false;
    FitFrame(false);
    redrawFrame();
  }
  if ((changed & style::kTabColorButtons) && m_current) ::InvalidateRect(*m_current, nullptr, TRUE);
  if ((changed & style::kTopmost) && frame)
    ::SetWindowPos(frame, (style & style::kTopmost) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (changed & style::kDesktopBar) {
    m_fitted = false;
    FitFrame(false);
  }
  if ((changed & style::kVertical) || Changed("TabHightAdj")) {
    int t = StripThickness();
    RECT client;
    GetClientRect(&client);
    if (IsVertical(style)) {
      int x = (style & 0x10000) ? client.right - t : 0;
      if (IsVertical(oldStyle))
        ::MoveWindow(*m_strip, x, 0, t, 100, TRUE);
      else
        ::SetWindowPos(*m_strip, nullptr, 0, 0, t, 100, SWP_NOMOVE | SWP_NOZORDER);
    } else {
      ::SetWindowPos(*m_strip, nullptr, 0, 0, 100, t, SWP_NOMOVE | SWP_NOZORDER);
    }
    m_strip->Reorient();
    if (m_current) m_current->Rebuild(false, true);
    LayOut();
    m_fitted = false;
    FitFrame(true);
    redrawFrame();
  } else if (CRecentStrip* recent = m_strip->GetRecentStrip()) {
    // Launches not yet in the file go there first, so that reading it again cannot lose them;
    // the options page may have changed the list's length or cleared it in the file.
    recent->Save();
    std::string first =
        g_settingsFile.ReadString(kRecentSection, CRecentList::KeyName(kRecentKey, 1).c_str(), "");
    if (Changed("RctNo") || first.empty())
      recent->Load(kRecentSection, kRecentKey, g_barOptions.GetInt("RctNo", 3));
  }
}

void CChildView::SelectTab(int index) {
  int visible = g_tabList.GetCount();
  if (index < 0) return;
  if (index < visible) {
    if (!g_tabList.SelectTab(index)) return;
    m_strip->Select(index);
    ShowTabPanel(index);
    m_strip->EnsureVisible(index);
    return;
  }
  // A hidden tab comes back as the last visible one.
  CTabDataList* hidden = g_tabList.GetHiddenList();
  int h = index - visible;
  if (!hidden || h >= hidden->GetCount()) return;
  auto copy = hidden->GetTab(h)->Clone();
  int added = g_tabList.AddTab(std::move(copy));
  CTabData* tab = g_tabList.GetTab(added);
  if (!tab) return;  // not taken: the hidden tab stays where it was
  hidden->RemoveTab(h);
  if (hidden->GetCount() == 0) g_tabList.DestroyHiddenList();
  m_panels.resize(static_cast<size_t>(g_tabList.GetCount()));
  m_strip->AddTab(tab->m_name, tab->m_color, tab->m_textColor, true);
  g_tabList.SelectTab(added);
  m_strip->Select(added);
  ShowTabPanel(added);
  m_strip->EnsureVisible(added);
}

bool CChildView::OnKeyDown(UINT key) {
  int selected = m_strip ? m_strip->GetSelected() : -1;
  int count = g_tabList.GetCount();
  int target = -1;
  switch (key) {
    case VK_PRIOR:
      if (selected > 0) target = selected - 1;
      break;
    case VK_NEXT:
      if (selected + 1 < count) target = selected + 1;
      break;
    case VK_HOME:
      target = 0;
      break;
    case VK_END:
      target = count - 1;
      break;
    default:
      return false;
  }
  if (target >= 0) PostMessage(WM_COMMAND, kFirstTabCommand + target, 0);
  return true;
}

BOOL CChildView::PreTranslateMessage(MSG* msg) {
  // Any key ends a running copy, move or swap mode with no effect, and goes no further.
  const bool key = msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN;
  if (key && CancelModes()) return TRUE;
  // The button tooltip follows the mouse over the current panel.
  if (m_toolTip.GetSafeHwnd() && m_current && msg->hwnd == m_current->GetSafeHwnd() &&
      msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST &&
      msg->message != WM_LBUTTONDBLCLK && msg->message != WM_RBUTTONDBLCLK)
    m_toolTip.RelayEvent(*msg);
  return FALSE;
}

LRESULT CChildView::OnNotify(const NMHDR& header) {
  const LPARAM lParam = reinterpret_cast<LPARAM>(&header);
  if (header.hwndFrom && header.hwndFrom == m_toolTip.GetSafeHwnd() &&
      header.code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    info->szText[0] = '\0';
    info->lpszText = info->szText;
    if (m_current) {
      POINT cursor;
      ::GetCursorPos(&cursor);
      ::ScreenToClient(*m_current, &cursor);
      CopyTipText(m_current->TooltipTextAt(cursor), info->szText, sizeof info->szText);
    }
    return 0;
  }
  if (m_strip && header.hwndFrom == m_strip->GetSafeHwnd()) return OnStripNotify(header, lParam);
  if (CWnd* child = CWnd::FromHandlePermanent(header.hwndFrom)) {
    // Only panels of this view report with panel codes.
    for (const auto& panel : m_panels) {
      if (panel.get() == child) return OnPanelNotify(header, lParam);
    }
  }
  return 0;
}

void CChildView::OnLButtonDown(UINT, POINT) {
  // A press on the margin around the panel may move the whole bar.
  if (m_host) m_host->BeginHoldToMove(m_hWnd);
}

void CChildView::OnPaint(CPaintDC& dc) {
  RECT client;
  GetClientRect(&client);
  BarLook look = BarLook::Current(m_host);
  PaintViewFrame(dc, client, look.style, StripThickness(), look.frmBorderX, look.frmBorderY);
}

LRESULT CChildView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (m_strip && reinterpret_cast<HWND>(lParam) == m_strip->GetPanelScrollBar())
        OnPanelScroll(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
      break;
    case WM_BUILD_PROGRESS:
      if (m_strip) ::SendMessageA(*m_strip, WM_BUILD_PROGRESS, wParam, lParam);
      return 0;
    case WM_VIEW_LATE_START:
      if (CShellInfoReader* reader = m_host ? m_host->GetShellInfoReader() : nullptr) reader->Go();
      LoadCommonControls();
      UpdateToolTip();
      if (m_strip) m_strip->CreateLateControls();
      // The recent list asks the shell about each entry: a 3-pixel handle
      // need not hold up the bar's first picture for that.
      if (CRecentStrip* recent = m_strip ? m_strip->GetRecentStrip() : nullptr) {
        recent->SetImageList(BarLook::Current(m_host).smallImages);
        recent->Load(kRecentSection, kRecentKey, g_barOptions.GetInt("RctNo", 3));
      }
      return 0;
    case WM_VIEW_OPTIONS_CHANGED:
      ApplyOptions(static_cast<DWORD>(wParam));
      return 0;
    case WM_RUN_TAB:
      // Indices travel as 32-bit values; anything out of range names no tab.
      m_launcher->RunTab(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case WM_TAB_MENU:
      m_launcher->TabMenu(static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case WM_TABLIST:
      return OnTabList(wParam, lParam);
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
