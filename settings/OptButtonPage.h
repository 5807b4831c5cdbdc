#pragma once

#include "settings/OptPreviewPage.h"

// Button page: icon size, 3-D effect, colour, text, font size, width and overflow.
class COptButtonPage : public COptPreviewPage {
 public:
  COptButtonPage(UINT templateId, OptValues& values, const OptValues& start,
                 DialogContext& context);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnApply() override;
  void EnableControls() override;
  void DrawPreview(HDC dc, const RECT& area) override;
};
