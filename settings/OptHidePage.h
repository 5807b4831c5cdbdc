#pragma once

#include "settings/OptPage.h"

// Hide/Appear page: automatic hiding, how the bar hides, and touching screen
// spots to hide or show it. Times are edited in tenths of a second.
class COptHidePage : public COptPage {
 public:
  using COptPage::COptPage;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnApply() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;

 private:
  void UpdateEnabling();
};
