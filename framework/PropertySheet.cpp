#include "framework/PropertySheet.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/Dialog.h"
#include "framework/PropertyPage.h"
#include "framework/WinApp.h"

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (!page || GetPageIndex(page) >= 0) return;
  page->m_sheet = this;
  if (m_hWnd) {
    HPROPSHEETPAGE handle = page->CreatePage();
    if (!handle || !SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle))) {
      if (handle) ::DestroyPropertySheetPage(handle);
      page->m_sheet = nullptr;
      return;
    }
  }
  m_pages.push_back(page);
}

void CPropertySheet::RemovePage(CPropertyPage* page) {
  int index = GetPageIndex(page);
  if (index < 0) return;
  // The sheet destroys the page's window (if it was ever opened) and its record.
  if (m_hWnd) SendMessage(PSM_REMOVEPAGE, static_cast<WPARAM>(index), 0);
  m_pages.erase(m_pages.begin() + index);
  page->m_sheet = nullptr;
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  auto found = std::find(m_pages.begin(), m_pages.end(), page);
  return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  if (!m_hWnd) return GetPage(m_startPage);
  HWND current = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
  for (CPropertyPage* page : m_pages)
    if (page->GetSafeHwnd() && page->GetSafeHwnd() == current) return page;
  return nullptr;
}

BOOL CPropertySheet::SetActivePage(int index) {
  if (!GetPage(index)) return FALSE;
  if (!m_hWnd) {
    m_startPage = index;
    return TRUE;
  }
  return static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index), 0));
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<HPROPSHEETPAGE> handles;
  for (CPropertyPage* page : m_pages) {
    HPROPSHEETPAGE handle = page->CreatePage();
    if (!handle) {
      for (HPROPSHEETPAGE made : handles) ::DestroyPropertySheetPage(made);
      return -1;
    }
    handles.push_back(handle);
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_DEFAULT | m_flags;
  header.hwndParent = AfxGetSafeOwner(m_parent);
  header.hInstance = AfxGetResourceHandle();
  header.pszCaption = m_caption.c_str();
  header.nPages = static_cast<UINT>(handles.size());
  header.nStartPage = static_cast<UINT>(std::max(0, std::min(m_startPage, GetPageCount() - 1)));
  header.phpage = handles.data();
  INT_PTR result = ::PropertySheetA(&header);
  if (result < 0) return -1;
  return result > 0 ? IDOK : IDCANCEL;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KICKIDLE) {
    AfxSendIdleUpdate(m_hWnd);
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
