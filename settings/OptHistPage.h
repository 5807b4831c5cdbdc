#pragma once

#include "settings/OptPage.h"

class CSettingsFile;

// Recently used page: how many recently used buttons the strip shows. Clearing
// the record writes to the settings file at once.
class COptHistPage : public COptPage {
 public:
  COptHistPage(UINT templateId, OptValues& values, const OptValues& start, DialogContext& context,
               const CSettingsFile& file)
      : COptPage(templateId, values, start, context), m_file(file) {}

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  BOOL OnApply() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;

 private:
  // Lists the stored buttons, at most the count in the edit.
  void FillPreview();

  const CSettingsFile& m_file;
};
