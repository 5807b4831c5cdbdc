#include "settings/OptTabPage.h"

#include <commctrl.h>

#include "core/BarOptions.h"
#include "core/StyleWord.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"
#include "settings/OptPreview.h"

BOOL COptTabPage::OnInitDialog() {
  SetTrackRange(IDCT_WIDTH, 4, 15);
  SetTrackRange(IDCT_HEIGHT, -5, 10);
  BOOL focus = COptPage::OnInitDialog();
  Changed();
  return focus;
}

void COptTabPage::DoDataExchange(CDataExchange& dx) {
  DDX_Radio(dx, IDCT_AUTO_WIDTH, m_values.tabWidthMode);
  DDX_Slider(dx, IDCT_WIDTH, m_values.tabTxtWidth);
  DDX_Radio(dx, IDCT_ELLIPSIS, m_values.tabOverflow);
  DDX_Slider(dx, IDCT_HEIGHT, m_values.tabHightAdj);
}

BOOL COptTabPage::OnSetActive() {
  ::InvalidateRect(GetDlgItem(IDCT_PREVIEW), nullptr, TRUE);
  return TRUE;
}

BOOL COptTabPage::OnApply() {
  Options().SetInt("TabTxtDraw", OverflowFormat(m_values.tabOverflow));
  Options().SetInt("TabTxtWidth", m_values.tabTxtWidth);
  Options().SetInt("TabHightAdj", m_values.tabHightAdj);
  if (m_values.tabWidthMode == 0)
    m_context.style |= style::kAutoTabWidth;
  else
    m_context.style &= ~style::kAutoTabWidth;
  return TRUE;
}

void COptTabPage::Changed() {
  UpdateData(TRUE);
  const bool fixed = m_values.tabWidthMode == 1;
  for (int id : {IDCT_WIDTH, IDCT_ELLIPSIS, IDCT_LEFT, IDCT_RIGHT}) Enable(id, fixed);
  ::InvalidateRect(GetDlgItem(IDCT_PREVIEW), nullptr, TRUE);
}

BOOL COptTabPage::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED && id == IDCT_STANDARD_HEIGHT) {
    ::SendMessageA(GetDlgItem(IDCT_HEIGHT), TBM_SETPOS, TRUE, 0);
    Changed();
    return TRUE;
  }
  if (code == BN_CLICKED) {
    Changed();
    return TRUE;
  }
  return COptPage::OnCommand(id, code, control);
}

LRESULT COptTabPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (LOWORD(wParam) != TB_THUMBTRACK) Changed();
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != IDCT_PREVIEW) break;
      DrawTabPreview(item.hDC, item.rcItem, m_values);
      return TRUE;
    }
    default:
      break;
  }
  return COptPage::WindowProc(message, wParam, lParam);
}
