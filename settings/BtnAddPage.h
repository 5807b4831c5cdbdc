// The button sheet's second page ("動作"): turns a button into an action
// button on a tab and sets what a file dropped on it does.
#pragma once

#include <windows.h>

#include <ctime>
#include <set>
#include <string>

#include "framework/PropertyPage.h"
#include "settings/ActionDetect.h"
#include "settings/TabIconStrip.h"

class CBtnSheetHost;

class CBtnAddPage : public CPropertyPage {
 public:
  explicit CBtnAddPage(CBtnSheetHost& host);

  // Set when this page has just written a new action shortcut; the shortcut
  // page then reloads from the sheet's command.
  bool HasCreatedShortcut() const { return m_created; }

 protected:
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  // Validates the tab name and writes the action shortcut; also runs for OK on this page.
  BOOL OnKillActive() override;
  void OnDestroy() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  BOOL OnUpdateCommand(CCmdUI& ui) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FillTabCombo();
  void DrawTabItem(const DRAWITEMSTRUCT& item) const;
  // The combo item whose icons the strip should show: the selection, else the typed name.
  int TabIndexForStrip() const;
  // 1674, 1675, 1676 or 0 when none of the actions is checked.
  int CheckedAction() const;
  bool IsChecked(int id) const;
  bool WriteActionShortcut(int checkId, const std::string& parameter);
  // The file name of a new action shortcut in folder for the action checked
  // by checkId, made when the time was now; a later second when that name is taken.
  static std::string NewShortcutPath(const std::string& folder, int checkId, std::time_t now);

  CBtnSheetHost& m_host;
  bool m_created = false;
  ActionKind m_foundKind = ActionKind::kNone;  // what the command was when the page opened
  int m_stripIndex = -1;                       // the combo item the strip shows
  const char* m_snapshot = nullptr;            // the owner's tab lists, given back on destruction
  std::set<const char*> m_visibleLists;        // command lists of the visible tabs
  int m_checkWidth = 0;                        // of a combo item's check square
  CTabIconStrip m_strip;
};
