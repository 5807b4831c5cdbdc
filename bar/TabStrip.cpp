#include "bar/TabStrip.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "bar/BarLook.h"
#include "bar/BarHost.h"
#include "bar/RecentStrip.h"
#include "bar/TabTextPaint.h"
#include "core/CommonControls.h"
#include "core/Globals.h"
#include "core/StyleWord.h"
#include "framework/Dc.h"

namespace {
// Fixed tab widths beyond this many characters show nothing more; values
// of 0 or less would make tabs shorter than their own slanted sides.
const int kMaxFixedChars = 1000;
const int kMaxTabThickness = 0x7FFF;

BarLook FrameLook(CBarHost* host) {
  BarLook look;
  if (host) {
    host->ReadLook(look);
  } else {
    // No frame (a test): the settings file's values.
    look.style =
        static_cast<DWORD>(g_barOptions.GetInt("Style", static_cast<int>(style::kDefault)));
    look.tabHightAdj = g_barOptions.GetInt("TabHightAdj", 0);
  }
  return look;
}
}  // namespace

const char CTabStrip::kClassName[] = "KestrelTabStrip";

CTabStrip::CTabStrip(CBarHost* host) : m_host(host) {}

CTabStrip::~CTabStrip() {
  // Destroyed here, while the whole object still answers its messages.
  if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

BOOL CTabStrip::Create(HWND parent, const RECT& rect, UINT id) {
  if (!RegisterWndClass(kClassName, 0, ::LoadCursorA(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr))
    return FALSE;
  return CreateEx(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                  rect, parent, id);
}

// ---- tabs ----

int CTabStrip::AddTab(const std::string& name, uint32_t color, uint32_t textColor, bool relayout) {
  return InsertTab(GetTabCount(), name, color, textColor, relayout);
}

int CTabStrip::InsertTab(int index, const std::string& name, uint32_t color, uint32_t textColor,
                         bool relayout) {
  if (index < 0 || index > GetTabCount()) index = GetTabCount();
  m_tabs.insert(m_tabs.begin() + index, std::make_unique<CTabItem>(name, color, textColor));
  m_tabs[index]->SetTextWidth(-1);
  if (m_selected >= index) ++m_selected;
  if (relayout) {
    Layout();
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  }
  return index;
}

int CTabStrip::SetTabName(int index, const std::string& name) {
  CTabItem* tab = GetTab(index);
  if (!tab) return 0;
  tab->SetName(name);
  tab->SetTextWidth(-1);
  Layout();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  return 1;
}

void CTabStrip::SetTabColours(int index, uint32_t color, uint32_t textColor) {
  CTabItem* tab = GetTab(index);
  if (!tab || (tab->GetColor() == color && tab->GetTextColor() == textColor)) return;
  tab->SetColors(color, textColor);
  InvalidateTab(index);
}

void CTabStrip::RemoveTab(int index) {
  if (!GetTab(index)) return;
  m_tabs.erase(m_tabs.begin() + index);
  if (m_selected >= GetTabCount()) m_selected = GetTabCount() - 1;
  if (m_tooltipTab >= GetTabCount()) m_tooltipTab = -1;
  Layout();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTabStrip::RemoveAllTabs() {
  m_tabs.clear();
  m_selected = -1;
  m_tooltipTab = -1;
  m_scrollOffset = 0;
  Layout();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

CTabItem* CTabStrip::GetTab(int index) const {
  if (index < 0 || index >= GetTabCount()) return nullptr;
  return m_tabs[index].get();
}

int CTabStrip::Select(int index) {
  if (!GetTab(index)) index = -1;
  if (index == m_selected) return index;
  int old = m_selected;
  m_selected = index;
  InvalidateTab(old);
  InvalidateTab(index);
  return index;
}

int CTabStrip::HitTest(POINT point) const {
  if (!m_hWnd) return -1;
  RECT client;
  GetClientRect(&client);
  if (!::PtInRect(&client, point)) return -1;
  for (int i = 0; i < GetTabCount(); ++i)
    if (m_tabs[i]->Contains(point)) return i;
  return -1;
}

void CTabStrip::EnsureVisible(int index) {
  CTabItem* tab = GetTab(index);
  if (!tab) return;
  const RECT& r = tab->GetRect();
  bool horizontal = m_orientation == tablayout::kHorizontal;
  int nearEdge = (horizontal ? r.left : r.top) - m_scrollOffset;
  int farEdge = (horizontal ? r.right : r.bottom) - m_scrollOffset;
  int target = tablayout::EnsureVisibleOffset(nearEdge, farEdge, m_scrollOffset, m_maxScroll,
                                              m_placement.tabStart, m_placement.tabEnd);
  if (target == m_scrollOffset) return;
  if (StyleWord() & style::kAnimate) {
    int step = std::abs(target - m_scrollOffset) / 20;
    if (step != 0) {
      while (std::abs(target - m_scrollOffset) > step) {
        SetScrollOffset(m_scrollOffset + (target > m_scrollOffset ? step : -step));
        if (m_hWnd) ::UpdateWindow(m_hWnd);
        ::Sleep(1);
      }
    }
  }
  SetScrollOffset(target);
}

void CTabStrip::SetScrollOffset(int offset) {
  if (offset == m_scrollOffset) return;
  m_scrollOffset = offset;
  Layout();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// ---- options ----

void CTabStrip::SetTextOptions(double share, int textMode, int fixedChars, bool relayout) {
  if (share > 0) m_share = std::min(share, 1.0);
  m_fixedWidth = textMode != 0 && (textMode & 2) != 0;
  m_fixedChars = std::max(1, std::min(fixedChars, kMaxFixedChars));
  if (textMode & 0x10)
    m_overflowFormat = DT_RIGHT;
  else if (textMode & 8)
    m_overflowFormat = DT_LEFT;
  else
    m_overflowFormat = DT_END_ELLIPSIS | DT_CENTER;
  if (m_hWnd) {
    if (m_fixedWidth)
      CreateTooltip();
    else
      DestroyTooltip();
  }
  if (relayout) {
    PlaceChildren();
    Layout();
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  }
}

void CTabStrip::Reorient() {
  EndRename();
  tablayout::Orientation orientation = tablayout::OrientationFromStyle(StyleWord());
  bool changed = orientation != m_orientation;
  m_orientation = orientation;
  CreateFonts();
  if (changed) CreateScrollBars();
  PlaceChildren();
  Layout();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTabStrip::ShowPanelScrollBar(bool show) {
  if (show == m_scrollShown) return;
  m_scrollShown = show;
  if (m_panelScrollBar) ::ShowWindow(m_panelScrollBar, show ? SW_SHOWNA : SW_HIDE);
  PlaceChildren();
  Layout();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTabStrip::SetEmblem(const std::string& text) {
  m_emblem = text;
  m_emblemWidth = -1;
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// ---- geometry ----

int CTabStrip::Length() const {
  if (!m_hWnd) return 0;
  RECT client;
  GetClientRect(&client);
  return m_orientation == tablayout::kHorizontal ? client.right : client.bottom;
}

int CTabStrip::Thickness() const {
  if (!m_hWnd) return 0;
  RECT client;
  GetClientRect(&client);
  return m_orientation == tablayout::kHorizontal ? client.bottom : client.right;
}

DWORD CTabStrip::StyleWord() const { return FrameLook(m_host).style; }

int CTabStrip::TabThickness() const {
  int adjust = FrameLook(m_host).tabHightAdj;
  long long thickness = static_cast<long long>(adjust) + ::GetSystemMetrics(SM_CYHSCROLL);
  return static_cast<int>(std::max(0LL, std::min<long long>(thickness, kMaxTabThickness)));
}

RECT CTabStrip::AlongRect(int start, int length) const {
  int thickness = Thickness();
  if (m_orientation == tablayout::kHorizontal) return RECT{start, 0, start + length, thickness};
  return RECT{0, start, thickness, start + length};
}

RECT CTabStrip::GetRecentSlot() const {
  return AlongRect(m_placement.recentStart, tablayout::kRecentLength);
}

RECT CTabStrip::GetSplitterRect() const {
  if (!m_scrollShown) return RECT{};
  return AlongRect(m_placement.splitterStart, tablayout::kSplitterLength);
}

bool CTabStrip::OnSplitter(POINT point) const {
  RECT splitter = GetSplitterRect();
  return m_scrollShown && ::PtInRect(&splitter, point);
}

void CTabStrip::CreateFonts() {
  LOGFONTA font = tabtext::TabFont(Thickness(), m_orientation, false);
  m_font.Attach(::CreateFontIndirectA(&font));
  // An edit control cannot show rotated text: the rename edit of a vertical
  // strip gets the same font upright.
  LOGFONTA upright = font;
  upright.lfEscapement = upright.lfOrientation = 0;
  m_editFont.Attach(font.lfEscapement ? ::CreateFontIndirectA(&upright) : nullptr);
  m_fontThickness = Thickness();
  LOGFONTA selected = tabtext::TabFont(Thickness(), m_orientation, true);
  m_selectedFont.Attach(::CreateFontIndirectA(&selected));
  InvalidateMeasures();
}

void CTabStrip::CreateScrollBars() {
  if (!m_hWnd) return;
  SCROLLINFO panel{};
  panel.cbSize = sizeof panel;
  panel.fMask = SIF_ALL;
  bool keep = m_panelScrollBar && ::GetScrollInfo(m_panelScrollBar, SB_CTL, &panel);
  if (m_arrows) ::DestroyWindow(m_arrows);
  if (m_panelScrollBar) ::DestroyWindow(m_panelScrollBar);
  DWORD direction = m_orientation == tablayout::kHorizontal ? SBS_HORZ : SBS_VERT;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE));
  m_arrows = ::CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | direction, 0, 0, 0, 0,
                               m_hWnd, reinterpret_cast<HMENU>(kArrowsId), instance, nullptr);
  if (m_arrows) {
    // No room for a thumb: a small range keeps both arrows working.
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS, 0, 1, 0, 0, 0};
    ::SetScrollInfo(m_arrows, SB_CTL, &info, FALSE);
  }
  m_arrowState = ~0u;
  m_panelScrollBar = ::CreateWindowExA(
      0, "SCROLLBAR", "", WS_CHILD | direction | (m_scrollShown ? WS_VISIBLE : 0), 0, 0, 0, 0,
      m_hWnd, reinterpret_cast<HMENU>(kPanelScrollBarId), instance, nullptr);
  if (m_panelScrollBar && keep) {
    panel.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    ::SetScrollInfo(m_panelScrollBar, SB_CTL, &panel, FALSE);
  }
  m_panelArrowState = ~0u;
}

void CTabStrip::PlaceChildren() {
  if (!m_hWnd) return;
  int thumb =
      ::GetSystemMetrics(m_orientation == tablayout::kHorizontal ? SM_CXHTHUMB : SM_CYVTHUMB);
  m_placement = tablayout::PlaceChildren(Length(), Thickness(), thumb, m_share, m_scrollShown);
  auto place = [this](HWND child, int start, int length) {
    if (!child) return;
    RECT r = AlongRect(start, std::max(0, length));
    ::MoveWindow(child, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  };
  place(m_arrows, 0, m_placement.arrowsLength);
  place(m_panelScrollBar, m_placement.scrollStart, Length() - m_placement.scrollStart);
  place(::GetDlgItem(m_hWnd, kRecentId), m_placement.recentStart, tablayout::kRecentLength);
}

void CTabStrip::CollapseRecent() {
  HWND recent = ::GetDlgItem(m_hWnd, kRecentId);
  if (!recent) return;
  RECT r = GetRecentSlot();
  ::MoveWindow(recent, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void CTabStrip::InvalidateMeasures() {
  for (auto& tab : m_tabs) tab->SetTextWidth(-1);
  m_emblemWidth = -1;
  m_measuresValid = false;
}

void CTabStrip::MeasureTab(CTabItem& tab, HDC dc) const {
  SIZE size{};
  const std::string& name = tab.GetName();
  if (!name.empty())
    ::GetTextExtentPoint32A(dc, name.data(),
                            static_cast<int>(std::min<size_t>(name.size(), INT_MAX)), &size);
  tab.SetTextWidth(std::max<LONG>(0, size.cx));
}

void CTabStrip::Layout() {
  if (!m_hWnd || !m_selectedFont) return;
  {
    CClientDC dc(m_hWnd);
    if (!dc) return;
    CSelectObject font(dc, m_selectedFont.GetSafeHandle());
    if (!m_measuresValid) {
      TEXTMETRICA metrics{};
      ::GetTextMetricsA(dc, &metrics);
      m_averageCharWidth = metrics.tmAveCharWidth;
      m_measuresValid = true;
    }
    for (auto& tab : m_tabs)
      if (tab->GetTextWidth() < 0) MeasureTab(*tab, dc);
  }

  std::vector<int> widths;
  widths.reserve(m_tabs.size());
  for (auto& tab : m_tabs) widths.push_back(tab->GetTextWidth());
  int fixed = m_fixedWidth ? m_fixedChars * m_averageCharWidth : -1;
  std::vector<tablayout::Span> spans =
      tablayout::LayoutSpans(widths, m_placement.tabStart, m_scrollOffset, fixed);
  int thickness = TabThickness();
  for (size_t i = 0; i < spans.size(); ++i) {
    const tablayout::Span& s = spans[i];
    RECT r = m_orientation == tablayout::kHorizontal
                 ? RECT{s.start, 0, s.start + s.length, thickness}
                 : RECT{0, s.start, thickness, s.start + s.length};
    m_tabs[i]->SetRect(r, m_orientation);
    m_tabs[i]->SetTruncated(s.truncated);
  }
  m_maxScroll = tablayout::MaxScroll(spans, m_scrollOffset, m_placement.tabEnd);
  // Tabs removed or a longer tab area: never leave the tabs scrolled past
  // their end.
  int lowest = -std::max(0, m_maxScroll);
  if (m_scrollOffset < lowest) {
    m_scrollOffset = lowest;
    Layout();
  }
}

void CTabStrip::InvalidateTab(int index) {
  CTabItem* tab = GetTab(index);
  if (!tab || !m_hWnd) return;
  RECT r = tab->GetRect();
  ::InvalidateRect(m_hWnd, &r, TRUE);
}

// ---- rename ----

void CTabStrip::BeginRename(int index) {
  CTabItem* tab = GetTab(index);
  if (!tab || !m_hWnd) return;
  EndRename();
  // The ended edit may still be on the stack (the parent can start a new
  // rename from its notification): it is kept until the next rename.
  m_retiredEdit = std::move(m_renameEdit);
  m_renameEdit = std::make_unique<CRenameEdit>();
  m_renaming = true;
  if (!m_renameEdit->Start(m_hWnd, tab->GetRect(),
                           m_editFont ? m_editFont.GetSafeHandle() : m_font.GetSafeHandle(),
                           tab->GetName())) {
    m_renaming = false;
    m_renameEdit.reset();
  }
}

void CTabStrip::EndRename() {
  // The edit object stays until the next rename or the strip's end: it may
  // be ending from inside its own window procedure.
  if (m_renameEdit && !m_renameEdit->HasEnded()) m_renameEdit->End();
}

void CTabStrip::OnRenameEnded(const char* text) {
  if (!m_renaming || m_destroying) return;
  m_renaming = false;
  NMTABSTRIP record{};
  record.index = m_selected;
  record.text = text ? text : "";
  SendNotify(record, tabstrip::kRenamed);
}

// ---- notifications ----

LRESULT CTabStrip::SendNotifyResult(NMTABSTRIP& record, UINT code) const {
  HWND parent = ::GetParent(m_hWnd);
  if (!parent || m_destroying) return 0;
  record.hdr.hwndFrom = m_hWnd;
  record.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
  record.hdr.code = code;
  return ::SendMessageA(parent, WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}

void CTabStrip::SendNotify(NMTABSTRIP& record, UINT code) const { SendNotifyResult(record, code); }

// ---- tooltip ----

void CTabStrip::CreateLateControls() {
  if (m_fixedWidth) CreateTooltip();
}

void CTabStrip::CreateTooltip() {
  // Until the common controls are loaded the view makes it later.
  if (m_tooltip.GetSafeHwnd() || !m_hWnd || !CommonControlsLoaded()) return;
  if (!m_tooltip.Create(m_hWnd)) return;  // the strip goes on without one
  m_tooltip.AddTool(m_hWnd, m_hWnd);
  m_tooltip.SetDelayTime(TTDT_AUTOPOP, 32767);
  m_tooltip.SetDelayTime(TTDT_INITIAL, 200);
  m_tooltip.SetDelayTime(TTDT_RESHOW, 200);
  m_tooltip.Activate(false);
  m_tooltipTab = -1;
}

void CTabStrip::DestroyTooltip() {
  m_tooltip.DestroyWindow();
  m_tooltipTab = -1;
}

void CTabStrip::UpdateTooltip(POINT point) {
  if (!m_tooltip.GetSafeHwnd() || !m_fixedWidth) return;
  int hit = HitTest(point);
  CTabItem* tab = GetTab(hit);
  bool truncated = tab && tab->IsTruncated();
  if (!truncated || hit != m_tooltipTab) m_tooltip.Activate(false);
  m_tooltipTab = truncated ? hit : -1;
  if (truncated) m_tooltip.Activate(true);
}

void CTabStrip::RelayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
  m_tooltip.RelayEvent(m_hWnd, message, wParam, lParam);
}

// ---- idle and progress ----

void CTabStrip::OnIdleUpdate() {
  if (m_arrows) {
    UINT state = ESB_ENABLE_BOTH;
    bool leftOff = m_scrollOffset >= 0;
    bool rightOff = m_maxScroll <= 0 || m_scrollOffset <= -m_maxScroll;
    if (leftOff && rightOff)
      state = ESB_DISABLE_BOTH;
    else if (leftOff)
      state = ESB_DISABLE_LTUP;
    else if (rightOff)
      state = ESB_DISABLE_RTDN;
    if (state != m_arrowState) {
      ::EnableScrollBar(m_arrows, SB_CTL, ESB_ENABLE_BOTH);
      if (state != ESB_ENABLE_BOTH) ::EnableScrollBar(m_arrows, SB_CTL, state);
      m_arrowState = state;
    }
  }
  if (m_panelScrollBar && m_scrollShown) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    if (::GetScrollInfo(m_panelScrollBar, SB_CTL, &info)) {
      bool leftOff = info.nPos <= info.nMin;
      bool rightOff = info.nPos >= info.nMax;
      UINT state = leftOff && rightOff ? ESB_DISABLE_BOTH
                   : leftOff           ? ESB_DISABLE_LTUP
                   : rightOff          ? ESB_DISABLE_RTDN
                                       : ESB_ENABLE_BOTH;
      if (state != m_panelArrowState) {
        ::EnableScrollBar(m_panelScrollBar, SB_CTL, ESB_ENABLE_BOTH);
        if (state != ESB_ENABLE_BOTH) ::EnableScrollBar(m_panelScrollBar, SB_CTL, state);
        m_panelArrowState = state;
      }
    }
  }
  // The recently used strip stays open while the tabs leave room for it.
  if (m_recent && !m_splitterDragging) {
    int lastFar = m_placement.tabStart;
    if (!m_tabs.empty()) {
      const RECT& r = m_tabs.back()->GetRect();
      lastFar = m_orientation == tablayout::kHorizontal ? r.right : r.bottom;
    }
    if (m_recent->WantsPin(m_placement.tabEnd - lastFar))
      ::PostMessageA(m_recent->GetSafeHwnd(), WM_RECENT_PIN, 0, 0);
  }
}

void CTabStrip::OnProgress(WPARAM action, LPARAM count) {
  switch (action) {
    case 0: {
      if (m_progress) ::DestroyWindow(m_progress);
      m_progress = nullptr;
      int lastFar = m_placement.tabStart;
      if (!m_tabs.empty()) {
        const RECT& r = m_tabs.back()->GetRect();
        lastFar = m_orientation == tablayout::kHorizontal ? r.right : r.bottom;
      }
      // The recently-used strip reports its pinned length through its width.
      int recentExpanded = 0;
      if (HWND recent = ::GetDlgItem(m_hWnd, kRecentId)) {
        RECT rr;
        ::GetClientRect(recent, &rr);
        int length = m_orientation == tablayout::kHorizontal ? rr.right : rr.bottom;
        if (length > tablayout::kRecentLength) recentExpanded = length;
      }
      tablayout::Range range = tablayout::ProgressRange(
          lastFar, !m_tabs.empty(), m_placement.tabStart, m_placement.tabEnd, recentExpanded);
      RECT r = AlongRect(range.start, range.Length());
      ::InflateRect(&r, -4, -2);
      int along = m_orientation == tablayout::kHorizontal ? r.right - r.left : r.bottom - r.top;
      if (along < tablayout::kMinProgressLength) return;
      DWORD style =
          WS_CHILD | WS_VISIBLE | (m_orientation == tablayout::kHorizontal ? 0 : PBS_VERTICAL);
      HINSTANCE instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(m_hWnd, GWLP_HINSTANCE));
      if (!LoadCommonControls()) return;
      m_progress = ::CreateWindowExA(0, PROGRESS_CLASSA, "", style, r.left, r.top, r.right - r.left,
                                     r.bottom - r.top, m_hWnd, nullptr, instance, nullptr);
      if (!m_progress) return;
      ::SendMessageA(m_progress, PBM_SETRANGE32, 0,
                     static_cast<LPARAM>(std::max<LPARAM>(0, std::min<LPARAM>(count, INT_MAX))));
      ::SendMessageA(m_progress, PBM_SETSTEP, 1, 0);
      ::UpdateWindow(m_progress);
      break;
    }
    case 1:
      if (m_progress) {
        ::SendMessageA(m_progress, PBM_STEPIT, 0, 0);
        ::UpdateWindow(m_progress);
      }
      break;
    case 2:
      if (m_progress) ::DestroyWindow(m_progress);
      m_progress = nullptr;
      break;
    default:
      break;
  }
}
