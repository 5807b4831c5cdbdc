#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "core/Globals.h"

// A throw-away program folder with its own Kestrel.ini. While it lives, the
// program's settings file is that file.
class TempProgramFolder {
 public:
  explicit TempProgramFolder(const std::string& iniText = std::string()) {
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
      char name[64];
      wsprintfA(name, "kestrel-test-%lu-%u\\", ::GetCurrentProcessId(), ++counter);
      m_folder = std::string(base) + name;
      if (::CreateDirectoryA(m_folder.c_str(), nullptr)) break;
    }
    m_previousProfile = g_settingsFile.GetPath();
    g_settingsFile.SetPath(IniPath());
    if (!iniText.empty()) WriteIni(iniText);
  }
  ~TempProgramFolder() {
    g_settingsFile.SetPath(m_previousProfile);
    RemoveTree(m_folder);
  }
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  const std::string& Folder() const { return m_folder; }
  std::string IniPath() const { return m_folder + "Kestrel.ini"; }

  // Replaces the settings file with text, byte for byte (CRLF line ends added
  // where the text has bare LFs).
  void WriteIni(const std::string& text) const {
    std::string crlf;
    for (char c : text) {
      if (c == '\n' && (crlf.empty() || crlf.back() != '\r')) crlf += '\r';
      crlf += c;
    }
    WriteRaw(crlf);
  }
  void WriteRaw(const std::string& bytes) const {
    std::ofstream out(IniPath(), std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::string ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool IniExists() const { return ::GetFileAttributesA(IniPath().c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::string Get(const char* section, const char* key, const char* fallback = "\x01") const {
    return g_settingsFile.ReadString(section, key, fallback);
  }

 private:
  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(path + "\\");
        } else {
          ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
          ::DeleteFileA(path.c_str());
        }
      } while (::FindNextFileA(find, &data));
      ::FindClose(find);
    }
    ::RemoveDirectoryA(folder.c_str());
  }

  std::string m_folder;
  std::string m_previousProfile;
};
