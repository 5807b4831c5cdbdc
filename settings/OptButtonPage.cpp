#include "settings/OptButtonPage.h"

#include <commctrl.h>

#include "core/BarOptions.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"
#include "settings/OptPreview.h"

BOOL COptButtonPage::OnInitDialog() {
  SetTrackRange(IDCB_FONT_SIZE, 8, 18);
  SetTrackRange(IDCB_TEXT_WIDTH, 4, 14);
  BOOL focus = COptPage::OnInitDialog();
  Changed();
  return focus;
}

void COptButtonPage::DoDataExchange(CDataExchange& dx) {
  DDX_Radio(dx, IDCB_SMALL, m_values.iconSize);
  DDX_Radio(dx, IDCB_FLAT, m_values.buttonEffect);
  DDX_Radio(dx, IDCB_STANDARD_COLOR, m_values.buttonColor);
  DDX_Check(dx, IDCB_SHOW_TEXT, m_values.showText);
  DDX_Check(dx, IDCB_TEXT_OVER_ICON, m_values.textOverIcon);
  DDX_Slider(dx, IDCB_FONT_SIZE, m_values.fontSize);
  DDX_Slider(dx, IDCB_TEXT_WIDTH, m_values.btnTxtWidth);
  DDX_Radio(dx, IDCB_ELLIPSIS, m_values.btnOverflow);
}

BOOL COptButtonPage::OnSetActive() {
  ::InvalidateRect(GetDlgItem(IDCB_PREVIEW), nullptr, TRUE);
  return TRUE;
}

BOOL COptButtonPage::OnApply() {
  m_context.style = ApplyButtonBits(m_context.style, m_values);
  Options().SetInt("TxtFontHeight", m_values.fontSize);
  Options().SetInt("BtnTxtWidth", m_values.btnTxtWidth);
  Options().SetInt("BtnTxtDraw", OverflowFormat(m_values.btnOverflow));
  return TRUE;
}

void COptButtonPage::Changed() {
  UpdateData(TRUE);
  for (int id :
       {IDCB_TEXT_OVER_ICON, IDCB_FONT_SIZE, IDCB_TEXT_WIDTH, IDCB_ELLIPSIS, IDCB_LEFT, IDCB_RIGHT})
    Enable(id, m_values.showText);
  ::InvalidateRect(GetDlgItem(IDCB_PREVIEW), nullptr, TRUE);
}

BOOL COptButtonPage::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED && id != IDCB_PREVIEW) {
    Changed();
    return TRUE;
  }
  return COptPage::OnCommand(id, code, control);
}

LRESULT COptButtonPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      if (LOWORD(wParam) != TB_THUMBTRACK) Changed();
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != IDCB_PREVIEW) break;
      DrawBarPreview(item.hDC, item.rcItem, PreviewStyle(m_context.style, m_values), m_values);
      return TRUE;
    }
    default:
      break;
  }
  return COptPage::WindowProc(message, wParam, lParam);
}
