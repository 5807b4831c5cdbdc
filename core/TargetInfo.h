// What a button's command denotes: a system folder or a path, with the shell's description.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

class CTargetInfo {
 public:
  explicit CTargetInfo(const char* command);
  virtual ~CTargetInfo() = default;

  bool IsSystemFolder() const { return m_folderNumber >= 0; }
  bool IsLink() const { return (m_fileInfo.dwAttributes & 0x10000) != 0; }
  bool IsFolder() const { return (m_fileInfo.dwAttributes & 0x20000000) != 0; }
  bool CanLink() const { return (m_fileInfo.dwAttributes & 0x4) != 0; }

  // System folder number 0..48, or -1 when the command is not a system folder.
  int m_folderNumber = -1;
  // The command; "&#n" for a system folder.
  std::string m_command;
  // Icon handle (not asked for, so none), system image-list index (-1 unknown), attributes,
  // display name and type name.
  SHFILEINFOA m_fileInfo;
};
