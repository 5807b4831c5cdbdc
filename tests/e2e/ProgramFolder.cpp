#include "ProgramFolder.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "WindowFinder.h"

namespace e2e {
namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((folder + "*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + "\\");
      } else {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
      }
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
  }
  ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

ProgramFolder::ProgramFolder(const std::string& nameSuffix) {
  char temp[MAX_PATH];
  DWORD length = ::GetTempPathA(sizeof temp, temp);
  if (length == 0 || length >= sizeof temp) return;
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = std::string(temp) + "kestrel-e2e-" +
                            std::to_string(::GetCurrentProcessId()) + "-" +
                            std::to_string(++counter) + nameSuffix;
    if (::CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate + "\\";
      return;
    }
  }
}

ProgramFolder::~ProgramFolder() {
  if (!path_.empty()) RemoveTree(path_);
}

std::string ProgramFolder::BinFolder() {
  if (const char* dir = std::getenv("KESTREL_BIN_DIR")) {
    std::string folder = dir;
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
  }
  char self[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(nullptr, self, sizeof self);
  if (length == 0 || length >= sizeof self) return std::string();
  std::string folder(self, length);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

bool ProgramFolder::AddBinary(const std::string& builtName, const std::string& name) {
  return Created() &&
         ::CopyFileA((BinFolder() + builtName).c_str(), PathOf(name).c_str(), FALSE) != FALSE;
}

bool ProgramFolder::Exists(const std::string& name) const {
  return ::GetFileAttributesA(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ProgramFolder::WriteFileBytes(const std::string& name, const std::string& bytes) const {
  std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string ProgramFolder::ReadFileBytes(const std::string& name) const {
  std::ifstream in(PathOf(name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ProgramFolder::WaitForFileBytes(const std::string& name, DWORD timeoutMs) const {
  std::string bytes;
  WaitUntil([&] { return !(bytes = ReadFileBytes(name)).empty(); }, timeoutMs);
  return bytes;
}

std::string ProgramFolder::IniValue(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
  std::vector<char> buffer(4096);
  for (;;) {
    DWORD length =
        ::GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                   static_cast<DWORD>(buffer.size()), IniPath().c_str());
    if (length + 1 < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);  // the reader truncates silently: grow until it fits
  }
}

AppProcess ProgramFolder::Start(const std::string& name, const std::string& args) const {
  return AppProcess(PathOf(name), args, path_);
}

std::string ProgramFolder::IniSection(const std::string& name) const {
  return SectionBytes(ReadIni(), name);
}

std::string SectionBytes(const std::string& fileBytes, const std::string& name) {
  const std::string header = "[" + name + "]";
  size_t lineStart = 0;
  size_t begin = std::string::npos;
  while (lineStart < fileBytes.size()) {
    size_t lineEnd = fileBytes.find('\n', lineStart);
    size_t next = lineEnd == std::string::npos ? fileBytes.size() : lineEnd + 1;
    bool isHeader = fileBytes.compare(lineStart, 1, "[") == 0;
    if (begin != std::string::npos && isHeader) return fileBytes.substr(begin, lineStart - begin);
    if (begin == std::string::npos && isHeader &&
        fileBytes.compare(lineStart, header.size(), header) == 0)
      begin = lineStart;
    lineStart = next;
  }
  return begin == std::string::npos ? std::string() : fileBytes.substr(begin);
}

}  // namespace e2e
