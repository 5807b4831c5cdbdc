#include "bar/RecentStrip.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "bar/BarHost.h"
#include "bar/BarLook.h"
#include "bar/TabLayout.h"
#include "bar/TabStrip.h"
#include "core/CommonControls.h"
#include "core/Globals.h"
#include "core/SettingsFile.h"
#include "core/ProfileSection.h"
#include "framework/MenuLoopHook.h"

const char CRecentStrip::kClassName[] = "KestrelRecentStrip";

namespace {
const int kHandle = CRecentList::kHandleLength;

void Fill(HDC dc, const RECT& r, int color) { ::FillRect(dc, &r, ::GetSysColorBrush(color)); }
}  // namespace

CRecentStrip::CRecentStrip(const CTabStrip& owner, RecentResolver resolve)
    : m_owner(owner), m_list(std::move(resolve)) {}

CRecentStrip::~CRecentStrip() {
  // Destroyed here, while the object still answers (and saves) in WM_DESTROY.
  if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

BOOL CRecentStrip::Create(HWND parent, const RECT& rect, UINT id) {
  if (!RegisterWndClass(kClassName, 0, ::LoadCursorA(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr))
    return FALSE;
  return CreateEx(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect, parent, id);
}

// ---- the list ----

void CRecentStrip::Load(const char* section, const char* keyFormat, int capacity) {
  if (section) m_section = section;
  if (keyFormat) m_keyFormat = keyFormat;
  CProfileSection values(g_settingsFile, m_section.c_str());
  m_list.Load([&values](const char* key) { return values.GetString(key, ""); }, m_keyFormat.c_str(),
              capacity);
  ItemsChanged();
  Collapse();
}

void CRecentStrip::Add(const std::string& command) {
  if (!m_list.Add(command)) return;
  ItemsChanged();
  // An open strip grows with its list.
  if (m_expanded) Expand();
}

void CRecentStrip::RemoveAt(int index) {
  if (!m_list.RemoveAt(index)) return;
  ItemsChanged();
  Collapse();
}

void CRecentStrip::Clear() {
  m_list.Clear();
  ItemsChanged();
  if (m_expanded) Collapse();
}

bool CRecentStrip::Save() {
  if (!m_list.IsModified()) return true;
  if (!g_settingsFile.WriteSection(m_section.c_str(), m_list.SectionLines(m_keyFormat.c_str())))
    return false;
  m_list.SetModified(false);
  return true;
}

void CRecentStrip::OnRefresh() {
  if (m_list.Refresh()) {
    ItemsChanged();
    Collapse();
  } else if (m_expanded && m_hWnd) {
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
  }
}

void CRecentStrip::ItemsChanged() {
  m_hot = -1;
  m_pressed = false;
  m_pressedIndex = -1;
  PlaceItems();
  UpdateTools();
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// ---- geometry ----

bool CRecentStrip::IsHorizontal() const {
  return m_owner.GetOrientation() == tablayout::kHorizontal;
}

int CRecentStrip::Side() const {
  if (!m_hWnd) return 0;
  RECT client;
  GetClientRect(&client);
  return IsHorizontal() ? client.bottom : client.right;
}

void CRecentStrip::PlaceItems() { m_list.Place(Side(), IsHorizontal()); }

bool CRecentStrip::WantsPin(int freeLength) const {
  // A strip that could not open (no room, or no thickness to show items in) is not asked again
  // and again at every idle pass.
  return m_hWnd && !m_expanded && !m_list.Empty() && NeededLength() < freeLength &&
         OpenStart() >= 0;
}

int CRecentStrip::OpenStart() const {
  RECT slot = m_owner.GetRecentSlot();
  bool horizontal = IsHorizontal();
  int farEnd = horizontal ? slot.right : slot.bottom;
  // The far end stays; the strip grows toward the start of the tab strip, but not over the
  // arrows: a list longer than the tab area keeps its newest items in sight.
  int start = std::max(farEnd - NeededLength(), m_owner.GetPlacement().tabStart);
  int side = horizontal ? slot.bottom - slot.top : slot.right - slot.left;
  return farEnd - start > kHandle && side > 0 ? start : -1;
}

void CRecentStrip::Expand() {
  if (!m_hWnd || m_list.Empty()) return;
  PlaceItems();
  bool horizontal = IsHorizontal();
  RECT slot = m_owner.GetRecentSlot();
  int farEnd = horizontal ? slot.right : slot.bottom;
  int start = OpenStart();
  if (start < 0) return;  // no room to open at all
  CreateTooltip();
  m_expanded = true;
  RECT r = horizontal ? RECT{start, slot.top, farEnd, slot.bottom}
                      : RECT{slot.left, start, slot.right, farEnd};
  ::SetWindowPos(m_hWnd, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE);
  m_tooltip.Activate(true);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CRecentStrip::Collapse() {
  m_tooltip.Activate(false);
  m_expanded = false;
  m_hot = -1;
  if (!m_hWnd) return;
  RECT slot = m_owner.GetRecentSlot();
  ::SetWindowPos(m_hWnd, nullptr, slot.left, slot.top, slot.right - slot.left,
                 slot.bottom - slot.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// ---- tooltip ----

void CRecentStrip::CreateTooltip() {
  // Made when the strip first opens, long after the bar is on screen: the common controls are
  // not asked for while the bar starts.
  if (m_tooltip.GetSafeHwnd() || !m_hWnd) return;
  // Without a tooltip the strip works all the same.
  m_tooltip.Create(m_hWnd);
  m_toolCount = 0;
  UpdateTools();
}

void CRecentStrip::UpdateTools() {
  if (!m_tooltip.GetSafeHwnd()) return;
  for (int id = 1; id <= m_toolCount; ++id) m_tooltip.DelTool(m_hWnd, static_cast<UINT_PTR>(id));
  m_toolCount = 0;
  for (const RecentItem& item : m_list.Items()) {
    if (!m_tooltip.AddTool(m_hWnd, static_cast<UINT_PTR>(m_toolCount + 1), item.rect)) break;
    ++m_toolCount;
  }
}

LRESULT CRecentStrip::OnNotify(const NMHDR& header) {
  const LPARAM lParam = reinterpret_cast<LPARAM>(&header);
  if (!m_tooltip.GetSafeHwnd() || header.hwndFrom != m_tooltip.GetSafeHwnd() ||
      header.code != TTN_GETDISPINFOA)
    return 0;
  auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
  info->lpszText = info->szText;
  info->szText[0] = '\0';
  // The tool's number is the item's, counted from 1.
  if (const RecentItem* item = m_list.Item(static_cast<int>(header.idFrom) - 1)) {
    const std::string& name = item->displayName;
    size_t length = tablayout::MbPrefixLength(name.c_str(), name.size(), sizeof info->szText - 1);
    std::memcpy(info->szText, name.data(), length);
    info->szText[length] = '\0';
  }
  return 0;
}

// ---- messages ----

LRESULT CRecentStrip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
    m_tooltip.RelayEvent(m_hWnd, message, wParam, lParam);
  switch (message) {
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_CAPTURECHANGED:
      if (m_pressed && reinterpret_cast<HWND>(lParam) != m_hWnd) {
        m_pressed = false;
        m_pressedIndex = -1;
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
      }
      return 0;
    case WM_EXITMENULOOP:
      OnExitMenuLoop();
      return 0;
    case WM_RECENT_PIN:
      if (!m_expanded && !m_list.Empty()) {
        m_pinned = true;
        Expand();
        m_pinned = m_expanded;
      }
      return 0;
    case WM_SHELL_CHANGED:
      OnRefresh();
      return 1;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

int CRecentStrip::OnCreate(const CREATESTRUCTA&) {
  CBarHost* host = m_owner.GetHost();
  if (HWND frame = host ? host->GetFrameWindow() : nullptr) {
    m_frameHook = std::make_unique<CMenuLoopHook>(m_hWnd);
    m_frameHook->HookWindow(frame);
  }
  return 0;
}

void CRecentStrip::OnDestroy() {
  Save();
  m_frameHook.reset();
  m_tooltip.DestroyWindow();
  m_toolCount = 0;
}

void CRecentStrip::OnSize(UINT, int, int) {
  RECT client;
  GetClientRect(&client);
  int length = IsHorizontal() ? client.right : client.bottom;
  if (length <= kHandle) {
    // Back to the handle, whoever moved it there (the tab strip places its children so).
    m_tooltip.Activate(false);
    m_expanded = false;
    m_pinned = false;
    m_leaveRequested = false;
    m_hot = -1;
  }
  // The thickness may have changed with the tab strip's.
  PlaceItems();
  UpdateTools();
}

void CRecentStrip::RequestLeave() {
  if (m_leaveRequested) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = m_hWnd;
  m_leaveRequested = ::TrackMouseEvent(&track) != FALSE;
}

void CRecentStrip::SetHot(int index) {
  if (index == m_hot) return;
  m_hot = index;
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  ::UpdateWindow(m_hWnd);
}

void CRecentStrip::OnMouseMove(UINT, POINT point) {
  if (!m_expanded) {
    if (m_list.Empty()) return;
    Expand();
    if (m_expanded) RequestLeave();
    return;  // the point was measured before the strip moved
  }
  RequestLeave();
  SetHot(m_list.HitTest(point));
}

void CRecentStrip::OnMouseLeave() {
  m_leaveRequested = false;
  if (m_pressed) return;  // the press holds the mouse; its release decides
  m_hot = -1;
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  if (!m_menuOpen && !m_pinned && m_expanded) Collapse();
}

void CRecentStrip::OnLButtonDown(UINT, POINT point) {
  if (!m_expanded) return;
  m_pressed = true;
  m_pressedIndex = m_list.HitTest(point);
  m_hot = m_pressedIndex;
  ::SetCapture(m_hWnd);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  ::UpdateWindow(m_hWnd);
}

void CRecentStrip::OnLButtonUp(UINT, POINT point) {
  if (!m_pressed) return;
  int pressed = m_pressedIndex;
  m_pressed = false;
  m_pressedIndex = -1;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  int hit = m_list.HitTest(point);
  if (hit >= 0 && hit == pressed) NotifyView(tabstrip::kRecentClicked, hit, 0);
  // A leave while the press held the mouse went unanswered.
  if (!::IsWindow(m_hWnd)) return;
  POINT cursor;
  RECT window;
  ::GetWindowRect(m_hWnd, &window);
  if (::GetCursorPos(&cursor) && !::PtInRect(&window, cursor)) {
    OnMouseLeave();
  } else if (m_expanded) {
    // The leave may have come and gone during the press or the launch: ask for the next one
    // now, or a pointer that goes without moving over the strip again would leave it open.
    m_leaveRequested = false;
    RequestLeave();
  }
}

void CRecentStrip::OnContextMenu(HWND window, POINT point) {
  if (g_barOptions.GetInt("Protects", 0) == 1) return CWnd::OnContextMenu(window, point);
  const POINT given = point;
  if (point.x == -1 && point.y == -1) ::GetCursorPos(&point);  // from the keyboard
  ::ScreenToClient(m_hWnd, &point);
  int hit = m_expanded ? m_list.HitTest(point) : -1;
  m_menuOpen = true;
  if (!NotifyView(tabstrip::kContextMenu, hit, tabstrip::kOnRecent)) {
    m_menuOpen = false;
    return CWnd::OnContextMenu(window, given);
  }
  // The view's menu has closed by now; when the frame did not pass the end of its loop on,
  // the strip ends it here.
  if (m_menuOpen && ::IsWindow(m_hWnd)) OnExitMenuLoop();
}

void CRecentStrip::OnExitMenuLoop() {
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  if (!m_menuOpen) return;
  m_menuOpen = false;
  if (!m_pinned && m_expanded) Collapse();
}

LRESULT CRecentStrip::NotifyView(UINT code, int index, int kind) {
  HWND strip = m_owner.GetSafeHwnd();
  HWND view = strip ? ::GetParent(strip) : nullptr;
  if (!view) return 0;
  // The view may change the list while it handles the note (a launch puts the command at the
  // head): it gets copies.
  const RecentItem* item = m_list.Item(index);
  RecentItem copy = item ? *item : RecentItem{};
  NMTABSTRIP record{};
  record.hdr.hwndFrom = strip;
  record.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(strip));
  record.hdr.code = code;
  record.index = index;
  record.kind = kind;
  record.text = item ? copy.command.c_str() : nullptr;
  record.item = item ? &copy : nullptr;
  return ::SendMessageA(view, WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}

// ---- painting ----

void CRecentStrip::PaintItem(HDC dc, const RecentItem& item, bool hot) const {
  RECT r = item.rect;
  Fill(dc, r, hot ? COLOR_BTNFACE : COLOR_BTNSHADOW);
  bool sunken = hot && m_pressed && m_pressedIndex == m_hot;
  if (sunken) ::DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  int shift = sunken ? 1 : 0;
  // Asked for only when first drawn: the frame may still be opening the lists at creation.
  HIMAGELIST images = m_images ? m_images : BarLook::Current(m_owner.GetHost()).smallImages;
  if (!images) images = SystemImageList(false);
  if (images && item.image >= 0)
    DrawListImage(images, item.image, dc, (r.left + r.right) / 2 - 8 + shift,
                  (r.top + r.bottom) / 2 - 8 + shift, ILD_TRANSPARENT);
}

void CRecentStrip::OnPaint(CPaintDC& paint) {
  HDC dc = paint;
  RECT client;
  GetClientRect(&client);
  bool horizontal = IsHorizontal();
  int length = horizontal ? client.right : client.bottom;
  if (m_expanded) {
    auto beyond = [&](const RecentItem& item) {
      return (horizontal ? item.rect.left : item.rect.top) >= length;
    };
    const auto& items = m_list.Items();
    for (size_t i = 0; i < items.size() && !beyond(items[i]); ++i) {
      if (static_cast<int>(i) != m_hot) PaintItem(dc, items[i], false);
    }
    const RecentItem* hot = m_list.Item(m_hot);
    if (hot && !beyond(*hot)) PaintItem(dc, *hot, true);
  }
  // The handle: a raised bar at the start.
  RECT h = horizontal ? RECT{0, 0, kHandle, client.bottom} : RECT{0, 0, client.right, kHandle};
  Fill(dc, h, COLOR_BTNFACE);
  Fill(dc, RECT{h.left, h.top, h.right, h.top + 1}, COLOR_BTNHIGHLIGHT);
  Fill(dc, RECT{h.left, h.top, h.left + 1, h.bottom}, COLOR_BTNHIGHLIGHT);
  Fill(dc, RECT{h.left, h.bottom - 1, h.right, h.bottom}, COLOR_BTNSHADOW);
  Fill(dc, RECT{h.right - 1, h.top, h.right, h.bottom}, COLOR_BTNSHADOW);
}
