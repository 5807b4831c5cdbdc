// The shell's folder dialog.
#pragma once

#include <windows.h>

#include <string>

class CFolderBrowser {
 public:
  // root (may be null or empty) limits the dialog to that folder and below.
  CFolderBrowser(HWND owner, std::string title, const char* root = nullptr)
      : m_owner(owner), m_title(std::move(title)), m_root(root ? root : "") {}

  // True when a folder with a file-system path was chosen (GetPath then holds it).
  bool Run();
  const std::string& GetPath() const { return m_path; }

 private:
  HWND m_owner;
  std::string m_title;
  std::string m_root;
  std::string m_path;
};
