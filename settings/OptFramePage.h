#pragma once

#include "settings/OptPage.h"

// Frame page: the frame's 3-D effect and the outer and button borders.
class COptFramePage : public COptPage {
 public:
  using COptPage::COptPage;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnSetActive() override;
  BOOL OnApply() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
