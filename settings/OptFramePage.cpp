#include "settings/OptFramePage.h"

#include "core/BarOptions.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"
#include "settings/OptPreview.h"

COptFramePage::COptFramePage(UINT templateId, OptValues& values, const OptValues& start,
                             DialogContext& context)
    : COptPreviewPage(templateId, IDCF_PREVIEW, values, start, context) {}

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

BOOL COptFramePage::OnApply() {
  Options().SetInt("FrmBorderX", m_values.frmBorderX);
  Options().SetInt("FrmBorderY", m_values.frmBorderY);
  Options().SetInt("BorderX", m_values.borderX);
  Options().SetInt("BorderY", m_values.borderY);
  m_context.style = ApplyFrameBits(m_context.style, m_values);
  return TRUE;
}

void COptFramePage::DrawPreview(HDC dc, const RECT& area) {
  DrawBarPreview(dc, area, PreviewStyle(m_context.style, m_values), m_values);
}
