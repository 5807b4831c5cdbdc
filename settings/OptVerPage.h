#pragma once

#include "settings/OptPage.h"
#include "settings/StaticLink.h"

// Version page: the program's name and version, and links to its home page and mail.
class COptVerPage : public COptPage {
 public:
  COptVerPage(UINT templateId, OptValues& values, const OptValues& start, DialogContext& context);

 protected:
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FillText();

  CStaticLink m_homePage;
  CStaticLink m_mail;
};
