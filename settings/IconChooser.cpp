#include "settings/IconChooser.h"

#include <shellapi.h>

#include <vector>

#include "core/SettingsFile.h"
#include "framework/WinApp.h"
#include "framework/Menu.h"
#include "framework/Module.h"
#include "settings/FileDialogEx.h"
#include "plumage_res.h"

namespace {
// The browse button's picture, drawn for the button sheet (16 x 16).
const UINT kBrowseBitmap = 1245;
const char kSystemRoot[] = "SystemRoot";
const size_t kSystemRootLength = sizeof kSystemRoot - 1;

std::string WindowText(HWND window) {
  std::vector<char> text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 2);
  int got = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}
}  // namespace

CIconChooser::CIconChooser(HWND parent, const CSettingsFile& settings)
    : CDialog(IDD_ICON_CHOOSER, parent), m_settings(settings) {
  char system[MAX_PATH] = "";
  UINT length = ::GetSystemDirectoryA(system, sizeof system);
  if (length == 0 || length >= sizeof system) system[0] = '\0';
  m_file = std::string(system) + "\\SHELL32.dll";
  m_recent.Load(settings);
}

std::string CIconChooser::ExpandFileName(const std::string& file) {
  std::string name = file;
  if (name.size() > kSystemRootLength + 1 &&
      ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(),
                       static_cast<int>(kSystemRootLength), kSystemRoot,
                       static_cast<int>(kSystemRootLength)) == CSTR_EQUAL) {
    char windows[MAX_PATH] = "";
    UINT length = ::GetWindowsDirectoryA(windows, sizeof windows);
    if (length > 0 && length < sizeof windows) name = windows + name.substr(kSystemRootLength);
  }
  if (!IsUsableFileName(name)) return name;
  char full[MAX_PATH] = "";
  DWORD length = ::GetFullPathNameA(name.c_str(), sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? std::string(full, length) : name;
}

int CIconChooser::CountIcons(const std::string& file) {
  if (!IsUsableFileName(file)) return 0;
  auto count = reinterpret_cast<UINT_PTR>(
      ::ExtractIconA(AfxGetInstanceHandle(), file.c_str(), static_cast<UINT>(-1)));
  // Asked for index -1 the system answers a count; anything beyond a resource table's reach
  // is no count.
  return count > 0 && count < 0x10000 ? static_cast<int>(count) : 0;
}

void CIconChooser::Preset(const std::string& file, int index) {
  if (file.empty() || index < 0) return;
  std::string name = ExpandFileName(file);
  int count = CountIcons(name);
  if (count <= 0 || index >= count) return;
  m_file = name;
  m_index = index;
  m_recent.Add(name);
}

BOOL CIconChooser::OnInitDialog() {
  CDialog::OnInitDialog();
  HWND icons = Icons();
  ::SendMessageA(icons, LB_SETCOLUMNWIDTH, ::GetSystemMetrics(SM_CXICON) + 6, 0);
  ::SendMessageA(icons, LB_SETITEMHEIGHT, 0, ::GetSystemMetrics(SM_CYICON) + 12);
  ::SendDlgItemMessageA(m_hWnd, IDCI_FILE, EM_LIMITTEXT, MAX_PATH - 1, 0);

  Fill();
  ::SendMessageA(icons, LB_SETCURSEL, static_cast<WPARAM>(m_index), 0);

  // Without its picture (not in this build) the button keeps its text.
  m_browseBitmap =
      static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(kBrowseBitmap),
                                        IMAGE_BITMAP, 16, 16, LR_LOADMAP3DCOLORS));
  HWND browse = GetDlgItem(IDCI_BROWSE);
  if (m_browseBitmap)
    ::SendMessageA(browse, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_browseBitmap));
  else
    ::SetWindowLongPtrA(browse, GWL_STYLE, ::GetWindowLongPtrA(browse, GWL_STYLE) & ~BS_BITMAP);
  m_browse.HookWindow(browse);
  return TRUE;
}

void CIconChooser::Fill() {
  DestroyIcons();
  HWND icons = Icons();
  ::SetDlgItemTextA(m_hWnd, IDCI_FILE, m_file.c_str());
  m_recent.Add(m_file);
  if (!IsUsableFileName(m_file) ||
      ::GetFileAttributesA(m_file.c_str()) == INVALID_FILE_ATTRIBUTES) {
    Tell(IDS_ICON_FILE_MISSING, m_file);
    m_recent.Remove(m_file);
    return;
  }
  int count = CountIcons(m_file);
  if (count == 0) {
    Tell(IDS_ICON_FILE_EMPTY, m_file);
    m_recent.Remove(m_file);
    return;
  }
  ::SendMessageA(icons, WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < count; ++i) {
    HICON icon = ::ExtractIconA(AfxGetInstanceHandle(), m_file.c_str(), static_cast<UINT>(i));
    // 1 is the failure answer, not an icon.
    if (reinterpret_cast<UINT_PTR>(icon) == 1) icon = nullptr;
    ::SendMessageA(icons, LB_INSERTSTRING, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(icon));
  }
  ::SendMessageA(icons, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(icons, nullptr, TRUE);
  ::SendMessageA(icons, LB_SETCURSEL, 0, 0);
}

void CIconChooser::DestroyIcons() {
  HWND icons = Icons();
  LRESULT count = ::SendMessageA(icons, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    auto icon = reinterpret_cast<HICON>(::SendMessageA(icons, LB_GETITEMDATA, i, 0));
    if (icon && icon != reinterpret_cast<HICON>(LB_ERR)) ::DestroyIcon(icon);
  }
  ::SendMessageA(icons, LB_RESETCONTENT, 0, 0);
}

void CIconChooser::Tell(UINT stringId, const std::string& file) const {
  std::string text = LoadResString(stringId);
  size_t place = text.find("%1");
  if (place != std::string::npos) text.replace(place, 2, file);
  CWinApp* app = AfxGetApp();
  ::MessageBoxA(m_hWnd, text.c_str(), app ? app->GetAppName() : "", MB_OK | MB_ICONEXCLAMATION);
}

void CIconChooser::OnOK() {
  HWND edit = GetDlgItem(IDCI_FILE);
  if (::GetFocus() == edit) {
    // Enter in the file name: show that file's icons, the dialog stays.
    m_file = ExpandFileName(WindowText(edit));
    m_index = 0;
    Fill();
    return;
  }
  LRESULT selected = ::SendMessageA(Icons(), LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) {
    Tell(IDS_ICON_NOT_SELECTED, std::string());
    return;
  }
  m_index = static_cast<int>(selected);
  EndDialog(IDOK);
}

BOOL CIconChooser::OnCommand(UINT id, UINT code, HWND control) {
  if (id == IDCI_BROWSE && control) {
    if (code != BN_CLICKED) return FALSE;
    Browse();
    return TRUE;
  }
  if (id == IDCI_ICONS) {
    if (code == LBN_DBLCLK) OnOK();
    return code == LBN_DBLCLK;
  }
  if (id == IDMI_BROWSE) {
    Browse();
    return TRUE;
  }
  if (id >= IDMI_RECENT_FIRST && id < IDMI_RECENT_FIRST + m_recent.Files().size()) {
    m_file = m_recent.Files()[id - IDMI_RECENT_FIRST];  // a copy: filling reorders the list
    m_index = 0;
    Fill();
    return TRUE;
  }
  return CDialog::OnCommand(id, code, control);
}

void CIconChooser::Browse() {
  CFileDialogEx dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       LoadResString(IDS_ICON_FILE_FILTER).c_str(), m_hWnd);
  std::string title = LoadResString(IDS_ICON_FILE_TITLE);
  dialog.SetTitle(title.c_str());
  if (dialog.DoModal() != IDOK) return;
  m_file = dialog.GetPathName();
  m_index = 0;
  Fill();
}

void CIconChooser::DropRecentMenu() {
  CMenu menu(BuildRecentFilesMenu(m_recent));
  if (!menu.GetSafeHmenu()) return;
  HWND browse = GetDlgItem(IDCI_BROWSE);
  RECT r{};
  ::GetWindowRect(browse, &r);
  ::SendMessageA(browse, BM_SETSTATE, TRUE, 0);
  UINT id = static_cast<UINT>(::TrackPopupMenu(
      menu.GetSafeHmenu(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_LEFTBUTTON, r.left,
      r.bottom, 0, m_hWnd, nullptr));
  ::SendMessageA(browse, BM_SETSTATE, FALSE, 0);
  if (id != 0) OnCommand(id, 0, nullptr);
}

LRESULT CIconChooser::CBrowseButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    ::SetFocus(GetHookedWindow());
    m_chooser.DropRecentMenu();
    return 0;
  }
  return CSubclassWnd::WindowProc(message, wParam, lParam);
}

void CIconChooser::DrawIconItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) return;
  if (!(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) return;
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  ::FillRect(item.hDC, &item.rcItem,
             selected ? ::GetSysColorBrush(COLOR_HIGHLIGHT)
                      : static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  auto icon = reinterpret_cast<HICON>(item.itemData);
  if (icon) ::DrawIcon(item.hDC, item.rcItem.left + 2, item.rcItem.top + 4, icon);
}

void CIconChooser::OnDestroy() {
  DestroyIcons();
  m_browse.HookWindow(nullptr);
  if (m_browseBitmap) ::DeleteObject(m_browseBitmap);
  m_browseBitmap = nullptr;
  m_recent.Save(m_settings);
  CDialog::OnDestroy();
}

LRESULT CIconChooser::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM && wParam == IDCI_ICONS) {
    DrawIconItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}
