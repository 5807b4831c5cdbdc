// The setup dialog: shows the three steps while they run one after another on timers.
#pragma once

#include <windows.h>

#include "framework/Dialog.h"
#include "setup/SetupContext.h"

// Exit code of a setup that had to stop (a folder or the start of Kestrel.exe failed).
constexpr int kSetupFailed = 1;

// Runs the steps on timers, one after another, and ends after the last one
// (0) or at the first that fails (kSetupFailed). OK or Cancel end it at once.
class CSetupDialog : public CDialog {
 public:
  explicit CSetupDialog(SetupContext& context);

 protected:
  BOOL OnInitDialog() override;
  void OnTimer(UINT_PTR id) override;
  void OnOK() override { Close(); }
  void OnCancel() override { Close(); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Close();

  SetupContext& m_context;
};

// Runs the dialog to its end; returns 0, or kSetupFailed.
int RunSetupDialog(SetupContext& context);
