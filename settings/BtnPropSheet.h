// The button property sheet: the first page shows what the button's command
// denotes (a shortcut, or any other file, folder or system folder), the
// second is always the action page. Choosing another kind of target swaps the
// first page while the sheet runs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/TargetInfo.h"
#include "framework/PropertySheet.h"
#include "settings/BtnAddPage.h"
#include "settings/BtnFLPage.h"
#include "settings/BtnSCPage.h"
#include "settings/BtnSheetHost.h"
#include "settings/DialogContext.h"

class CSettingsFile;

class CBtnPropSheet : public CPropertySheet, public CBtnSheetHost {
 public:
  // Takes the button's command ("*" becomes empty), flags and colours from
  // context; programFolder ends in a backslash.
  CBtnPropSheet(HWND parent, DialogContext& context, const CSettingsFile& settings,
                std::string programFolder);

  // CBtnSheetHost
  std::string& Command() override { return m_command; }
  uint32_t& Flags() override { return m_flags; }
  const DialogContext& Context() const override { return m_context; }
  const std::string& ProgramFolder() const override { return m_programFolder; }
  bool CheckWorkFolder(HWND owner, std::string& folder) override;
  bool IsShortcutPageFirst() const override;
  std::string GetShortcutField(int controlId) const override;
  void SetShortcutField(int controlId, const std::string& text) override;
  void SetShortcutNewIcon(const std::string& file, int index) override;

  DialogContext& MutableContext() { return m_context; }
  const CSettingsFile& Settings() const { return m_settings; }
  uint32_t& TextColor() { return m_textColor; }
  uint32_t& BkColor() { return m_bkColor; }
  const CBtnAddPage& ActionPage() const { return m_addPage; }
  CBtnFLPage& FilePage() { return m_flPage; }
  CBtnSCPage& ShortcutPage() { return m_scPage; }

  // Makes the shortcut page (or the file page) the first page and shows it:
  // the action page goes, the new first page comes, the action page follows.
  // The old first page goes once the new one is shown.
  void ShowShortcutPage() { SwapFirstPage(&m_scPage); }
  void ShowFilePage() { SwapFirstPage(&m_flPage); }
  // From a first page that has become active: the other first page goes as
  // soon as the activation is over.
  void DropOtherFirstPage(CPropertyPage* kept);
  // From a first page's activation: swap to the other kind once it is over.
  void SwapLater(bool toShortcut);

  // The button record from text's target, the flags and colours, into the
  // caller's record buffer. False (after telling the user) when it does not fit.
  bool WriteResult(const std::string& text);
  // Sets the style word's bit that tells the caller the record is new.
  void SetChanged();

  // What path denotes. The first page's first filling takes what the sheet
  // learnt of the starting command: the shell is not asked twice over.
  CTargetInfo DescribeTarget(const std::string& path);

  // Called by each first page when its window is made: the sheet's own window
  // then exists and gets its looks once.
  void PageCreated();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SwapFirstPage(CPropertyPage* first);

  DialogContext& m_context;
  const CSettingsFile& m_settings;
  std::string m_programFolder;
  std::string m_command;
  uint32_t m_flags;
  uint32_t m_textColor;
  uint32_t m_bkColor;
  std::string m_startCommand;
  std::optional<CTargetInfo> m_startTarget;
  CBtnSCPage m_scPage;
  CBtnFLPage m_flPage;
  CBtnAddPage m_addPage;
  CPropertyPage* m_keptFirst = nullptr;
  bool m_decorated = false;
};
