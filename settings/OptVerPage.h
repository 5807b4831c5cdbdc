#pragma once

#include <memory>

#include "settings/OptPage.h"
#include "settings/StaticLink.h"

class CLoadedLibrary;

// Version page: the program's name and version, and links to its home page and mail.
class COptVerPage : public COptPage {
 public:
  COptVerPage(UINT templateId, OptValues& values, const OptValues& start, DialogContext& context);
  ~COptVerPage() override;

 protected:
  bool OnCreatingWindow() override;
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FillText();

  CStaticLink m_homePage;
  CStaticLink m_mail;
  // The rich edit control's library, loaded only when the page is shown.
  std::unique_ptr<CLoadedLibrary> m_richEdit;
};
