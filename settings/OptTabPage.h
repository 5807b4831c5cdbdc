#pragma once

#include "settings/OptPreviewPage.h"

// Tab page: automatic or fixed tab width, the fixed width and overflow, the height.
class COptTabPage : public COptPreviewPage {
 public:
  COptTabPage(UINT templateId, OptValues& values, const OptValues& start, DialogContext& context);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnApply() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  void EnableControls() override;
  void DrawPreview(HDC dc, const RECT& area) override;
};
