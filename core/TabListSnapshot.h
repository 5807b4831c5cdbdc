// The tab lists the settings library asks for while one of its dialogs is open (WM_TABLIST):
// flat blocks built from the model, handed out by address and freed when the library gives the
// address back.
//
// Block layout: a sequence of entries, each the tab's name, a zero, its 32-bit number and the
// address of its command list (pointer-sized: both modules of one build share it), ended by an
// empty name. The visible-and-hidden kind holds the visible sequence followed by the hidden one
// and one more zero. A command list is each cell's command with its zero, in grid order, ended
// by an empty string; it is a block of its own.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "core/TabDataList.h"

enum class TabListKind { kVisible = 0, kVisibleAndHidden = 1, kHidden = 2 };

class CTabListSnapshots {
 public:
  CTabListSnapshots() = default;
  CTabListSnapshots(const CTabListSnapshots&) = delete;
  CTabListSnapshots& operator=(const CTabListSnapshots&) = delete;

  // The answer to WM_TABLIST: wParam 0 builds the snapshot of kind lParam and returns its
  // address (0 for the hidden kind without hidden tabs, and for an unknown kind); wParam 1 frees
  // the snapshot at lParam and returns non-zero, or 0 when lParam is no snapshot handed out here
  // (a foreign or repeated message frees nothing).
  LRESULT Answer(const CTabDataList& model, WPARAM wParam, LPARAM lParam);

  // Builds a snapshot and keeps it until Free; null for the hidden kind without hidden tabs.
  const char* Build(const CTabDataList& model, TabListKind kind);
  bool Free(const void* address);
  size_t GetOutstandingCount() const { return m_blocks.size(); }

 private:
  struct Snapshot {
    std::vector<char> block;
    std::vector<std::unique_ptr<std::vector<char>>> commandLists;
  };
  static void AppendSequence(Snapshot& snapshot, const CTabDataList* list);

  std::map<const void*, std::unique_ptr<Snapshot>> m_blocks;
};
