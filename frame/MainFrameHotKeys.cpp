// The frame's hot keys: registering them from the settings, what each one does, and the menu of
// all tabs the show key can open.
#include <string>

#include "core/Globals.h"
#include "core/KeyNameTable.h"
#include "core/TabData.h"
#include "core/TabDataList.h"
#include "frame/HotKeyTable.h"
#include "frame/MainFrame.h"
#include "framework/WinApp.h"
#include "kestrel_res.h"

namespace {
const char kHide[] = "HotKeyHide";
const char kShow[] = "HotKeyShow";
const char kExit[] = "HotKeyExit";
const UINT kFirstTabCommand = 20000;
}  // namespace

std::string TabPrefix(int n) {
  char prefix[16];
  if (n <= 8) {
    wsprintfA(prefix, "&%d ", n + 1);
  } else {
    wsprintfA(prefix, "&%c ", n + 88);
  }
  return prefix;
}

void CMainFrame::RegisterHotKeys(bool on) {
  if (!on) {
    if (m_hotKeys) m_hotKeys->UnregisterAll();
    return;
  }
  if (m_hotKeys) {
    m_hotKeys->UnregisterAll();
  } else {
    m_hotKeys = std::make_unique<CHotKeyTable>(m_hWnd);
  }
  bool ok = true;
  for (const char* name : {kHide, kShow, kExit}) {
    DWORD value = static_cast<DWORD>(g_barOptions.GetInt(name, 0));
    // A value without a key (modifiers alone) cannot be pressed: it counts as none.
    if ((value & 0xFFFF) == 0 || hotkey::KeyOf(value) == 0) continue;
    ok = m_hotKeys->Add(name, value) && ok;
  }
  // The message waits until the bar is up: a box must not hold back the first picture.
  if (!ok) PostMessage(WM_HOTKEY_FAILED);
}

void CMainFrame::ShowHotKeyFailure() {
  if (!m_hotKeys) return;
  CKeyNameTable names;
  names.Load(AfxGetResourceHandle());
  std::string keys = m_hotKeys->TakeFailedKeysText(names);
  if (keys.empty()) return;
  PauseAutoHide();
  AfxMessageBox((LoadResString(IDS_HOTKEY_FAILED) + keys).c_str(), MB_OK | MB_ICONINFORMATION);
  ResumeAutoHide();
}

bool CMainFrame::HasShowHotKey() const { return m_hotKeys && m_hotKeys->IsRegistered(kShow); }

void CMainFrame::OnHotKey(WPARAM id, LPARAM lParam) {
  if (!m_hotKeys) return;
  DWORD value =
      ((static_cast<DWORD>(lParam) & 0xFF) << 8) | ((static_cast<DWORD>(lParam) >> 16) & 0xFF);
  const std::vector<std::string>* names = m_hotKeys->Find(static_cast<int>(id), value);
  if (!names) return;
  // Copied: an action below may register the keys again.
  const std::vector<std::string> actions = *names;
  for (const auto& name : actions) {
    if (name == kHide) {
      if (m_hideState == kShown) PostMessage(WM_HIDE_BAR, 1, 0);
    } else if (name == kShow) {
      if (m_hideState == kHidden) PostMessage(WM_SHOW_BAR, 0, 0);
      ::SetActiveWindow(m_hWnd);
      ::SetForegroundWindow(m_hWnd);
      if (g_barOptions.GetInt("ActMenu", 0) != 0) ShowTabListMenu();
    } else if (name == kExit) {
      // Open menus close before the exit command arrives.
      SendMessage(WM_CANCELMODE);
      PostMessage(WM_COMMAND, ID_APP_EXIT, 0);
    }
  }
}

void CMainFrame::ShowTabListMenu() {
  HMENU menu = ::CreatePopupMenu();
  if (!menu) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const int visible = g_tabList.GetCount();
  for (int i = 0; i < visible; ++i) {
    std::string text = TabPrefix(i) + g_tabList.GetTab(i)->m_name;
    ::AppendMenuA(menu, MF_STRING, kFirstTabCommand + i, text.c_str());
  }
  CTabDataList* hidden = g_tabList.GetHiddenList();
  if (hidden && hidden->GetCount() > 0) {
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    for (int k = 0; k < hidden->GetCount(); ++k) {
      int n = visible + k;
      std::string text = TabPrefix(n) + hidden->GetTab(k)->m_name;
      ::AppendMenuA(menu, MF_STRING, kFirstTabCommand + n, text.c_str());
    }
  }
  PauseAutoHide();
  ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_hWnd, nullptr);
  ResumeAutoHide();
  ::DestroyMenu(menu);
}
