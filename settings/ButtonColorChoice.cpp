#include "settings/ButtonColorChoice.h"

#include "framework/WinApp.h"
#include "settings/ColorSheet.h"
#include "settings/DialogContext.h"

namespace {
// Style bit: buttons at the standard colour take the tab's colours.
const DWORD kTabColorButtons = 0x200000;
}  // namespace

bool ChooseButtonColors(HWND parentPage, const DialogContext& context, uint32_t& textColor,
                        uint32_t& bkColor) {
  CWinApp* app = AfxGetApp();
  CColorSheet sheet(app ? app->GetAppName() : "Kestrel", parentPage);
  const SplitColor text = SplitColorValue(textColor);
  const SplitColor bk = SplitColorValue(bkColor);
  sheet.m_textKind = text.kind;
  sheet.m_textValue = text.value;
  sheet.m_bkKind = bk.kind;
  sheet.m_bkValue = bk.value;
  if (context.style & kTabColorButtons) {
    sheet.m_standardBk = context.tabColor;
    sheet.m_standardText = context.tabTextColor;
  }
  if (sheet.DoModal() != IDOK) return false;
  textColor = JoinColorValue(SplitColor{sheet.m_textKind, sheet.m_textValue});
  bkColor = JoinColorValue(SplitColor{sheet.m_bkKind, sheet.m_bkValue});
  return true;
}
