// A temporary program folder: the built binaries, a prepared Kestrel.ini, and what the
// programs leave there.
#pragma once

#include <string>

#include "AppProcess.h"

namespace e2e {

class ProgramFolder {
 public:
  // Creates an empty folder under the temporary folder, its name ending with nameSuffix
  // (spaces, Japanese characters).
  explicit ProgramFolder(const std::string& nameSuffix = "");
  // Removes the folder with everything in it.
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  // The folder of the built binaries: the driver's own folder, or KESTREL_BIN_DIR when set.
  static std::string BinFolder();

  bool Created() const { return !path_.empty(); }
  // The folder, ending with a backslash.
  const std::string& Path() const { return path_; }
  std::string PathOf(const std::string& name) const { return path_ + name; }

  // Copies a built binary (relative to BinFolder) into the folder under name.
  bool AddBinary(const std::string& builtName, const std::string& name);
  bool AddKestrel() { return AddBinary("Kestrel.exe", "Kestrel.exe"); }
  // The real settings library, under the name the bar loads.
  bool AddPlumage() { return AddBinary("Plumage.dll", "Plumage.DLL"); }
  // The stand-in setup tool that only records that it ran.
  bool AddFakeHatchling() { return AddBinary("e2e\\Hatchling.exe", "Hatchling.exe"); }

  bool Exists(const std::string& name) const;
  bool WriteFileBytes(const std::string& name, const std::string& bytes) const;
  // The file's bytes; empty when it is missing.
  std::string ReadFileBytes(const std::string& name) const;
  // The bytes of a file another process writes, once it can be read and holds any; empty when
  // that does not happen in time. Just after a rename the writer may still hold the file.
  std::string WaitForFileBytes(const std::string& name, DWORD timeoutMs) const;

  std::string IniPath() const { return PathOf("Kestrel.ini"); }
  bool WriteIni(const std::string& bytes) const { return WriteFileBytes("Kestrel.ini", bytes); }
  std::string ReadIni() const { return ReadFileBytes("Kestrel.ini"); }
  // The raw text of a section of Kestrel.ini (see SectionBytes).
  std::string IniSection(const std::string& name) const;
  // A value as the program reads it (GetPrivateProfileString).
  std::string IniValue(const std::string& section, const std::string& key,
                       const std::string& fallback = "") const;

  // Starts a program of the folder (default Kestrel.exe) with the folder as current folder.
  AppProcess Start(const std::string& name = "Kestrel.exe", const std::string& args = "") const;

 private:
  std::string path_;
};

// The raw text of section [name] in an INI file's bytes: from its header line up to the next
// header (or the end), or empty when the section is missing.
std::string SectionBytes(const std::string& fileBytes, const std::string& name);

}  // namespace e2e
