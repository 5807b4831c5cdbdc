#include "settings/SysFolderChooser.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <string>

#include "core/SystemFolder.h"
#include "framework/CmdUI.h"
#include "framework/Dc.h"
#include "framework/WinApp.h"
#include "plumage_res.h"

namespace {
int TextWidth(HWND window, const char* text) {
  HDC dc = ::GetDC(window);
  if (!dc) return 0;
  HGDIOBJ old =
      ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return size.cx;
}

void InsertColumn(HWND list, int index, const char* title, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title);
  column.cx = width;
  column.iSubItem = index;
  ::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

void SetSubItem(HWND list, int item, int subItem, const std::string& text) {
  LVITEMA sub{};
  sub.iSubItem = subItem;
  sub.pszText = const_cast<char*>(text.c_str());
  ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&sub));
}
}  // namespace

CSysFolderChooser::CSysFolderChooser(HWND parent) : CAnchorDialog(IDD_SYSFOLDER_CHOOSER, parent) {}

CSysFolderChooser::~CSysFolderChooser() {
  if (m_largeIcon) ::DestroyIcon(m_largeIcon);
}

bool CSysFolderChooser::IsOffered(int number) { return DescriptionId(number) != 0; }

UINT CSysFolderChooser::DescriptionId(int number) {
  if (number >= 0 && number <= 11) return IDS_SYSFOLDER_0 + number;
  if (number >= 16 && number <= 31) return IDS_SYSFOLDER_16 + (number - 16);
  if ((number >= 32 && number <= 40) || number == 43 || (number >= 45 && number <= 47))
    return IDS_SYSFOLDER_32 + (number - 32);
  if (number == 48) return IDS_SYSFOLDER_48;
  return 0;
}

BOOL CSysFolderChooser::OnInitDialog() {
  BOOL focus = CAnchorDialog::OnInitDialog();
  HWND list = GetDlgItem(IDCY_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  // The shell's own image lists, shared: the list view must not destroy them.
  SHFILEINFOA info{};
  auto small = reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  auto large = reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
  if (small) ListView_SetImageList(list, small, LVSIL_SMALL);
  if (large) ListView_SetImageList(list, large, LVSIL_NORMAL);
  AddColumns(list);
  FillList(list);

  AddAnchor(IDOK, anchor::kBottomRight);
  AddAnchor(IDCANCEL, anchor::kBottomRight);
  AddAnchor(IDCY_LIST, anchor::kTopLeft, anchor::kBottomRight);
  AddAnchor(IDCY_ICON, anchor::kBottomLeft);
  AddAnchor(IDCY_GROUP, anchor::kBottomLeft, anchor::kBottomRight);
  AddAnchor(IDCY_DESCRIPTION, anchor::kBottomLeft, anchor::kBottomRight);
  RECT desktop{};
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  SetMaxTrackSize(SIZE{desktop.right - desktop.left, (desktop.bottom - desktop.top) * 2 / 3});
  ::EnableWindow(GetDlgItem(IDOK), FALSE);
  return focus;
}

void CSysFolderChooser::AddColumns(HWND list) {
  // Column titles have no string resources of their own.
  const int name = 18 * TextWidth(list, "Z") + 16;
  // Wide enough for three digits, and for its title, which the digits alone would cut.
  const int number = std::max(TextWidth(list, "999"), TextWidth(list, "番号")) + 16;
  RECT client{};
  ::GetClientRect(list, &client);
  int path = client.right - name - number - 32;
  if (path < 32) path = 32;
  InsertColumn(list, 0, "名前", name);
  InsertColumn(list, 1, "番号", number);
  InsertColumn(list, 2, "パス", path);
}

void CSysFolderChooser::FillList(HWND list) {
  // Inserted at the top from the highest number down: the list ends in ascending order.
  for (int number = kMaxSystemFolder; number >= 0; --number) {
    if (!IsOffered(number)) continue;
    CItemList folder(GetSystemFolderList(number));
    if (!folder) continue;  // no such folder on this system
    SHFILEINFOA info{};
    if (!::SHGetFileInfoA(reinterpret_cast<const char*>(folder.Get()), 0, &info, sizeof info,
                          SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
      continue;
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = 0;
    item.pszText = info.szDisplayName;
    item.iImage = info.iIcon;
    item.lParam = number;
    int index =
        static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0) continue;
    SetSubItem(list, index, 1, std::to_string(number));
    SetSubItem(list, index, 2, GetItemListPath(folder.Get()));
  }
}

int CSysFolderChooser::SelectedNumber() const {
  HWND list = GetDlgItem(IDCY_LIST);
  int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  if (selected < 0) return -1;
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = selected;
  if (!::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return -1;
  return static_cast<int>(item.lParam);
}

void CSysFolderChooser::ShowFolder(int number) {
  HICON icon = nullptr;
  CItemList folder(GetSystemFolderList(number));
  SHFILEINFOA info{};
  if (folder && ::SHGetFileInfoA(reinterpret_cast<const char*>(folder.Get()), 0, &info, sizeof info,
                                 SHGFI_PIDL | SHGFI_ICON | SHGFI_LARGEICON))
    icon = info.hIcon;
  ::SendDlgItemMessageA(m_hWnd, IDCY_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  if (m_largeIcon) ::DestroyIcon(m_largeIcon);
  m_largeIcon = icon;
  ::SetDlgItemTextA(m_hWnd, IDCY_DESCRIPTION, LoadResString(DescriptionId(number)).c_str());
}

LRESULT CSysFolderChooser::OnNotify(const NMHDR& header) {
  if (header.idFrom == IDCY_LIST) {
    if (header.code == LVN_ITEMCHANGED) {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
          !(change.uOldState & LVIS_SELECTED))
        ShowFolder(static_cast<int>(change.lParam));
      return 0;
    }
    if (header.code == NM_DBLCLK) {
      if (SelectedNumber() >= 0) OnOK();
      return 0;
    }
  }
  return CAnchorDialog::OnNotify(header);
}

BOOL CSysFolderChooser::OnUpdateCommand(CCmdUI& ui) {
  if (ui.GetID() == IDOK) {
    ui.Enable(SelectedNumber() >= 0);
    return TRUE;
  }
  return CAnchorDialog::OnUpdateCommand(ui);
}

void CSysFolderChooser::OnOK() {
  int number = SelectedNumber();
  if (number < 0) return;
  m_number = number;
  EndDialog(IDOK);
}

void CSysFolderChooser::OnDestroy() {
  ::SendDlgItemMessageA(m_hWnd, IDCY_ICON, STM_SETICON, 0, 0);
  CAnchorDialog::OnDestroy();
}
