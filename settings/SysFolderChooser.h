// The system-folder chooser: the special folders the shell knows on this
// system, by number, with a description of each.
#pragma once

#include <windows.h>

#include "settings/AnchorDialog.h"

class CSysFolderChooser : public CAnchorDialog {
 public:
  explicit CSysFolderChooser(HWND parent);
  ~CSysFolderChooser() override;

  // The chosen folder number after OK, -1 before.
  int GetNumber() const { return m_number; }

  // Whether the chooser offers folder number (some numbers name no folder of their own).
  static bool IsOffered(int number);
  // The description string of an offered folder number, 0 for others.
  static UINT DescriptionId(int number);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  LRESULT OnNotify(const NMHDR& header) override;
  BOOL OnUpdateCommand(CCmdUI& ui) override;
  void OnDestroy() override;

 private:
  void AddColumns(HWND list);
  void FillList(HWND list);
  void ShowFolder(int number);
  int SelectedNumber() const;

  int m_number = -1;
  HICON m_largeIcon = nullptr;
};
