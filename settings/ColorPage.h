// The colour sheet's pages: each edits one role's colour (text or
// background) with the system grid, the fixed grid, the system colour
// chooser and "標準の色", and shows both colours in its sample.
#pragma once

#include <windows.h>

#include "framework/PropertyPage.h"
#include "settings/ColorGrid.h"
#include "settings/ColorPageSample.h"
#include "settings/ColorSheetValues.h"

class CColorSheet;

class CColorBasePage : public CPropertyPage {
 public:
  CColorBasePage(UINT templateId, CColorSheet& sheet, bool isText);

  bool IsTextPage() const { return m_isText; }

 protected:
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  BOOL OnApply() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  LRESULT OnNotify(const NMHDR& header) override;

 private:
  // Makes color the page's colour and describes it.
  void TakeColor(const SplitColor& color);
  void Describe();
  void TakeStandard();
  void ChooseOther();
  // The page's colour goes back to the sheet.
  void StoreColor();

  CColorSheet& m_colorSheet;
  bool m_isText;
  CColorPageSample m_sample;
  CColorGrid m_systemGrid;
  CColorGrid m_generalGrid;
  COLORREF m_customColors[16] = {};
};

class CColorTextPage : public CColorBasePage {
 public:
  explicit CColorTextPage(CColorSheet& sheet);
};

class CColorBkPage : public CColorBasePage {
 public:
  explicit CColorBkPage(CColorSheet& sheet);
};
