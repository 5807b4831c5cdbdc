#include "settings/BtnFLPage.h"

#include <algorithm>
#include <ctime>

#include "core/FileName.h"
#include "core/FileType.h"
#include "core/SettingsFile.h"
#include "core/ShellLink.h"
#include "core/SystemFolder.h"
#include "core/TargetInfo.h"
#include "framework/CmdUI.h"
#include "framework/WinApp.h"
#include "plumage_res.h"
#include "settings/BtnPageParts.h"
#include "settings/BtnPropSheet.h"
#include "settings/Choosers.h"
#include "settings/WorkFolder.h"

namespace {

const int kShownFields[] = {IDCL_NAME,    IDCL_TYPE,    IDCL_OPEN_COMMAND, IDCL_SIZE,
                            IDCL_CREATED, IDCL_WRITTEN, IDCL_ACCESSED};

// Digits grouped by "," in threes from the right.
std::string GroupDigits(unsigned long long value) {
  std::string digits = std::to_string(value);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
    digits.insert(static_cast<size_t>(i), ",");
  return digits;
}

// The local date and time as the C library's "%c" shows it.
std::string FormatFileTime(const FILETIME& time) {
  FILETIME local;
  SYSTEMTIME s;
  if (!::FileTimeToLocalFileTime(&time, &local) || !::FileTimeToSystemTime(&local, &s))
    return std::string();
  std::tm t{};
  t.tm_year = s.wYear - 1900;
  t.tm_mon = s.wMonth - 1;
  t.tm_mday = s.wDay;
  t.tm_hour = s.wHour;
  t.tm_min = s.wMinute;
  t.tm_sec = s.wSecond;
  t.tm_wday = s.wDayOfWeek;
  t.tm_isdst = -1;
  char text[128];
  size_t length = std::strftime(text, sizeof text, "%c", &t);
  return std::string(text, length);
}

// The command's folder as a shortcut's working folder.
std::string WorkingFolderOf(const std::string& command) {
  PathParts parts = SplitPath(command);
  std::string folder = parts.drive + parts.folder;
  if (folder.size() > 3 && EndsWithBackslash(folder)) folder.pop_back();
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  return folder;
}

}  // namespace

CBtnFLPage::CBtnFLPage(CBtnPropSheet& sheet)
    : CPropertyPage(IDD_BTN_FILE),
      m_sheet(sheet),
      m_color(sheet.Context(), sheet.TextColor(), sheet.BkColor()) {}

BOOL CBtnFLPage::OnInitDialog() {
  m_icon.Attach(GetDlgItem(IDCL_ICON));
  SetButtonBitmaps(m_hWnd,
                   {{IDCL_CHOOSE_FILE, IDB_CHOOSE_FILE},
                    {IDCL_CHOOSE_FOLDER, IDB_CHOOSE_FOLDER},
                    {IDCL_CHOOSE_TEMPLATE, IDB_CHOOSE_TEMPLATE},
                    {IDCL_CHOOSE_SYSTEM_FOLDER, IDB_CHOOSE_SYSTEM_FOLDER},
                    {IDCL_CREATE_SHORTCUT, IDB_CREATE_SHORTCUT}},
                   m_bitmaps);
  m_tips.Watch(m_hWnd, {IDCL_CHOOSE_FILE, IDCL_CHOOSE_FOLDER, IDCL_CHOOSE_TEMPLATE,
                        IDCL_CHOOSE_SYSTEM_FOLDER, IDCL_CREATE_SHORTCUT, IDCL_ICON, IDCL_COLOR});
  ::SendDlgItemMessageA(m_hWnd, IDCL_NAME, EM_LIMITTEXT, kMaxFieldText, 0);
  Fill(m_sheet.Command());
  m_sheet.PageCreated();
  return TRUE;
}

void CBtnFLPage::Clear() {
  SetItemText(m_hWnd, IDCL_COMMAND, "");
  for (int id : kShownFields) SetItemText(m_hWnd, id, "");
  m_icon.Clear();
  m_displayName.clear();
  m_nameEditable = false;
  m_canLink = false;
}

void CBtnFLPage::Fill(const std::string& command) {
  CTargetInfo target = m_sheet.DescribeTarget(command);
  Clear();
  SetItemText(m_hWnd, IDCL_COMMAND, command);
  bool exists = target.IsSystemFolder() || PathExists(command);
  HWND name = GetDlgItem(IDCL_NAME);
  if (!exists) {
    SetItemText(m_hWnd, IDCL_NAME, LoadResString(IDS_FILE_NOT_FOUND));
    ::SendMessageA(name, EM_SETREADONLY, TRUE, 0);
    ::EnableWindow(GetDlgItem(IDCL_ICON), FALSE);
    return;
  }
  ::EnableWindow(GetDlgItem(IDCL_ICON), TRUE);
  if (target.m_fileInfo.iIcon >= 0)
    m_icon.SetImageIndex(target.m_fileInfo.iIcon);
  else
    m_icon.SetSystemIcon(IDI_APPLICATION);
  m_displayName = target.m_fileInfo.szDisplayName;
  m_nameEditable = target.CanLink();
  m_canLink = !command.empty() && (!target.IsSystemFolder() || target.CanLink());
  SetItemText(m_hWnd, IDCL_NAME, m_displayName);
  ::SendMessageA(name, EM_SETREADONLY, m_nameEditable ? FALSE : TRUE, 0);
  SetItemText(m_hWnd, IDCL_TYPE, target.m_fileInfo.szTypeName);
  if (target.IsSystemFolder()) return;

  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (::GetFileAttributesExA(command.c_str(), GetFileExInfoStandard, &data)) {
    unsigned long long size =
        static_cast<unsigned long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
    SetItemText(m_hWnd, IDCL_SIZE, GroupDigits(size));
    SetItemText(m_hWnd, IDCL_CREATED, FormatFileTime(data.ftCreationTime));
    SetItemText(m_hWnd, IDCL_WRITTEN, FormatFileTime(data.ftLastWriteTime));
    SetItemText(m_hWnd, IDCL_ACCESSED, FormatFileTime(data.ftLastAccessTime));
  }
  std::string extension = SplitPath(command).extension;
  FileAssociation association;
  if (extension.size() > 1 && LookupFileType(extension.c_str() + 1, association))
    SetItemText(m_hWnd, IDCL_OPEN_COMMAND, SubstituteFile(association.openCommand, command));
}

// The page goes with the sheet's swaps and may come back: its tooltip goes
// with it and is made again with the next window.
void CBtnFLPage::OnDestroy() {
  m_tips.Destroy();
  CPropertyPage::OnDestroy();
}

BOOL CBtnFLPage::OnSetActive() {
  if (m_sheet.GetPageCount() > 2) m_sheet.DropOtherFirstPage(this);
  const std::string& command = m_sheet.Command();
  if (GetItemText(m_hWnd, IDCL_COMMAND) != command) {
    if (!command.empty() && CTargetInfo(command.c_str()).IsLink())
      m_sheet.SwapLater(true);
    else
      Fill(command);
  }
  return TRUE;
}

void CBtnFLPage::TakeChosenPath(const std::string& path) {
  m_sheet.Command() = path;
  if (CTargetInfo(path.c_str()).IsLink()) {
    Clear();
    m_sheet.Flags() = 0;
    m_sheet.ShowShortcutPage();
  } else {
    Fill(path);
  }
}

void CBtnFLPage::ChooseTargetFrom(TargetSource source) {
  std::string path;
  if (ChooseTarget(m_hWnd, m_sheet.Settings(), source, path)) TakeChosenPath(path);
}

void CBtnFLPage::ChooseSystemFolderTarget() {
  int number = ChooseSystemFolder(m_hWnd);
  if (number < 0) return;
  m_sheet.Command() = FormatSystemFolderCommand(number);
  Fill(m_sheet.Command());
  m_sheet.Flags() = 0;
}

bool CBtnFLPage::MakeShortcut(const CTargetInfo& target, const char* iconFile, int iconIndex,
                              std::string& path) {
  std::string folder;
  if (!m_sheet.CheckWorkFolder(m_hWnd, folder)) return false;
  if (!target.CanLink()) {
    AfxMessageBox(IDS_CANNOT_LINK, MB_OK | MB_ICONINFORMATION);
    return false;
  }
  // The name is one file name inside the work folder, never a path elsewhere.
  std::string name = MakeSafeFileName(TrimBlanks(GetItemText(m_hWnd, IDCL_NAME)));
  path = folder + name + ".lnk";
  if (path.size() > kMaxFieldText)
    return RefuseTooLong(m_hWnd, IDCL_NAME,
                         kMaxFieldText - std::min(kMaxFieldText, folder.size() + 4));
  if (target.IsSystemFolder()) {
    CItemList list(GetSystemFolderList(target.m_folderNumber));
    return list && WriteShortcutItemList(m_hWnd, path, list.Get(), iconFile, iconIndex);
  }
  std::string workDir = target.IsFolder() ? std::string() : WorkingFolderOf(target.m_command);
  return WriteShortcut(m_hWnd, path, target.m_command.c_str(), nullptr,
                       workDir.empty() ? nullptr : workDir.c_str(), nullptr, nullptr, iconFile,
                       iconIndex, kKeepHotKey, iconFile ? SW_SHOWNORMAL : kKeepShowCmd);
}

void CBtnFLPage::UseShortcut(const std::string& path) {
  m_sheet.Command() = path;
  Clear();
  m_sheet.ShowShortcutPage();
}

void CBtnFLPage::ChangeIcon() {
  std::string folder;
  if (!m_sheet.CheckWorkFolder(m_hWnd, folder)) return;
  CTargetInfo target(m_sheet.Command().c_str());
  if (!target.CanLink()) {
    AfxMessageBox(IDS_CANNOT_LINK, MB_OK | MB_ICONINFORMATION);
    return;
  }
  std::string iconFile;
  int iconIndex = 0;
  if (!target.IsSystemFolder()) DefaultIconOf(target.m_command, iconFile, iconIndex);
  if (!ChooseIcon(m_hWnd, m_sheet.Settings(), iconFile, iconIndex)) return;
  std::string path;
  if (MakeShortcut(target, iconFile.c_str(), iconIndex, path)) UseShortcut(path);
}

void CBtnFLPage::CreateShortcut() {
  CTargetInfo target(m_sheet.Command().c_str());
  std::string path;
  if (MakeShortcut(target, nullptr, 0, path)) UseShortcut(path);
}

BOOL CBtnFLPage::OnApply() {
  std::string result = m_sheet.Command();
  CTargetInfo target(result.c_str());
  if (!target.IsLink() && m_nameEditable) {
    HWND name = GetDlgItem(IDCL_NAME);
    if (TrimBlanks(GetItemText(m_hWnd, IDCL_NAME)).empty()) {
      ::SetFocus(name);
      return FALSE;
    }
    if (GetItemText(m_hWnd, IDCL_NAME) != m_displayName) {
      std::string path;
      if (!MakeShortcut(target, nullptr, 0, path)) {
        ::SetFocus(name);
        return FALSE;
      }
      result = path;
    }
  }
  if (!m_sheet.WriteResult(result)) return FALSE;
  m_sheet.SetChanged();
  return TRUE;
}

BOOL CBtnFLPage::OnCommand(UINT id, UINT code, HWND control) {
  if (code != BN_CLICKED) return CPropertyPage::OnCommand(id, code, control);
  switch (id) {
    case IDCL_CHOOSE_FILE:
      ChooseTargetFrom(TargetSource::kFile);
      return TRUE;
    case IDCL_CHOOSE_FOLDER:
      ChooseTargetFrom(TargetSource::kFolder);
      return TRUE;
    case IDCL_CHOOSE_TEMPLATE:
      ChooseTargetFrom(TargetSource::kTemplate);
      return TRUE;
    case IDCL_CHOOSE_SYSTEM_FOLDER:
      ChooseSystemFolderTarget();
      return TRUE;
    case IDCL_ICON:
      ChangeIcon();
      return TRUE;
    case IDCL_CREATE_SHORTCUT:
      CreateShortcut();
      return TRUE;
    case IDCL_COLOR:
      m_color.Choose(m_hWnd, control);
      return TRUE;
    default:
      return CPropertyPage::OnCommand(id, code, control);
  }
}

BOOL CBtnFLPage::OnUpdateCommand(CCmdUI& ui) {
  if (ui.GetID() != IDCL_CREATE_SHORTCUT) return CPropertyPage::OnUpdateCommand(ui);
  // A shortcut needs something to point at: an existing file or folder, or
  // a system folder the shell can link to.
  ui.Enable(m_canLink);
  return TRUE;
}

LRESULT CBtnFLPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR) m_tips.OnSetCursor();
  if (message == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID == IDCL_ICON) {
      m_icon.DrawItem(item);
      return TRUE;
    }
    if (item.CtlID == IDCL_COLOR) {
      m_color.DrawItem(item);
      return TRUE;
    }
  }
  return CPropertyPage::WindowProc(message, wParam, lParam);
}
