#include "settings/TabShowHideDlg.h"

#include "res/plumage_res.h"

CTabShowHideDlg::CTabShowHideDlg(HWND parent, DialogContext& context)
    : CTabListDlg(IDD_TAB_SHOW_HIDE, parent, context) {}

BOOL CTabShowHideDlg::OnInitDialog() {
  CreateToolbar(IDB_TAB_SHOW_HIDE_TOOLBAR,
                {ID_TABS_LIST, 0, ID_TABS_NEW, ID_TABS_RENAME, ID_TABS_DELETE, 0, ID_TABS_LEFT,
                 ID_TABS_RIGHT, 0, ID_TABS_UP, ID_TABS_DOWN});
  CTabListDlg::OnInitDialog();
  m_shown.Attach(IDCSH_SHOWN, m_hWnd);
  m_hidden.Attach(IDCSH_HIDDEN, m_hWnd);
  m_strip.Attach(GetDlgItem(IDCSH_ICONS));
  const char* visible = RequestTabList(0);
  if (!visible) return TRUE;
  m_haveTabs = true;
  std::vector<TabListEntry> entries;
  ReadTabList(visible, &entries);
  FillList(m_shown, entries, &m_shownStarts);
  m_startOrder = entries;
  if (const char* hidden = RequestTabList(2)) {
    entries.clear();
    ReadTabList(hidden, &entries);
    FillList(m_hidden, entries, &m_hiddenStarts);
    m_startOrder.insert(m_startOrder.end(), entries.begin(), entries.end());
  }
  SelectCurrentTab(m_shown);
  FollowSelection(m_shown);
  FinishLayout({IDCSH_SHOWN, IDCSH_HIDDEN}, IDCSH_ICONS);
  return TRUE;
}

CEditDragList& CTabShowHideDlg::ActiveList() const {
  HWND focus = ::GetFocus();
  if (focus && (focus == m_shown.GetSafeHwnd() || ::IsChild(m_shown, focus))) return m_shown;
  if (focus && (focus == m_hidden.GetSafeHwnd() || ::IsChild(m_hidden, focus))) return m_hidden;
  return m_hidden.GetCurSel() >= 0 ? m_hidden : m_shown;
}

bool CTabShowHideDlg::IsCommandEnabled(UINT id) const {
  const CEditDragList& list = ActiveList();
  const int selected = list.GetCurSel();
  const int count = list.GetCount();
  switch (id) {
    case ID_TABS_NEW:
      return true;
    case ID_TABS_RENAME:
      return selected >= 0;
    case ID_TABS_DELETE:
      // The bar keeps at least one shown tab.
      return IsShown(list) ? selected >= 0 && count >= 2 : selected >= 0;
    case ID_TABS_LEFT:
      return !IsShown(list) && selected >= 0;
    case ID_TABS_RIGHT:
      return IsShown(list) && selected >= 0 && count >= 2;
    case ID_TABS_UP:
      return selected > 0;
    case ID_TABS_DOWN:
      return selected >= 0 && selected < count - 1;
    default:
      return false;
  }
}

void CTabShowHideDlg::MoveAcross(CEditDragList& from, int item) {
  CEditDragList& to = IsShown(from) ? m_hidden : m_shown;
  if (item < 0 || item >= from.GetCount()) return;
  const std::string name = from.GetName(item);
  const uint32_t number = from.GetNumber(item);
  auto& fromStarts = IsShown(from) ? m_shownStarts : m_hiddenStarts;
  auto& toStarts = IsShown(from) ? m_hiddenStarts : m_shownStarts;
  auto start = fromStarts.find(number);
  if (number != 0 && start != fromStarts.end()) {
    toStarts.insert(*start);
    fromStarts.erase(start);
  }
  from.DeleteItem(item);
  const int at = to.AddTab(-1, name, number);
  ::SetFocus(to);
  to.SetCurSel(at);
  FollowSelection(to);
}

void CTabShowHideDlg::FollowSelection(const CEditDragList& list) {
  const int selected = list.GetCurSel();
  ShowIcons(selected >= 0 ? list.GetNumber(selected) : 0,
            IsShown(list) ? m_shownStarts : m_hiddenStarts);
}

BOOL CTabShowHideDlg::OnCommand(UINT id, UINT code, HWND control) {
  if (id == IDCSH_SHOWN || id == IDCSH_HIDDEN) {
    CEditDragList& list = id == IDCSH_SHOWN ? m_shown : m_hidden;
    if (code == LBN_SETFOCUS) {
      // One list holds the selection at a time.
      (IsShown(list) ? m_hidden : m_shown).SetCurSel(-1);
      FollowSelection(list);
    } else if (code == LBN_SELCHANGE) {
      FollowSelection(list);
    }
    return FALSE;
  }
  if (id < ID_TABS_NEW || id > ID_TABS_RIGHT || control == nullptr) return FALSE;
  // The toolbar takes no focus: an edit still running ends before its item moves or goes.
  EndEdits();
  if (!IsCommandEnabled(id)) return TRUE;
  CEditDragList& list = ActiveList();
  if (id == ID_TABS_LEFT || id == ID_TABS_RIGHT)
    MoveAcross(list, list.GetCurSel());
  else
    RunListCommand(list, id);
  FollowSelection(ActiveList());
  return TRUE;
}

LRESULT CTabShowHideDlg::OnNotify(const NMHDR& header) {
  if (header.idFrom != IDCSH_SHOWN && header.idFrom != IDCSH_HIDDEN)
    return CTabListDlg::OnNotify(header);
  const auto& info = reinterpret_cast<const NMDRAGLIST&>(header);
  CEditDragList& from = header.idFrom == IDCSH_SHOWN ? m_shown : m_hidden;
  CEditDragList& other = IsShown(from) ? m_hidden : m_shown;
  if (header.code == DLN_NAMETAKEN) return other.FindName(info.name) >= 0 ? TRUE : FALSE;
  if (header.code == DLN_DROPPEDOUT && info.target == other.GetSafeHwnd()) {
    // The bar keeps at least one shown tab: its last one stays.
    if (!IsShown(from) || from.GetCount() > 1) MoveAcross(from, info.item);
    return 0;
  }
  return CTabListDlg::OnNotify(header);
}
