#include "settings/TabListDlg.h"

#include <commctrl.h>

#include <cstring>
#include <set>

#include "core/BarMessages.h"
#include "core/PlumageLibrary.h"
#include "framework/CmdUI.h"
#include "framework/Module.h"
#include "framework/WinApp.h"
#include "res/plumage_res.h"

const char* ReadTabList(const char* block, std::vector<TabListEntry>* entries) {
  const char* p = block;
  while (*p) {
    TabListEntry entry;
    const size_t length = std::strlen(p);
    entry.name.assign(p, length);
    p += length + 1;
    std::memcpy(&entry.number, p, sizeof entry.number);
    p += sizeof entry.number;
    std::memcpy(&entry.commands, p, sizeof entry.commands);
    p += sizeof entry.commands;
    entries->push_back(std::move(entry));
  }
  return p + 1;
}

namespace {
size_t ResultSize(const std::vector<TabListEntry>& tabs) {
  size_t size = 1;
  for (const TabListEntry& tab : tabs) size += tab.name.size() + 1 + sizeof(uint32_t);
  return size;
}
}  // namespace

bool WriteTabListResult(const std::vector<TabListEntry>& tabs, char* out, size_t size) {
  if (!out || ResultSize(tabs) > size) return false;
  char* p = out;
  for (const TabListEntry& tab : tabs) {
    std::memcpy(p, tab.name.c_str(), tab.name.size() + 1);
    p += tab.name.size() + 1;
    std::memcpy(p, &tab.number, sizeof tab.number);
    p += sizeof tab.number;
  }
  *p = '\0';
  return true;
}

std::vector<std::string> DeletedTabs(const std::vector<TabListEntry>& starts,
                                     const std::vector<const std::vector<TabListEntry>*>& lists) {
  std::set<uint32_t> kept;
  for (const auto* list : lists)
    for (const TabListEntry& tab : *list) kept.insert(tab.number);
  std::vector<std::string> deleted;
  for (const TabListEntry& start : starts)
    if (start.number != 0 && kept.count(start.number) == 0) deleted.push_back(start.name);
  return deleted;
}

std::string DeleteQuestion(const std::vector<std::string>& names) {
  std::string text = LoadResString(IDS_TAB_DELETE_QUESTION) + "\n";
  for (const std::string& name : names) text += " '" + name + "'\n";
  return text;
}

CTabListDlg::~CTabListDlg() {
  if (m_images) ImageList_Destroy(m_images);
}

const char* CTabListDlg::RequestTabList(int kind) {
  if (!m_context.owner) return nullptr;
  const char* block = reinterpret_cast<const char*>(
      ::SendMessageA(m_context.owner, WM_TABLIST, 0, static_cast<LPARAM>(kind)));
  if (block) m_lent.push_back(block);
  return block;
}

void CTabListDlg::GiveBack(const char* block) {
  for (auto it = m_lent.begin(); it != m_lent.end(); ++it) {
    if (*it != block) continue;
    m_lent.erase(it);
    ::SendMessageA(m_context.owner, WM_TABLIST, 1, reinterpret_cast<LPARAM>(block));
    return;
  }
}

void CTabListDlg::CreateToolbar(UINT bitmapId, const std::vector<UINT>& commands) {
  m_commands = commands;
  m_toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP,
                                0, 0, 0, 0, m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
  if (!m_toolbar) return;
  ::SendMessageA(m_toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  m_images = ImageList_LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(bitmapId), 16, 0,
                                  RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION);
  ::SendMessageA(m_toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_images));
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (UINT id : commands) {
    TBBUTTON button{};
    if (id == 0) {
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = image++;
      button.idCommand = static_cast<int>(id);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
    }
    buttons.push_back(button);
  }
  ::SendMessageA(m_toolbar, TB_ADDBUTTONSA, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
  ::SendMessageA(m_toolbar, TB_AUTOSIZE, 0, 0);
  RECT bar{};
  ::GetWindowRect(m_toolbar, &bar);
  const int height = bar.bottom - bar.top;
  // Everything moves down under the toolbar, and the dialog grows by as much.
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child == m_toolbar) continue;
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    ::SetWindowPos(child, nullptr, r.left, r.top + height, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT window{};
  GetWindowRect(&window);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTabListDlg::FinishLayout(const std::vector<int>& lists, int strip) {
  AddAnchor(IDOK, anchor::kBottomLeft);
  AddAnchor(IDCANCEL, anchor::kBottomRight);
  for (int id : lists) AddAnchor(id, anchor::kTopLeft, anchor::kBottomRight);
  AddAnchor(strip, anchor::kBottomLeft, anchor::kBottomRight);
  // The dialog keeps its width and grows in height up to two thirds of the desktop.
  RECT window{}, desktop{};
  GetWindowRect(&window);
  ::GetClientRect(::GetDesktopWindow(), &desktop);
  const LONG height = window.bottom - window.top;
  const LONG most = (desktop.bottom - desktop.top) * 2 / 3;
  SetMaxTrackSize(SIZE{window.right - window.left, most > height ? most : height});
}

void CTabListDlg::FillList(CEditDragList& list, const std::vector<TabListEntry>& entries,
                           std::map<uint32_t, TabListEntry>* starts) {
  for (const TabListEntry& entry : entries) {
    list.AddTab(-1, entry.name, entry.number);
    if (starts) starts->emplace(entry.number, entry);
  }
}

void CTabListDlg::SelectCurrentTab(CEditDragList& list) const {
  const int count = list.GetCount();
  for (int i = 0; i < count; ++i) {
    if (list.GetName(i) == m_context.tabName) {
      list.SetCurSel(i);
      return;
    }
  }
}

std::vector<TabListEntry> CTabListDlg::ItemsOf(const CEditDragList& list) {
  std::vector<TabListEntry> items;
  const int count = list.GetCount();
  for (int i = 0; i < count; ++i) {
    TabListEntry item;
    item.name = list.GetName(i);
    item.number = list.GetNumber(i);
    items.push_back(std::move(item));
  }
  return items;
}

void CTabListDlg::ShowIcons(uint32_t number, const std::map<uint32_t, TabListEntry>& starts) {
  if (number == m_shownNumber) return;
  m_shownNumber = number;
  auto it = number != 0 ? starts.find(number) : starts.end();
  m_strip.ShowCommands(it != starts.end() ? it->second.commands : nullptr);
}

void CTabListDlg::EndEdits() {
  for (CEditDragList* list : Lists()) list->EndEdit(true);
}

void CTabListDlg::OnOK() {
  if (!m_haveTabs) {
    EndDialog(IDCANCEL);
    return;
  }
  EndEdits();
  std::vector<std::vector<TabListEntry>> lists;
  for (CEditDragList* list : Lists()) lists.push_back(ItemsOf(*list));
  // A list that does not fit the bar's buffer is refused whole, never cut.
  for (const std::vector<TabListEntry>& items : lists) {
    if (ResultSize(items) > kPlumageTabListSize) {
      AfxMessageBox(IDS_TAB_LIST_TOO_LONG, MB_OK | MB_ICONEXCLAMATION);
      return;
    }
  }
  std::vector<const std::vector<TabListEntry>*> kept;
  for (const std::vector<TabListEntry>& items : lists) kept.push_back(&items);
  const std::vector<std::string> deleted = DeletedTabs(m_startOrder, kept);
  if (!deleted.empty() &&
      AfxMessageBox(DeleteQuestion(deleted).c_str(), MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
    ::SetFocus(GetDlgItem(IDCANCEL));
    return;
  }
  char* const outs[] = {m_context.outBuffer1, m_context.outBuffer2};
  for (size_t i = 0; i < lists.size() && i < 2; ++i)
    if (outs[i]) WriteTabListResult(lists[i], outs[i], kPlumageTabListSize);
  EndDialog(IDOK);
}

void CTabListDlg::UpdateToolbar() const {
  if (!m_toolbar) return;
  for (UINT id : m_commands) {
    if (id == 0) continue;
    const bool enabled = IsCommandEnabled(id);
    const bool shown = ::SendMessageA(m_toolbar, TB_ISBUTTONENABLED, id, 0) != 0;
    if (enabled != shown) ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, id, MAKELPARAM(enabled, 0));
  }
}

LRESULT CTabListDlg::OnNotify(const NMHDR& header) {
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
    info.hinst = AfxGetResourceHandle();
    info.lpszText = MAKEINTRESOURCEA(header.idFrom);
    return 0;
  }
  if (header.code == TTN_GETDISPINFOW) {
    auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    info.hinst = AfxGetResourceHandle();
    info.lpszText = MAKEINTRESOURCEW(header.idFrom);
    return 0;
  }
  return CAnchorDialog::OnNotify(header);
}

void CTabListDlg::OnDestroy() {
  m_strip.ShowCommands(nullptr);
  while (!m_lent.empty()) GiveBack(m_lent.back());
  CAnchorDialog::OnDestroy();
}

void CTabListDlg::OnSize(UINT type, int cx, int cy) {
  CAnchorDialog::OnSize(type, cx, cy);
  if (m_toolbar) ::SendMessageA(m_toolbar, TB_AUTOSIZE, 0, 0);
}

LRESULT CTabListDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      auto* list = item && item->CtlType == ODT_LISTBOX
                       ? dynamic_cast<CEditDragList*>(CDragListBox::FromHandle(item->hwndItem))
                       : nullptr;
      if (list) {
        list->DrawItem(*item);
        return TRUE;
      }
      break;
    }
    case WM_IDLEUPDATECMDUI:
      UpdateToolbar();
      break;
    default:
      break;
  }
  return CAnchorDialog::WindowProc(message, wParam, lParam);
}

bool CTabListDlg::RunListCommand(CEditDragList& list, UINT id) {
  switch (id) {
    case ID_TABS_NEW:
      list.InsertNew();
      return true;
    case ID_TABS_RENAME:
      list.StartEdit(list.GetCurSel());
      return true;
    case ID_TABS_DELETE:
      list.DeleteItem(list.GetCurSel());
      return true;
    case ID_TABS_UP:
      list.MoveSelection(-1);
      return true;
    case ID_TABS_DOWN:
      list.MoveSelection(1);
      return true;
    default:
      return false;
  }
}
