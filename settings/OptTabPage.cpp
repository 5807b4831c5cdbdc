#include "settings/OptTabPage.h"

#include <commctrl.h>

#include "core/BarOptions.h"
#include "core/StyleWord.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"
#include "settings/OptPreview.h"

COptTabPage::COptTabPage(UINT templateId, OptValues& values, const OptValues& start,
                         DialogContext& context)
    : COptPreviewPage(templateId, IDCT_PREVIEW, values, start, context) {}

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

BOOL COptTabPage::OnCommand(UINT id, UINT code, HWND control) {
  // "Standard" puts the height back to 0.
  if (code == BN_CLICKED && id == IDCT_STANDARD_HEIGHT)
    ::SendMessageA(GetDlgItem(IDCT_HEIGHT), TBM_SETPOS, TRUE, 0);
  return COptPreviewPage::OnCommand(id, code, control);
}

void COptTabPage::EnableControls() {
  const bool fixed = m_values.tabWidthMode == 1;
  for (int id : {IDCT_WIDTH, IDCT_ELLIPSIS, IDCT_LEFT, IDCT_RIGHT}) Enable(id, fixed);
}

void COptTabPage::DrawPreview(HDC dc, const RECT& area) { DrawTabPreview(dc, area, m_values); }
