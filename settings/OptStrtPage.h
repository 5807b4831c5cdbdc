#pragma once

#include <string>

#include "settings/OptPage.h"

// Other page: the tab selected at start, what follows a launch, and the
// three hot keys, tried out before OK takes them.
class COptStrtPage : public COptPage {
 public:
  using COptPage::COptPage;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnApply() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;

 private:
  // Fills the combo with the bar's tab names, asked from the owner.
  void FillTabNames();
  void UpdateEnabling();
  // Registers each set key once on this page's window; false (after telling
  // the user and moving the focus) when any is refused. The keys are given up
  // again either way.
  bool TryHotKeys();

  std::string m_startTabName;
};
