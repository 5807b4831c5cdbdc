#pragma once

#include "settings/OptPage.h"

// Window page: always on top, tips, desktop bar, animation.
class COptWinPage : public COptPage {
 public:
  using COptPage::COptPage;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnApply() override;
};
