#include "core/ClipboardFileList.h"

#include <shlobj.h>

#include <cstring>

namespace {

const size_t kHeaderSize = 20;  // sizeof(DROPFILES) on every platform

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Trim(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

void Take(std::vector<std::string>& paths, const std::string& name) {
  if (name.size() > kMaxListedPath) return;
  std::string path = Trim(name);
  if (!path.empty()) paths.push_back(path);
}

// Closes the clipboard however the caller leaves.
class ClipboardLock {
 public:
  explicit ClipboardLock(HWND owner) : m_open(::OpenClipboard(owner) != FALSE) {}
  ~ClipboardLock() {
    if (m_open) ::CloseClipboard();
  }
  ClipboardLock(const ClipboardLock&) = delete;
  ClipboardLock& operator=(const ClipboardLock&) = delete;
  bool IsOpen() const { return m_open; }

 private:
  bool m_open;
};

}  // namespace

std::vector<char> BuildFileListBlock(const std::vector<std::string>& paths) {
  size_t size = kHeaderSize + 1;
  for (const auto& path : paths) size += path.size() + 1;
  std::vector<char> block(size, '\0');
  DWORD offset = kHeaderSize;
  std::memcpy(block.data(), &offset, sizeof offset);
  size_t at = kHeaderSize;
  for (const auto& path : paths) {
    std::memcpy(block.data() + at, path.data(), path.size());
    at += path.size() + 1;
  }
  return block;
}

std::vector<std::string> ParseFileListBlock(const void* block, size_t size) {
  std::vector<std::string> paths;
  if (!block || size < kHeaderSize) return paths;
  const auto* bytes = static_cast<const unsigned char*>(block);
  DROPFILES header;
  std::memcpy(&header, bytes, sizeof header);
  size_t at = header.pFiles;
  if (at < kHeaderSize || at >= size) return paths;
  if (!header.fWide) {
    while (at < size && bytes[at] != 0) {
      const void* end = std::memchr(bytes + at, 0, size - at);
      if (!end) break;  // cut off by the end of the block
      size_t length = static_cast<const unsigned char*>(end) - (bytes + at);
      Take(paths, std::string(reinterpret_cast<const char*>(bytes + at), length));
      at += length + 1;
    }
    return paths;
  }
  // UTF-16 names, as the shell puts them; read two bytes at a time without assuming alignment.
  for (;;) {
    std::wstring name;
    bool terminated = false;
    while (at + 1 < size) {
      wchar_t c = static_cast<wchar_t>(bytes[at] | (bytes[at + 1] << 8));
      at += 2;
      if (c == 0) {
        terminated = true;
        break;
      }
      name += c;
    }
    if (!terminated || name.empty()) break;
    int length = ::WideCharToMultiByte(CP_ACP, 0, name.data(), static_cast<int>(name.size()),
                                       nullptr, 0, nullptr, nullptr);
    BOOL lossy = FALSE;
    std::string text(length > 0 ? length : 0, '\0');
    if (length > 0 &&
        ::WideCharToMultiByte(CP_ACP, 0, name.data(), static_cast<int>(name.size()), &text[0],
                              length, nullptr, &lossy) == length &&
        !lossy) {
      Take(paths, text);
    }
  }
  return paths;
}

bool ClipboardHasFileList() { return ::IsClipboardFormatAvailable(CF_HDROP) != FALSE; }

bool PutFileListOnClipboard(HWND owner, const std::vector<std::string>& paths) {
  std::vector<char> block = BuildFileListBlock(paths);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, block.size());
  if (!memory) return false;
  void* data = ::GlobalLock(memory);
  if (!data) {
    ::GlobalFree(memory);
    return false;
  }
  std::memcpy(data, block.data(), block.size());
  ::GlobalUnlock(memory);
  ClipboardLock clipboard(owner);
  if (!clipboard.IsOpen() || !::EmptyClipboard() || !::SetClipboardData(CF_HDROP, memory)) {
    ::GlobalFree(memory);  // the clipboard did not take it
    return false;
  }
  return true;
}

std::vector<std::string> ReadFileListFromClipboard(HWND owner) {
  ClipboardLock clipboard(owner);
  if (!clipboard.IsOpen()) return {};
  HANDLE memory = ::GetClipboardData(CF_HDROP);
  if (!memory) return {};
  size_t size = ::GlobalSize(memory);
  const void* data = ::GlobalLock(memory);
  if (!data) return {};
  std::vector<std::string> paths = ParseFileListBlock(data, size);
  ::GlobalUnlock(memory);
  return paths;
}
