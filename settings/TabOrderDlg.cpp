#include "settings/TabOrderDlg.h"

#include "res/plumage_res.h"

CTabOrderDlg::CTabOrderDlg(HWND parent, DialogContext& context)
    : CTabListDlg(IDD_TAB_ORDER, parent, context) {}

BOOL CTabOrderDlg::OnInitDialog() {
  CreateToolbar(IDB_TAB_ORDER_TOOLBAR, {ID_TABS_LIST, 0, ID_TABS_NEW, ID_TABS_RENAME,
                                        ID_TABS_DELETE, 0, ID_TABS_UP, ID_TABS_DOWN});
  CTabListDlg::OnInitDialog();
  m_list.Attach(IDCTO_LIST, m_hWnd);
  m_strip.Attach(GetDlgItem(IDCTO_ICONS));
  const char* visible = RequestTabList(0);
  if (!visible) return TRUE;
  m_haveTabs = true;
  // Only the hidden tabs' names are needed: their list goes back at once.
  if (const char* hidden = RequestTabList(2)) {
    std::vector<TabListEntry> entries;
    ReadTabList(hidden, &entries);
    for (const TabListEntry& entry : entries) m_hiddenNames.push_back(entry.name);
    GiveBack(hidden);
  }
  std::vector<TabListEntry> entries;
  ReadTabList(visible, &entries);
  FillList(m_list, entries, &m_starts);
  m_startOrder = entries;
  SelectCurrentTab(m_list);
  FollowSelection();
  FinishLayout({IDCTO_LIST}, IDCTO_ICONS);
  return TRUE;
}

void CTabOrderDlg::FollowSelection() {
  const int selected = m_list.GetCurSel();
  ShowIcons(selected >= 0 ? m_list.GetNumber(selected) : 0, m_starts);
}

bool CTabOrderDlg::IsCommandEnabled(UINT id) const {
  const int selected = m_list.GetCurSel();
  const int count = m_list.GetCount();
  switch (id) {
    case ID_TABS_NEW:
      return true;
    case ID_TABS_RENAME:
      return selected >= 0;
    case ID_TABS_DELETE:
      return selected >= 0 && count >= 2;
    case ID_TABS_UP:
      return selected > 0;
    case ID_TABS_DOWN:
      return selected >= 0 && selected < count - 1;
    default:
      return false;
  }
}

BOOL CTabOrderDlg::OnCommand(UINT id, UINT code, HWND control) {
  if (id == IDCTO_LIST) {
    if (code == LBN_SELCHANGE) FollowSelection();
    return FALSE;
  }
  if (id < ID_TABS_NEW || id > ID_TABS_RIGHT || control == nullptr) return FALSE;
  // The toolbar takes no focus: an edit still running ends before its item moves or goes.
  EndEdits();
  if (!IsCommandEnabled(id)) return TRUE;
  RunListCommand(m_list, id);
  FollowSelection();
  return TRUE;
}

LRESULT CTabOrderDlg::OnNotify(const NMHDR& header) {
  if (header.idFrom == IDCTO_LIST && header.code == DLN_NAMETAKEN) {
    const auto& info = reinterpret_cast<const NMDRAGLIST&>(header);
    // Hidden tabs keep their names exactly; only the same spelling clashes.
    for (const std::string& name : m_hiddenNames)
      if (name == info.name) return TRUE;
    return FALSE;
  }
  return CTabListDlg::OnNotify(header);
}
