#include "settings/BtnAddPage.h"

#include "res/plumage_res.h"

// Not built yet: an empty page.
CBtnAddPage::CBtnAddPage(CBtnSheetHost& host) : CPropertyPage(IDD_BTN_ACTION), m_host(host) {}
