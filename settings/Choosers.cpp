#include "settings/Choosers.h"

#include <commctrl.h>

#include "framework/WinApp.h"
#include "settings/FileDialogEx.h"
#include "settings/FolderBrowser.h"
#include "settings/IconChooser.h"
#include "settings/SysFolderChooser.h"
#include "plumage_res.h"

bool ChooseIcon(HWND parent, const CSettingsFile& settings, std::string& file, int& index) {
  CIconChooser chooser(parent, settings);
  chooser.Preset(file, index);
  if (chooser.DoModal() != IDOK) return false;
  file = chooser.GetFile();
  index = chooser.GetIndex();
  return true;
}

int ChooseSystemFolder(HWND parent) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  CSysFolderChooser chooser(parent);
  return chooser.DoModal() == IDOK ? chooser.GetNumber() : -1;
}

bool ChooseFolder(HWND parent, const char* title, std::string& folder) {
  CFolderBrowser browser(parent, title ? title : LoadResString(IDS_FOLDER_BROWSE_TITLE));
  if (!browser.Run()) return false;
  folder = browser.GetPath();
  return true;
}

bool ChooseFile(HWND parent, const FileChoice& choice, std::string& path) {
  DWORD flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  if (!choice.dereferenceLinks) flags |= OFN_NODEREFERENCELINKS;
  CFileDialogEx dialog(true, nullptr, nullptr, flags, choice.filter, parent);
  dialog.SetTitle(choice.title);
  dialog.SetInitialDir(choice.initialDir);
  if (dialog.DoModal() != IDOK) return false;
  path = dialog.GetPathName();
  return true;
}
