#pragma once

#include "settings/OptPage.h"

// Button page: icon size, 3-D effect, colour, text, font size, width and overflow.
class COptButtonPage : public COptPage {
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
