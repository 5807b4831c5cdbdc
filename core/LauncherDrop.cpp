// Files dropped on or pasted into the current tab, a dropped file handed to a button, and buttons
// copied to the clipboard.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "core/ClipboardFileList.h"
#include "core/FileName.h"
#include "core/FileType.h"
#include "core/Launcher.h"
#include "core/LauncherCommands.h"
#include "core/MbString.h"
#include "core/ShellLink.h"
#include "core/SystemFolder.h"
#include "core/TargetInfo.h"
#include "res/core_res.h"

void CLauncher::DropFiles(const std::string& lineFeedSeparated, int cell) {
  DropFiles(SplitDroppedPaths(lineFeedSeparated), cell);
}

void CLauncher::DropFiles(const std::vector<std::string>& paths, int cell) {
  CTabData* tab = m_model.GetCurrentTab();
  if (!tab || paths.empty()) return;
  if (cell >= tab->GetButtonCount()) cell = -1;
  m_host.SetCurrentCell(cell);
  const CBtnData* button = tab->GetButton(cell);
  if (button && paths.size() == 1 && button->IsButton() &&
      (button->m_flags & kBtnFlagOpenDropped) && !(button->m_flags & kBtnFlagAction)) {
    CBtnData copy = *button;  // opening may show boxes while the view changes the tab
    OpenDroppedFile(copy, paths.front());
    return;
  }
  InsertPaths(*tab, paths, cell);
}

void CLauncher::InsertPaths(CTabData& tab, const std::vector<std::string>& paths, int cell) {
  const CBtnData* button = tab.GetButton(cell);
  int keep = cell;
  if (!button) {
    // On empty space: appended in order.
    for (const auto& path : paths) {
      keep = m_model.InsertButton(tab, -1, false);
      m_model.SetButton(tab, keep, path.c_str());
    }
    m_host.SetCurrentCell(keep);
  } else {
    // A blank takes the last path, so the paths stand in order from the drop cell on; a button
    // or a separator moves behind them.
    size_t inserted = button->IsBlank() ? paths.size() - 1 : paths.size();
    if (inserted < paths.size()) m_model.SetButton(tab, cell, paths.back().c_str());
    for (size_t i = 0; i < inserted; ++i) {
      int index = m_model.InsertButton(tab, cell + static_cast<int>(i), false);
      m_model.SetButton(tab, index, paths[i].c_str());
    }
  }
  m_host.RelayoutPanel(keep);
}

void CLauncher::PasteFiles() {
  CTabData* tab = m_model.GetCurrentTab();
  if (!tab) return;
  std::vector<std::string> paths = ReadFileListFromClipboard(m_host.GetViewWindow());
  if (paths.empty()) return;
  int cell = m_host.GetCurrentCell();
  if (cell >= tab->GetButtonCount()) cell = -1;
  InsertPaths(*tab, paths, cell);
}

bool CLauncher::CopyButton() {
  CTabData* tab = m_model.GetCurrentTab();
  const CBtnData* button = tab ? tab->GetButton(m_host.GetCurrentCell()) : nullptr;
  if (!button || button->IsBlank()) return false;
  return PutFileListOnClipboard(m_host.GetViewWindow(), {button->m_command});
}

bool CLauncher::CopyAllButtons() {
  CTabData* tab = m_model.GetCurrentTab();
  if (!tab) return false;
  // Separators travel as "/", so pasting the list back restores them.
  std::vector<std::string> commands;
  for (const auto& button : tab->m_buttons) {
    if (!button->IsBlank()) commands.push_back(button->m_command);
  }
  return PutFileListOnClipboard(m_host.GetViewWindow(), commands);
}

void CLauncher::NewSeparator() {
  CTabData* tab = m_model.GetCurrentTab();
  if (!tab) return;
  int cell = m_host.GetCurrentCell();
  if (cell >= tab->GetButtonCount()) cell = -1;
  int index = m_model.InsertButton(*tab, cell, true);
  m_host.RelayoutPanel(index);
}

void CLauncher::ShowCannotOpen(const std::string& dropped, const std::string& command) {
  std::string text = FormatResString(IDS_CANNOT_OPEN_DROPPED, dropped.c_str(), command.c_str(),
                                     kOpenWithFailedReason);
  m_host.ShowMessage(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void CLauncher::OpenDroppedFile(const CBtnData& button, const std::string& dropped) {
  std::string target = button.m_command;
  if (CTargetInfo(target.c_str()).IsLink()) {
    ShortcutFields fields;
    if (!ReadShortcut(m_host.GetViewWindow(), target.c_str(), fields) || fields.target.empty()) {
      ShowCannotOpen(dropped, button.m_command);
      return;
    }
    target = fields.target;
  }
  std::string extension = SplitPath(target).extension;
  FileAssociation association;
  bool registered = extension.size() > 1 && LookupFileType(extension.c_str() + 1, association) &&
                    !association.openCommand.empty();
  OpenWithCommand open = BuildOpenWithCommand(registered ? association.openCommand : target,
                                              registered, target, dropped);
  switch (open.kind) {
    case OpenWithKind::kRun:
      RunCommand(open.program, open.parameter.c_str());
      return;
    case OpenWithKind::kNoProgram:
      if (CopyOrMoveIntoFolder(target, dropped)) return;
      break;
    case OpenWithKind::kCannotFormat:
      break;
  }
  ShowCannotOpen(dropped, button.m_command);
}

bool CLauncher::CopyOrMoveIntoFolder(const std::string& target, const std::string& dropped) {
  CTargetInfo info(target.c_str());
  std::string folder;
  if (info.IsSystemFolder()) {
    CItemList list(GetSystemFolderList(info.m_folderNumber));
    if (!list || !info.IsFolder()) return false;
    folder = GetItemListPath(list.Get());
  } else if (info.IsFolder()) {
    folder = target;
  }
  if (folder.empty()) return false;

  PathParts parts = SplitPath(dropped);
  std::string displayName = CTargetInfo(dropped.c_str()).m_fileInfo.szDisplayName;
  if (displayName.empty()) displayName = parts.name + parts.extension;
  std::string text = FormatResString(IDS_COPY_OR_MOVE, displayName.c_str(), folder.c_str());
  int answer = m_host.ShowMessage(text.c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer != IDYES && answer != IDNO) return true;

  std::string destination = folder;
  if (!MbEndsWith(destination, '\\')) destination += '\\';
  destination += parts.name + parts.extension;
  // Both lists end with two zeros.
  std::string from = dropped + '\0';
  std::string to = destination + '\0';
  SHFILEOPSTRUCTA operation{};
  operation.hwnd = m_host.GetFrameWindow();
  operation.wFunc = answer == IDYES ? FO_COPY : FO_MOVE;
  operation.pFrom = from.c_str();
  operation.pTo = to.c_str();
  operation.fFlags = FOF_ALLOWUNDO;
  ::SHFileOperationA(&operation);
  return true;
}
