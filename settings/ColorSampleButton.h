// The button sheet's colour sample: an owner-drawn push button filled with
// the button's background colour and showing "A" in its text colour; a click
// opens the colour sheet on both.
#pragma once

#include <windows.h>

#include <cstdint>

struct DialogContext;

// The colour a button shows for colour value: RGB (kind 0), a system colour
// (kind 1), or for the default the tab's colour when default buttons take the
// tab's colours (style 0x200000), otherwise the button face or text colour.
COLORREF ResolveButtonColor(uint32_t value, bool background, const DialogContext& context);

class CColorSampleButton {
 public:
  CColorSampleButton(const DialogContext& context, uint32_t& textColor, uint32_t& bkColor)
      : m_context(context), m_textColor(textColor), m_bkColor(bkColor) {}

  void DrawItem(const DRAWITEMSTRUCT& item) const;
  // Opens the colour sheet from page; on OK both colours change and the sample
  // button is drawn again.
  void Choose(HWND page, HWND button);

 private:
  const DialogContext& m_context;
  uint32_t& m_textColor;
  uint32_t& m_bkColor;
};
