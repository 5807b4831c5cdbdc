#include "settings/ColorSampleButton.h"

#include "core/StyleWord.h"
#include "framework/GdiObject.h"
#include "settings/ButtonColorChoice.h"
#include "settings/DialogContext.h"

COLORREF ResolveButtonColor(uint32_t value, bool background, const DialogContext& context) {
  if (value < 0x1000000) return value;
  if (value >> 24 == 1) return ::GetSysColor(static_cast<int>(value & 0xFFFFFF));
  if (context.style & style::kTabColorButtons) {
    uint32_t tab = background ? context.tabColor : context.tabTextColor;
    return tab < 0x1000000 ? tab : ::GetSysColor(static_cast<int>(tab & 0xFFFFFF));
  }
  return ::GetSysColor(background ? COLOR_BTNFACE : COLOR_BTNTEXT);
}

void CColorSampleButton::DrawItem(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  bool pressed = (item.itemState & ODS_SELECTED) != 0;
  ::DrawFrameControl(
      dc, &r, DFC_BUTTON,
      DFCS_BUTTONPUSH | (disabled ? DFCS_INACTIVE : 0) | (pressed ? DFCS_PUSHED : 0));
  RECT fill = r;
  ::InflateRect(&fill, -2, -2);
  CBrush brush(::CreateSolidBrush(ResolveButtonColor(m_bkColor, true, m_context)));
  ::FillRect(dc, &fill, brush.GetSafeHandle());
  int oldMode = ::SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = ::SetTextColor(dc, ResolveButtonColor(m_textColor, false, m_context));
  ::DrawTextA(dc, "A", 1, &fill, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = r;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
}

void CColorSampleButton::Choose(HWND page, HWND button) {
  uint32_t text = m_textColor, bk = m_bkColor;
  if (!ChooseButtonColors(page, m_context, text, bk)) return;
  m_textColor = text;
  m_bkColor = bk;
  ::InvalidateRect(button, nullptr, TRUE);
}
