#include "framework/DragListBox.h"

#include <string>

#include "framework/GdiObject.h"

CDragListBox* CDragListBox::FromHandle(HWND window) {
  // Only a window of this thread that runs through the framework's procedure carries an
  // object in its user data; anything else may hold any value there.
  if (!window || ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId())
    return nullptr;
  if (::GetWindowLongPtrA(window, GWLP_WNDPROC) !=
      reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc))
    return nullptr;
  return dynamic_cast<CDragListBox*>(FromHandlePermanent(window));
}

std::string CDragListBox::GetText(int index) const {
  LRESULT length = SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LRESULT copied =
      SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
  return text;
}

int CDragListBox::InsertItem(int index, const char* text, DWORD_PTR data) const {
  int at = static_cast<int>(
      SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
  if (at >= 0) SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(data));
  return at;
}

int CDragListBox::ItemFromPt(POINT screen) const {
  POINT p = screen;
  ::ScreenToClient(m_hWnd, &p);
  RECT client{};
  GetClientRect(&client);
  if (!::PtInRect(&client, p)) return -1;
  int count = GetCount();
  int top = static_cast<int>(SendMessage(LB_GETTOPINDEX));
  for (int i = top < 0 ? 0 : top; i < count; ++i) {
    RECT item{};
    if (SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR)
      break;
    if (item.top > client.bottom) break;
    if (p.y < item.bottom) return i;
  }
  return count;
}

bool CDragListBox::BeginDrag(int) { return true; }

void CDragListBox::Dragging(POINT screen) { DrawInsert(ItemFromPt(screen)); }

void CDragListBox::Dropped(int item, POINT screen) {
  int target = ItemFromPt(screen);
  if (target >= 0) MoveItem(item, target);
}

void CDragListBox::MoveItem(int item, int target) const {
  int count = GetCount();
  if (item < 0 || item >= count || target < 0 || target > count) return;
  if (target == item || target == item + 1) {
    SetCurSel(item);
    return;
  }
  std::string text = GetText(item);
  DWORD_PTR data = GetItemData(item);
  SendMessage(WM_SETREDRAW, FALSE);
  DeleteItem(item);
  if (target > item) --target;
  int at = InsertItem(target, text.c_str(), data);
  SendMessage(WM_SETREDRAW, TRUE);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  SetCurSel(at);
}

HRGN CDragListBox::MarkerRegion(int index) const {
  RECT client{};
  GetClientRect(&client);
  int y = 0;
  int count = GetCount();
  RECT item{};
  if (index < count) {
    SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    y = item.top;
  } else if (count > 0) {
    SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&item));
    y = item.bottom;
  }
  // A bar across the item's top with taller ticks at both ends.
  const int left = client.left + 5, right = client.right - 5;
  HRGN marker = ::CreateRectRgn(left, y - 2, right, y + 2);
  CRgn tick(::CreateRectRgn(left, y - 4, left + 3, y + 4));
  ::CombineRgn(marker, marker, tick.GetSafeHandle(), RGN_OR);
  ::SetRectRgn(tick.GetSafeHandle(), right - 3, y - 4, right, y + 4);
  ::CombineRgn(marker, marker, tick.GetSafeHandle(), RGN_OR);
  return marker;
}

void CDragListBox::DrawInsert(int index) {
  if (index == m_marker) return;
  CClientDC dc(m_hWnd);
  // Inverting twice takes the marker away again.
  if (m_marker >= 0) {
    CRgn old(MarkerRegion(m_marker));
    ::InvertRgn(dc, old.GetSafeHandle());
  }
  m_marker = index;
  if (m_marker >= 0) {
    CRgn marker(MarkerRegion(m_marker));
    ::InvertRgn(dc, marker.GetSafeHandle());
  }
}

void CDragListBox::OnLButtonDown(UINT flags, POINT point) {
  m_pressed = true;
  m_pressPoint = point;
  CWnd::OnLButtonDown(flags, point);
}

void CDragListBox::OnMouseMove(UINT flags, POINT point) {
  if (!m_dragging && m_pressed && (flags & MK_LBUTTON)) {
    RECT still{m_pressPoint.x, m_pressPoint.y, m_pressPoint.x, m_pressPoint.y};
    ::InflateRect(&still, ::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    if (!::PtInRect(&still, point)) {
      POINT screen = m_pressPoint;
      ::ClientToScreen(m_hWnd, &screen);
      int item = ItemFromPt(screen);
      m_pressed = false;
      if (item >= 0 && item < GetCount() && BeginDrag(item)) {
        m_dragging = true;
        m_dragItem = item;
        ::SetCapture(m_hWnd);
      }
    }
  }
  if (m_dragging) {
    // The list's own tracking would move the selection under the pointer.
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    Dragging(screen);
    return;
  }
  CWnd::OnMouseMove(flags, point);
}

void CDragListBox::OnLButtonUp(UINT flags, POINT point) {
  m_pressed = false;
  if (m_dragging) {
    int item = m_dragItem;
    EndDrag();
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    Dropped(item, screen);
  }
  CWnd::OnLButtonUp(flags, point);
}

void CDragListBox::EndDrag() {
  m_dragging = false;
  m_dragItem = -1;
  DrawInsert(-1);
}

LRESULT CDragListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CAPTURECHANGED:
      if (m_dragging && reinterpret_cast<HWND>(lParam) != m_hWnd) EndDrag();
      break;
    case WM_KEYDOWN:
      if (m_dragging && wParam == VK_ESCAPE) {
        EndDrag();
        ::ReleaseCapture();
        return 0;
      }
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
