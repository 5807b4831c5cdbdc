#pragma once

#include "settings/OptPreviewPage.h"

// Frame page: the frame's 3-D effect and the outer and button borders.
class COptFramePage : public COptPreviewPage {
 public:
  COptFramePage(UINT templateId, OptValues& values, const OptValues& start, DialogContext& context);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnApply() override;
  void DrawPreview(HDC dc, const RECT& area) override;
};
