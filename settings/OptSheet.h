#pragma once

#include "framework/PropertySheet.h"
#include "settings/DialogContext.h"
#include "settings/OptButtonPage.h"
#include "settings/OptFramePage.h"
#include "settings/OptHidePage.h"
#include "settings/OptHistPage.h"
#include "settings/OptStrtPage.h"
#include "settings/OptTabPage.h"
#include "settings/OptValues.h"
#include "settings/OptVerPage.h"
#include "settings/OptWinPage.h"

class CSettingsFile;

// The options sheet: eight pages over the style word and the [Common] cache
// of the dialog context. Only pages that were opened write back on OK.
class COptSheet : public CPropertySheet {
 public:
  // context.options must be set; file is the settings file the Recently used
  // page writes to directly.
  COptSheet(HWND parent, int startPage, DialogContext& context, const CSettingsFile& file);

  const OptValues& GetValues() const { return m_values; }

 private:
  OptValues m_start;
  OptValues m_values;
  COptWinPage m_winPage;
  COptFramePage m_framePage;
  COptButtonPage m_buttonPage;
  COptTabPage m_tabPage;
  COptHidePage m_hidePage;
  COptHistPage m_histPage;
  COptStrtPage m_strtPage;
  COptVerPage m_verPage;
};
