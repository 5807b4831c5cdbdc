// The colour sheet: a text page and a background page over one pair of
// colour values, kept split into kind and value. The button variant edits a
// button's colours from the button sheet; the bar variant a tab's colours.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/PropertySheet.h"
#include "settings/ColorPage.h"

class CColorSheet : public CPropertySheet {
 public:
  // The button variant: a button sample with sampleText, "default" allowed.
  CColorSheet(const char* sampleText, HWND parentPage);
  // The bar variant: a miniature bar as sample, no "default".
  explicit CColorSheet(HWND owner);

  bool IsBarVariant() const { return m_bar; }

  BYTE m_textKind = 2;
  BYTE m_bkKind = 2;
  uint32_t m_textValue = 0;
  uint32_t m_bkValue = 0;
  std::string m_sampleText;
  BOOL m_defaultAllowed = FALSE;
  // What "標準の色" and the default kind stand for (full colour values).
  uint32_t m_standardBk = 0x1000000 | COLOR_BTNFACE;
  uint32_t m_standardText = 0x1000000 | COLOR_BTNTEXT;

 private:
  bool m_bar;
  CColorTextPage m_textPage;
  CColorBkPage m_bkPage;
};
