#include "settings/EditDragList.h"

#include "core/MbString.h"
#include "core/TabData.h"
#include "framework/Dialog.h"
#include "framework/Notify.h"
#include "framework/WinApp.h"
#include "res/plumage_res.h"

std::string TrimName(const std::string& text) {
  const char* blanks = " \t";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

namespace {
// No item shows more than a line's worth: the list box's own copy of a name of thousands of
// bytes is slow to fit with an ellipsis, and Wine does not hand such a text back at all.
std::string ShownText(const std::string& name) {
  const size_t kShown = 256;
  if (name.size() <= kShown) return name;
  size_t cut = 0;
  while (cut < name.size()) {
    const size_t next = cut + MbCharLength(name, cut);
    if (next > kShown) break;
    cut = next;
  }
  return name.substr(0, cut) + "...";
}
}  // namespace

// The in-place edit's ID among the list's children.
const UINT kEditId = 100;

CEditDragList::CEditDragList() : m_edit(*this) {}

int CEditDragList::AddTab(int index, const std::string& name, uint32_t number) {
  m_tabs.push_back(std::make_unique<Tab>(Tab{name, number}));
  return InsertItem(index, ShownText(name).c_str(),
                    reinterpret_cast<DWORD_PTR>(m_tabs.back().get()));
}

const CEditDragList::Tab* CEditDragList::TabAt(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return reinterpret_cast<const Tab*>(GetItemData(index));
}

std::string CEditDragList::GetName(int index) const {
  const Tab* tab = TabAt(index);
  return tab ? tab->name : std::string();
}

uint32_t CEditDragList::GetNumber(int index) const {
  const Tab* tab = TabAt(index);
  return tab ? tab->number : 0;
}

CEditDragList::~CEditDragList() {
  if (m_edit.GetSafeHwnd()) m_edit.DestroyWindow();
}

BOOL CEditDragList::Attach(int id, HWND dialog) {
  if (!SubclassDlgItem(id, dialog)) return FALSE;
  // The edit lies over the items; their painting must leave it alone.
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, ::GetWindowLongPtrA(m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);
  CClientDC dc(m_hWnd);
  HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  if (old) ::SelectObject(dc, old);
  SendMessage(LB_SETITEMHEIGHT, 0, metrics.tmHeight + metrics.tmExternalLeading);
  return TRUE;
}

void CEditDragList::DrawItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  HDC dc = item.hDC;
  ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_ACTIVECAPTION : COLOR_WINDOW));
  const std::string text = ShownText(GetName(static_cast<int>(item.itemID)));
  RECT r = item.rcItem;
  r.left += 8;
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor =
      ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
  if (selected) ::DrawFocusRect(dc, &item.rcItem);
}

void CEditDragList::StartEdit(int index) {
  if (!m_canEdit || IsEditing() || index < 0) return;
  if (index >= GetCount()) index = AddTab(-1, std::string(), 0);
  if (index < 0) return;
  SetCurSel(index);
  SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index));
  RECT r{};
  if (SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) ==
      LB_ERR)
    return;
  ::InflateRect(&r, -5, 2);
  if (!m_edit.GetSafeHwnd() &&
      !m_edit.Create(0, WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, r, m_hWnd, kEditId)) {
    return;
  }
  m_editItem = index;
  m_edit.SetFont(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), false);
  m_edit.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(2, 0));
  ::SetWindowPos(m_edit, HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW);
  m_edit.SetText(GetName(index).c_str());
  m_edit.SetSel(0, -1);
  ::SetFocus(m_edit);
}

bool CEditDragList::AcceptName(const std::string& name, int item) {
  bool taken = FindName(name, item) >= 0;
  if (!taken) {
    NMDRAGLIST info{};
    info.item = item;
    info.name = name.c_str();
    taken = NotifyParent(m_hWnd, DLN_NAMETAKEN, info) != 0;
  }
  if (taken) AfxMessageBox(IDS_TAB_NAME_TAKEN, MB_OK | MB_ICONEXCLAMATION);
  return !taken;
}

void CEditDragList::EndEdit(bool commit) {
  if (!IsEditing() || m_ending) return;
  m_ending = true;
  const int item = m_editItem;
  const bool hadFocus = ::GetFocus() == m_edit.GetSafeHwnd();
  const std::string text = TrimName(m_edit.GetText());
  const std::string old = GetName(item);
  m_editItem = -1;
  m_edit.ShowWindow(SW_HIDE);
  if (commit && !text.empty() && text != old && AcceptName(text, item)) {
    SetName(item, text);
  } else if (old.empty()) {
    // A new item that got no name is no tab.
    DeleteItem(item);
  }
  if (hadFocus) ::SetFocus(m_hWnd);
  m_ending = false;
  AfxRequestIdleUpdate(m_hWnd);
}

void CEditDragList::MoveSelection(int delta) {
  const int from = GetCurSel();
  const int to = from + delta;
  if (from < 0 || to < 0 || to >= GetCount()) return;
  const std::string a = GetText(from), b = GetText(to);
  const DWORD_PTR dataA = GetItemData(from), dataB = GetItemData(to);
  SendMessage(WM_SETREDRAW, FALSE);
  DeleteItem(from);
  InsertItem(from, b.c_str(), dataB);
  DeleteItem(to);
  InsertItem(to, a.c_str(), dataA);
  SendMessage(WM_SETREDRAW, TRUE);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  SetCurSel(to);
}

void CEditDragList::SetName(int index, const std::string& name) {
  Tab* tab = const_cast<Tab*>(TabAt(index));
  if (!tab) return;
  tab->name = name;
  const DWORD_PTR data = GetItemData(index);
  const bool selected = GetCurSel() == index;
  SendMessage(WM_SETREDRAW, FALSE);
  DeleteItem(index);
  InsertItem(index, ShownText(name).c_str(), data);
  SendMessage(WM_SETREDRAW, TRUE);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  if (selected) SetCurSel(index);
}

int CEditDragList::FindName(const std::string& name, int except) const {
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    if (i != except && TabNamesEqual(GetName(i), name)) return i;
  }
  return -1;
}

bool CEditDragList::BeginDrag(int) { return m_canMove && !IsEditing(); }

void CEditDragList::Dropped(int item, POINT screen) {
  HWND target = ::WindowFromPoint(screen);
  if (target == m_hWnd) {
    CDragListBox::Dropped(item, screen);
  } else if (FromHandle(target)) {
    NMDRAGLIST info{};
    info.item = item;
    info.target = target;
    NotifyParent(m_hWnd, DLN_DROPPEDOUT, info);
  }
  AfxRequestIdleUpdate(m_hWnd);
}

void CEditDragList::OnLButtonDown(UINT flags, POINT point) {
  if (IsEditing()) EndEdit(true);
  CDragListBox::OnLButtonDown(flags, point);
}

void CEditDragList::OnLButtonDblClk(UINT flags, POINT point) {
  POINT screen = point;
  ::ClientToScreen(m_hWnd, &screen);
  const int item = ItemFromPt(screen);
  if (item >= 0 && item < GetCount()) {
    StartEdit(item);
    return;
  }
  CDragListBox::OnLButtonDblClk(flags, point);
}

void CEditDragList::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  // The keys take the selected item: the one last pressed on, unless the keyboard has moved
  // the selection since.
  if (key == VK_F2 && !IsEditing()) {
    StartEdit(GetCurSel());
    return;
  }
  if (key == VK_DELETE && !IsEditing()) {
    // Without the toolbar's limits.
    const int item = GetCurSel();
    if (item >= 0 && item < GetCount()) {
      DeleteItem(item);
      ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(m_hWnd));
    }
    return;
  }
  CDragListBox::OnKeyDown(key, repeat, flags);
}

bool CEditDragList::HandleAltArrow(UINT key) {
  if (!m_canMove || IsEditing()) return false;
  if (key == VK_UP || key == VK_LEFT) {
    MoveSelection(-1);
  } else if (key == VK_DOWN || key == VK_RIGHT) {
    MoveSelection(1);
  } else {
    return false;
  }
  ::SendMessageA(GetParent(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(m_hWnd));
  return true;
}

LRESULT CEditDragList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSKEYDOWN && HandleAltArrow(static_cast<UINT>(wParam))) return 0;
  if (message == WM_VSCROLL || message == WM_MOUSEWHEEL) EndEdit(true);
  return CDragListBox::WindowProc(message, wParam, lParam);
}

LRESULT CEditDragList::CInPlaceEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      // Enter and Escape end the edit, not the dialog.
      return DLGC_WANTALLKEYS | CEdit::WindowProc(message, wParam, lParam);
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        m_list.EndEdit(wParam == VK_RETURN);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == 27) return 0;  // no beep
      break;
    case WM_KILLFOCUS: {
      LRESULT result = CEdit::WindowProc(message, wParam, lParam);
      if (reinterpret_cast<HWND>(wParam) != m_hWnd) m_list.EndEdit(true);
      return result;
    }
    default:
      break;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}
