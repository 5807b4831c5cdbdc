#include "settings/BtnPropSheet.h"

#include <cstring>

#include "core/BtnData.h"
#include "core/ButtonRecord.h"
#include "core/PlumageLibrary.h"
#include "core/TargetInfo.h"
#include "framework/WinApp.h"
#include "plumage_res.h"
#include "settings/BtnPageParts.h"
#include "settings/WorkFolder.h"

namespace {
// Page changes that must wait until the sheet has finished the activation
// that asked for them: comctl32 still works with the page indices meanwhile.
const UINT WM_DROP_FIRST_PAGE = WM_APP + 0x40;
const UINT WM_SWAP_FIRST_PAGE = WM_APP + 0x41;
const int kApplyButton = 12321;
}  // namespace

CBtnPropSheet::CBtnPropSheet(HWND parent, DialogContext& context, const CSettingsFile& settings,
                             std::string programFolder)
    : CPropertySheet(LoadResString(IDS_BTN_CAPTION).c_str(), parent),
      m_context(context),
      m_settings(settings),
      m_programFolder(std::move(programFolder)),
      m_command(context.btnCommand == "*" ? std::string() : context.btnCommand),
      m_flags(context.btnFlags),
      m_textColor(context.btnTextColor),
      m_bkColor(context.btnBkColor),
      m_scPage(*this),
      m_flPage(*this),
      m_addPage(*this) {
  if (!m_command.empty()) {
    m_startCommand = m_command;
    m_startTarget.emplace(m_command.c_str());
  }
  bool shortcut = m_startTarget && m_startTarget->IsLink();
  AddPage(shortcut ? static_cast<CPropertyPage*>(&m_scPage) : &m_flPage);
  AddPage(&m_addPage);
}

bool CBtnPropSheet::CheckWorkFolder(HWND owner, std::string& folder) {
  return ::CheckWorkFolder(owner, m_settings, folder);
}

CTargetInfo CBtnPropSheet::DescribeTarget(const std::string& path) {
  std::optional<CTargetInfo> start = std::move(m_startTarget);
  m_startTarget.reset();
  if (start && path == m_startCommand) return std::move(*start);
  return CTargetInfo(path.c_str());
}

bool CBtnPropSheet::IsShortcutPageFirst() const { return GetPageIndex(&m_scPage) == 0; }

std::string CBtnPropSheet::GetShortcutField(int controlId) const {
  return m_scPage.GetSafeHwnd() ? GetItemText(m_scPage.GetSafeHwnd(), controlId) : std::string();
}

void CBtnPropSheet::SetShortcutField(int controlId, const std::string& text) {
  if (m_scPage.GetSafeHwnd()) SetItemText(m_scPage.GetSafeHwnd(), controlId, text);
}

void CBtnPropSheet::SetShortcutNewIcon(const std::string& file, int index) {
  m_scPage.SetNewIcon(file, index);
}

void CBtnPropSheet::SwapFirstPage(CPropertyPage* first) {
  if (GetPageIndex(first) < 0) {
    RemovePage(&m_addPage);
    AddPage(first);
    AddPage(&m_addPage);
  }
  SetActivePage(GetPageIndex(first));
}

void CBtnPropSheet::DropOtherFirstPage(CPropertyPage* kept) {
  m_keptFirst = kept;
  if (m_hWnd) PostMessage(WM_DROP_FIRST_PAGE);
}

void CBtnPropSheet::SwapLater(bool toShortcut) {
  if (m_hWnd) PostMessage(WM_SWAP_FIRST_PAGE, toShortcut ? 1 : 0);
}

bool CBtnPropSheet::WriteResult(const std::string& text) {
  CTargetInfo target(text.c_str());
  m_command = target.m_command;
  CBtnData button(m_command.empty() ? std::string("*") : m_command);
  button.m_flags = m_flags;
  button.m_textColor = m_textColor;
  button.m_bkColor = m_bkColor;
  std::string record = FormatButtonRecord(button);
  if (record.size() >= kPlumageRecordSize) return RefuseTooLong(nullptr, 0, kPlumageRecordSize - 1);
  if (m_context.recordOut) std::memcpy(m_context.recordOut, record.c_str(), record.size() + 1);
  return true;
}

void CBtnPropSheet::SetChanged() { m_context.style |= kPlumageRecordChanged; }

void CBtnPropSheet::PageCreated() {
  if (m_decorated || !m_hWnd) return;
  m_decorated = true;
  ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, ::GetWindowLongA(m_hWnd, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
  if (HWND apply = GetDlgItem(kApplyButton)) ::ShowWindow(apply, SW_HIDE);
  RECT sheet, desktop;
  GetWindowRect(&sheet);
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  int cx = sheet.right - sheet.left, cy = sheet.bottom - sheet.top;
  ::SetWindowPos(m_hWnd, nullptr, desktop.left + (desktop.right - desktop.left - cx) / 2,
                 desktop.top + (desktop.bottom - desktop.top - cy) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CBtnPropSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DROP_FIRST_PAGE:
      if (GetPageCount() > 2) {
        for (CPropertyPage* page :
             {static_cast<CPropertyPage*>(&m_scPage), static_cast<CPropertyPage*>(&m_flPage)}) {
          if (page != m_keptFirst && GetPageIndex(page) >= 0) RemovePage(page);
        }
      }
      return 0;
    case WM_SWAP_FIRST_PAGE:
      SwapFirstPage(wParam ? static_cast<CPropertyPage*>(&m_scPage) : &m_flPage);
      return 0;
    default:
      break;
  }
  return CPropertySheet::WindowProc(message, wParam, lParam);
}
