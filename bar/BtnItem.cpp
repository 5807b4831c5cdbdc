#include "bar/BtnItem.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "bar/CellGeometry.h"
#include "core/ComPtr.h"
#include "core/MbString.h"
#include "core/TargetInfo.h"

namespace {
// The last part of a path: the name shown when the shell cannot describe it.
std::string LastPathPart(const std::string& path) {
  std::string trimmed = path;
  while (!trimmed.empty() && MbEndsWith(trimmed, '\\')) trimmed.pop_back();
  size_t slash = MbFindLast(trimmed, '\\');
  return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::wstring Widen(const std::string& text) {
  int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}
}  // namespace

bool IsRemotePath(const std::string& path) {
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') return true;
  if (path.size() >= 2 && path[1] == ':' && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z')) {
    char root[4] = {path[0], ':', '\\', '\0'};
    return ::GetDriveTypeA(root) == DRIVE_REMOTE;
  }
  return false;
}

std::string ReadShortcutComment(const std::string& path) {
  CComPtr<IShellLinkA> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.PutVoid())))
    return std::string();
  CComPtr<IPersistFile> file;
  if (FAILED(link.QueryInto(IID_IPersistFile, file))) return std::string();
  if (FAILED(file->Load(Widen(path).c_str(), STGM_READ))) return std::string();
  // INFOTIPSIZE is the longest comment the shell stores.
  std::vector<char> comment(INFOTIPSIZE + 1, '\0');
  if (FAILED(link->GetDescription(comment.data(), INFOTIPSIZE))) return std::string();
  comment.back() = '\0';
  return comment.data();
}

void CBtnItem::ReadContent() {
  m_icon = nullptr;
  m_imageIndex = -1;
  m_text.clear();
  if (IsBlank() || IsSeparator()) return;

  const std::string& command = m_data->m_command;
  bool link = false;
  if (IsRemotePath(command)) {
    // Described by name and type only: no network access while the bar builds.
    SHFILEINFOA info{};
    DWORD attributes = MbFind(LastPathPart(command), '.') == std::string::npos
                           ? FILE_ATTRIBUTE_DIRECTORY
                           : FILE_ATTRIBUTE_NORMAL;
    if (command.size() < MAX_PATH &&
        ::SHGetFileInfoA(command.c_str(), attributes, &info, sizeof info,
                         SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME)) {
      m_imageIndex = info.iIcon;
      m_text = info.szDisplayName;
    }
  } else {
    CTargetInfo target(command.c_str());
    m_imageIndex = target.m_fileInfo.iIcon;
    m_text = target.m_fileInfo.szDisplayName;
    link = !target.IsSystemFolder() && target.IsLink();
  }
  if (m_imageIndex < 0) {
    m_imageIndex = -1;
    m_icon = ::LoadIconA(nullptr, IDI_APPLICATION);
  }
  if (m_text.empty() && command.compare(0, 2, "&#") != 0) m_text = LastPathPart(command);
  if (link && (m_data->m_flags & kBtnFlagLabelFromComment)) {
    std::string comment = ReadShortcutComment(command);
    if (!comment.empty()) m_text = comment;
  }
}

void CBtnItem::Measure(HDC dc, const ButtonCell& cell) {
  m_iconRect = cell.icon;
  m_textRect = cell.text;
  if (IsSeparator()) {
    m_overflow = false;
    return;
  }
  m_overflow = true;
  if (!cell.showText || !dc) return;
  SIZE size{0, 0};
  if (!m_text.empty() &&
      !::GetTextExtentPoint32A(dc, m_text.c_str(), static_cast<int>(m_text.size()), &size))
    return;
  m_overflow = size.cx > m_textRect.right - m_textRect.left;
}
