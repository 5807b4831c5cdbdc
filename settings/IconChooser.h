// The icon chooser: a file's icons in a list, the file typed, browsed for or
// taken from the recent icon files.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Dialog.h"
#include "framework/SubclassWnd.h"
#include "settings/IconRecentFiles.h"

class CSettingsFile;

class CIconChooser : public CDialog {
 public:
  // Reads the recent icon files from settings, which must outlive the chooser.
  CIconChooser(HWND parent, const CSettingsFile& settings);

  // Starts on file and index when the file holds more than index icons;
  // otherwise the system's SHELL32.dll and its first icon stay.
  void Preset(const std::string& file, int index);
  const std::string& GetFile() const { return m_file; }
  int GetIndex() const { return m_index; }

  // A settings-file name as the system can open it: "SystemRoot" at its start
  // stands for the Windows folder, and the name is made absolute.
  static std::string ExpandFileName(const std::string& file);
  // The number of icons the file holds (0 when none or not a file).
  static int CountIcons(const std::string& file);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  BOOL OnCommand(UINT id, UINT code, HWND control) override;
  void OnDestroy() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Pressing the browse button with the mouse drops its menu down instead.
  class CBrowseButton : public CSubclassWnd {
   public:
    explicit CBrowseButton(CIconChooser& chooser) : m_chooser(chooser) {}

   protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    CIconChooser& m_chooser;
  };

  void Fill();
  void DestroyIcons();
  void Browse();
  void DropRecentMenu();
  void DrawIconItem(const DRAWITEMSTRUCT& item) const;
  void Tell(UINT stringId, const std::string& file) const;
  HWND Icons() const { return GetDlgItem(3752); }

  const CSettingsFile& m_settings;
  CIconRecentFiles m_recent;
  std::string m_file;
  int m_index = 0;
  CBrowseButton m_browse{*this};
  HBITMAP m_browseBitmap = nullptr;
};
