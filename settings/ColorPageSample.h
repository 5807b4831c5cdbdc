// The colour page's sample (a button of the page): the working colours of
// both roles, painted as a button with an icon and the sample text, or as a
// miniature bar with a tab.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/GdiObject.h"
#include "framework/Wnd.h"
#include "settings/ColorSheetValues.h"

class CColorPageSample : public CWnd {
 public:
  CColorPageSample() = default;
  ~CColorPageSample() override;

  // Binds the page's sample control; bar paints the miniature bar.
  BOOL Attach(HWND control, bool bar);
  void SetSampleText(const std::string& text) { m_text = text; }
  // The full colour values kind 2 and above stand for.
  void SetStandardColors(uint32_t text, uint32_t bk);
  uint32_t GetStandardColor(bool text) const { return text ? m_standardText : m_standardBk; }

  const SplitColor& GetColor(bool text) const { return text ? m_textColor : m_bkColor; }
  void SetColor(bool text, const SplitColor& color);
  COLORREF GetShownColor(bool text) const;

 protected:
  void OnPaint(CPaintDC& dc) override;
  BOOL OnEraseBkgnd(HDC dc) override;

 private:
  void PaintButton(HDC dc, const RECT& r) const;
  void PaintBar(HDC dc, const RECT& r);

  bool m_bar = false;
  std::string m_text;
  uint32_t m_standardText = 0x1000000 | COLOR_BTNTEXT;
  uint32_t m_standardBk = 0x1000000 | COLOR_BTNFACE;
  SplitColor m_textColor;
  SplitColor m_bkColor;
  HICON m_icon = nullptr;
  CFont m_tabFont;
};
