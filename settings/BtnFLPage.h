// The button sheet's page for a program, file, folder or system folder: what
// the command denotes, and the ways to choose another target or to turn this
// one into a shortcut of its own (a name or an icon of its own).
#pragma once

#include <windows.h>

#include <string>

#include "framework/GdiObject.h"
#include "framework/PropertyPage.h"
#include "settings/BtnPageParts.h"
#include "settings/ColorSampleButton.h"
#include "settings/IconButton.h"

class CBtnPropSheet;
class CTargetInfo;

class CBtnFLPage : public CPropertyPage {
 public:
  explicit CBtnFLPage(CBtnPropSheet& sheet);

  // What a chooser's OK does: path becomes the command; a shortcut moves the
  // sheet to the shortcut page (clearing the flags), anything else refills.
  void TakeChosenPath(const std::string& path);
  // Shows what command denotes.
  void Fill(const std::string& command);

 protected:
  BOOL OnInitDialog() override;
  void OnDestroy() override;
  BOOL OnSetActive() override;
  BOOL OnKillActive() override { return TRUE; }
  BOOL OnApply() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  BOOL OnUpdateCommand(CCmdUI& ui) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Clear();
  void ChooseTargetFrom(TargetSource source);
  void ChooseSystemFolderTarget();
  void ChangeIcon();
  void CreateShortcut();
  // Creates WrkPath + the name field + ".lnk" for target (with the icon when
  // given); path is the new shortcut. False after the user was told why.
  bool MakeShortcut(const CTargetInfo& target, const char* iconFile, int iconIndex,
                    std::string& path);
  void UseShortcut(const std::string& path);

  CBtnPropSheet& m_sheet;
  CIconButton m_icon;
  CColorSampleButton m_color;
  CControlTips m_tips;
  CBitmap m_bitmaps[5];
  std::string m_displayName;
  bool m_nameEditable = false;
  bool m_canLink = false;  // the create-shortcut button's rule
};
