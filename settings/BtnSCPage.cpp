#include "settings/BtnSCPage.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "core/ErrorText.h"
#include "core/FileName.h"
#include "core/SettingsFile.h"
#include "core/SystemFolder.h"
#include "core/TargetInfo.h"
#include "framework/CmdUI.h"
#include "framework/WinApp.h"
#include "plumage_res.h"
#include "settings/ActionDetect.h"
#include "settings/BtnPageParts.h"
#include "settings/BtnPropSheet.h"
#include "settings/Choosers.h"
#include "settings/WorkFolder.h"

namespace {

// The size list's entries and the show commands they stand for.
const int kShowCommands[] = {SW_SHOWNORMAL, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};

int ShowListIndex(int showCmd) {
  if (showCmd == SW_SHOWMINIMIZED || showCmd == SW_SHOWMINNOACTIVE) return 1;
  if (showCmd == SW_SHOWMAXIMIZED) return 2;
  return 0;
}

const int kFields[] = {IDCS_NAME, IDCS_TARGET, IDCS_ARGUMENTS, IDCS_WORK_FOLDER, IDCS_COMMENT};

}  // namespace

CBtnSCPage::CBtnSCPage(CBtnPropSheet& sheet)
    : CPropertyPage(IDD_BTN_SHORTCUT),
      m_sheet(sheet),
      m_color(sheet.Context(), sheet.TextColor(), sheet.BkColor()) {}

BOOL CBtnSCPage::OnInitDialog() {
  m_icon.Attach(GetDlgItem(IDCS_ICON));
  SetButtonBitmaps(m_hWnd,
                   {{IDCS_CHOOSE_FILE, IDB_CHOOSE_FILE},
                    {IDCS_CHOOSE_FOLDER, IDB_CHOOSE_FOLDER},
                    {IDCS_CHOOSE_TEMPLATE, IDB_CHOOSE_TEMPLATE},
                    {IDCS_CHOOSE_SYSTEM_FOLDER, IDB_CHOOSE_SYSTEM_FOLDER},
                    {IDCS_COPY, IDB_COPY_SHORTCUT},
                    {IDCS_CHOOSE_TARGET, IDB_BROWSE},
                    {IDCS_CHOOSE_ARGUMENT, IDB_BROWSE},
                    {IDCS_CHOOSE_WORK_FOLDER, IDB_BROWSE}},
                   m_bitmaps);
  m_tips.Watch(m_hWnd, {IDCS_ICON, IDCS_CHOOSE_FILE, IDCS_CHOOSE_TEMPLATE, IDCS_CHOOSE_TARGET,
                        IDCS_CHOOSE_ARGUMENT, IDCS_CHOOSE_WORK_FOLDER, IDCS_CHOOSE_FOLDER,
                        IDCS_CHOOSE_SYSTEM_FOLDER, IDCS_COPY, IDCS_COLOR});
  for (int id : kFields) ::SendDlgItemMessageA(m_hWnd, id, EM_LIMITTEXT, kMaxFieldText, 0);
  std::string entries = LoadResString(IDS_SHOW_COMMANDS);
  for (size_t start = 0; start < entries.size();) {
    size_t bar = entries.find('|', start);
    std::string entry = entries.substr(start, bar == std::string::npos ? bar : bar - start);
    ::SendDlgItemMessageA(m_hWnd, IDCS_SHOW, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(entry.c_str()));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  Load(m_sheet.Command());
  m_sheet.PageCreated();
  return TRUE;
}

void CBtnSCPage::EnableFields(bool shortcut, bool targetFields) {
  ::EnableWindow(GetDlgItem(IDCS_NAME), shortcut);
  ::EnableWindow(GetDlgItem(IDCS_ICON), shortcut);
  ::EnableWindow(GetDlgItem(IDCS_COMMENT), shortcut);
  ::EnableWindow(GetDlgItem(IDCS_HOTKEY), shortcut);
  ::EnableWindow(GetDlgItem(IDCS_SHOW), shortcut);
  for (int id : {IDCS_TARGET, IDCS_WORK_FOLDER, IDCS_ARGUMENTS})
    ::EnableWindow(GetDlgItem(id), shortcut && targetFields);
}

void CBtnSCPage::Clear() {
  SetItemText(m_hWnd, IDCS_FILE_NAME, "");
  for (int id : kFields) SetItemText(m_hWnd, id, "");
  ::SendDlgItemMessageA(m_hWnd, IDCS_HOTKEY, HKM_SETHOTKEY, 0, 0);
  ::SendDlgItemMessageA(m_hWnd, IDCS_SHOW, CB_SETCURSEL, 0, 0);
  ::CheckDlgButton(m_hWnd, IDCS_COMMENT_AS_NAME, BST_UNCHECKED);
  m_icon.Clear();
  m_exists = false;
  m_loaded = ShortcutFields();
  m_loadedName.clear();
  m_shownTarget.clear();
  m_newIconFile.clear();
  m_newIconIndex = 0;
}

void CBtnSCPage::Load(const std::string& path) {
  Clear();
  SetItemText(m_hWnd, IDCS_FILE_NAME, path);
  CTargetInfo shortcut = m_sheet.DescribeTarget(path);
  m_loadedName = shortcut.m_fileInfo.szDisplayName;
  if (m_loadedName.empty()) m_loadedName = SplitPath(path).name;
  SetItemText(m_hWnd, IDCS_NAME, m_loadedName);
  DWORD attributes =
      path.size() < MAX_PATH ? ::GetFileAttributesA(path.c_str()) : INVALID_FILE_ATTRIBUTES;
  m_exists = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (!m_exists) {
    EnableFields(false, false);
    return;
  }
  if (shortcut.m_fileInfo.iIcon >= 0)
    m_icon.SetImageIndex(shortcut.m_fileInfo.iIcon);
  else
    m_icon.SetSystemIcon(IDI_APPLICATION);
  if (!ReadShortcut(m_hWnd, path.c_str(), m_loaded)) m_loaded = ShortcutFields();
  m_newIconFile = m_loaded.iconLocation;
  m_newIconIndex = m_loaded.iconIndex;
  bool action = DetectActionOf(m_loaded, m_sheet.ProgramFolder()).kind != ActionKind::kNone;
  m_shownTarget = m_loaded.target;
  if (m_loaded.target.empty()) {
    // A shortcut to a system folder has no path: the folder's name stands in.
    CItemList list;
    if (ReadShortcutItemList(m_hWnd, path.c_str(), list) &&
        GetSystemFolderNumber(list.Get()) >= 0) {
      SHFILEINFOA info{};
      if (::SHGetFileInfoA(reinterpret_cast<LPCSTR>(list.Get()), 0, &info, sizeof info,
                           SHGFI_PIDL | SHGFI_DISPLAYNAME))
        m_shownTarget = info.szDisplayName;
    }
  }
  EnableFields(true, !m_loaded.target.empty() && !action);
  SetItemText(m_hWnd, IDCS_TARGET, m_shownTarget);
  SetItemText(m_hWnd, IDCS_ARGUMENTS, m_loaded.arguments);
  SetItemText(m_hWnd, IDCS_WORK_FOLDER, m_loaded.workingDir);
  SetItemText(m_hWnd, IDCS_COMMENT, m_loaded.description);
  ::SendDlgItemMessageA(m_hWnd, IDCS_HOTKEY, HKM_SETHOTKEY, m_loaded.hotKey, 0);
  ::SendDlgItemMessageA(m_hWnd, IDCS_SHOW, CB_SETCURSEL,
                        static_cast<WPARAM>(ShowListIndex(m_loaded.showCmd)), 0);
  ::CheckDlgButton(m_hWnd, IDCS_COMMENT_AS_NAME,
                   (m_sheet.Flags() & 0x1) ? BST_CHECKED : BST_UNCHECKED);
}

void CBtnSCPage::SetNewIcon(const std::string& file, int index) {
  m_newIconFile = file;
  m_newIconIndex = index;
  if (!m_hWnd) return;
  HICON large = nullptr, small = nullptr;
  if (!file.empty() && ::ExtractIconExA(file.c_str(), index, &large, &small, 1) > 0 &&
      (large || small))
    m_icon.SetIcons(large, small, true);
}

// The page goes with the sheet's swaps and may come back: its tooltip goes
// with it and is made again with the next window.
void CBtnSCPage::OnDestroy() {
  m_tips.Destroy();
  CPropertyPage::OnDestroy();
}

BOOL CBtnSCPage::OnSetActive() {
  if (m_sheet.GetPageCount() > 2) m_sheet.DropOtherFirstPage(this);
  const std::string& command = m_sheet.Command();
  if (GetItemText(m_hWnd, IDCS_FILE_NAME) != command || m_sheet.ActionPage().HasCreatedShortcut()) {
    if (!command.empty() && CTargetInfo(command.c_str()).IsLink())
      Load(command);
    else
      Clear();
  }
  return TRUE;
}

void CBtnSCPage::TakeChosenPath(const std::string& path) {
  m_sheet.Command() = path;
  if (CTargetInfo(path.c_str()).IsLink()) {
    Load(path);
    return;
  }
  Clear();
  m_sheet.Flags() = 0;
  m_sheet.ShowFilePage();
}

void CBtnSCPage::ChooseTargetFrom(TargetSource source) {
  std::string path;
  if (ChooseTarget(m_hWnd, m_sheet.Settings(), source, path)) TakeChosenPath(path);
}

void CBtnSCPage::ChooseSystemFolderTarget() {
  int number = ChooseSystemFolder(m_hWnd);
  if (number < 0) return;
  m_sheet.Command() = FormatSystemFolderCommand(number);
  Clear();
  m_sheet.Flags() = 0;
  m_sheet.ShowFilePage();
}

void CBtnSCPage::ChooseIntoField(int field) {
  std::string path;
  if (field == IDCS_WORK_FOLDER) {
    if (!ChooseFolder(m_hWnd, nullptr, path)) return;
  } else if (!ChooseFiltered(m_hWnd, IDS_PROGRAM_FILTER, path, nullptr, nullptr,
                             field == IDCS_TARGET)) {
    return;
  }
  SetItemText(m_hWnd, field, path);
}

void CBtnSCPage::ChangeIcon() {
  std::string file = m_newIconFile;
  int index = m_newIconIndex;
  if (file.empty()) {
    std::string target = GetItemText(m_hWnd, IDCS_TARGET);
    index = 0;
    if (target.empty() || !DefaultIconOf(target, file, index) || file.empty() || file[0] == '%') {
      file = target;
      index = 0;
    }
  }
  if (ChooseIcon(m_hWnd, m_sheet.Settings(), file, index)) SetNewIcon(file, index);
}

void CBtnSCPage::CopyIntoWorkFolder() {
  std::string folder;
  if (!m_sheet.CheckWorkFolder(m_hWnd, folder)) return;
  std::string path = GetItemText(m_hWnd, IDCS_FILE_NAME);
  PathParts parts = SplitPath(path);
  std::string name = parts.name;
  // A copy of a copy takes the original's name again where it is free.
  if (EqualNoCase(parts.drive + parts.folder, folder) && name.size() > 2 &&
      EndsWithTildeDigit(name))
    name.resize(name.size() - 2);
  std::string copy = FindFreeFileName(folder, name, parts.extension);
  if (copy.empty()) {
    RefuseTooLong(m_hWnd, IDCS_FILE_NAME, kMaxFieldText);
    return;
  }
  if (!::CopyFileA(path.c_str(), copy.c_str(), TRUE)) {
    char error[256];
    GetErrorText(error, sizeof error, ::GetLastError());
    AfxMessageBox((std::string(error) + "\n" + copy).c_str(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  m_sheet.Command() = copy;
  Load(copy);
}

bool CBtnSCPage::WriteChanges(std::string& path) {
  HWND nameField = GetDlgItem(IDCS_NAME);
  std::string name = TrimBlanks(GetItemText(m_hWnd, IDCS_NAME));
  if (name.empty()) {
    AfxMessageBox(IDS_EMPTY_NAME, MB_OK | MB_ICONINFORMATION);
    ::SetFocus(nameField);
    return false;
  }
  if (!FieldsFit(m_hWnd, {IDCS_TARGET, IDCS_ARGUMENTS, IDCS_WORK_FOLDER, IDCS_COMMENT}))
    return false;
  std::string target = GetItemText(m_hWnd, IDCS_TARGET);
  std::string arguments = GetItemText(m_hWnd, IDCS_ARGUMENTS);
  std::string workDir = GetItemText(m_hWnd, IDCS_WORK_FOLDER);
  std::string comment = GetItemText(m_hWnd, IDCS_COMMENT);
  auto changed = [](const std::string& now, const std::string& before) {
    return EqualNoCase(now, before) ? nullptr : now.c_str();
  };
  // A new name renames the file within its folder: one file name, no path.
  std::string newName = MakeSafeFileName(name);
  const char* rename = EqualNoCase(name, m_loadedName) ? nullptr : newName.c_str();
  if (rename) {
    PathParts parts = SplitPath(path);
    if ((parts.drive + parts.folder).size() + newName.size() + 4 > kMaxFieldText)
      return RefuseTooLong(m_hWnd, IDCS_NAME, kMaxFieldText);
  }
  bool iconChanged = !EqualNoCase(m_newIconFile, m_loaded.iconLocation) ||
                     (!m_newIconFile.empty() && m_newIconIndex != m_loaded.iconIndex);
  WORD hotKey = static_cast<WORD>(::SendDlgItemMessageA(m_hWnd, IDCS_HOTKEY, HKM_GETHOTKEY, 0, 0));
  LRESULT index = ::SendDlgItemMessageA(m_hWnd, IDCS_SHOW, CB_GETCURSEL, 0, 0);
  int showCmd = kShowCommands[index >= 0 && index < 3 ? index : 0];
  const char* newTarget = changed(target, m_shownTarget);
  const char* newArguments = changed(arguments, m_loaded.arguments);
  const char* newWorkDir = changed(workDir, m_loaded.workingDir);
  const char* newComment = changed(comment, m_loaded.description);
  WORD newHotKey = hotKey == m_loaded.hotKey ? kKeepHotKey : hotKey;
  int newShowCmd = showCmd == m_loaded.showCmd ? kKeepShowCmd : showCmd;
  if (!newTarget && !rename && !newWorkDir && !newArguments && !newComment && !iconChanged &&
      newHotKey == kKeepHotKey && newShowCmd == kKeepShowCmd)
    return true;  // nothing to write: the file stays as it is
  return WriteShortcut(m_hWnd, path, newTarget, rename, newWorkDir, newArguments, newComment,
                       iconChanged ? m_newIconFile.c_str() : nullptr, m_newIconIndex, newHotKey,
                       newShowCmd);
}

BOOL CBtnSCPage::OnApply() {
  std::string path = GetItemText(m_hWnd, IDCS_FILE_NAME);
  if (m_exists && PathExists(path) && !WriteChanges(path)) return FALSE;
  if (::IsDlgButtonChecked(m_hWnd, IDCS_COMMENT_AS_NAME) == BST_CHECKED)
    m_sheet.Flags() |= 0x1;
  else
    m_sheet.Flags() &= ~0x1u;
  if (!m_sheet.WriteResult(path)) return FALSE;
  m_sheet.SetChanged();
  return TRUE;
}

BOOL CBtnSCPage::OnCommand(UINT id, UINT code, HWND control) {
  if (code != BN_CLICKED || id == IDCS_COMMENT_AS_NAME)
    return CPropertyPage::OnCommand(id, code, control);
  switch (id) {
    case IDCS_CHOOSE_FILE:
      ChooseTargetFrom(TargetSource::kFile);
      return TRUE;
    case IDCS_CHOOSE_FOLDER:
      ChooseTargetFrom(TargetSource::kFolder);
      return TRUE;
    case IDCS_CHOOSE_TEMPLATE:
      ChooseTargetFrom(TargetSource::kTemplate);
      return TRUE;
    case IDCS_CHOOSE_SYSTEM_FOLDER:
      ChooseSystemFolderTarget();
      return TRUE;
    case IDCS_CHOOSE_TARGET:
    case IDCS_CHOOSE_ARGUMENT:
    case IDCS_CHOOSE_WORK_FOLDER:
      ChooseIntoField(id == IDCS_CHOOSE_TARGET     ? IDCS_TARGET
                      : id == IDCS_CHOOSE_ARGUMENT ? IDCS_ARGUMENTS
                                                   : IDCS_WORK_FOLDER);
      return TRUE;
    case IDCS_ICON:
      ChangeIcon();
      return TRUE;
    case IDCS_COPY:
      CopyIntoWorkFolder();
      return TRUE;
    case IDCS_COLOR:
      m_color.Choose(m_hWnd, control);
      return TRUE;
    default:
      return CPropertyPage::OnCommand(id, code, control);
  }
}

BOOL CBtnSCPage::OnUpdateCommand(CCmdUI& ui) {
  auto enabled = [this](int id) { return ::IsWindowEnabled(GetDlgItem(id)) != FALSE; };
  switch (ui.GetID()) {
    case IDCS_CHOOSE_TARGET:
      ui.Enable(enabled(IDCS_TARGET));
      return TRUE;
    case IDCS_CHOOSE_ARGUMENT:
      ui.Enable(enabled(IDCS_ARGUMENTS));
      return TRUE;
    case IDCS_CHOOSE_WORK_FOLDER:
      ui.Enable(enabled(IDCS_WORK_FOLDER));
      return TRUE;
    case IDCS_COMMENT_AS_NAME:
      ui.Enable(enabled(IDCS_COMMENT) && ::GetWindowTextLengthA(GetDlgItem(IDCS_COMMENT)) > 0);
      return TRUE;
    case IDCS_COPY:
      ui.Enable(m_exists);
      return TRUE;
    default:
      return CPropertyPage::OnUpdateCommand(ui);
  }
}

LRESULT CBtnSCPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR) m_tips.OnSetCursor();
  if (message == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID == IDCS_ICON) {
      m_icon.DrawItem(item);
      return TRUE;
    }
    if (item.CtlID == IDCS_COLOR) {
      m_color.DrawItem(item);
      return TRUE;
    }
  }
  return CPropertyPage::WindowProc(message, wParam, lParam);
}
