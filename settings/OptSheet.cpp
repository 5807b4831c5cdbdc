#include "settings/OptSheet.h"

#include "framework/WinApp.h"
#include "plumage_res.h"

COptSheet::COptSheet(HWND parent, int startPage, DialogContext& context, const CSettingsFile& file)
    // No Apply button: nothing reaches the bar before OK.
    : CPropertySheet(LoadResString(IDS_OPTIONS_CAPTION).c_str(), parent,
                     PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP),
      m_start(ReadOptValues(context.style, *context.options)),
      m_values(m_start),
      m_winPage(IDD_OPT_WINDOW, m_values, m_start, context),
      m_framePage(IDD_OPT_FRAME, m_values, m_start, context),
      m_buttonPage(IDD_OPT_BUTTON, m_values, m_start, context),
      m_tabPage(IDD_OPT_TAB, m_values, m_start, context),
      m_hidePage(IDD_OPT_HIDE, m_values, m_start, context),
      m_histPage(IDD_OPT_HISTORY, m_values, m_start, context, file),
      m_strtPage(IDD_OPT_START, m_values, m_start, context),
      m_verPage(IDD_OPT_VERSION, m_values, m_start, context) {
  for (CPropertyPage* page :
       {static_cast<CPropertyPage*>(&m_winPage), static_cast<CPropertyPage*>(&m_framePage),
        static_cast<CPropertyPage*>(&m_buttonPage), static_cast<CPropertyPage*>(&m_tabPage),
        static_cast<CPropertyPage*>(&m_hidePage), static_cast<CPropertyPage*>(&m_histPage),
        static_cast<CPropertyPage*>(&m_strtPage), static_cast<CPropertyPage*>(&m_verPage)})
    AddPage(page);
  SetStartPage(startPage >= 0 && startPage < GetPageCount() ? startPage : 0);
}
