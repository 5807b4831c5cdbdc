#include "settings/ColorPage.h"

#include "settings/ColorSheet.h"
#include "settings/CommonDialogs.h"
#include "plumage_res.h"

CColorBasePage::CColorBasePage(UINT templateId, CColorSheet& sheet, bool isText)
    : CPropertyPage(templateId), m_colorSheet(sheet), m_isText(isText) {
  for (COLORREF& custom : m_customColors) custom = RGB(255, 255, 255);
}

CColorTextPage::CColorTextPage(CColorSheet& sheet) : CColorBasePage(IDD_COLOR_TEXT, sheet, true) {}

CColorBkPage::CColorBkPage(CColorSheet& sheet) : CColorBasePage(IDD_COLOR_BK, sheet, false) {}

BOOL CColorBasePage::OnInitDialog() {
  HWND sheet = ::GetParent(m_hWnd);
  ::SetWindowLongA(sheet, GWL_EXSTYLE, ::GetWindowLongA(sheet, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
  ::ShowWindow(::GetDlgItem(sheet, 12321), SW_HIDE);  // Apply
  m_systemGrid.Replace(m_hWnd, IDCCS_SYSTEM_GRID, kSystemGridRows, kSystemGridColumns,
                       kSystemGridCells);
  m_generalGrid.Replace(m_hWnd, IDCCS_GENERAL_GRID, kGeneralGridRows, kGeneralGridColumns,
                        kGeneralGridColors);
  m_sample.Attach(GetDlgItem(IDCCS_SAMPLE), m_colorSheet.IsBarVariant());
  m_sample.SetSampleText(m_colorSheet.m_sampleText);
  m_sample.SetStandardColors(m_colorSheet.m_standardText, m_colorSheet.m_standardBk);
  return CPropertyPage::OnInitDialog();
}

BOOL CColorBasePage::OnSetActive() {
  // The other page may have changed its colour: show the sheet's pair.
  m_sample.SetColor(true, SplitColor{m_colorSheet.m_textKind, m_colorSheet.m_textValue});
  m_sample.SetColor(false, SplitColor{m_colorSheet.m_bkKind, m_colorSheet.m_bkValue});
  Describe();
  return CPropertyPage::OnSetActive();
}

BOOL CColorBasePage::OnKillActive() {
  StoreColor();
  return CPropertyPage::OnKillActive();
}

BOOL CColorBasePage::OnApply() {
  // Every page that was opened holds its role's colour in its sample.
  StoreColor();
  return CPropertyPage::OnApply();
}

void CColorBasePage::StoreColor() {
  if (!m_sample.GetSafeHwnd()) return;
  const SplitColor& color = m_sample.GetColor(m_isText);
  (m_isText ? m_colorSheet.m_textKind : m_colorSheet.m_bkKind) = color.kind;
  (m_isText ? m_colorSheet.m_textValue : m_colorSheet.m_bkValue) = color.value;
}

BOOL CColorBasePage::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED && id == IDCCS_STANDARD) {
    TakeStandard();
    return TRUE;
  }
  if (code == BN_CLICKED && id == IDCCS_OTHER) {
    ChooseOther();
    return TRUE;
  }
  return CPropertyPage::OnCommand(id, code, control);
}

LRESULT CColorBasePage::OnNotify(const NMHDR& header) {
  const bool system = header.hwndFrom == m_systemGrid.GetSafeHwnd();
  if (header.code == kColorGridClicked &&
      (system || header.hwndFrom == m_generalGrid.GetSafeHwnd())) {
    const int cell = reinterpret_cast<const ColorGridNotify&>(header).cell;
    if (cell < 0 || cell >= (system ? m_systemGrid : m_generalGrid).GetCellCount()) return 0;
    if (system)
      TakeColor(SplitColor{1, static_cast<uint32_t>(kSystemGridCells[cell].index)});
    else
      TakeColor(SplitColor{0, kGeneralGridColors[cell] & 0xFFFFFF});
    return 0;
  }
  return CPropertyPage::OnNotify(header);
}

void CColorBasePage::TakeColor(const SplitColor& color) {
  m_sample.SetColor(m_isText, color);
  Describe();
}

void CColorBasePage::Describe() {
  const std::string text =
      DescribeColor(m_sample.GetColor(m_isText), m_sample.GetStandardColor(m_isText), m_isText);
  ::SetDlgItemTextA(m_hWnd, IDCCS_DESCRIPTION, text.c_str());
}

void CColorBasePage::TakeStandard() {
  const SplitColor current = m_sample.GetColor(m_isText);
  if (m_colorSheet.m_defaultAllowed) {
    // The button follows the standard colour from now on.
    const SplitColor byDefault{2, 0};
    if (!(current == byDefault)) TakeColor(byDefault);
    return;
  }
  // No "default" here: the standard colour itself is stored.
  const SplitColor standard = SplitColorValue(m_sample.GetStandardColor(m_isText));
  if (!(current == standard)) TakeColor(standard);
}

void CColorBasePage::ChooseOther() {
  CHOOSECOLORA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = m_hWnd;
  choose.rgbResult = m_sample.GetShownColor(m_isText);
  choose.lpCustColors = m_customColors;
  choose.Flags = CC_RGBINIT;
  if (RunColorDialog(choose)) TakeColor(SplitColor{0, choose.rgbResult & 0xFFFFFF});
}
