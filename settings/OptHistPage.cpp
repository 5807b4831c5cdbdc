#include "settings/OptHistPage.h"

#include <string>

#include "core/BarOptions.h"
#include "core/SettingsFile.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"

namespace {
const char kRecentSection[] = "RecentUsed";

std::string RecentKey(int number) { return "Btn" + std::to_string(number); }
}  // namespace

BOOL COptHistPage::OnInitDialog() {
  SetSpinRange(IDCR_COUNT_SPIN, 1, 255);
  BOOL focus = COptPage::OnInitDialog();
  FillPreview();
  return focus;
}

void COptHistPage::DoDataExchange(CDataExchange& dx) {
  DDX_Int(dx, IDCR_COUNT, m_values.rctNo, 1, 255);
}

void COptHistPage::FillPreview() {
  HWND list = GetDlgItem(IDCR_PREVIEW);
  if (!list) return;
  int count = 0;
  std::string text(32, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(GetDlgItem(IDCR_COUNT), text.data(), 32)));
  // While the edit holds no valid number the list shows what is stored.
  if (!ParseDialogInt(text, count) || count < 1 || count > 255) count = 255;
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (int i = 1; i <= count; ++i) {
    std::string value = m_file.ReadString(kRecentSection, RecentKey(i).c_str(), "");
    if (value.empty()) break;
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value.c_str()));
  }
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
  Enable(IDCR_CLEAR, ::SendMessageA(list, LB_GETCOUNT, 0, 0) > 0);
}

BOOL COptHistPage::OnCommand(UINT id, UINT code, HWND control) {
  if (id == IDCR_COUNT && code == EN_CHANGE) {
    FillPreview();
    return TRUE;
  }
  if (id == IDCR_CLEAR && code == BN_CLICKED) {
    // An empty first entry ends the stored list: cleared now, not on OK.
    m_file.WriteString(kRecentSection, RecentKey(1).c_str(), "");
    FillPreview();
    return TRUE;
  }
  return COptPage::OnCommand(id, code, control);
}

BOOL COptHistPage::OnApply() {
  Options().SetInt("RctNo", m_values.rctNo);
  // The stored list ends after RctNo entries.
  m_file.WriteString(kRecentSection, RecentKey(m_values.rctNo + 1).c_str(), "");
  return TRUE;
}
