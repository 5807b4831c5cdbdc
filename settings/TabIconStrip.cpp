#include "settings/TabIconStrip.h"

#include <shellapi.h>

#include <cstring>
#include <string>

#include "core/TargetInfo.h"

namespace {
const DWORD kStripStyles = LBS_OWNERDRAWFIXED | LBS_MULTICOLUMN;
const DWORD kForbiddenStyles = LBS_HASSTRINGS | LBS_SORT | LBS_OWNERDRAWVARIABLE;
}  // namespace

HWND CTabIconStrip::RemakeWithStripStyles(HWND listBox) {
  DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(listBox, GWL_STYLE));
  if ((style & kStripStyles) == kStripStyles && !(style & kForbiddenStyles)) return listBox;
  // An owner-drawn list box cannot be made one after its creation.
  HWND parent = ::GetParent(listBox);
  RECT rect;
  ::GetWindowRect(listBox, &rect);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(listBox, GWL_EXSTYLE));
  int id = ::GetDlgCtrlID(listBox);
  HWND made = ::CreateWindowExA(
      exStyle, "LISTBOX", "", (style & ~kForbiddenStyles) | kStripStyles | LBS_NOINTEGRALHEIGHT,
      rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
  if (!made) return listBox;
  ::SendMessageA(made, WM_SETFONT, ::SendMessageA(listBox, WM_GETFONT, 0, 0), FALSE);
  ::SetWindowPos(made, listBox, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::DestroyWindow(listBox);
  return made;
}

void CTabIconStrip::Attach(HWND listBox) {
  m_parentHook.HookWindow(nullptr);
  m_listBox = listBox ? RemakeWithStripStyles(listBox) : nullptr;
  if (!m_listBox) return;
  SHFILEINFOA info{};
  m_images = reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));

  // One row: the item as high as the client area with the horizontal scroll bar shown.
  const int cx = ::GetSystemMetrics(SM_CXSMICON) + 4;
  const int cy = ::GetSystemMetrics(SM_CYSMICON) + 4;
  RECT window, client;
  ::GetWindowRect(m_listBox, &window);
  ::GetClientRect(m_listBox, &client);
  int frame = (window.bottom - window.top) - (client.bottom - client.top);
  DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(m_listBox, GWL_STYLE));
  int scroll = (style & WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0;
  ::SetWindowPos(m_listBox, nullptr, 0, 0, window.right - window.left, cy + frame + scroll,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageA(m_listBox, LB_SETITEMHEIGHT, 0, cy);
  ::SendMessageA(m_listBox, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(cx), 0);
  m_parentHook.HookWindow(::GetParent(m_listBox));
}

const std::vector<int>& CTabIconStrip::IconsOf(const char* commandList) {
  auto found = m_cache.find(commandList);
  if (found != m_cache.end()) return found->second;
  std::vector<int> icons;
  for (const char* command = commandList; *command; command += std::strlen(command) + 1) {
    if (std::strcmp(command, "/") == 0) continue;  // separators have no icon
    icons.push_back(CTargetInfo(command).m_fileInfo.iIcon);
  }
  return m_cache.emplace(commandList, std::move(icons)).first->second;
}

void CTabIconStrip::ShowCommands(const char* commandList) {
  if (!m_listBox) return;
  ::SendMessageA(m_listBox, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(m_listBox, LB_RESETCONTENT, 0, 0);
  if (commandList) {
    for (int icon : IconsOf(commandList))
      ::SendMessageA(m_listBox, LB_ADDSTRING, 0, static_cast<LPARAM>(icon));
  }
  ::SendMessageA(m_listBox, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(m_listBox, nullptr, TRUE);
}

void CTabIconStrip::DrawItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) return;
  RECT rect = item.rcItem;
  HDC dc = item.hDC;
  ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
  ::DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = rect;
    ::InflateRect(&focus, -1, -1);
    ::DrawFocusRect(dc, &focus);
  }
  int icon = static_cast<int>(item.itemData);
  if (m_images && icon >= 0) {
    int x = (rect.left + rect.right - ::GetSystemMetrics(SM_CXSMICON)) / 2;
    int y = (rect.top + rect.bottom - ::GetSystemMetrics(SM_CYSMICON)) / 2;
    ::ImageList_Draw(m_images, icon, dc, x, y, ILD_TRANSPARENT);
  }
}

LRESULT CTabIconStrip::CParentHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item && item->hwndItem == m_strip.m_listBox) {
        m_strip.DrawItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLORLISTBOX:
      if (reinterpret_cast<HWND>(lParam) == m_strip.m_listBox) {
        ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}
