#include "settings/OptFramePage.h"

#include <commctrl.h>

#include "core/BarOptions.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"
#include "settings/OptPreview.h"

BOOL COptFramePage::OnInitDialog() {
  for (int id : {IDCF_FRAME_X, IDCF_FRAME_Y, IDCF_BUTTON_X, IDCF_BUTTON_Y})
    SetTrackRange(id, 0, 12);
  return COptPage::OnInitDialog();
}

void COptFramePage::DoDataExchange(CDataExchange& dx) {
  DDX_Radio(dx, IDCF_FLAT, m_values.frameEffect);
  DDX_Slider(dx, IDCF_FRAME_X, m_values.frmBorderX);
  DDX_Slider(dx, IDCF_FRAME_Y, m_values.frmBorderY);
  DDX_Slider(dx, IDCF_BUTTON_X, m_values.borderX);
  DDX_Slider(dx, IDCF_BUTTON_Y, m_values.borderY);
}

BOOL COptFramePage::OnSetActive() {
  ::InvalidateRect(GetDlgItem(IDCF_PREVIEW), nullptr, TRUE);
  return TRUE;
}

BOOL COptFramePage::OnApply() {
  Options().SetInt("FrmBorderX", m_values.frmBorderX);
  Options().SetInt("FrmBorderY", m_values.frmBorderY);
  Options().SetInt("BorderX", m_values.borderX);
  Options().SetInt("BorderY", m_values.borderY);
  m_context.style = ApplyFrameBits(m_context.style, m_values);
  return TRUE;
}

BOOL COptFramePage::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED && id >= IDCF_FLAT && id <= IDCF_THICK) {
    UpdateData(TRUE);
    ::InvalidateRect(GetDlgItem(IDCF_PREVIEW), nullptr, TRUE);
    return TRUE;
  }
  return COptPage::OnCommand(id, code, control);
}

LRESULT COptFramePage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      // The sample follows the thumb once it is let go, not while it is dragged.
      if (LOWORD(wParam) != TB_THUMBTRACK) {
        UpdateData(TRUE);
        ::InvalidateRect(GetDlgItem(IDCF_PREVIEW), nullptr, TRUE);
      }
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != IDCF_PREVIEW) break;
      DrawBarPreview(item.hDC, item.rcItem, PreviewStyle(m_context.style, m_values), m_values);
      return TRUE;
    }
    default:
      break;
  }
  return COptPage::WindowProc(message, wParam, lParam);
}
