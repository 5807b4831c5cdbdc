#include "bar/BtnItem.h"

#include <shellapi.h>
#include <shlobj.h>

#include <mutex>
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
  const char letter = static_cast<char>(path.empty() ? 0 : (path[0] | 0x20));
  if (path.size() < 2 || path[1] != ':' || letter < 'a' || letter > 'z') return false;
  // Asking for a drive's type is slow next to describing a file, and a bar
  // asks for the same few drives again and again: answers are kept for a
  // moment, so drives mapped or unmapped later are still noticed.
  struct Answer {
    UINT type;
    DWORD time;
    bool known;
  };
  static Answer answers[26] = {};
  // Panels read on the shell reader's thread and, for single cells, on the
  // window's own.
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  Answer& answer = answers[letter - 'a'];
  const DWORD now = ::GetTickCount();
  if (!answer.known || now - answer.time > 2000) {
    char root[4] = {path[0], ':', '\\', '\0'};
    answer = {::GetDriveTypeA(root), now, true};
  }
  return answer.type == DRIVE_REMOTE;
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
  m_pending = false;
  if (IsBlank() || IsSeparator()) {
    ApplyShellInfo(ButtonShellInfo{});
    return;
  }
  // A drive without its medium must not stop the bar with a system box.
  const UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  ApplyShellInfo(ReadButtonShellInfo(m_data->m_command, m_data->m_flags));
  ::SetErrorMode(oldMode);
}

void CBtnItem::ApplyShellInfo(ButtonShellInfo info) {
  m_icon = nullptr;
  m_imageIndex = -1;
  m_text.clear();
  if (IsBlank() || IsSeparator()) return;
  m_imageIndex = info.imageIndex;
  m_text = std::move(info.text);
  if (m_imageIndex < 0) {
    m_imageIndex = -1;
    m_icon = ::LoadIconA(nullptr, IDI_APPLICATION);
  }
}

ButtonShellInfo ReadButtonShellInfo(const std::string& command, uint32_t flags) {
  bool link = false;
  SHFILEINFOA info{};
  info.iIcon = -1;
  if (command.compare(0, 2, "&#") == 0) {
    // A system folder: the shell helpers know its item list.
    CTargetInfo target(command.c_str());
    info = target.m_fileInfo;
  } else if (command.size() < MAX_PATH) {
    // Longer text is no path the shell could describe.
    const bool remote = IsRemotePath(command);
    // A network target is described by its name and type only, so that an
    // unreachable server never stalls the reading.
    DWORD attributes = 0;
    UINT shellFlags = SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES;
    if (remote) {
      shellFlags = SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_DISPLAYNAME;
      attributes = MbFind(LastPathPart(command), '.') == std::string::npos
                       ? FILE_ATTRIBUTE_DIRECTORY
                       : FILE_ATTRIBUTE_NORMAL;
    }
    if (!::SHGetFileInfoA(command.c_str(), attributes, &info, sizeof info, shellFlags)) {
      info = SHFILEINFOA{};
      info.iIcon = -1;
    }
    link = !remote && (info.dwAttributes & SFGAO_LINK) != 0;
  }
  ButtonShellInfo result;
  result.imageIndex = info.iIcon < 0 ? -1 : info.iIcon;
  info.szDisplayName[sizeof info.szDisplayName - 1] = '\0';
  result.text = info.szDisplayName;
  if (result.text.empty() && command.compare(0, 2, "&#") != 0) result.text = LastPathPart(command);
  if (link && (flags & kBtnFlagLabelFromComment)) {
    std::string comment = ReadShortcutComment(command);
    if (!comment.empty()) result.text = comment;
  }
  return result;
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
