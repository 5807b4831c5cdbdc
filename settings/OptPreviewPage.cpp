#include "settings/OptPreviewPage.h"

#include <commctrl.h>

BOOL COptPreviewPage::OnSetActive() {
  // The other pages' values may have changed the sample.
  ::InvalidateRect(GetDlgItem(m_previewId), nullptr, TRUE);
  return TRUE;
}

void COptPreviewPage::Changed() {
  UpdateData(TRUE);
  EnableControls();
  ::InvalidateRect(GetDlgItem(m_previewId), nullptr, TRUE);
}

BOOL COptPreviewPage::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED && static_cast<int>(id) != m_previewId) {
    Changed();
    return TRUE;
  }
  return COptPage::OnCommand(id, code, control);
}

LRESULT COptPreviewPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      // The sample follows the thumb once it is let go, not while it is dragged.
      if (LOWORD(wParam) != TB_THUMBTRACK) Changed();
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (static_cast<int>(item.CtlID) != m_previewId) break;
      DrawPreview(item.hDC, item.rcItem);
      return TRUE;
    }
    default:
      break;
  }
  return COptPage::WindowProc(message, wParam, lParam);
}
