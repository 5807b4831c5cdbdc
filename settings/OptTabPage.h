#pragma once

#include "settings/OptPage.h"

// Tab page: automatic or fixed tab width, the fixed width and overflow, the height.
class COptTabPage : public COptPage {
 public:
  using COptPage::COptPage;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnSetActive() override;
  BOOL OnApply() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Changed();
};
