#include "settings/ColorSheet.h"

#include "framework/WinApp.h"
#include "plumage_res.h"

// Both variants open on the background page; nothing is applied before OK.
CColorSheet::CColorSheet(const char* sampleText, HWND parentPage)
    : CPropertySheet(LoadResString(IDS_COLOR_BUTTON_CAPTION).c_str(), parentPage, PSH_NOAPPLYNOW),
      m_sampleText(sampleText ? sampleText : ""),
      m_defaultAllowed(TRUE),
      m_bar(false),
      m_textPage(*this),
      m_bkPage(*this) {
  AddPage(&m_textPage);
  AddPage(&m_bkPage);
  SetStartPage(1);
}

CColorSheet::CColorSheet(HWND owner)
    : CPropertySheet(LoadResString(IDS_COLOR_BAR_CAPTION).c_str(), owner, PSH_NOAPPLYNOW),
      m_bar(true),
      m_textPage(*this),
      m_bkPage(*this) {
  AddPage(&m_bkPage);
  AddPage(&m_textPage);
  SetStartPage(0);
}
