// The show/hide dialog: the shown and the hidden tabs side by side, each list
// edited as in the tab-order dialog, and tabs moved between them.
#pragma once

#include "settings/TabListDlg.h"

class CTabShowHideDlg : public CTabListDlg {
 public:
  CTabShowHideDlg(HWND parent, DialogContext& context);

 protected:
  BOOL OnInitDialog() override;
  std::vector<CEditDragList*> Lists() override { return {&m_shown, &m_hidden}; }
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool IsCommandEnabled(UINT id) const override;

 private:
  // The list commands work on: the focused one; else the hidden list when it has a
  // selection, else the shown list.
  CEditDragList& ActiveList() const;
  bool IsShown(const CEditDragList& list) const { return &list == &m_shown; }
  // Moves item of from to the end of the other list, with its number and its commands.
  void MoveAcross(CEditDragList& from, int item);
  void FollowSelection(const CEditDragList& list);

  // Mutable: the active list is chosen by a const query.
  mutable CEditDragList m_shown;
  mutable CEditDragList m_hidden;
  std::map<uint32_t, TabListEntry> m_shownStarts;
  std::map<uint32_t, TabListEntry> m_hiddenStarts;
};
