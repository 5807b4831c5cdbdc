#include "framework/PropertyPage.h"

#include "framework/PropertySheet.h"
#include "framework/WinApp.h"

HPROPSHEETPAGE CPropertyPage::CreatePage() {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT | PSP_USECALLBACK | (m_caption.empty() ? 0 : PSP_USETITLE);
  page.hInstance = AfxGetResourceHandle();
  page.pszTemplate = MAKEINTRESOURCEA(m_templateId);
  page.pszTitle = m_caption.c_str();
  page.pfnDlgProc = &CPropertyPage::StaticPageProc;
  page.pfnCallback = &CPropertyPage::PageCallback;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return ::CreatePropertySheetPageA(&page);
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, PROPSHEETPAGEA* record) {
  if (message != PSPCB_CREATE) return 1;
  auto* page = record ? reinterpret_cast<CPropertyPage*>(record->lParam) : nullptr;
  return page && page->OnCreatingWindow() ? 1 : 0;
}

void CPropertyPage::SetModified(bool changed) {
  HWND sheet = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
  if (sheet)
    ::SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd),
                   0);
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() { return TRUE; }

void CPropertyPage::OnReset() {}

LRESULT CPropertyPage::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != ::GetParent(m_hWnd)) return CDialog::OnNotify(header);
  switch (header.code) {
    case PSN_SETACTIVE:
      return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE:
      return OnKillActive() ? FALSE : TRUE;
    case PSN_APPLY:
      return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    case PSN_RESET:
      OnReset();
      return 0;
    default:
      return CDialog::OnNotify(header);
  }
}

INT_PTR CALLBACK CPropertyPage::StaticPageProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  CPropertyPage* page = nullptr;
  if (message == WM_INITDIALOG) {
    const auto* record = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    page = record ? reinterpret_cast<CPropertyPage*>(record->lParam) : nullptr;
    if (!page) return FALSE;
    page->m_hWnd = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
    // The first page made is the first moment the sheet's window is known.
    if (page->m_sheet && !page->m_sheet->GetSafeHwnd())
      page->m_sheet->SubclassWindow(::GetParent(hwnd));
  } else {
    page = static_cast<CPropertyPage*>(FromHandlePermanent(hwnd));
  }
  return page ? RunDialogProc(page, hwnd, message, wParam, lParam) : FALSE;
}
