#include "bar/BtnPanel.h"

#include <shellapi.h>

#include <algorithm>

#include "bar/BarPaint.h"
#include "bar/BtnDragTracker.h"
#include "core/Globals.h"
#include "core/MbString.h"
#include "bar/BarHost.h"
#include "bar/ShellInfoReader.h"
#include "bar/PanelScroll.h"
#include "framework/MenuLoopHook.h"
#include "framework/GdiObject.h"

const char CBtnPanel::kClassName[] = "KestrelBtnPanel";

void CopyTipText(const std::string& text, char* buffer, size_t size) {
  if (!buffer || size == 0) return;
  size_t length = 0;
  while (length < text.size()) {
    size_t next = length + MbCharLength(text, length);
    if (next > size - 1) break;
    length = next;
  }
  text.copy(buffer, length);
  buffer[length] = '\0';
}

CBtnPanel::CBtnPanel(CTabData& tab, CBarHost* host) : m_tab(tab), m_host(host) {}

CBtnPanel::~CBtnPanel() {
  RemoveToolTipTool();
  m_frameHook.reset();
  // Unbound below, the window's destruction no longer reaches OnDestroy.
  if (CShellInfoReader* reader = m_hWnd ? ShellInfoReader() : nullptr) reader->Forget(m_hWnd);
  if (m_hWnd && ::IsWindow(m_hWnd)) {
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
  }
}

BOOL CBtnPanel::Create(HWND parent, UINT id, const RECT& rect, DWORD style) {
  if (!RegisterWndClass(kClassName, CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                        nullptr, nullptr))
    return FALSE;
  // Dropped files are taken from creation on.
  return CreateEx(WS_EX_ACCEPTFILES, kClassName, "", style | WS_CHILD, rect, parent, id);
}

HIMAGELIST CBtnPanel::GetImageList() const {
  return m_images ? m_images : ReadLook().ImagesForStyle();
}

LRESULT CBtnPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PRINTCLIENT: {
      // Animations and snapshots ask for the picture in their own DC.
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT client;
      ::GetClientRect(m_hWnd, &client);
      if (lParam & PRF_ERASEBKGND) OnEraseBkgnd(dc);
      PaintCells(dc, client);
      return 0;
    }
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnOtherButtonDown(PointFromLParam(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureChanged(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_MOUSELEAVE:
      m_leaveRequested = false;
      // While a press holds the capture the cell stays pressed.
      if (!m_tracking) EndHover();
      return 0;
    case WM_EXITMENULOOP:
      EndHover();
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_SHELL_CHANGED:
      RefreshAll();
      return 1;
    case WM_SHELL_INFO_READ:
      OnShellInfoRead();
      return 0;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

int CBtnPanel::OnCreate(const CREATESTRUCTA&) {
  HookFrameWindow(m_host ? m_host->GetFrameWindow() : nullptr);
  return 0;
}

void CBtnPanel::RemoveToolTipTool() {
  if (!m_toolTip || !m_hWnd) return;
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = ::GetParent(m_hWnd);
  tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
  if (::IsWindow(m_toolTip))
    ::SendMessageA(m_toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  m_toolTip = nullptr;
}

void CBtnPanel::OnDestroy() {
  RemoveToolTipTool();
  if (CShellInfoReader* reader = ShellInfoReader()) reader->Forget(m_hWnd);
  m_frameHook.reset();
  m_tracking = false;
}

void CBtnPanel::HookFrameWindow(HWND frame) {
  m_frameHook.reset();
  if (!frame || !m_hWnd) return;
  m_frameHook = std::make_unique<CMenuLoopHook>(m_hWnd);
  m_frameHook->HookWindow(frame);
}

void CBtnPanel::StartBarMove() {
  if (m_host) m_host->BeginHoldToMove(m_hWnd);
}

CShellInfoReader* CBtnPanel::ShellInfoReader() const {
  return m_host ? m_host->GetShellInfoReader() : nullptr;
}

// ---------------------------------------------------------------------------
// Items and layout

void CBtnPanel::ReadItem(size_t index) {
  const bool pending = m_items[index]->m_pending;
  m_items[index]->ReadContent();
  if (pending) {
    --m_pendingCount;
    SettlePending();
  }
}

void CBtnPanel::SyncItems() {
  // The model may have been changed behind the panel's back: items follow
  // their cells, and cells without an item get one.
  const auto& buttons = m_tab.m_buttons;
  bool changed = false;
  if (m_items.size() > buttons.size()) {
    m_items.resize(buttons.size());
    ForgetStates();
    changed = true;
  }
  for (size_t i = 0; i < buttons.size(); ++i) {
    if (i == m_items.size()) {
      m_items.push_back(std::make_unique<CBtnItem>(buttons[i].get()));
      ReadItem(i);
      changed = true;
    } else if (m_items[i]->m_data != buttons[i].get()) {
      m_items[i] = std::make_unique<CBtnItem>(buttons[i].get());
      ReadItem(i);
      changed = true;
    }
  }
  // Items still waiting for the shell reader may have gone with the change.
  if (changed) CountPending();
}

void CBtnPanel::ForgetStates() {
  m_hot = -1;
  m_pressed = false;
  m_pressedIndex = -1;
  m_lastPressed = -1;
}

void CBtnPanel::Rebuild(bool recreateItems, bool erase) {
  const BarLook look = ReadLook();
  if (recreateItems) {
    m_items.clear();
    ForgetStates();
    const int count = m_tab.GetButtonCount();
    m_items.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
      m_items.push_back(std::make_unique<CBtnItem>(m_tab.m_buttons[static_cast<size_t>(i)].get()));
    m_pendingCount = 0;
    ReadAllItems(count > 5 && m_hWnd);
  } else {
    SyncItems();
  }
  m_cell = CellGeometry(look.style, look.fontHeight, look.FontOrStock(), look.btnTxtWidth);
  MeasureItems(0, m_items.size());
  Place();
  if (m_hWnd) {
    DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
    DWORD wanted = (look.borderX == 0 && look.borderY == 0) ? (exStyle & ~WS_EX_STATICEDGE)
                                                            : (exStyle | WS_EX_STATICEDGE);
    if (wanted != exStyle) {
      ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>(wanted));
      ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    ::InvalidateRect(m_hWnd, nullptr, erase);
  }
}

void CBtnPanel::MeasureItems(size_t first, size_t last) {
  HDC dc = ::GetDC(m_hWnd);
  {
    const BarLook look = ReadLook();
    CSelectObject font(dc, look.FontOrStock());
    for (size_t i = first; i < last && i < m_items.size(); ++i) m_items[i]->Measure(dc, m_cell);
  }
  ::ReleaseDC(m_hWnd, dc);
}

void CBtnPanel::Place() {
  const BarLook look = ReadLook();
  const DWORD style = look.style;
  const bool vertical = IsVerticalStyle(style);
  const SIZE separator = SeparatorGeometry(style, m_cell);
  // X-named borders act along the bar, Y-named ones across it.
  int along = look.borderX;
  const int across = look.borderY;
  for (auto& item : m_items) {
    SIZE size = item->IsSeparator() ? separator : m_cell.size;
    int length = vertical ? size.cy : size.cx;
    int start = along - m_scrollOffset;
    if (vertical)
      item->m_rect = {across, start, across + size.cx, start + length};
    else
      item->m_rect = {start, across, start + length, across + size.cy};
    along += length + look.borderX;
  }
  const int thickness = Across(style, m_cell.size) + 2 * look.borderY;
  m_contentSize = vertical ? SIZE{thickness, along} : SIZE{along, thickness};
}

SIZE CBtnPanel::ContentExtent() const {
  RECT r{0, 0, m_contentSize.cx, m_contentSize.cy};
  if (m_hWnd) {
    ::AdjustWindowRectEx(&r, static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)));
  }
  return {r.right - r.left, r.bottom - r.top};
}

void CBtnPanel::SetScrollOffset(int offset, bool repaint) {
  m_scrollOffset = offset;
  Place();
  if (repaint && m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

int CBtnPanel::VisibleLength() const {
  RECT client{};
  if (m_hWnd) ::GetClientRect(m_hWnd, &client);
  return IsVerticalStyle(ReadLook().style) ? client.bottom : client.right;
}

bool CBtnPanel::CellSpan(int index, int* nearEdge, int* farEdge) const {
  const CBtnItem* item = GetItem(index);
  if (!item) return false;
  const DWORD style = ReadLook().style;
  if (nearEdge) *nearEdge = NearEdge(style, item->m_rect) + m_scrollOffset;
  if (farEdge) *farEdge = FarEdge(style, item->m_rect) + m_scrollOffset;
  return true;
}

int CBtnPanel::PositionToShow(int index, int position, int oldMaximum, int newMaximum) const {
  if (index < 0) index = m_hot;
  int nearEdge = 0, farEdge = 0;
  if (!CellSpan(index, &nearEdge, &farEdge))
    return std::clamp(position, 0, std::max(0, newMaximum));
  return PanelKeepInView(position, oldMaximum, newMaximum, nearEdge, farEdge, VisibleLength());
}

int CBtnPanel::ScrollUnit() const {
  if (m_items.empty()) return 0;
  const BarLook look = ReadLook();
  const CBtnItem* pitch = m_items.back().get();
  for (const auto& item : m_items) {
    if (!item->IsSeparator()) {
      pitch = item.get();
      break;
    }
  }
  return FarEdge(look.style, pitch->m_rect) - NearEdge(look.style, pitch->m_rect) + look.borderX;
}

// ---------------------------------------------------------------------------
// Cells

int CBtnPanel::HitTest(POINT point) const {
  if (!m_hWnd) return -1;
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  if (!::PtInRect(&client, point)) return -1;
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (::PtInRect(&m_items[i]->m_rect, point)) return static_cast<int>(i);
  }
  return -1;
}

CBtnItem* CBtnPanel::GetItem(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return m_items[static_cast<size_t>(index)].get();
}

int CBtnPanel::IndexOfNode(const CBtnItem* item) const {
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (m_items[i].get() == item) return static_cast<int>(i);
  }
  return -1;
}

bool CBtnPanel::IsBlank(int index) const {
  const CBtnItem* item = GetItem(index);
  return item && item->IsBlank();
}

bool CBtnPanel::IsSeparator(int index) const {
  const CBtnItem* item = GetItem(index);
  return item && item->IsSeparator();
}

void CBtnPanel::SetHotIndex(int index) {
  if (index < -1 || index >= GetCount()) index = -1;
  if (index == m_hot) return;
  InvalidateCell(m_hot);
  m_hot = index;
  InvalidateCell(m_hot);
}

int CBtnPanel::InsertCell(int kind, int index, int source) {
  using namespace btnpanel;
  if (kind != kBlank && kind != kSeparator && kind != kDuplicate) return -1;
  CBtnData* copyFrom = nullptr;
  if (kind == kDuplicate) {
    copyFrom = m_tab.GetButton(source);
    if (!copyFrom) return -1;
  }
  SyncItems();
  int position = g_tabList.InsertButton(m_tab, index, kind == kSeparator);
  CBtnData* cell = m_tab.GetButton(position);
  if (copyFrom) {
    cell->m_command = copyFrom->m_command;
    cell->m_flags = copyFrom->m_flags;
    cell->m_textColor = copyFrom->m_textColor;
    cell->m_bkColor = copyFrom->m_bkColor;
  }
  m_items.insert(m_items.begin() + position, std::make_unique<CBtnItem>(cell));
  ReadItem(static_cast<size_t>(position));
  MeasureItems(static_cast<size_t>(position), static_cast<size_t>(position) + 1);
  // Indices after the new cell moved on by one.
  if (m_pressedIndex >= position) ++m_pressedIndex;
  if (m_lastPressed >= position) ++m_lastPressed;
  m_hot = position;
  Place();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  return position;
}

bool CBtnPanel::DeleteCell(int index) {
  SyncItems();
  if (!GetItem(index) || !g_tabList.DeleteButton(m_tab, index)) return false;
  const bool pending = m_items[static_cast<size_t>(index)]->m_pending;
  m_items.erase(m_items.begin() + index);
  if (pending) {
    --m_pendingCount;
    SettlePending();
  }
  ForgetStates();
  Place();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  return true;
}

bool CBtnPanel::SetCell(int index, const char* text) {
  SyncItems();
  CBtnItem* item = GetItem(index);
  if (!item) return false;
  const bool wasSeparator = item->IsSeparator();
  if (!g_tabList.SetButton(m_tab, index, text)) return false;
  ReadItem(static_cast<size_t>(index));
  MeasureItems(static_cast<size_t>(index), static_cast<size_t>(index) + 1);
  if (item->IsSeparator() != wasSeparator) {
    // The cell changed its length: every later cell moves.
    Place();
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  } else {
    InvalidateCell(index);
  }
  return true;
}

bool CBtnPanel::CopyCell(int target, int source) {
  SyncItems();
  CBtnData* to = m_tab.GetButton(target);
  CBtnData* from = m_tab.GetButton(source);
  if (!to || !from) return false;
  to->m_command = from->m_command;
  to->m_flags = from->m_flags;
  to->m_textColor = from->m_textColor;
  to->m_bkColor = from->m_bkColor;
  g_tabList.SetModified();
  ReadItem(static_cast<size_t>(target));
  MeasureItems(static_cast<size_t>(target), static_cast<size_t>(target) + 1);
  m_hot = target;
  Place();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  return true;
}

bool CBtnPanel::SwapCells(int a, int b) {
  SyncItems();
  CBtnData* first = m_tab.GetButton(a);
  CBtnData* second = m_tab.GetButton(b);
  if (!first || !second) return false;
  std::swap(first->m_command, second->m_command);
  std::swap(first->m_flags, second->m_flags);
  std::swap(first->m_textColor, second->m_textColor);
  std::swap(first->m_bkColor, second->m_bkColor);
  g_tabList.SetModified();
  for (int index : {a, b}) {
    ReadItem(static_cast<size_t>(index));
    MeasureItems(static_cast<size_t>(index), static_cast<size_t>(index) + 1);
  }
  m_hot = a;
  Place();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  return true;
}

void CBtnPanel::RefreshAll() {
  SyncItems();
  ReadAllItems(false);
  MeasureItems(0, m_items.size());
  if (m_hWnd && ::IsWindowVisible(m_hWnd)) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

std::string CBtnPanel::TooltipTextAt(POINT point) const {
  const CBtnItem* item = GetItem(HitTest(point));
  if (!item || !item->m_overflow) return std::string();
  return item->m_text;
}

// ---------------------------------------------------------------------------
// Painting

COLORREF CBtnPanel::TabColor() const {
  return ResolveColor(m_tab.m_color, ::GetSysColor(COLOR_BTNFACE));
}

void CBtnPanel::InvalidateCell(int index) {
  const CBtnItem* item = GetItem(index);
  if (item && m_hWnd) ::InvalidateRect(m_hWnd, &item->m_rect, FALSE);
}

BOOL CBtnPanel::OnEraseBkgnd(HDC dc) {
  RECT client;
  ::GetClientRect(m_hWnd, &client);
  COLORREF old = ::SetBkColor(dc, TabColor());
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
  ::SetBkColor(dc, old);
  return TRUE;
}

void CBtnPanel::OnPaint(CPaintDC& dc) {
  if (!dc) return;
  PaintCells(dc, dc.PaintRect());
}

void CBtnPanel::PaintCells(HDC dc, const RECT& area) {
  const BarLook look = ReadLook();
  CellPaintContext context;
  context.style = look.style;
  context.tabColor = TabColor();
  context.tabTextColor = ResolveColor(m_tab.m_textColor, ::GetSysColor(COLOR_BTNTEXT));
  context.font = look.FontOrStock();
  context.images = GetImageList();
  context.overflowFormat = look.btnTxtDraw;

  RECT client;
  ::GetClientRect(m_hWnd, &client);
  const int visible = IsVerticalStyle(look.style) ? client.bottom : client.right;
  // Cells past the visible length are not painted; nor is anything that
  // lies outside the area to paint.
  int end = 0;
  RECT clip;
  for (; end < GetCount(); ++end) {
    const CBtnItem& item = *m_items[static_cast<size_t>(end)];
    if (FarEdge(look.style, item.m_rect) > visible) break;
    if (end == m_hot || (m_pressed && end == m_pressedIndex)) continue;
    if (!::IntersectRect(&clip, &item.m_rect, &area)) continue;
    PaintCell(dc, item, item.m_rect, false, false, context);
  }
  // The pressed and the hot cell come last, over their neighbours.
  if (m_pressed && m_pressedIndex >= 0 && m_pressedIndex < end && m_pressedIndex != m_hot) {
    const CBtnItem& item = *m_items[static_cast<size_t>(m_pressedIndex)];
    PaintCell(dc, item, item.m_rect, true, false, context);
  }
  if (m_hot >= 0 && m_hot < end) {
    const CBtnItem& item = *m_items[static_cast<size_t>(m_hot)];
    PaintCell(dc, item, item.m_rect, m_pressed && m_pressedIndex == m_hot, true, context);
  }
}

// ---------------------------------------------------------------------------
// Mouse

int CBtnPanel::ClickableCell(POINT point) const {
  int index = HitTest(point);
  return IsSeparator(index) ? -1 : index;
}

LRESULT CBtnPanel::Notify(UINT code, NMHDR& header) {
  header.hwndFrom = m_hWnd;
  header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
  header.code = code;
  return ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, header.idFrom,
                        reinterpret_cast<LPARAM>(&header));
}

void CBtnPanel::OnMouseMove(UINT, POINT point) {
  if (m_tracking) {
    if (::GetCapture() != m_hWnd) {
      OnCaptureChanged(nullptr);
      return;
    }
    int index = ClickableCell(point);
    if (m_pressedIndex >= 0 && index != m_pressedIndex) {
      // Off the pressed cell: it comes up again until the mouse returns.
      m_lastPressed = m_pressedIndex;
      m_pressedIndex = -1;
      InvalidateCell(m_lastPressed);
    } else if (m_pressedIndex < 0 && index >= 0 && index == m_lastPressed) {
      m_pressedIndex = index;
      InvalidateCell(index);
    }
    return;
  }
  if (m_pressed) {
    // A press this panel does not hold the capture for (a right press) ends.
    m_pressed = false;
    InvalidateCell(m_pressedIndex);
    m_pressedIndex = -1;
  }
  const int index = HitTest(point);
  if (m_toolTip) {
    const CBtnItem* item = GetItem(index);
    bool show = item && item->m_overflow && index == m_hot;
    ::SendMessageA(m_toolTip, TTM_ACTIVATE, show ? TRUE : FALSE, 0);
  }
  SetHotIndex(index);
  if (!m_leaveRequested) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    m_leaveRequested = ::TrackMouseEvent(&track) != FALSE;
  }
}

void CBtnPanel::OnLButtonDown(UINT, POINT point) {
  const int index = ClickableCell(point);
  if (index < 0) {
    StartBarMove();
    return;
  }
  m_pressed = true;
  m_pressedIndex = index;
  m_lastPressed = index;
  SetHotIndex(index);
  InvalidateCell(index);
  ::UpdateWindow(m_hWnd);
  m_tracking = true;
  ::SetCapture(m_hWnd);
}

void CBtnPanel::OnLButtonUp(UINT, POINT point) {
  m_pressed = false;
  if (m_tracking) {
    m_tracking = false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    InvalidateCell(m_pressedIndex >= 0 ? m_pressedIndex : m_lastPressed);
    const int index = ClickableCell(point);
    const bool click = index >= 0 && index == m_lastPressed && index == m_pressedIndex;
    m_pressedIndex = -1;
    m_lastPressed = -1;
    FollowPointerAfterRelease(point);
    if (click) {
      NMBTNPANEL record{};
      record.index = index;
      record.item = GetItem(index);
      Notify(btnpanel::kClicked, record.hdr);
    }
    return;
  }
  m_pressedIndex = -1;
}

void CBtnPanel::FollowPointerAfterRelease(POINT point) {
  // The leave notice that came while the press held the mouse was dropped: hover is set from
  // where the release happened, and a new leave notice asked for while over the panel.
  RECT client;
  GetClientRect(&client);
  if (!::PtInRect(&client, point)) {
    SetHotIndex(-1);
    return;
  }
  SetHotIndex(HitTest(point));
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
  m_leaveRequested = ::TrackMouseEvent(&track) != FALSE;
}

void CBtnPanel::OnOtherButtonDown(POINT point) {
  const int index = HitTest(point);
  InvalidateCell(m_pressedIndex);
  SetHotIndex(index);
  m_pressedIndex = index;
  // Shown pressed while its menu is open; the end of the menu loop lets go.
  m_pressed = index >= 0 && !IsSeparator(index);
  InvalidateCell(index);
}

void CBtnPanel::OnCaptureChanged(HWND gaining) {
  if (!m_tracking || gaining == m_hWnd) return;
  // Someone else took the mouse: the press is dropped without a click.
  m_tracking = false;
  m_pressed = false;
  InvalidateCell(m_pressedIndex);
  m_pressedIndex = -1;
  m_lastPressed = -1;
}

void CBtnPanel::EndHover() {
  InvalidateCell(m_pressedIndex);
  InvalidateCell(m_hot);
  m_pressed = false;
  m_pressedIndex = -1;
  m_hot = -1;
  if (m_tracking) {
    m_tracking = false;
    m_lastPressed = -1;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  }
}

void CBtnPanel::OnContextMenu(HWND window, POINT point) {
  if (g_barOptions.GetInt("Protects", 0) == 1) return CWnd::OnContextMenu(window, point);
  const POINT given = point;
  if (point.x == -1 && point.y == -1) ::GetCursorPos(&point);  // the menu key
  ::ScreenToClient(m_hWnd, &point);
  const int index = HitTest(point);
  SetHotIndex(index);
  NMBTNPANEL record{};
  record.index = index;
  record.item = GetItem(index);
  if (Notify(btnpanel::kContextMenu, record.hdr) != 0) return;
  CWnd::OnContextMenu(window, given);
}

void CBtnPanel::OnDropFiles(HDROP drop) {
  const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  std::string text;
  std::vector<char> path;
  UINT read = 0;
  for (UINT i = 0; i < count; ++i) {
    // Each path is read whole, however long.
    UINT length = ::DragQueryFileA(drop, i, nullptr, 0);
    if (length == 0) continue;
    path.assign(length + 1, '\0');
    if (::DragQueryFileA(drop, i, path.data(), length + 1) == 0) continue;
    text.append(path.data());
    text += '\n';
    ++read;
  }
  POINT point{};
  ::DragQueryPoint(drop, &point);
  ::DragFinish(drop);
  const int index = HitTest(point);
  SetHotIndex(index);
  NMBTNDROP record{};
  record.index = index;
  record.text = text.c_str();
  record.count = static_cast<int>(read);
  Notify(btnpanel::kFilesDropped, record.hdr);
}

// ---------------------------------------------------------------------------
// Copy, move and swap modes: the tracker hooks the panel's messages while it runs.

bool CBtnPanel::BeginMode(int mode, int index) {
  if (!m_hWnd || !GetItem(index) || mode < 0 || mode > 2) return false;
  m_dragTracker.reset();
  // Hover and press states would only fight with the mode's cursor and mark.
  EndHover();
  if (m_toolTip) ::SendMessageA(m_toolTip, TTM_ACTIVATE, FALSE, 0);
  const BarLook look = ReadLook();
  m_dragTracker = std::make_unique<CBtnDragTracker>(*this, mode, index, look.style, look.borderX);
  if (m_dragTracker->Start()) return true;
  m_dragTracker.reset();
  return false;
}

bool CBtnPanel::IsModeRunning() const { return m_dragTracker && m_dragTracker->IsActive(); }

void CBtnPanel::CancelMode() {
  if (m_dragTracker) m_dragTracker->Cancel();
}
