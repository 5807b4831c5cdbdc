#include "settings/OptStrtPage.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

#include "core/BarMessages.h"
#include "core/BarOptions.h"
#include "core/StyleWord.h"
#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "plumage_res.h"
#include "settings/KeyName.h"

namespace {
const int kHotKeyControls[] = {IDCO_HOTKEY_HIDE, IDCO_HOTKEY_SHOW, IDCO_HOTKEY_EXIT};
const char* const kHotKeyKeys[] = {"HotKeyHide", "HotKeyShow", "HotKeyExit"};

void DDX_HotKeyWord(CDataExchange& dx, int id, WORD& value) {
  WORD key = LOBYTE(value);
  WORD modifiers = HIBYTE(value);
  DDX_HotKey(dx, id, key, modifiers);
  if (dx.Saving()) value = MAKEWORD(key, modifiers);
}
}  // namespace

BOOL COptStrtPage::OnInitDialog() {
  m_startTabName = Options().GetString("LastActiveTab", "");
  FillTabNames();
  BOOL focus = COptPage::OnInitDialog();
  if (m_values.startTab == 1) {
    // Only the exact name counts, not one it begins.
    HWND combo = GetDlgItem(IDCO_TAB_COMBO);
    LRESULT exact = ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(m_startTabName.c_str()));
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(exact), 0);
  }
  UpdateEnabling();
  return focus;
}

void COptStrtPage::FillTabNames() {
  HWND owner = m_context.owner;
  const char* snapshot =
      owner ? reinterpret_cast<const char*>(::SendMessageA(owner, WM_TABLIST, 0, 0)) : nullptr;
  // Without an answer the combo stays empty.
  if (!snapshot) return;
  HWND combo = GetDlgItem(IDCO_TAB_COMBO);
  // Each entry: the name, its NUL, the tab number and the address of its command list.
  const size_t entryTail = 4 + sizeof(void*);
  for (const char* at = snapshot; *at;) {
    size_t length = std::strlen(at);
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(at));
    at += length + 1 + entryTail;
  }
  ::SendMessageA(owner, WM_TABLIST, 1, reinterpret_cast<LPARAM>(snapshot));
}

void COptStrtPage::DoDataExchange(CDataExchange& dx) {
  DDX_Radio(dx, IDCO_LAST_TAB, m_values.startTab);
  DDX_Radio(dx, IDCO_AFTER_NONE, m_values.afterLaunch);
  for (int i = 0; i < 3; ++i) DDX_HotKeyWord(dx, kHotKeyControls[i], m_values.hotKeys[i]);
  DDX_Check(dx, IDCO_TAB_MENU, m_values.actMenu);
}

void COptStrtPage::UpdateEnabling() {
  Enable(IDCO_TAB_COMBO, IsChecked(IDCO_CHOSEN_TAB));
  Enable(IDCO_TAB_MENU, ::SendMessageA(GetDlgItem(IDCO_HOTKEY_SHOW), HKM_GETHOTKEY, 0, 0) != 0);
}

BOOL COptStrtPage::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED || (id == IDCO_HOTKEY_SHOW && code == EN_CHANGE)) UpdateEnabling();
  return COptPage::OnCommand(id, code, control);
}

bool COptStrtPage::TryHotKeys() {
  std::vector<DWORD> registered;
  std::vector<DWORD> failed;
  bool failedAt[3] = {};
  for (int i = 0; i < 3; ++i) {
    DWORD value = HotKeyFromControl(m_values.hotKeys[i]);
    if ((value & 0xFFFF) == 0) continue;
    bool isFailed = false;
    for (DWORD f : failed) isFailed |= f == value;
    bool isRegistered = false;
    for (DWORD r : registered) isRegistered |= r == value;
    // One value used for two actions is one registration.
    if (isRegistered) continue;
    if (isFailed) {
      failedAt[i] = true;
      continue;
    }
    int id = static_cast<int>(registered.size()) + 1;
    if (::RegisterHotKey(m_hWnd, id, (value >> 8) & 0xFF, value & 0xFF)) {
      registered.push_back(value);
    } else {
      failed.push_back(value);
      failedAt[i] = true;
    }
  }
  for (size_t id = 1; id <= registered.size(); ++id)
    ::UnregisterHotKey(m_hWnd, static_cast<int>(id));
  if (failed.empty()) return true;
  std::string text = LoadResString(IDS_HOTKEY_TRIAL_FAILED);
  for (size_t i = 0; i < failed.size(); ++i) text += (i ? ", " : "") + HotKeyText(failed[i]);
  AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
  int focus = failedAt[0] ? IDCO_HOTKEY_HIDE : failedAt[1] ? IDCO_HOTKEY_SHOW : IDCO_HOTKEY_EXIT;
  ::SetFocus(GetDlgItem(focus));
  return false;
}

BOOL COptStrtPage::OnApply() {
  if (!UpdateData(TRUE)) return FALSE;
  if (!TryHotKeys()) return FALSE;
  CBarOptions& o = Options();
  for (int i = 0; i < 3; ++i)
    o.SetInt(kHotKeyKeys[i], static_cast<int>(HotKeyFromControl(m_values.hotKeys[i])));
  o.SetInt("ActMenu", m_values.actMenu ? 1 : 0);
  DWORD& s = m_context.style;
  s &= ~(style::kSaveLastTab | style::kHideAfterLaunch | style::kBottomAfterLaunch |
         style::kExitAfterLaunch);
  if (m_values.startTab == 0) {
    s |= style::kSaveLastTab;
  } else {
    HWND combo = GetDlgItem(IDCO_TAB_COMBO);
    int selected = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    std::string name;
    if (selected >= 0) {
      int length = static_cast<int>(::SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0));
      if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        ::SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(buffer.data()));
        name = buffer.data();
      }
    }
    o.SetString("LastActiveTab", name.c_str());
  }
  const DWORD after[] = {0, style::kHideAfterLaunch, style::kBottomAfterLaunch,
                         style::kExitAfterLaunch};
  if (m_values.afterLaunch >= 0 && m_values.afterLaunch < 4) s |= after[m_values.afterLaunch];
  return TRUE;
}
