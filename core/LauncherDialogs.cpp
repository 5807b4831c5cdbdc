// The settings library's dialogs for a button, the tab order, the bar background and the
// visibility of tabs. Each call binds the library, pauses automatic hiding, calls the entry,
// resumes hiding, unbinds, and only then acts on the result.
#include <algorithm>
#include <vector>

#include "core/Launcher.h"
#include "core/LauncherCommands.h"
#include "core/PlumageLibrary.h"

namespace {

PlumageTabRecord TabRecord(const CTabData& tab) {
  return {tab.m_name.c_str(), tab.m_number, tab.m_color, tab.m_textColor};
}

}  // namespace

bool CLauncher::BindEntry(const char* entry) {
  if (!m_plumage.Bind(entry)) return false;
  if (!m_plumage.GetEntry()) {
    // A library without the entry: as if the dialog had been cancelled.
    m_plumage.Unbind();
    return false;
  }
  m_host.PauseAutoHide();
  return true;
}

void CLauncher::EndDialog() {
  m_host.ResumeAutoHide();
  m_plumage.Unbind();
}

bool CLauncher::IsCurrentTab(const CTabData* tab) const {
  return tab && m_model.GetCurrentTab() == tab;
}

void CLauncher::ButtonProperties() {
  CTabData* tab = m_model.GetCurrentTab();
  int cell = m_host.GetCurrentCell();
  const CBtnData* button = tab ? tab->GetButton(cell) : nullptr;
  if (!button || cell > 0xFFFF) return;
  if (!BindEntry("DisplayBtnPropDialog")) return;
  // The records point into copies, which stay put whatever the view does meanwhile.
  std::string name = tab->m_name;
  std::string command = button->IsBlank() ? "*" : button->m_command;
  PlumageTabRecord tabRecord = TabRecord(*tab);
  tabRecord.name = name.c_str();
  PlumageBtnRecord btnRecord{command.c_str(), button->m_flags, button->m_textColor,
                             button->m_bkColor};
  DWORD style = m_host.GetStyleWord() & ~kPlumageRecordChanged;
  std::vector<char> record(kPlumageRecordSize, '\0');
  BOOL ok = m_plumage.GetEntryAs<DisplayBtnPropDialogProc>()(m_host.GetViewWindow(), &tabRecord,
                                                             static_cast<WORD>(cell), &btnRecord,
                                                             &style, record.data());
  EndDialog();
  if (!ok || !(style & kPlumageRecordChanged)) return;
  record.back() = '\0';  // never read past the buffer, whatever the library wrote
  if (!IsCurrentTab(tab) || cell >= tab->GetButtonCount()) return;
  m_model.SetButton(*tab, cell, record.data());
  m_host.RedrawCell(cell);
}

bool CLauncher::OptionDialog(HWND owner, DWORD* style, std::vector<char>& snapshot, int page) {
  if (snapshot.size() < 5 || !BindEntry("OptionDialog")) return false;
  BOOL ok = m_plumage.GetEntryAs<OptionDialogProc>()(
      owner, style, reinterpret_cast<BYTE*>(snapshot.data()), page);
  EndDialog();
  return ok != FALSE;
}

void CLauncher::TabOrder() {
  CTabData* tab = m_model.GetCurrentTab();
  if (!tab) return;
  if (!BindEntry("ChgTabOrderDialog")) return;
  std::string name = tab->m_name;
  PlumageTabRecord tabRecord = TabRecord(*tab);
  tabRecord.name = name.c_str();
  std::vector<char> order(kPlumageTabListSize, '\0');
  BOOL ok = m_plumage.GetEntryAs<ChgTabOrderDialogProc>()(m_host.GetViewWindow(), &tabRecord,
                                                          order.data());
  EndDialog();
  if (!ok) return;
  m_model.ApplyTabOrder(ParseTabListResult(order.data(), order.size()));
  m_host.TabsRebuilt();
}

void CLauncher::ShowHideTabs() {
  CTabData* tab = m_model.GetCurrentTab();
  if (!tab) return;
  if (!BindEntry("UpdTabShowHideDialog")) return;
  std::string name = tab->m_name;
  PlumageTabRecord tabRecord = TabRecord(*tab);
  tabRecord.name = name.c_str();
  std::vector<char> shown(kPlumageTabListSize, '\0');
  std::vector<char> hidden(kPlumageTabListSize, '\0');
  BOOL ok = m_plumage.GetEntryAs<UpdTabShowHideDialogProc>()(m_host.GetViewWindow(), &tabRecord,
                                                             shown.data(), hidden.data());
  EndDialog();
  if (!ok) return;
  // Tabs that become hidden take their buttons from the visible tabs as they were.
  CTabDataList::TabVector before = m_model.CloneTabs();
  // The renames of both lists are applied together, from the names as they were.
  CTabDataList::TabRenames renames;
  m_model.ApplyTabOrder(ParseTabListResult(shown.data(), shown.size()), &renames);
  CTabDataList::TabVector hiddenTabs = ParseTabListResult(hidden.data(), hidden.size());
  if (hiddenTabs.empty()) {
    m_model.DestroyHiddenList();
  } else {
    m_model.ApplyHiddenTabs(std::move(hiddenTabs), before, &renames);
  }
  m_model.UpdateActionShortcuts(renames);
  m_host.TabsRebuilt();
}

void CLauncher::BarBackground() {
  CTabData* tab = m_model.GetCurrentTab();
  if (!tab) return;
  if (!BindEntry("BarBkPropDialog")) return;
  std::string name = tab->m_name;
  PlumageTabRecord tabRecord = TabRecord(*tab);
  tabRecord.name = name.c_str();
  DWORD style = m_host.GetStyleWord();
  BOOL ok = m_plumage.GetEntryAs<BarBkPropDialogProc>()(m_host.GetViewWindow(), &tabRecord, &style);
  EndDialog();
  if (!ok || !IsCurrentTab(tab)) return;
  tab->m_color = tabRecord.color;
  tab->m_textColor = tabRecord.textColor;
  m_model.SetModified();
  m_host.TabColorsChanged();
}
