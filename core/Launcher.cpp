#include "core/Launcher.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "core/FileName.h"
#include "core/LauncherCommands.h"
#include "core/ProgramFolder.h"
#include "core/ShellLink.h"
#include "core/SystemFolder.h"
#include "core/TargetInfo.h"
#include "framework/WinApp.h"
#include "res/core_res.h"

namespace {

// The folder number after "&#", or -1 when the text holds none.
int ParseFolderNumber(const std::string& command) {
  const char* digits = command.c_str() + 2;
  char* end = nullptr;
  long number = std::strtol(digits, &end, 10);
  if (end == digits || number < 0 || number > kMaxSystemFolder) return -1;
  return static_cast<int>(number);
}

}  // namespace

CLauncher::CLauncher(CTabDataList& model, CLauncherHost& host, CPlumageLibrary& plumage)
    : m_model(model), m_host(host), m_plumage(plumage) {}

bool CLauncher::RunCommand(const std::string& command, const char* parameters) {
  CommandKind kind = ClassifyCommand(command);
  if (kind == CommandKind::kSystemFolder) {
    // Through the folder's identifier list, so that folders without a path open too.
    int number = ParseFolderNumber(command);
    CItemList list(number >= 0 ? GetSystemFolderList(number) : nullptr);
    if (list) {
      std::string path = GetItemListPath(list.Get());
      SHELLEXECUTEINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = SEE_MASK_IDLIST | SEE_MASK_INVOKEIDLIST;
      info.hwnd = ::GetDesktopWindow();
      info.nShow = SW_SHOWNORMAL;
      info.lpIDList = list.Get();
      info.lpFile = path.empty() ? nullptr : path.c_str();
      return ::ShellExecuteExA(&info) != FALSE;
    }
  } else if (kind == CommandKind::kBlank || kind == CommandKind::kSeparator) {
    return false;  // nothing to start
  }
  // A number that names no folder is a path like any other, which may be a shortcut.
  if (::lstrcmpiA(SplitPath(command).extension.c_str(), ".lnk") == 0 &&
      RunActionShortcut(command) == ActionResult::kHandled) {
    return true;
  }
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.hwnd = m_host.GetViewWindow();
  info.nShow = SW_SHOWNORMAL;
  info.lpFile = command.c_str();
  info.lpParameters = parameters;
  return ::ShellExecuteExA(&info) != FALSE;
}

CLauncher::ActionResult CLauncher::RunActionShortcut(const std::string& command) {
  CTargetInfo info(command.c_str());
  if (!info.IsLink()) return ActionResult::kNotHandled;
  ShortcutFields fields;
  if (!ReadShortcut(m_host.GetViewWindow(), command.c_str(), fields) ||
      !IsSetupTool(fields.target.c_str())) {
    return ActionResult::kNotHandled;
  }
  std::string name;
  TabAction action = MatchActionArguments(fields.arguments, name);
  if (action == TabAction::kNone) return ActionResult::kNotHandled;

  int visible = m_model.FindTab(name.c_str());
  int hidden = -1;
  if (visible < 0 && m_model.GetHiddenList())
    hidden = m_model.GetHiddenList()->FindTab(name.c_str());
  if (visible < 0 && hidden < 0) {
    std::string text = FormatResString(IDS_TAB_NOT_FOUND, name.c_str());
    m_host.ShowMessage(text.c_str(), MB_OK | MB_ICONINFORMATION);
    return ActionResult::kHandled;
  }
  switch (action) {
    case TabAction::kSwitch: {
      int index = visible >= 0 ? visible : m_model.GetCount() + hidden;
      m_host.PostToView(WM_COMMAND, kShowTabCommand + index, 0);
      break;
    }
    case TabAction::kStartAll:
      if (m_working > 0 && !m_tabsRun.empty()) {
        // Inside a run: the named tab runs as part of this request.
        if (CTabData* tab = ChooseTab(visible, hidden)) RunTabButtons(*tab);
        break;
      }
      m_host.PostToView(WM_RUN_TAB, static_cast<WPARAM>(visible), static_cast<LPARAM>(hidden));
      m_actionPosted = true;
      break;
    case TabAction::kMenu:
      m_host.PostToView(WM_TAB_MENU, static_cast<WPARAM>(visible), static_cast<LPARAM>(hidden));
      m_actionPosted = true;
      break;
    case TabAction::kNone:
      break;
  }
  return ActionResult::kHandled;
}

void CLauncher::LaunchButton(const std::string& command) {
  if (ClassifyCommand(command) == CommandKind::kBlank) return;
  m_actionPosted = false;
  if (!RunCommand(command)) return;
  m_host.AddRecentlyUsed(command);
  if (m_actionPosted) {
    m_afterLaunchOwed = true;
  } else {
    AfterLaunch();
  }
}

void CLauncher::EndWork() {
  if (--m_working > 0) return;
  if (m_exitPending) {
    m_exitPending = false;
    ::PostMessageA(m_host.GetFrameWindow(), WM_COMMAND, kAppExitCommand, 0);
  }
}

void CLauncher::AfterLaunch() {
  DWORD style = m_host.GetStyleWord();
  HWND frame = m_host.GetFrameWindow();
  if (style & style::kHideAfterLaunch) {
    ::SendMessageA(frame, WM_COMMAND, kHideBarCommand, 0);
  } else if (style & style::kExitAfterLaunch) {
    if (m_working > 0) {
      m_exitPending = true;
    } else {
      ::PostMessageA(frame, WM_COMMAND, kAppExitCommand, 0);
    }
  } else if (style & style::kBottomAfterLaunch) {
    // The started program comes up over the bar; the frame's timer brings the bar back.
    m_host.PauseAutoHide();
    ::SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SetTimer(frame, kDropToBottomTimer, kDropToBottomMs, nullptr);
  }
}

CTabData* CLauncher::ChooseTab(int visibleIndex, int hiddenIndex) const {
  if (visibleIndex >= 0) return m_model.GetTab(visibleIndex);
  CTabDataList* hidden = m_model.GetHiddenList();
  return hidden && hiddenIndex >= 0 ? hidden->GetTab(hiddenIndex) : nullptr;
}

void CLauncher::RunTab(int visibleIndex, int hiddenIndex) {
  m_afterLaunchOwed = false;  // the run applies it once at its end in any case
  CTabData* tab = ChooseTab(visibleIndex, hiddenIndex);
  if (!tab) return;
  // The tabs this request runs; a run that starts inside another (from a message box's loop)
  // is a request of its own.
  std::vector<const CTabData*> outer;
  outer.swap(m_tabsRun);
  BeginWork();
  RunTabButtons(*tab);
  m_tabsRun.swap(outer);
  EndWork();
  AfterLaunch();
}

void CLauncher::RunTabButtons(CTabData& tab) {
  if (std::find(m_tabsRun.begin(), m_tabsRun.end(), &tab) != m_tabsRun.end()) return;
  m_tabsRun.push_back(&tab);
  // Copied first: a message box of one start may let the view change the tabs.
  std::vector<std::string> commands;
  for (const auto& button : tab.m_buttons) {
    if (button->IsButton()) commands.push_back(button->m_command);
  }
  for (const auto& command : commands) RunCommand(command);
}

void CLauncher::TabMenu(int visibleIndex, int hiddenIndex) {
  // A click on the menu's action button leaves its after-launch action to the end of the menu.
  bool owed = std::exchange(m_afterLaunchOwed, false);
  BeginWork();
  ShowTabMenu(visibleIndex, hiddenIndex);
  EndWork();
  if (owed) AfterLaunch();
}

void CLauncher::ShowTabMenu(int visibleIndex, int hiddenIndex) {
  CTabData* tab = ChooseTab(visibleIndex, hiddenIndex);
  if (!tab) return;
  // The menu shows copies, so that nothing the menu loop lets happen can pull them away.
  std::vector<CBtnData> cells;
  for (const auto& button : tab->m_buttons) {
    if (!button->IsBlank()) cells.push_back(*button);
  }
  std::vector<ButtonMenuItem> items;
  std::vector<std::string> commands;
  for (const auto& cell : cells) {
    if (cell.IsSeparator()) {
      items.push_back({0, nullptr});
    } else {
      items.push_back({kButtonMenuFirstId + static_cast<UINT>(commands.size()), &cell});
      commands.push_back(cell.m_command);
    }
  }
  if (commands.empty()) return;
  m_host.PauseAutoHide();
  UINT chosen = m_host.TrackButtonMenu(items);
  m_host.ResumeAutoHide();
  if (chosen >= kButtonMenuFirstId && chosen - kButtonMenuFirstId < commands.size()) {
    RunCommand(commands[chosen - kButtonMenuFirstId]);
  }
}
