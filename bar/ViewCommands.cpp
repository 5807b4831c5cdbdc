// The view's commands: launching clicked cells, the cell and tab commands of its context menus
// and their enabling, the tab-list commands, and the host side of the launcher.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "bar/BarLook.h"
#include "bar/BtnItem.h"
#include "bar/BtnPanel.h"
#include "bar/ChildView.h"
#include "bar/BarHost.h"
#include "bar/RecentStrip.h"
#include "bar/TabStrip.h"
#include "core/ButtonRecord.h"
#include "core/Globals.h"
#include "core/Launcher.h"
#include "core/LauncherCommands.h"
#include "core/StyleWord.h"
#include "bar/IconMenu.h"
#include "framework/CmdUI.h"
#include "framework/WinApp.h"
#include "kestrel_res.h"

// ---- the launcher's host ----

HWND CChildView::GetFrameWindow() {
  HWND frame = m_host ? m_host->GetFrameWindow() : nullptr;
  return frame ? frame : ::GetParent(m_hWnd);
}

DWORD CChildView::GetStyleWord() { return BarLook::Current(m_host).style; }

void CChildView::PostToView(UINT message, WPARAM wParam, LPARAM lParam) {
  PostMessage(message, wParam, lParam);
}

int CChildView::ShowMessage(const char* text, UINT type) { return AfxMessageBox(text, type); }

void CChildView::RelayoutPanel(int index) {
  if (!m_current) return;
  // The model's cells changed behind the panel: its items follow them.
  m_current->Rebuild(false, true);
  KeepCellInView(index);
}

void CChildView::RedrawCell(int index) {
  CTabData* tab = m_current ? &m_current->GetTab() : nullptr;
  const CBtnData* cell = tab ? tab->GetButton(index) : nullptr;
  if (!cell) return;
  // Setting the record it already holds re-reads the cell's icon and name.
  std::string record = FormatButtonRecord(*cell);
  m_current->SetCell(index, record.c_str());
  UpdateScrollRange();
}

void CChildView::TabColorsChanged() {
  if (m_current) ::InvalidateRect(*m_current, nullptr, TRUE);
  CTabData* tab = g_tabList.GetCurrentTab();
  int selected = m_strip ? m_strip->GetSelected() : -1;
  if (tab && selected >= 0) m_strip->SetTabColours(selected, tab->m_color, tab->m_textColor);
}

void CChildView::AddRecentlyUsed(const std::string& command) {
  if (CRecentStrip* recent = m_strip ? m_strip->GetRecentStrip() : nullptr) recent->Add(command);
}

void CChildView::PauseAutoHide() {
  if (m_host) m_host->PauseAutoHide();
}
void CChildView::ResumeAutoHide() {
  if (m_host) m_host->ResumeAutoHide();
}

UINT CChildView::TrackButtonMenu(const std::vector<ButtonMenuItem>& items) {
  BarLook look = BarLook::Current(m_host);
  bool large = (look.style & style::kLargeIcons) != 0;
  // The frame asks the view for the state of every item when the menu opens; the buttons'
  // identifiers are the view's while the menu is open.
  UINT last = 0;
  for (const auto& item : items) last = std::max(last, item.id);
  m_buttonMenuLast = last;
  HIMAGELIST images = large ? look.largeImages : look.smallImages;
  // A menu opened before the shell reader has the lists waits for them here.
  if (!images) images = SystemImageList(large);
  UINT chosen = TrackButtonIconMenu(GetFrameWindow(), items, large, images);
  m_buttonMenuLast = 0;
  return chosen;
}

// ---- notifications ----

void CChildView::OnPanelClicked(const NMBTNPANEL& note) {
  if (!m_current) return;
  const CBtnData* cell = m_current->GetTab().GetButton(note.index);
  if (!cell || cell->IsBlank()) return;
  std::string command = cell->m_command;  // the launch may let the view change the tab
  m_launcher->LaunchButton(command);
}

LRESULT CChildView::OnPanelNotify(const NMHDR& header, LPARAM lParam) {
  // Only the shown panel speaks for the current tab.
  if (!m_current || header.hwndFrom != m_current->GetSafeHwnd()) return 0;
  switch (header.code) {
    case btnpanel::kClicked:
      OnPanelClicked(*reinterpret_cast<const NMBTNPANEL*>(lParam));
      return 0;
    case btnpanel::kContextMenu: {
      HMENU popup = PreparePanelMenu(reinterpret_cast<const NMBTNPANEL*>(lParam)->index);
      if (!popup) return 0;
      OpenMenu(popup);
      return 1;
    }
    case btnpanel::kModeFinished:
      OnCellModeFinished(*reinterpret_cast<const NMBTNMODE*>(lParam));
      return 0;
    case btnpanel::kFilesDropped: {
      const auto& drop = *reinterpret_cast<const NMBTNDROP*>(lParam);
      if (drop.text) m_launcher->DropFiles(std::string(drop.text), drop.index);
      return 0;
    }
    default:
      return 0;
  }
}

LRESULT CChildView::OnStripNotify(const NMHDR& header, LPARAM lParam) {
  const auto& note = *reinterpret_cast<const NMTABSTRIP*>(lParam);
  switch (header.code) {
    case tabstrip::kTabSelected:
      if (note.tab) {
        int index = g_tabList.FindTab(note.tab->GetName().c_str());
        if (index >= 0 && g_tabList.SelectTab(index)) {
          ShowTabPanel(index);
          m_strip->EnsureVisible(index);
        }
      }
      return 0;
    case tabstrip::kRecentClicked:
      if (note.text) m_launcher->LaunchButton(std::string(note.text));
      return 0;
    case tabstrip::kContextMenu: {
      HMENU popup = PrepareStripMenu(note);
      if (!popup) return 0;
      OpenMenu(popup);
      return 1;
    }
    case tabstrip::kRenamed:
      RenameEnded(note.index, note.text);
      return 0;
    case tabstrip::kTabMoved:
      OnTabModeFinished(*reinterpret_cast<const NMTABMODE*>(lParam));
      return 0;
    default:
      return 0;
  }
}

// ---- enabling ----

ViewCommandContext CChildView::GetCommandContext() const {
  ViewCommandContext c;
  c.panel = m_current != nullptr;
  c.targetValid = m_targetValid;
  c.target = m_target;
  if (m_current) {
    c.cellCount = m_current->GetTab().GetButtonCount();
    const CBtnData* cell =
        m_menuKind == MenuKind::kCell ? m_current->GetTab().GetButton(m_target) : nullptr;
    c.targetBlank = !cell || cell->IsBlank();
  }
  c.clipboardFiles = ::IsClipboardFormatAvailable(CF_HDROP) != FALSE;
  c.tabSelected = m_strip && m_strip->GetSelected() >= 0;
  c.tabCount = g_tabList.GetCount();
  CRecentStrip* recent = m_strip ? m_strip->GetRecentStrip() : nullptr;
  c.recentCount = recent ? recent->GetCount() : 0;
  return c;
}

bool CChildView::HandlesCommand(UINT id) const {
  switch (id) {
    case ID_BTN_NEW:
    case ID_BTN_DUPLICATE:
    case ID_SEP_NEW:
    case ID_BTN_DELETE:
    case ID_SEP_DELETE:
    case ID_BTN_CLEAR:
    case ID_BTN_PROPERTIES:
    case ID_BTN_COPY_OTHER:
    case ID_BTN_COPY_ALL_OTHER:
    case ID_BTN_PASTE_OTHER:
    case ID_PANEL_PROPERTIES:
    case ID_TAB_PROPERTIES:
    case ID_TAB_NEW:
    case ID_TAB_RENAME:
    case ID_TAB_ORDER:
    case ID_TAB_SHOW_HIDE:
    case ID_TAB_DELETE:
    case ID_RECENT_DELETE:
    case ID_RECENT_CLEAR:
    case ID_BTN_COPY_MODE:
    case ID_BTN_MOVE_MODE:
    case ID_BTN_SWAP_MODE:
    case ID_TAB_MOVE:
    case ID_TAB_COPY:
      return true;
    default:
      // The options sheet is not the view's yet: its items stay disabled.
      return false;
  }
}

BOOL CChildView::OnUpdateCommand(CCmdUI& ui) {
  UINT id = ui.GetID();
  if (id >= kFirstTabCommand && id <= kLastTabCommand) {
    const CTabDataList* hidden = g_tabList.GetHiddenList();
    UINT count = static_cast<UINT>(g_tabList.GetCount() + (hidden ? hidden->GetCount() : 0));
    ui.Enable(id - kFirstTabCommand < count);
    return TRUE;
  }
  if (id >= kButtonMenuFirstId && id <= m_buttonMenuLast) {
    ui.Enable(true);
    return TRUE;
  }
  if (!HandlesCommand(id)) return FALSE;
  CommandState state = ViewCommandState(id, GetCommandContext());
  if (state == CommandState::kUnclaimed) return FALSE;
  ui.Enable(state == CommandState::kEnabled);
  return TRUE;
}

// ---- commands ----

BOOL CChildView::OnCommand(UINT id, UINT, HWND) {
  if (id >= kFirstTabCommand && id <= kLastTabCommand) {
    SelectTab(static_cast<int>(id - kFirstTabCommand));
    return TRUE;
  }
  if (!HandlesCommand(id)) return FALSE;
  // A command may come from anywhere (a stale menu, another program): each one checks its
  // own preconditions again.
  if (OnCellCommand(id) || OnTabCommand(id) || OnRecentCommand(id)) return TRUE;
  return FALSE;
}

bool CChildView::OnCellCommand(UINT id) {
  const int target = CellTarget();
  switch (id) {
    case ID_BTN_NEW:
    case ID_SEP_NEW:
      if (m_current) {
        int kind = id == ID_BTN_NEW ? btnpanel::kBlank : btnpanel::kSeparator;
        KeepCellInView(m_current->InsertCell(kind, target));
      }
      return true;
    case ID_BTN_DUPLICATE:
      if (m_current && target >= 0)
        KeepCellInView(m_current->InsertCell(btnpanel::kDuplicate, target, target));
      return true;
    case ID_BTN_DELETE:
    case ID_SEP_DELETE:
      // The model never deletes a tab's last cell.
      if (m_current && target >= 0 && m_current->GetCount() >= 2 && m_current->DeleteCell(target))
        KeepCellInView(std::max(0, target - 1));
      return true;
    case ID_BTN_CLEAR:
      if (m_current && target >= 0) m_current->SetCell(target, nullptr);
      return true;
    case ID_BTN_PROPERTIES:
      if (m_current && target >= 0) m_launcher->ButtonProperties();
      return true;
    case ID_BTN_COPY_MODE:
    case ID_BTN_MOVE_MODE:
    case ID_BTN_SWAP_MODE:
      BeginCellMode(static_cast<int>(id - ID_BTN_COPY_MODE));
      return true;
    case ID_BTN_COPY_OTHER:
      if (m_current) m_launcher->CopyButton();
      return true;
    case ID_BTN_COPY_ALL_OTHER:
      if (m_current) m_launcher->CopyAllButtons();
      return true;
    case ID_BTN_PASTE_OTHER:
      if (m_current) m_launcher->PasteFiles();
      return true;
    case ID_PANEL_PROPERTIES:
      if (m_current) m_launcher->BarBackground();
      return true;
    default:
      return false;
  }
}

bool CChildView::OnTabCommand(UINT id) {
  switch (id) {
    case ID_TAB_NEW:
      NewTab();
      return true;
    case ID_TAB_RENAME: {
      if (!m_strip || m_strip->GetSelected() < 0) return true;
      // A vertical strip has no room to edit a name in place.
      if (GetStyleWord() & style::kVertical)
        m_launcher->TabOrder();
      else
        m_strip->BeginRename(m_strip->GetSelected());
      return true;
    }
    case ID_TAB_ORDER:
      m_launcher->TabOrder();
      return true;
    case ID_TAB_SHOW_HIDE:
      m_launcher->ShowHideTabs();
      return true;
    case ID_TAB_DELETE:
      DeleteTab();
      return true;
    case ID_TAB_MOVE:
      BeginTabMode(1);
      return true;
    case ID_TAB_COPY:
      BeginTabMode(0);
      return true;
    case ID_TAB_PROPERTIES:
      if (m_current) m_launcher->BarBackground();
      return true;
    default:
      return false;
  }
}

bool CChildView::OnRecentCommand(UINT id) {
  CRecentStrip* recent = m_strip ? m_strip->GetRecentStrip() : nullptr;
  switch (id) {
    case ID_RECENT_DELETE:
      // Only the item the strip's own menu was opened on, and only once.
      if (recent && m_menuKind == MenuKind::kRecent && m_targetValid && m_target >= 0) {
        recent->RemoveAt(m_target);
        m_targetValid = false;
      }
      return true;
    case ID_RECENT_CLEAR:
      if (recent) recent->Clear();
      return true;
    default:
      return false;
  }
}

LRESULT CChildView::OnTabList(WPARAM wParam, LPARAM lParam) {
  return m_launcher->AnswerTabList(wParam, lParam);
}

// ---- tabs ----

void CChildView::NewTab() {
  if (!m_strip) return;
  // From a tab's menu the new tab goes before the selected one; otherwise at the end.
  int selected = m_strip->GetSelected();
  int before = m_targetValid && m_menuKind == MenuKind::kTab && selected >= 0 ? selected : -1;
  int index = g_tabList.NewTab(before);
  CTabData* tab = g_tabList.GetTab(index);
  if (!tab) return;
  m_panels.insert(m_panels.begin() + index, nullptr);
  m_strip->InsertTab(index, tab->m_name, tab->m_color, tab->m_textColor);
  if (m_currentIndex >= index) ++m_currentIndex;
  g_tabList.SelectTab(index);
  m_strip->Select(index);
  ShowTabPanel(index);
  m_strip->EnsureVisible(index);
}

void CChildView::DestroyPanel(std::unique_ptr<CBtnPanel> panel) {
  if (!panel) return;
  if (m_current == panel.get()) {
    m_current = nullptr;
    m_currentIndex = -1;
  }
  if (panel->GetSafeHwnd()) m_toolTip.DelTool(m_hWnd, panel->GetSafeHwnd());
  m_panelNumbers.erase(panel.get());
  panel.reset();
}

void CChildView::DeleteTab(bool ask) {
  if (!m_strip) return;
  int index = m_strip->GetSelected();
  CTabData* tab = g_tabList.GetTab(index);
  if (!tab || g_tabList.GetCount() < 2 || index >= static_cast<int>(m_panels.size())) return;
  if (ask) {
    std::string text = FormatResString(IDS_DELETE_TAB, tab->m_name.c_str());
    if (ShowMessage(text.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    // The box let messages through: the tab may have gone meanwhile.
    if (g_tabList.GetTab(index) != tab || m_strip->GetSelected() != index) return;
  }
  m_strip->RemoveTab(index);
  g_tabList.RemoveTab(index);
  auto panel = std::move(m_panels[static_cast<size_t>(index)]);
  m_panels.erase(m_panels.begin() + index);
  if (panel.get() != m_current && m_currentIndex > index) --m_currentIndex;
  DestroyPanel(std::move(panel));
  // The current panel is forgotten: the tab shown next is chosen afresh.
  if (m_current) m_current->ShowWindow(SW_HIDE);
  m_current = nullptr;
  m_currentIndex = -1;
  int next = std::min(index, g_tabList.GetCount() - 1);
  g_tabList.SelectTab(next);
  m_strip->Select(next);
  ShowTabPanel(next);
  m_strip->EnsureVisible(next);
}

void CChildView::RenameEnded(int index, const char* text) {
  if (!m_strip || !text || !*text || index != m_strip->GetSelected()) return;
  CTabData* tab = g_tabList.GetTab(index);
  if (!tab) return;
  std::string name = text;
  // A change of case alone is no rename.
  if (TabNamesEqual(tab->m_name, name)) return;
  bool taken = false;
  for (int i = 0; i < g_tabList.GetCount(); ++i) {
    if (i != index && TabNamesEqual(g_tabList.GetTab(i)->m_name, name)) taken = true;
  }
  if (const CTabDataList* hidden = g_tabList.GetHiddenList()) {
    if (hidden->FindTab(name.c_str()) >= 0) taken = true;
  }
  if (taken) {
    std::string old = tab->m_name;
    std::string message = FormatResString(IDS_RENAME_DUPLICATE, old.c_str());
    ShowMessage(message.c_str(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  g_tabList.RenameTab(index, name.c_str());
  m_strip->SetTabName(index, name);
  ::InvalidateRect(*m_strip, nullptr, TRUE);
}

void CChildView::RebuildTabs() {
  if (!m_strip) return;
  // Panels go with their tab's number, the one thing of a tab the dialogs never change.
  std::map<uint32_t, std::unique_ptr<CBtnPanel>> byNumber;
  uint32_t currentNumber = 0;
  bool hadCurrent = false;
  for (auto& slot : m_panels) {
    if (!slot) continue;
    auto found = m_panelNumbers.find(slot.get());
    if (found == m_panelNumbers.end()) continue;
    if (slot.get() == m_current) {
      currentNumber = found->second;
      hadCurrent = true;
    }
    byNumber[found->second] = std::move(slot);
  }
  m_strip->RemoveAllTabs();
  const auto& tabs = g_tabList.GetTabs();
  std::vector<std::unique_ptr<CBtnPanel>> panels(tabs.size());
  int next = -1;
  for (size_t i = 0; i < tabs.size(); ++i) {
    const CTabData& tab = *tabs[i];
    auto found = byNumber.find(tab.m_number);
    if (found != byNumber.end()) {
      panels[i] = std::move(found->second);
      byNumber.erase(found);
      if (hadCurrent && tab.m_number == currentNumber) next = static_cast<int>(i);
    }
    m_strip->AddTab(tab.m_name, tab.m_color, tab.m_textColor, i + 1 == tabs.size());
  }
  m_panels = std::move(panels);
  if (next < 0) {
    // The current tab is gone: its panel leaves with the others, and tab 0 is shown.
    if (m_current) m_current->ShowWindow(SW_HIDE);
    m_current = nullptr;
    m_currentIndex = -1;
    next = 0;
  } else {
    m_currentIndex = next;
  }
  for (auto& gone : byNumber) DestroyPanel(std::move(gone.second));
  if (m_panels.empty()) return;
  g_tabList.SelectTab(next);
  m_strip->Select(next);
  ShowTabPanel(next);
  m_strip->EnsureVisible(next);
}
