// Starts what buttons denote, runs a tab's buttons or offers them as a menu, takes files dropped
// on or pasted into the current tab, copies buttons to the clipboard, and runs the settings
// library's dialogs for a button, the tab order, the bar background and the visibility of tabs.
// The view drives it through CLauncherHost.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/BarMessages.h"
#include "core/LauncherHost.h"
#include "core/StyleWord.h"
#include "core/TabDataList.h"
#include "core/TabListSnapshot.h"

class CPlumageLibrary;
class CTabData;

// WM_COMMAND identifier of "show tab n" (visible tabs first, then hidden ones).
const UINT kShowTabCommand = 20000;
// First identifier of a tab's button menu.
const UINT kButtonMenuFirstId = 1000;
// Frame commands and timer of the after-launch actions.
const UINT kHideBarCommand = 32806;
const UINT kAppExitCommand = 57665;
const UINT_PTR kDropToBottomTimer = 198;
const UINT kDropToBottomMs = 3000;
// Reason code shown when a dropped file cannot be handed to a button.
const int kOpenWithFailedReason = 99;

class CLauncher {
 public:
  CLauncher(CTabDataList& model, CLauncherHost& host, CPlumageLibrary& plumage);
  CLauncher(const CLauncher&) = delete;
  CLauncher& operator=(const CLauncher&) = delete;

  // Starts command (a system folder, an action shortcut, or anything the shell opens) with
  // parameters (none for a click). The shell reports its own failures.
  bool RunCommand(const std::string& command, const char* parameters = nullptr);
  // A click on a cell or on a recently used item.
  void LaunchButton(const std::string& command);
  // WM_APP+8: runs every button of the tab (visible index, or hidden index when that is < 0).
  void RunTab(int visibleIndex, int hiddenIndex);
  // WM_APP+9: offers the tab's buttons as an icon menu and runs the chosen one.
  void TabMenu(int visibleIndex, int hiddenIndex);

  // Files dropped on the current tab at cell (-1: on empty space).
  void DropFiles(const std::vector<std::string>& paths, int cell);
  void DropFiles(const std::string& lineFeedSeparated, int cell);
  // Inserts the clipboard's file list at the current cell, as a drop that never opens a file.
  void PasteFiles();
  // The current cell's command, or every non-blank cell of the current tab, to the clipboard.
  bool CopyButton();
  bool CopyAllButtons();
  // A separator before the current cell, or at the end when there is none.
  void NewSeparator();

  // The settings library's dialogs; each does nothing when its preconditions fail, the library
  // cannot be bound or the dialog is cancelled.
  void ButtonProperties();
  void TabOrder();
  // The options dialog, owned by owner and opened at page: style and snapshot (an exchange
  // block of the option cache) go in and, on OK, come back changed. False when the dialog was
  // cancelled or could not be shown.
  bool OptionDialog(HWND owner, DWORD* style, std::vector<char>& snapshot, int page);
  void BarBackground();
  void ShowHideTabs();
  // WM_TABLIST from the settings library while one of its dialogs is open.
  LRESULT AnswerTabList(WPARAM wParam, LPARAM lParam) {
    return m_snapshots.Answer(m_model, wParam, lParam);
  }

  // Hands one dropped file to the button's program, or copies or moves it into the button's
  // folder. Exposed for the view's drop handling and for tests.
  void OpenDroppedFile(const CBtnData& button, const std::string& dropped);
  // Copies or moves dropped into the folder target denotes, after asking; false when target is
  // no folder with a file-system path.
  bool CopyOrMoveIntoFolder(const std::string& target, const std::string& dropped);

 private:
  enum class ActionResult { kNotHandled, kHandled };
  ActionResult RunActionShortcut(const std::string& command);
  // The after-launch action of the style word. Exiting waits until no run of a tab and no
  // button menu is under way: the frame must not go while they still work on its windows.
  void AfterLaunch();
  // Runs every button of tab, following start-all actions into tabs this request has not run
  // yet; a tab that starts itself, directly or through others, runs once.
  void RunTabButtons(CTabData& tab);
  // Brackets a run of a tab or a button menu; the outermost end posts a pending exit.
  void BeginWork() { ++m_working; }
  void ShowTabMenu(int visibleIndex, int hiddenIndex);
  void EndWork();
  CTabData* ChooseTab(int visibleIndex, int hiddenIndex) const;
  bool IsCurrentTab(const CTabData* tab) const;
  // Inserts paths at cell of tab as a drop does (the open-with case excepted).
  void InsertPaths(CTabData& tab, const std::vector<std::string>& paths, int cell);
  void ShowCannotOpen(const std::string& dropped, const std::string& command);
  // Binds entry; false when the library did not load or lacks the entry (a cancelled dialog).
  bool BindEntry(const char* entry);
  void EndDialog();

  CTabDataList& m_model;
  CLauncherHost& m_host;
  CPlumageLibrary& m_plumage;
  CTabListSnapshots m_snapshots;
  int m_working = 0;
  bool m_exitPending = false;
  // A click on a start-all or menu action: the after-launch action is the run's or the menu's
  // to apply once it is done.
  bool m_actionPosted = false;
  bool m_afterLaunchOwed = false;
  // The tabs run by the current request.
  std::vector<const CTabData*> m_tabsRun;
};
