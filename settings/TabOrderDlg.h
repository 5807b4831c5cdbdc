// The tab-order dialog: the visible tabs' order and names, new and deleted tabs.
#pragma once

#include "settings/TabListDlg.h"

class CTabOrderDlg : public CTabListDlg {
 public:
  CTabOrderDlg(HWND parent, DialogContext& context);

 protected:
  BOOL OnInitDialog() override;
  std::vector<CEditDragList*> Lists() override { return {&m_list}; }
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;
  bool IsCommandEnabled(UINT id) const override;

 private:
  void FollowSelection();

  CEditDragList m_list;
  std::map<uint32_t, TabListEntry> m_starts;
  std::vector<std::string> m_hiddenNames;
};
