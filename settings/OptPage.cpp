#include "settings/OptPage.h"

#include <commctrl.h>

void COptPage::SetTrackRange(int id, int low, int high) const {
  ::SendMessageA(GetDlgItem(id), TBM_SETRANGE, FALSE, MAKELPARAM(low, high));
}

void COptPage::SetSpinRange(int id, int low, int high) const {
  ::SendMessageA(GetDlgItem(id), UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}
