#include "settings/FolderBrowser.h"

#include <shlobj.h>

#include "core/SystemFolder.h"

bool CFolderBrowser::Run() {
  m_path.clear();
  CItemList root(m_root.empty() ? nullptr : ParseFolderPath(m_root.c_str()));
  char displayName[MAX_PATH] = "";
  BROWSEINFOA info{};
  info.hwndOwner = m_owner;
  info.pidlRoot = root.Get();
  info.pszDisplayName = displayName;
  info.lpszTitle = m_title.c_str();
  CItemList chosen(::SHBrowseForFolderA(&info));
  if (!chosen) return false;
  m_path = GetItemListPath(chosen.Get());
  return !m_path.empty();
}
