// The view's context menus: the cell, panel and separator menus, the tab and recently used
// menus of resource 128, and the tab-list menu built for each opening.
#include <string>

#include "bar/BtnPanel.h"
#include "bar/ChildView.h"
#include "bar/TabStrip.h"
#include "core/Globals.h"
#include "framework/WinApp.h"
#include "kestrel_res.h"

HMENU CChildView::MenuPopup(int position) {
  if (!m_menus.GetSafeHmenu()) m_menus.LoadMenu(AfxGetResourceHandle(), IDR_MAINMENU);
  return m_menus.GetSubMenu(position);
}

HMENU CChildView::PreparePanelMenu(int index) {
  m_targetValid = false;
  if (!m_current) return nullptr;
  m_target = index;
  m_menuKind = MenuKind::kCell;
  m_targetValid = index >= 0;
  if (index < 0) return MenuPopup(MENU_POS_RBTNFRAME);
  const CBtnData* cell = m_current->GetTab().GetButton(index);
  return MenuPopup(cell && cell->IsSeparator() ? MENU_POS_RBTN_SEP : MENU_POS_RBTN);
}

HMENU CChildView::PrepareStripMenu(const NMTABSTRIP& note) {
  m_targetValid = false;
  switch (note.kind) {
    case tabstrip::kOnStrip: {
      if (!note.tab || note.index < 0 || note.index >= g_tabList.GetCount()) return nullptr;
      // The menu is about the tab it was opened on: that tab is selected first.
      if (note.index != m_strip->GetSelected() && g_tabList.SelectTab(note.index)) {
        m_strip->Select(note.index);
        ShowTabPanel(note.index);
      }
      m_target = note.index;
      m_menuKind = MenuKind::kTab;
      m_targetValid = true;
      return MenuPopup(MENU_POS_TAB);
    }
    case tabstrip::kOnArrows:
      m_target = -1;
      m_menuKind = MenuKind::kNone;
      return BuildTabListMenu();
    case tabstrip::kOnRecent:
      m_target = note.item ? note.index : -1;
      m_menuKind = MenuKind::kRecent;
      m_targetValid = note.item != nullptr;
      return MenuPopup(MENU_POS_TABMINI);
    default:
      // The panel's scroll bar: the frame's own menu comes up instead.
      return nullptr;
  }
}

HMENU CChildView::BuildTabListMenu() {
  if (!m_tabListMenu.CreatePopupMenu()) return nullptr;
  HMENU menu = m_tabListMenu.GetSafeHmenu();
  const int visible = g_tabList.GetCount();
  for (int i = 0; i < visible; ++i) {
    ::AppendMenuA(menu, MF_STRING, kFirstTabCommand + static_cast<UINT>(i),
                  g_tabList.GetTab(i)->m_name.c_str());
  }
  const CTabDataList* hidden = g_tabList.GetHiddenList();
  if (hidden && hidden->GetCount() > 0) {
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    for (int k = 0; k < hidden->GetCount(); ++k) {
      UINT id = kFirstTabCommand + static_cast<UINT>(visible + k);
      if (id > kLastTabCommand) break;  // beyond the range the view routes
      ::AppendMenuA(menu, MF_STRING, id, hidden->GetTab(k)->m_name.c_str());
    }
  }
  int selected = m_strip ? m_strip->GetSelected() : -1;
  if (selected >= 0 && selected < visible) {
    UINT id = kFirstTabCommand + static_cast<UINT>(selected);
    ::CheckMenuRadioItem(menu, id, id, id, MF_BYCOMMAND);
  }
  return menu;
}

void CChildView::OpenMenu(HMENU popup) {
  if (!popup) return;
  HWND frame = GetFrameWindow();
  POINT cursor{};
  ::GetCursorPos(&cursor);
  PauseAutoHide();
  // The menu must close when the user clicks elsewhere: its owner is brought to the front.
  ::SetForegroundWindow(frame);
  ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, frame, nullptr);
  ResumeAutoHide();
}
