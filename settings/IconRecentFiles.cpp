#include "settings/IconRecentFiles.h"

#include <algorithm>

#include "core/FileName.h"
#include "core/MbString.h"
#include "core/SettingsFile.h"
#include "plumage_res.h"

namespace {
const char kSection[] = "IconLocation";
const size_t kMenuTextLength = 30;
const char kEllipsis[] = "...";

bool SameFile(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The longest prefix of text of at most length bytes that ends on a whole character.
std::string CutAtCharacter(const std::string& text, size_t length) {
  size_t end = 0;
  while (end < text.size()) {
    size_t next = end + MbCharLength(text, end);
    if (next > length) break;
    end = next;
  }
  return text.substr(0, end);
}

// Menus take '&' for a mnemonic; a file name's own must show.
std::string EscapeMnemonics(const std::string& text) {
  std::string escaped;
  for (size_t i = 0; i < text.size();) {
    size_t length = MbCharLength(text, i);
    if (length == 1 && text[i] == '&') escaped += '&';
    escaped.append(text, i, length);
    i += length;
  }
  return escaped;
}
}  // namespace

bool IsUsableFileName(const std::string& text) {
  if (text.empty() || text.size() >= MAX_PATH) return false;
  for (size_t i = 0; i < text.size();) {
    if (::IsDBCSLeadByte(static_cast<BYTE>(text[i])) && MbCharLength(text, i) == 1) return false;
    i += MbCharLength(text, i);
  }
  return true;
}

void CIconRecentFiles::Load(const CSettingsFile& settings) {
  m_files.clear();
  for (size_t i = 1; i <= kMaxFiles; ++i) {
    std::string key = "File" + std::to_string(i);
    std::string file = settings.ReadString(kSection, key.c_str(), "");
    if (!IsUsableFileName(file)) continue;
    bool known = std::any_of(m_files.begin(), m_files.end(),
                             [&](const std::string& f) { return SameFile(f, file); });
    if (!known) m_files.push_back(file);
  }
}

bool CIconRecentFiles::Save(const CSettingsFile& settings) const {
  std::vector<std::string> lines;
  for (size_t i = 0; i < m_files.size(); ++i)
    lines.push_back("File" + std::to_string(i + 1) + "=" + m_files[i]);
  return settings.WriteSection(kSection, lines);
}

void CIconRecentFiles::Add(const std::string& file) {
  if (!IsUsableFileName(file)) return;
  Remove(file);
  m_files.insert(m_files.begin(), file);
  if (m_files.size() > kMaxFiles) m_files.resize(kMaxFiles);
}

void CIconRecentFiles::Remove(const std::string& file) {
  m_files.erase(std::remove_if(m_files.begin(), m_files.end(),
                               [&](const std::string& f) { return SameFile(f, file); }),
                m_files.end());
}

std::string AbbreviatePath(const std::string& path, size_t maxLength) {
  if (path.size() <= maxLength) return path;
  const size_t ellipsis = sizeof kEllipsis - 1;
  if (maxLength <= ellipsis) return CutAtCharacter(path, maxLength);

  // The root: "C:\" or "\\server\share\", kept whole when it leaves room.
  std::string root;
  size_t rest = 0;
  if (path.size() > 2 && path[1] == ':') {
    rest = path.size() > 2 && (path[2] == '\\' || path[2] == '/') ? 3 : 2;
  } else if (path.compare(0, 2, "\\\\") == 0) {
    size_t server = MbFind(path, '\\', 2);
    size_t share = server == std::string::npos ? server : MbFind(path, '\\', server + 1);
    rest = share == std::string::npos ? 0 : share + 1;
  }
  root = path.substr(0, rest);

  // The tail: the last parts, separator included, that fit after root and "...".
  size_t name = FindLastPathSeparator(path);
  name = name == std::string::npos ? 0 : name + 1;
  if (name >= rest && root.size() + ellipsis + (path.size() - name) + 1 <= maxLength) {
    size_t tail = name - 1;  // the separator before the name
    for (;;) {
      std::string head = path.substr(0, tail);
      size_t before = FindLastPathSeparator(head);
      if (before == std::string::npos || before < rest) break;
      if (root.size() + ellipsis + (path.size() - before) > maxLength) break;
      tail = before;
    }
    return root + kEllipsis + path.substr(tail);
  }
  // Not even the name fits: its beginning and "...".
  std::string file = path.substr(name);
  if (file.size() > maxLength) return CutAtCharacter(file, maxLength - ellipsis) + kEllipsis;
  return file;
}

HMENU BuildRecentFilesMenu(const CIconRecentFiles& recent) {
  HMENU menu = ::CreatePopupMenu();
  if (!menu) return nullptr;
  UINT id = IDMI_RECENT_FIRST;
  for (const std::string& file : recent.Files()) {
    if (file.empty()) continue;
    std::string text = EscapeMnemonics(AbbreviatePath(file, kMenuTextLength));
    ::AppendMenuA(menu, MF_STRING, id++, text.c_str());
  }
  if (id != IDMI_RECENT_FIRST) ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu, MF_STRING, IDMI_BROWSE, "参照...");
  return menu;
}
