// The button sheet's second page ("動作"): turns a button into an action
// button on a tab and sets what a file dropped on it does.
#pragma once

#include "framework/PropertyPage.h"

class CBtnSheetHost;

class CBtnAddPage : public CPropertyPage {
 public:
  explicit CBtnAddPage(CBtnSheetHost& host);

  // Set when this page has just written a new action shortcut; the shortcut
  // page then reloads from the sheet's command.
  bool HasCreatedShortcut() const { return m_created; }

 private:
  CBtnSheetHost& m_host;
  bool m_created = false;
};
