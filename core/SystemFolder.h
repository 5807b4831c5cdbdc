// System folders given by number ("&#n" commands) and the item identifier lists behind them.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <utility>

// Highest special-folder number a command may name.
constexpr int kMaxSystemFolder = 48;
// Special folders searched when a parsed path is matched back to a number.
constexpr int kLastMatchedSystemFolder = 34;

// Frees an item identifier list with the shell's allocator (none is fine).
void FreeItemList(LPITEMIDLIST list);

// Owns one item identifier list; freed with the shell's allocator.
class CItemList {
 public:
  CItemList() = default;
  explicit CItemList(LPITEMIDLIST list) : m_list(list) {}
  CItemList(const CItemList&) = delete;
  CItemList& operator=(const CItemList&) = delete;
  CItemList(CItemList&& other) noexcept : m_list(std::exchange(other.m_list, nullptr)) {}
  CItemList& operator=(CItemList&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_list, nullptr));
    return *this;
  }
  ~CItemList() { Reset(); }

  void Reset(LPITEMIDLIST list = nullptr) {
    if (m_list && m_list != list) FreeItemList(m_list);
    m_list = list;
  }
  LPITEMIDLIST Get() const { return m_list; }
  LPITEMIDLIST Release() { return std::exchange(m_list, nullptr); }
  explicit operator bool() const { return m_list != nullptr; }

 private:
  LPITEMIDLIST m_list = nullptr;
};

// The special folder's location, or none when the number is outside 0..48 or the shell has no
// such folder. The caller frees the list.
LPITEMIDLIST GetSystemFolderList(int number);

// The first special folder 0..34 whose location equals the list, or -1.
int GetSystemFolderNumber(LPCITEMIDLIST list);

// The file-system path of the list; empty when it has none.
std::string GetItemListPath(LPCITEMIDLIST list);

// Has the desktop folder parse the path (a trailing '\' is added) as a display name. None when
// the path cannot be parsed or is too long for the shell.
LPITEMIDLIST ParseFolderPath(const char* path);

// "&#n" text of a system folder number.
std::string FormatSystemFolderCommand(int number);
