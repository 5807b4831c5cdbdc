// What the tab-order and show/hide dialogs share: the tab lists asked of the
// bar, the toolbar over the lists, the icon strip under them, and the result
// written on OK.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "settings/AnchorDialog.h"
#include "settings/DialogContext.h"
#include "settings/EditDragList.h"
#include "settings/TabIconStrip.h"

// One tab of a list the bar handed out: its name, number and command list.
struct TabListEntry {
  std::string name;
  uint32_t number = 0;
  const char* commands = nullptr;
};
// Reads one sequence of a tab list block (entries up to an empty name); returns where the
// sequence's end mark lies past, so that a following sequence can be read from there.
const char* ReadTabList(const char* block, std::vector<TabListEntry>* entries);

// A dialog's result: per tab its name, a zero and its 32-bit number, ended by an empty name.
// False, with nothing written, when the list does not fit size bytes.
bool WriteTabListResult(const std::vector<TabListEntry>& tabs, char* out, size_t size);
// The names of the tabs of starts (in their order) that none of lists holds any more.
std::vector<std::string> DeletedTabs(const std::vector<TabListEntry>& starts,
                                     const std::vector<const std::vector<TabListEntry>*>& lists);
// The question asked before OK deletes tabs: the text of the resource and one line per tab.
std::string DeleteQuestion(const std::vector<std::string>& names);

class CTabListDlg : public CAnchorDialog {
 public:
  CTabListDlg(UINT templateId, HWND parent, DialogContext& context)
      : CAnchorDialog(templateId, parent), m_context(context) {}
  ~CTabListDlg() override;

 protected:
  // A tab list of the bar (WM_TABLIST kind 0, 1 or 2), kept until given back; null when the
  // bar has none.
  const char* RequestTabList(int kind);
  void GiveBack(const char* block);

  // Puts the toolbar over the controls (the dialog grows by its height); commands lists the
  // buttons in order, 0 for a separator.
  void CreateToolbar(UINT bitmapId, const std::vector<UINT>& commands);
  // The anchors of OK, Cancel, the strip and lists, and the growth in height only.
  void FinishLayout(const std::vector<int>& lists, int strip);
  // Fills list from entries, recording each in starts by number.
  static void FillList(CEditDragList& list, const std::vector<TabListEntry>& entries,
                       std::map<uint32_t, TabListEntry>* starts);
  // Selects the item whose name is the current tab's, exactly.
  void SelectCurrentTab(CEditDragList& list) const;
  // The tabs of a list as they stand.
  static std::vector<TabListEntry> ItemsOf(const CEditDragList& list);
  // Shows the commands of tab number from starts (a tab made here shows none).
  void ShowIcons(uint32_t number, const std::map<uint32_t, TabListEntry>& starts);

  // The dialog's lists, in the order of the caller's result buffers.
  virtual std::vector<CEditDragList*> Lists() = 0;
  // Ends the edit running in any list, keeping its text.
  void EndEdits();
  // The lists as they stand go to the caller's buffers, after the question about the tabs
  // that none of them holds any more; without the bar's tabs OK acts as Cancel (an empty
  // result would delete them all).
  void OnOK() override;

  // The toolbar commands both dialogs share (new, rename, delete, up, down) on list; false
  // for any other command.
  static bool RunListCommand(CEditDragList& list, UINT id);

  // The state of one toolbar command.
  virtual bool IsCommandEnabled(UINT id) const = 0;
  void UpdateToolbar() const;

  LRESULT OnNotify(const NMHDR& header) override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  DialogContext& m_context;
  CTabIconStrip m_strip;
  uint32_t m_shownNumber = UINT32_MAX;
  bool m_haveTabs = false;                 // the bar answered with its visible tabs
  std::vector<TabListEntry> m_startOrder;  // every tab the dialog started with

 private:
  HWND m_toolbar = nullptr;
  HIMAGELIST m_images = nullptr;
  std::vector<UINT> m_commands;
  std::vector<const char*> m_lent;
};
