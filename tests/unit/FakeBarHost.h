// A frame for the bar's windows in tests: the option defaults, no bar to move, and the shell
// reader the test gives it.
#pragma once

#include "bar/BarHost.h"
#include "bar/BarLook.h"

class FakeBarHost : public CBarHost {
 public:
  HWND GetFrameWindow() override { return nullptr; }
  void ReadLook(BarLook& look) override { look = BarLook::Current(nullptr); }
  void BeginHoldToMove(HWND) override {}
  CShellInfoReader* GetShellInfoReader() override { return reader; }
  void PauseAutoHide() override {}
  void ResumeAutoHide() override {}

  CShellInfoReader* reader = nullptr;
};
