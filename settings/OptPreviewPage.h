#pragma once

#include "settings/OptPage.h"

// A page with a sample drawn from the sheet's current values (Frame, Button,
// Tab): the sample is redrawn when the page becomes active and after each
// change of a control, track bars only once the thumb is let go.
class COptPreviewPage : public COptPage {
 public:
  COptPreviewPage(UINT templateId, int previewId, OptValues& values, const OptValues& start,
                  DialogContext& context)
      : COptPage(templateId, values, start, context), m_previewId(previewId) {}

 protected:
  BOOL OnSetActive() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Takes the controls' values over, enables what depends on them, redraws.
  void Changed();
  virtual void EnableControls() {}
  virtual void DrawPreview(HDC dc, const RECT& area) = 0;

 private:
  int m_previewId;
};
