#include "settings/BtnAddPage.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "core/BarMessages.h"
#include "core/LauncherCommands.h"
#include "core/MbString.h"
#include "core/ShellLink.h"
#include "framework/CmdUI.h"
#include "framework/Dc.h"
#include "framework/GdiObject.h"
#include "framework/WinApp.h"
#include "res/plumage_res.h"
#include "settings/BtnSheetHost.h"
#include "settings/DialogContext.h"

namespace {
const uint32_t kFlagAction = 0x2;
const uint32_t kFlagOpenDrops = 0x4;
const UINT kEmptyNameMessage = 1241;  // the button sheet's text
const char kActionComment[] = "名前とアイコンを変更できます";
const int kActionChecks[] = {IDCA_SWITCH, IDCA_START, IDCA_MENU};

std::string WindowText(HWND window) {
  int length = window ? ::GetWindowTextLengthA(window) : 0;
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  int got = ::GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

// Blanks and tabs at both ends; no trail byte of a double-byte character is one.
std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The head of text that a one-line field can show, cut at a character. Some
// systems' ellipsis drawing overruns its buffers on lines of thousands of bytes.
std::string ForDisplay(const std::string& text) {
  const size_t kShown = 255;
  size_t end = 0;
  while (end < text.size() && end + MbCharLength(text, end) <= kShown)
    end += MbCharLength(text, end);
  return text.substr(0, end);
}

// An item's text, read in the combo's own character set: some systems copy
// the ANSI form of a long item through a fixed buffer.
std::string ComboItemText(HWND combo, UINT index) {
  LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length <= 0) return std::string();
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  length = ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&wide[0]));
  if (length <= 0) return std::string();
  int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(length), nullptr, 0,
                                    nullptr, nullptr);
  std::string text(static_cast<size_t>(std::max(bytes, 0)), '\0');
  if (bytes > 0)
    ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(length), &text[0], bytes,
                          nullptr, nullptr);
  return text;
}
}  // namespace

CBtnAddPage::CBtnAddPage(CBtnSheetHost& host) : CPropertyPage(IDD_BTN_ACTION), m_host(host) {}

std::string CBtnAddPage::NewShortcutPath(const std::string& folder, int checkId, std::time_t now) {
  const char* action = checkId == IDCA_SWITCH  ? "切替"
                       : checkId == IDCA_START ? "起動"
                                               : "メニュー";
  // Never another shortcut's file: that would change another button.
  for (uint32_t second = static_cast<uint32_t>(now);; ++second) {
    char number[16];
    std::snprintf(number, sizeof number, "%X", static_cast<unsigned>(second));
    std::string path = folder + action + number + ".lnk";
    if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return path;
  }
}

BOOL CBtnAddPage::OnInitDialog() {
  const DialogContext& context = m_host.Context();
  ::SetDlgItemTextA(m_hWnd, IDCA_CURRENT_TAB,
                    FormatResString(IDS_CURRENT_TAB, ForDisplay(context.tabName).c_str()).c_str());

  // Item height and check square follow the page's font.
  HWND combo = GetDlgItem(IDCA_TAB_COMBO);
  {
    TEXTMETRICA metrics{};
    CClientDC dc(combo);
    CSelectObject font(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    ::GetTextMetricsA(dc, &metrics);
    int height = metrics.tmHeight + metrics.tmExternalLeading;
    m_checkWidth = height + 6;
    ::SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height + 2);
    ::SendMessageA(combo, CB_SETITEMHEIGHT, 0, height + 2);
  }
  FillTabCombo();
  m_strip.Attach(GetDlgItem(IDCA_ICON_STRIP));
  m_stripIndex = -1;
  return CPropertyPage::OnInitDialog();
}

void CBtnAddPage::FillTabCombo() {
  m_visibleLists.clear();
  HWND owner = m_host.Context().owner;
  m_snapshot =
      owner ? reinterpret_cast<const char*>(::SendMessageA(owner, WM_TABLIST, 0, 1)) : nullptr;
  // Without an answer the combo stays empty.
  if (!m_snapshot) return;
  HWND combo = GetDlgItem(IDCA_TAB_COMBO);
  // The visible tabs, then the hidden ones; each entry the name, its zero, the
  // tab number and the address of its command list.
  const char* at = m_snapshot;
  for (int sequence = 0; sequence < 2; ++sequence, ++at) {
    while (*at) {
      const char* name = at;
      at += std::strlen(at) + 1 + sizeof(uint32_t);
      const char* commands = nullptr;
      std::memcpy(&commands, at, sizeof commands);
      at += sizeof commands;
      LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
      if (index < 0) continue;
      ::SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(commands));
      if (sequence == 0) m_visibleLists.insert(commands);
    }
  }
}

void CBtnAddPage::OnDestroy() {
  if (m_snapshot) {
    ::SendMessageA(m_host.Context().owner, WM_TABLIST, 1, reinterpret_cast<LPARAM>(m_snapshot));
    m_snapshot = nullptr;
  }
  m_visibleLists.clear();
  m_strip.ClearCache();
  CPropertyPage::OnDestroy();
}

bool CBtnAddPage::IsChecked(int id) const {
  return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

int CBtnAddPage::CheckedAction() const {
  for (int id : kActionChecks)
    if (IsChecked(id)) return id;
  return 0;
}

BOOL CBtnAddPage::OnSetActive() {
  m_created = false;
  std::string target, arguments;
  if (m_host.IsShortcutPageFirst()) {
    // What the shortcut page shows counts, saved or not.
    target = m_host.GetShortcutField(IDCS_TARGET);
    arguments = m_host.GetShortcutField(IDCS_ARGUMENTS);
  }
  bool opensDrops = (m_host.Flags() & kFlagOpenDrops) != 0;
  ::CheckDlgButton(m_hWnd, IDCA_DROP_ADDS, opensDrops ? BST_UNCHECKED : BST_CHECKED);
  ::CheckDlgButton(m_hWnd, IDCA_DROP_OPENS, opensDrops ? BST_CHECKED : BST_UNCHECKED);
  for (int id : kActionChecks) ::CheckDlgButton(m_hWnd, id, BST_UNCHECKED);

  ActionInfo found =
      DetectAction(m_host.Command(), m_host.ProgramFolder(), target, arguments, m_hWnd);
  m_foundKind = found.kind;
  int check = found.kind == ActionKind::kSwitch  ? IDCA_SWITCH
              : found.kind == ActionKind::kStart ? IDCA_START
              : found.kind == ActionKind::kMenu  ? IDCA_MENU
                                                 : 0;
  if (check) ::CheckDlgButton(m_hWnd, check, BST_CHECKED);
  if (found.kind != ActionKind::kNone)
    ::SetDlgItemTextA(m_hWnd, IDCA_TAB_COMBO, found.tabName.c_str());
  AfxRequestIdleUpdate(m_hWnd);
  return CPropertyPage::OnSetActive();
}

BOOL CBtnAddPage::OnKillActive() {
  uint32_t& flags = m_host.Flags();
  flags &= ~kFlagAction;
  if (int checked = CheckedAction()) {
    HWND combo = GetDlgItem(IDCA_TAB_COMBO);
    std::string name = Trimmed(WindowText(combo));
    if (name.empty()) {
      AfxMessageBox(kEmptyNameMessage, MB_OK | MB_ICONINFORMATION);
      ::SetFocus(combo);
      return FALSE;
    }
    const char* prefix = checked == IDCA_SWITCH  ? "/sw:"
                         : checked == IDCA_START ? "/str:"
                                                 : "/menu:";
    flags |= kFlagAction;
    if (!WriteActionShortcut(checked, prefix + name)) return FALSE;
  }
  flags &= ~kFlagOpenDrops;
  if (IsChecked(IDCA_DROP_OPENS)) flags |= kFlagOpenDrops;
  return TRUE;
}

bool CBtnAddPage::WriteActionShortcut(int checkId, const std::string& parameter) {
  std::string folder;
  if (!m_host.CheckWorkFolder(m_hWnd, folder)) return false;
  const bool shortcutFirst = m_host.IsShortcutPageFirst();
  if (shortcutFirst && m_foundKind != ActionKind::kNone) {
    // Already a shortcut to the setup tool: the shortcut page writes the new
    // arguments into it on OK.
    m_host.SetShortcutField(IDCS_ARGUMENTS, parameter);
    m_host.SetShortcutField(IDCS_COMMENT, kActionComment);
    return true;
  }
  std::string path = NewShortcutPath(folder, checkId, std::time(nullptr));
  std::string target = m_host.ProgramFolder() + "Hatchling.exe";
  // The shortcut page's fields change only once the new file exists, so a
  // failed write leaves the shortcut being edited as it was.
  if (!WriteShortcut(m_hWnd, path, target.c_str(), nullptr, nullptr, parameter.c_str(),
                     kActionComment, target.c_str(), 0, kKeepHotKey, kKeepShowCmd)) {
    return false;
  }
  if (shortcutFirst) {
    m_host.SetShortcutField(IDCS_ARGUMENTS, parameter);
    m_host.SetShortcutField(IDCS_COMMENT, kActionComment);
    m_host.SetShortcutField(IDCS_FILE_NAME, path);
    m_host.SetShortcutField(IDCS_TARGET, target);
    m_host.SetShortcutNewIcon(target, 0);
  }
  m_created = true;
  m_host.Command() = path;
  return true;
}

BOOL CBtnAddPage::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED && (id == IDCA_SWITCH || id == IDCA_START || id == IDCA_MENU) &&
      IsChecked(static_cast<int>(id))) {
    // At most one action: checking one takes the check from the others.
    for (int other : kActionChecks)
      if (other != static_cast<int>(id)) ::CheckDlgButton(m_hWnd, other, BST_UNCHECKED);
  }
  return CPropertyPage::OnCommand(id, code, control);
}

int CBtnAddPage::TabIndexForStrip() const {
  HWND combo = GetDlgItem(IDCA_TAB_COMBO);
  int index = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
  if (index >= 0) return index;
  std::string name = Trimmed(WindowText(combo));
  if (name.empty()) return -1;
  index = static_cast<int>(::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(name.c_str())));
  return index >= 0 ? index : -1;
}

BOOL CBtnAddPage::OnUpdateCommand(CCmdUI& ui) {
  switch (ui.GetID()) {
    case IDCA_DROP_ADDS:
    case IDCA_DROP_OPENS:
      ui.Enable(CheckedAction() == 0);
      return TRUE;
    case IDCA_ICON_STRIP: {
      int index = TabIndexForStrip();
      if (index != m_stripIndex) {
        m_stripIndex = index;
        LRESULT commands =
            index >= 0 ? ::SendMessageA(GetDlgItem(IDCA_TAB_COMBO), CB_GETITEMDATA, index, 0) : 0;
        m_strip.ShowCommands(commands == CB_ERR ? nullptr
                                                : reinterpret_cast<const char*>(commands));
      }
      return TRUE;
    }
    default:
      return CPropertyPage::OnUpdateCommand(ui);
  }
}

void CBtnAddPage::DrawTabItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) return;
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  ::FillRect(dc, &rect, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

  // The check square, ticked for a tab the bar shows.
  RECT box = rect;
  box.right = std::min<LONG>(rect.right, rect.left + m_checkWidth);
  int side = std::min<LONG>(box.right - box.left, box.bottom - box.top) - 2;
  if (side > 0) {
    RECT square;
    square.left = box.left + (box.right - box.left - side) / 2;
    square.top = box.top + (box.bottom - box.top - side) / 2;
    square.right = square.left + side;
    square.bottom = square.top + side;
    bool visible = m_visibleLists.count(reinterpret_cast<const char*>(item.itemData)) != 0;
    ::DrawFrameControl(dc, &square, DFC_BUTTON, DFCS_BUTTONCHECK | (visible ? DFCS_CHECKED : 0));
  }

  std::string text = " " + ForDisplay(ComboItemText(item.hwndItem, item.itemID));
  RECT textRect = rect;
  textRect.left = box.right;
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor =
      ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
  if (selected && (item.itemState & ODS_FOCUS)) ::DrawFocusRect(dc, &rect);
}

LRESULT CBtnAddPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM && wParam == IDCA_TAB_COMBO && lParam) {
    DrawTabItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return CPropertyPage::WindowProc(message, wParam, lParam);
}
