#include "settings/OptButtonPage.h"

#include "core/BarOptions.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"
#include "settings/OptPreview.h"

COptButtonPage::COptButtonPage(UINT templateId, OptValues& values, const OptValues& start,
                               DialogContext& context)
    : COptPreviewPage(templateId, IDCB_PREVIEW, values, start, context) {}

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

BOOL COptButtonPage::OnApply() {
  m_context.style = ApplyButtonBits(m_context.style, m_values);
  Options().SetInt("TxtFontHeight", m_values.fontSize);
  Options().SetInt("BtnTxtWidth", m_values.btnTxtWidth);
  Options().SetInt("BtnTxtDraw", OverflowFormat(m_values.btnOverflow));
  return TRUE;
}

void COptButtonPage::EnableControls() {
  for (int id :
       {IDCB_TEXT_OVER_ICON, IDCB_FONT_SIZE, IDCB_TEXT_WIDTH, IDCB_ELLIPSIS, IDCB_LEFT, IDCB_RIGHT})
    Enable(id, m_values.showText);
}

void COptButtonPage::DrawPreview(HDC dc, const RECT& area) {
  DrawBarPreview(dc, area, PreviewStyle(m_context.style, m_values), m_values);
}
