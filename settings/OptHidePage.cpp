#include "settings/OptHidePage.h"

#include "core/BarOptions.h"
#include "core/StyleWord.h"
#include "framework/DataExchange.h"
#include "plumage_res.h"

namespace {
// The spot check boxes of one group, by bit.
const int kHideSpots[] = {IDCH_HIDE_SPOT_1, IDCH_HIDE_SPOT_2,  IDCH_HIDE_SPOT_4,
                          IDCH_HIDE_SPOT_8, IDCH_HIDE_SPOT_16, IDCH_HIDE_SPOT_32};
const int kShowSpots[] = {IDCH_SHOW_SPOT_1, IDCH_SHOW_SPOT_2,  IDCH_SHOW_SPOT_4,
                          IDCH_SHOW_SPOT_8, IDCH_SHOW_SPOT_16, IDCH_SHOW_SPOT_32};

void DDX_Spots(CDataExchange& dx, const int (&ids)[6], int& bits) {
  int result = 0;
  for (int i = 0; i < 6; ++i) {
    bool on = (bits & (1 << i)) != 0;
    DDX_Check(dx, ids[i], on);
    if (on) result |= 1 << i;
  }
  if (dx.Saving()) bits = result;
}
}  // namespace

BOOL COptHidePage::OnInitDialog() {
  SetSpinRange(IDCH_SLEEP_SPIN, 1, 999);
  SetSpinRange(IDCH_SHOW_SPIN, 0, 999);
  SetSpinRange(IDCH_HIDE_TIME_SPIN, 0, 999);
  SetSpinRange(IDCH_AWAKE_TIME_SPIN, 0, 999);
  BOOL focus = COptPage::OnInitDialog();
  UpdateEnabling();
  return focus;
}

void COptHidePage::DoDataExchange(CDataExchange& dx) {
  DDX_Check(dx, IDCH_AUTO_HIDE, m_values.autoHide);
  DDX_Int(dx, IDCH_SLEEP_TIME, m_values.sleepTime, 1, 999);
  DDX_Radio(dx, IDCH_HIDE_FULL, m_values.hidType);
  DDX_Radio(dx, IDCH_LINE_TOP, m_values.hidLinePos);
  DDX_Int(dx, IDCH_SQUARE_SIZE, m_values.hidScnSize, 1, 99);
  DDX_Int(dx, IDCH_SHOW_TIME, m_values.hidShowTime, 0, 999);
  DDX_Check(dx, IDCH_TOUCH_HIDE, m_values.touchHide);
  DDX_Spots(dx, kHideSpots, m_values.hookScnPos);
  DDX_Int(dx, IDCH_HIDE_SPOT_SIZE, m_values.hookScnSize, 1, 99);
  DDX_Int(dx, IDCH_HIDE_TIME, m_values.hookTime, 0, 999);
  DDX_Check(dx, IDCH_TOUCH_SHOW, m_values.touchShow);
  DDX_Spots(dx, kShowSpots, m_values.hookAwkScnPos);
  DDX_Int(dx, IDCH_SHOW_SPOT_SIZE, m_values.hookAwkScnSize, 1, 99);
  DDX_Int(dx, IDCH_AWAKE_TIME, m_values.hookAwkTime, 0, 999);
}

// The line position matters only for the line, the size only for the square,
// and the appear delay for both.
void COptHidePage::UpdateEnabling() {
  const bool autoHide = IsChecked(IDCH_AUTO_HIDE);
  const bool line = IsChecked(IDCH_HIDE_LINE);
  const bool square = IsChecked(IDCH_HIDE_SQUARE);
  Enable(IDCH_SLEEP_TIME, autoHide);
  Enable(IDCH_SLEEP_SPIN, autoHide);
  for (int id : {IDCH_LINE_TOP, IDCH_LINE_LEFT, IDCH_LINE_BOTTOM, IDCH_LINE_RIGHT})
    Enable(id, line);
  Enable(IDCH_SQUARE_SIZE, square);
  Enable(IDCH_SHOW_TIME, line || square);
  Enable(IDCH_SHOW_SPIN, line || square);
  const bool touchHide = IsChecked(IDCH_TOUCH_HIDE);
  for (int id : kHideSpots) Enable(id, touchHide);
  for (int id : {IDCH_HIDE_SPOT_SIZE, IDCH_HIDE_TIME, IDCH_HIDE_TIME_SPIN}) Enable(id, touchHide);
  const bool touchShow = IsChecked(IDCH_TOUCH_SHOW);
  for (int id : kShowSpots) Enable(id, touchShow);
  for (int id : {IDCH_SHOW_SPOT_SIZE, IDCH_AWAKE_TIME, IDCH_AWAKE_TIME_SPIN}) Enable(id, touchShow);
}

BOOL COptHidePage::OnCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED) UpdateEnabling();
  return COptPage::OnCommand(id, code, control);
}

BOOL COptHidePage::OnApply() {
  DWORD& s = m_context.style;
  s &= ~(style::kAutoHide | style::kTouchShow | style::kTouchHide);
  if (m_values.autoHide) s |= style::kAutoHide;
  if (m_values.touchShow) s |= style::kTouchShow;
  if (m_values.touchHide) s |= style::kTouchHide;
  CBarOptions& o = Options();
  // The square window's stored place belongs to the old way of hiding.
  if (m_values.hidType != m_start.hidType || m_values.hidLinePos != m_start.hidLinePos)
    o.SetString("HidWinPos", "");
  o.SetInt("SleepTime", m_values.sleepTime * 100);
  o.SetInt("HidShowTime", m_values.hidShowTime * 100);
  o.SetInt("HidType", m_values.hidType);
  o.SetInt("HidLinePos", m_values.hidLinePos);
  o.SetInt("HidScnSize", m_values.hidScnSize);
  o.SetInt("HookTime", m_values.hookTime * 100);
  o.SetInt("HookScnSize", m_values.hookScnSize);
  o.SetInt("HookScnPos", m_values.hookScnPos);
  o.SetInt("HookAwkTime", m_values.hookAwkTime * 100);
  o.SetInt("HookAwkScnSize", m_values.hookAwkScnSize);
  o.SetInt("HookAwkScnPos", m_values.hookAwkScnPos);
  return TRUE;
}
