// The button sheet's page for a shortcut file: the shortcut's own fields,
// written back on OK as far as they changed, and the ways to choose another
// target or to copy the shortcut into the work folder.
#pragma once

#include <windows.h>

#include <string>

#include "core/ShellLink.h"
#include "framework/GdiObject.h"
#include "framework/PropertyPage.h"
#include "settings/BtnPageParts.h"
#include "settings/ColorSampleButton.h"
#include "settings/IconButton.h"

class CBtnPropSheet;

class CBtnSCPage : public CPropertyPage {
 public:
  explicit CBtnSCPage(CBtnPropSheet& sheet);

  // Shows the shortcut at path.
  void Load(const std::string& path);
  // What a chooser's OK does: path becomes the command; a shortcut refills
  // this page, anything else moves the sheet to the file page (clearing the
  // flags).
  void TakeChosenPath(const std::string& path);
  // The icon written with the other changes on OK.
  void SetNewIcon(const std::string& file, int index);

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
  void EnableFields(bool shortcut, bool targetFields);
  void ChooseTargetFrom(TargetSource source);
  void ChooseSystemFolderTarget();
  void ChooseIntoField(int field);
  void ChangeIcon();
  void CopyIntoWorkFolder();
  bool WriteChanges(std::string& path);

  CBtnPropSheet& m_sheet;
  CIconButton m_icon;
  CColorSampleButton m_color;
  CControlTips m_tips;
  CBitmap m_bitmaps[6];  // one per picture: the three browse buttons share one
  bool m_exists = false;
  // As loaded, to write back only what changed.
  ShortcutFields m_loaded;
  std::string m_loadedName;
  std::string m_shownTarget;  // the target field as loaded (a system folder's name for none)
  std::string m_newIconFile;
  int m_newIconIndex = 0;
};
