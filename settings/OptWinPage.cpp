#include "settings/OptWinPage.h"

#include "core/StyleWord.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"

void COptWinPage::DoDataExchange(CDataExchange& dx) {
  DDX_Check(dx, IDCW_TOPMOST, m_values.topmost);
  DDX_Check(dx, IDCW_TOOLTIPS, m_values.toolTips);
  DDX_Check(dx, IDCW_DESKTOP_BAR, m_values.desktopBar);
  DDX_Check(dx, IDCW_ANIMATE, m_values.animate);
}

BOOL COptWinPage::OnApply() {
  DWORD& s = m_context.style;
  s &= ~(style::kTopmost | style::kToolTips | style::kAnimate | style::kDesktopBar);
  if (m_values.topmost) s |= style::kTopmost;
  if (m_values.toolTips) s |= style::kToolTips;
  if (m_values.desktopBar) s |= style::kDesktopBar;
  if (m_values.animate) s |= style::kAnimate;
  return TRUE;
}
