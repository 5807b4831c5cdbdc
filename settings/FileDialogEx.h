// The system's file-open (or save) dialog, centred over its owner.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

class CFileDialogEx {
 public:
  // filter is in the "name|pattern|...||" form; defaultExt, fileName and
  // filter may be null.
  CFileDialogEx(bool openFileDialog, const char* defaultExt, const char* fileName, DWORD flags,
                const char* filter, HWND owner);
  CFileDialogEx(const CFileDialogEx&) = delete;
  CFileDialogEx& operator=(const CFileDialogEx&) = delete;

  void SetTitle(const char* title) { m_title = title ? title : ""; }
  void SetInitialDir(const char* folder) { m_initialDir = folder ? folder : ""; }

  // IDOK with a file chosen, IDCANCEL otherwise (also when the dialog failed).
  INT_PTR DoModal();
  std::string GetPathName() const { return m_file.data(); }

  // The filter with its '|' separators (never the second byte of a
  // double-byte character) turned into the NULs the system expects.
  static std::vector<char> MakeFilter(const char* filter);

 private:
  static UINT_PTR CALLBACK HookProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam);

  bool m_open;
  std::string m_defaultExt;
  std::string m_title;
  std::string m_initialDir;
  std::vector<char> m_filter;
  std::vector<char> m_file;
  DWORD m_flags;
  HWND m_owner;
};
