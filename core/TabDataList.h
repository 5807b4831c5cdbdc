#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/TabData.h"

class CProfileSection;

// The model of the bar: the visible tabs in tab-strip order, a second list of
// hidden tabs, the current tab's name and a modified flag. It loads itself
// from the settings file and writes itself back whole.
//
// Sections are read and written whole and never truncated: [Order] is read
// through a buffer that grows until every line fits, and section texts are
// built in strings of any length. A tab whose No exceeds kMaxBlankCells
// (damage, not settings) keeps every cell the file really holds and
// kMaxBlankCells cells in all at least, so nothing readable is lost.
class CTabDataList {
 public:
  using TabVector = std::vector<std::unique_ptr<CTabData>>;
  using TabRenames = std::vector<std::pair<std::string, std::string>>;

  static constexpr int kMaxBlankCells = 10000;

  CTabDataList() = default;
  CTabDataList(const CTabDataList&) = delete;
  CTabDataList& operator=(const CTabDataList&) = delete;

  // Builds the model from the settings file; always succeeds.
  void LoadAll();
  // When modified, writes [Order] and the section of every tab of both
  // lists whose text differs from what the file is known to hold (each
  // section write rewrites the whole file, so unchanged tabs are skipped).
  // False when a write failed; the model then stays modified so a later
  // save retries.
  bool SaveAll();
  // Appends the cells of the tab's section (No cells; NewBtnNum of [Common]
  // when No is absent).
  void LoadButtons(CTabData& tab) const;
  // Writes the tab as its whole [Tab<number>] section.
  bool SaveTabSection(CTabData& tab) const;
  // The lines of the tab's section: No, Desc, Color, TxtColor, Btn1...
  static std::vector<std::string> SectionLines(const CTabData& tab);

  int GetCount() const { return static_cast<int>(m_tabs.size()); }
  const TabVector& GetTabs() const { return m_tabs; }
  // The tab at index, or nullptr.
  CTabData* GetTab(int index) const;
  // Index of the first tab whose name equals name ignoring case, or -1.
  int FindTab(const char* name) const;
  CTabData* GetCurrentTab() const;
  const std::string& GetCurrentTabName() const { return m_currentTabName; }
  void SetCurrentTabName(const char* name);
  // 1 when index is within the list and its tab became current, else 0.
  int SelectTab(int index);

  // Appends tab; returns its index (-1 for none).
  int AddTab(std::unique_ptr<CTabData> tab);
  // A new tab with the next free number, named by string 129, placed before
  // index (appended when index is negative or not below the count), with an
  // empty section in the file and NewBtnNum blank cells. Returns its index.
  int NewTab(int index);
  // Without move: a copy of the tab at source (colours and cells; the name
  // is string 129 with the copy's new number) placed before destination.
  // With move: the tab at source itself moves to before destination, in one
  // step; no RemoveTab follows. Appends when destination is negative or not
  // below the count. Returns the index where the tab now is, or -1 when
  // source is not within the list.
  int CopyTab(int destination, int source, bool move);
  // Removes and frees the tab at index: 1, or 0 when index is out of range.
  int RemoveTab(int index);
  // Removes the tab at index and hands it to the caller (nullptr when out of
  // range).
  std::unique_ptr<CTabData> DetachTab(int index);
  // Renames the tab at index (a change of case alone is stored too); when
  // the name really changes, the action shortcuts and LastActiveTab follow.
  int RenameTab(int index, const char* name);
  // The largest number over visible and hidden tabs, 0 when there are none.
  uint32_t GetMaxTabNumber() const;

  // Inserts a blank cell (or a separator) before index, or appends it when
  // index is negative or not below the count. Returns its index.
  int InsertButton(CTabData& tab, int index, bool separator);
  // Frees the cell at index: 1, or 0 when index is out of range or it is the
  // tab's last cell.
  int DeleteButton(CTabData& tab, int index);
  // Re-reads the cell at index from a button record ("*" when text is null
  // or empty): 1, or 0 when index is out of range.
  int SetButton(CTabData& tab, int index, const char* text);

  // Takes over the visible list of the tab-order dialog: fresh tabs with
  // name and number (0 for a tab created in the dialog), in the new order.
  // Unknown and repeated numbers are skipped; when no tab is left, one new
  // tab takes their place. Returns the new count.
  // The renames of one dialog result, old name to new name. With renames given, they are
  // added there for the caller to apply together with those of another list; otherwise they
  // are applied before returning.
  int ApplyTabOrder(TabVector edited, TabRenames* renames = nullptr);
  // Takes over the hidden list of the show/hide dialog; visibleList is a deep
  // copy of the visible tabs taken before the dialog's visible list was
  // applied. An empty list destroys the hidden list. Returns the hidden
  // count.
  int ApplyHiddenTabs(TabVector edited, const TabVector& visibleList,
                      TabRenames* renames = nullptr);

  // Rewrites action shortcuts that switch to, start or show the tab oldName
  // to name newName, and LastActiveTab with them.
  void UpdateActionShortcuts(const char* oldName, const char* newName);
  // All renames of one dialog result in one pass, from the names as they were: each shortcut
  // and LastActiveTab is rewritten at most once, so that swapped or chained names land where
  // the user put them.
  void UpdateActionShortcuts(const TabRenames& renames);

  // Deep copies of the visible tabs.
  TabVector CloneTabs() const;
  // The hidden tabs, or nullptr when there is no hidden list.
  CTabDataList* GetHiddenList() const { return m_hidden.get(); }
  void DestroyHiddenList();

  bool IsModified() const;
  void SetModified() { m_modified = true; }

 private:
  CTabDataList& Root() { return m_owner != nullptr ? *m_owner : *this; }
  const CTabDataList& Root() const { return m_owner != nullptr ? *m_owner : *this; }
  // values: the tab's section read whole, none when the file has no such section.
  void LoadButtons(CTabData& tab, const CProfileSection* values) const;
  CTabDataList& EnsureHiddenList();
  void Clear();
  // max + 1, or the smallest free number once the numbers run out.
  uint32_t NextTabNumber() const;
  bool HasTabNumber(uint32_t number) const;
  std::unique_ptr<CTabData> CreateTab(uint32_t number) const;
  // A tab made in a tab dialog: a new number, the given name (string 129 when
  // empty), an emptied section and NewBtnNum blank cells.
  std::unique_ptr<CTabData> CreateDialogTab(uint32_t number, const std::string& name) const;
  static int InsertIndex(int index, int count);

  TabVector m_tabs;
  std::string m_currentTabName;
  bool m_modified = false;
  std::unique_ptr<CTabDataList> m_hidden;
  // Numbers of tabs listed in [Order] whose section the file does not hold: written, all in
  // one go, at the next save.
  std::set<uint32_t> m_missingSections;
  CTabDataList* m_owner = nullptr;  // the visible list, for a hidden list
};
