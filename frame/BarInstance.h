#pragma once

#include <windows.h>

#include <string>

// One bar per program folder: two bars on one settings file would overwrite each other's
// changes. The first Kestrel started from a folder claims a named, shared slot derived from the
// folder and stores its frame window there; a later start from the same folder finds that
// window through the slot. Bars of different folders use different slots and run side by side.
class CBarInstance {
 public:
  CBarInstance() = default;
  ~CBarInstance() { Release(); }
  CBarInstance(const CBarInstance&) = delete;
  CBarInstance& operator=(const CBarInstance&) = delete;

  // True when this process is the first for programFolder (or the slot cannot be made at all,
  // so that a system without named objects still gets a bar).
  bool Claim(const std::string& programFolder);
  // The running bar's frame stored by the first process; waits up to timeoutMs for it while
  // that process is still starting. Null when none appeared.
  HWND WaitForRunningFrame(DWORD timeoutMs) const;
  // Called by the first process once its frame exists.
  void SetFrame(HWND frame);
  // Gives the slot up (before handing over to the setup tool, which starts a new bar).
  void Release();

  // The slot's name for a folder: case-folded, so "C:\Kestrel\" and "c:\kestrel\" are one.
  static std::string SlotName(const std::string& programFolder);

 private:
  HANDLE m_mapping = nullptr;
  volatile LONG* m_frame = nullptr;
};

// Brings the running bar forward as its show command does.
void ShowRunningBar(HWND frame);
