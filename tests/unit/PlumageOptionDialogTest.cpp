// The real Plumage.dll, copied into a program folder of its own, called as
// Kestrel calls it: the options sheet opens and is closed with OK.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/BarOptions.h"
#include "core/Globals.h"
#include "core/PlumageLibrary.h"
#include "tests/unit/PlumageSheet.h"
#include "tests/unit/TempProgramFolder.h"

namespace {
void PutWord(std::vector<char>& block, uint32_t word) {
  const char* bytes = reinterpret_cast<const char*>(&word);
  block.insert(block.end(), bytes, bytes + 4);
}

// key, NUL, kind, changed, value (an address that means nothing here), [text, NUL]
void PutEntry(std::vector<char>& block, const char* key, uint32_t kind, uint32_t value,
              const char* text = nullptr) {
  block.insert(block.end(), key, key + std::strlen(key) + 1);
  PutWord(block, kind);
  PutWord(block, 0);
  PutWord(block, value);
  if (text) block.insert(block.end(), text, text + std::strlen(text) + 1);
}

}  // namespace

TEST(PlumageOptionDialog, OkHandsTheSnapshotBackWithinItsCapacityWhateverItHeld) {
  const size_t kGuard = 64;
  struct Case {
    const char* what;
    std::vector<char> entries;  // after the capacity word
    uint32_t capacity;          // 0: the entries' size + 200 * 78
  };
  std::vector<Case> cases(4);
  cases[0].what = "stale string address";
  PutEntry(cases[0].entries, "Emblem", 1, 0xDEADBEEF, "user");
  PutEntry(cases[0].entries, "RctNo", 2, 9);
  cases[0].entries.push_back('\0');
  cases[1].what = "capacity smaller than its entries";
  cases[1].entries = cases[0].entries;
  cases[1].capacity = 20;
  cases[2].what = "no terminator";
  PutEntry(cases[2].entries, "RctNo", 2, 9);
  cases[2].capacity = static_cast<uint32_t>(4 + cases[2].entries.size());
  cases[3].what = "unknown kind";
  PutEntry(cases[3].entries, "RctNo", 7, 9);
  cases[3].entries.push_back('\0');

  for (Case& c : cases) {
    TempProgramFolder folder("[Common]\nRctNo=4\n");
    ASSERT_TRUE(
        ::CopyFileA(BuiltPlumage().c_str(), (folder.Folder() + "Plumage.dll").c_str(), FALSE));
    uint32_t capacity =
        c.capacity ? c.capacity : static_cast<uint32_t>(4 + c.entries.size() + 200 * 78);
    std::vector<char> block;
    PutWord(block, capacity);
    block.insert(block.end(), c.entries.begin(), c.entries.end());
    block.resize(std::max<size_t>(block.size(), capacity), '\0');
    block.resize(block.size() + kGuard, '\x5A');
    const size_t end = std::max<size_t>(capacity, 4 + c.entries.size());

    // Loaded, called and freed twice: nothing of the first call may stay behind.
    for (int round = 0; round < 2; ++round) {
      HMODULE plumage = ::LoadLibraryA((folder.Folder() + "Plumage.dll").c_str());
      ASSERT_NE(plumage, nullptr) << c.what;
      auto dialog = reinterpret_cast<OptionDialogProc>(
          reinterpret_cast<void*>(::GetProcAddress(plumage, "OptionDialog")));
      ASSERT_NE(dialog, nullptr);
      DWORD style = 33500;
      {
        SheetPresser presser(PSBTN_OK);
        dialog(nullptr, &style, reinterpret_cast<BYTE*>(block.data()), 0);
      }
      EXPECT_EQ(style, 33500u) << c.what;
      ASSERT_TRUE(::FreeLibrary(plumage));
      EXPECT_EQ(::GetModuleHandleA("Plumage.dll"), nullptr);
    }
    for (size_t i = end; i < block.size(); ++i)
      ASSERT_EQ(block[i], '\x5A') << c.what << ": written past the capacity at " << i;
    if (&c == &cases.front()) {
      // Kestrel's side reads the block back: the string was found after its header.
      CBarOptions kestrel(g_settingsFile, "Common");
      EXPECT_TRUE(kestrel.ReadExchangeBlock(block.data(), capacity)) << c.what;
      EXPECT_EQ(kestrel.GetString("Emblem", ""), "user") << c.what;
      EXPECT_EQ(kestrel.GetInt("RctNo", 0), 9) << c.what;
    }
  }
}
