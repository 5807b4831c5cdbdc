#pragma once

#include <windows.h>

#include "framework/PropertyPage.h"
#include "settings/DialogContext.h"
#include "settings/OptValues.h"

class CBarOptions;

// A page of the options sheet: it edits its part of the sheet's values, which
// all pages (and their previews) share, and writes that part on OK.
class COptPage : public CPropertyPage {
 public:
  COptPage(UINT templateId, OptValues& values, const OptValues& start, DialogContext& context)
      : CPropertyPage(templateId), m_values(values), m_start(start), m_context(context) {}

 protected:
  CBarOptions& Options() { return *m_context.options; }
  void Enable(int id, bool on) const { ::EnableWindow(GetDlgItem(id), on ? TRUE : FALSE); }
  bool IsChecked(int id) const {
    return ::SendMessageA(GetDlgItem(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  void SetTrackRange(int id, int low, int high) const;
  void SetSpinRange(int id, int low, int high) const;

  OptValues& m_values;
  const OptValues& m_start;
  DialogContext& m_context;
};
