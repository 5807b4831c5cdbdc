#pragma once

#include <string>
#include <utility>
#include <vector>

// One settings file, read and written through the system's private-profile functions. Nothing
// here truncates: strings and sections are read through buffers that grow until the whole text
// fits. Every program that touches Kestrel.ini goes through this object.
class CSettingsFile {
 public:
  CSettingsFile() = default;
  explicit CSettingsFile(std::string path) : m_path(std::move(path)) {}

  const std::string& GetPath() const { return m_path; }
  // A new file gets its own backup on its first write.
  void SetPath(std::string path) {
    m_path = std::move(path);
    m_backedUp = false;
  }

  // The lines ("key=value") of a section, in file order; empty when the section is missing.
  std::vector<std::string> ReadSection(const char* section) const;
  // The names of every section in the file, in file order.
  std::vector<std::string> ReadSectionNames() const;
  // Replaces the whole section with lines (each "key=value", no line breaks). An empty list
  // leaves the section empty. False when the file was not written.
  bool WriteSection(const char* section, const std::vector<std::string>& lines) const;
  // Adds sections the file does not hold yet, each with its lines, in one write at the end of
  // the file: thousands of them would take a whole-file rewrite each through WriteSection.
  // False when the file was not written.
  using NewSection = std::pair<std::string, std::vector<std::string>>;
  bool AppendSections(const std::vector<NewSection>& sections) const;

  // A decimal integer; defaultValue when the key is absent or not a number. Values up to
  // 4294967295 are accepted and wrap, so unsigned colour values written as "%u" read back
  // unchanged.
  int ReadInt(const char* section, const char* key, int defaultValue) const;
  // The whole string, however long; defaultValue when the key is absent.
  std::string ReadString(const char* section, const char* key, const char* defaultValue) const;

  // False when the file was not written. Line breaks in value become spaces so that a value
  // can never inject keys or sections into the file.
  bool WriteString(const char* section, const char* key, const char* value) const;
  bool WriteInt(const char* section, const char* key, int value) const;

  // With backups on, the first write through this object copies the file as it was to
  // "<file>.bak", replacing the backup of an earlier run: a user who lost settings finds the
  // previous run's file beside the current one. Off unless the program asks for it.
  void EnableBackup() { m_backupEnabled = true; }
  // Makes that copy now unless it was made already (for writers outside this object, such as
  // the settings library, that change the file first).
  void BackUpOnce() const;
  std::string GetBackupPath() const { return m_path + ".bak"; }

 private:
  std::vector<std::string> ReadStringList(const char* section) const;
  const char* Path() const { return m_path.empty() ? nullptr : m_path.c_str(); }

  std::string m_path;
  bool m_backupEnabled = false;
  mutable bool m_backedUp = false;
};

// Reads a decimal integer the way the settings file stores it: optional blanks and sign, then
// digits; anything after the digits is ignored. False when there are no digits or the number
// does not fit 32 bits (signed or unsigned).
bool ParseProfileInt(const char* text, int* value);
