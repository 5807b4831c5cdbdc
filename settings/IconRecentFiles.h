// The icon chooser's recent icon files and how they are shown.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CSettingsFile;

// At most five icon files, newest first, kept in the settings file's
// [IconLocation] under File1, File2, ...
class CIconRecentFiles {
 public:
  static constexpr size_t kMaxFiles = 5;

  // Entries the chooser could not use (too long for a path, or text that is
  // not whole double-byte characters) are left out.
  void Load(const CSettingsFile& settings);
  // Replaces the section with the list; false when the file was not written.
  bool Save(const CSettingsFile& settings) const;

  // Puts file at the top; the same file (letter case aside) moves there.
  void Add(const std::string& file);
  void Remove(const std::string& file);
  const std::vector<std::string>& Files() const { return m_files; }

 private:
  std::vector<std::string> m_files;
};

// Whether text can be handed to the system as a file name: shorter than a
// path buffer, and every lead byte followed by its second byte.
bool IsUsableFileName(const std::string& text);

// The path shortened to maxLength bytes for display: the drive or share,
// "...", and as many of the last parts as fit ("C:\...\Icons\app.ico"); a
// name that alone is too long is cut at a whole character and ends in "...".
std::string AbbreviatePath(const std::string& path, size_t maxLength);

// The browse button's menu: one command per recent file (from
// IDMI_RECENT_FIRST on, texts abbreviated to 30 bytes), then "browse".
HMENU BuildRecentFilesMenu(const CIconRecentFiles& recent);
