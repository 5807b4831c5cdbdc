#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Dialog.h"

class CPropertySheet;

// A page of a property sheet, from a template of this module's resources.
// The object is bound from its PROPSHEETPAGE's lParam. The sheet's page
// notifications reach the virtuals below, and their answers go back through
// the page's message result.
class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId, const char* caption = nullptr)
      : CDialog(templateId), m_caption(caption ? caption : "") {}

  // comctl32's page for this object (the sheet destroys it).
  HPROPSHEETPAGE CreatePage();
  // Enables or disables the sheet's Apply button on this page's behalf.
  void SetModified(bool changed = true);
  CPropertySheet* GetSheet() const { return m_sheet; }

 protected:
  // The page is about to be shown: FALSE refuses it.
  virtual BOOL OnSetActive();
  // The page is about to be left: FALSE keeps it. Default: takes its values over.
  virtual BOOL OnKillActive();
  // OK or Apply: FALSE keeps the sheet open on this page.
  virtual BOOL OnApply();
  // Cancel.
  virtual void OnReset();
  // The page's window is about to be made (the first time the page is
  // shown): false refuses it. For what only a shown page needs.
  virtual bool OnCreatingWindow() { return true; }
  LRESULT OnNotify(const NMHDR& header) override;
  // Enter and Esc belong to the sheet, which ends itself; a page never ends.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  friend class CPropertySheet;
  static INT_PTR CALLBACK StaticPageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static UINT CALLBACK PageCallback(HWND hwnd, UINT message, PROPSHEETPAGEA* page);

  std::string m_caption;
  CPropertySheet* m_sheet = nullptr;
};
