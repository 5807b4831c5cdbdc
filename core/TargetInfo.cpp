#include "core/TargetInfo.h"

#include <shlobj.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/SystemFolder.h"

namespace {
bool IsPlainFile(const std::string& path) {
  if (path.size() >= MAX_PATH) return false;
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

CTargetInfo::CTargetInfo(const char* command) : m_command(command ? command : "") {
  std::memset(&m_fileInfo, 0, sizeof m_fileInfo);
  m_fileInfo.iIcon = -1;

  CItemList folder;
  if (m_command.size() > 2 && m_command.compare(0, 2, "&#") == 0) {
    errno = 0;
    char* end = nullptr;
    long number = std::strtol(m_command.c_str() + 2, &end, 10);
    bool read = end != m_command.c_str() + 2 && errno == 0;
    if (read && number >= 0 && number <= kMaxSystemFolder) {
      folder.Reset(GetSystemFolderList(static_cast<int>(number)));
    }
    if (folder) {
      m_folderNumber = static_cast<int>(number);
      m_command = FormatSystemFolderCommand(m_folderNumber);
    }
  } else if (!m_command.empty() && !IsPlainFile(m_command)) {
    // A path that names a special folder becomes that folder's number. A file is never one, and
    // matching means asking the shell for every special folder: files skip it.
    CItemList parsed(ParseFolderPath(m_command.c_str()));
    if (parsed) {
      int number = GetSystemFolderNumber(parsed.Get());
      if (number >= 0) {
        folder.Reset(GetSystemFolderList(number));
        if (folder) {
          m_folderNumber = number;
          m_command = FormatSystemFolderCommand(number);
        }
      }
    }
  }

  const UINT flags = SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME | SHGFI_DISPLAYNAME;
  DWORD_PTR result = 0;
  if (folder) {
    result = SHGetFileInfoA(reinterpret_cast<LPCSTR>(folder.Get()), 0, &m_fileInfo,
                            sizeof m_fileInfo, flags | SHGFI_PIDL);
  } else if (!m_command.empty() && m_command.size() < MAX_PATH) {
    // Longer text is no path the shell could describe; it is not handed over at all.
    result = SHGetFileInfoA(m_command.c_str(), 0, &m_fileInfo, sizeof m_fileInfo, flags);
  }
  if (!result) {
    // A failed lookup may still have filled the record with whatever the shell had at hand (the
    // ANSI call copies back what a wide one left): nothing of it may read as attributes.
    std::memset(&m_fileInfo, 0, sizeof m_fileInfo);
    m_folderNumber = -1;
    m_fileInfo.iIcon = -1;
  }
}
