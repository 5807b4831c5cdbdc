// Buttons travel through the clipboard as a file list (CF_HDROP): a 20-byte header whose first
// word is the offset of the names, then each name with its zero and a final zero.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Longest path taken from a file list, in bytes without the terminating zero; longer names are
// refused whole rather than cut into a path the user never chose.
constexpr size_t kMaxListedPath = MAX_PATH - 1;

// The block for paths: header (offset 20, 8-bit names), each path and its zero, a final zero.
std::vector<char> BuildFileListBlock(const std::vector<std::string>& paths);

// The paths of a file list block of size bytes, each trimmed of white space on both sides.
// Never reads past the block: a name cut off by the block's end, a name longer than
// kMaxListedPath and a name that is empty after trimming are left out. UTF-16 names are
// converted to the system code page; a name that does not convert is left out.
std::vector<std::string> ParseFileListBlock(const void* block, size_t size);

// Whether the clipboard holds a file list.
bool ClipboardHasFileList();
// Empties the clipboard and puts the paths on it as a file list; false when that failed.
bool PutFileListOnClipboard(HWND owner, const std::vector<std::string>& paths);
// The paths of the clipboard's file list (empty when there is none).
std::vector<std::string> ReadFileListFromClipboard(HWND owner);
