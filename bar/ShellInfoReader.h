#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bar/BtnItem.h"
#include "core/BarMessages.h"


// Reads what the shell says of button targets on a thread of its own. The
// shell's first look-up opens the system image lists, and every look-up may
// touch disks, shortcuts and servers: done here, the bar shows at once and a
// slow or unreachable target never freezes it. A panel asks for its cells,
// goes on painting and fills them in as the answers come.
class CShellInfoReader {
 public:
  struct Job {
    HWND panel;
    uint32_t serial;  // the asking item's number, echoed in the answer
    std::string command;
    uint32_t flags;
  };
  struct Answer {
    uint32_t serial;
    ButtonShellInfo info;
  };

  CShellInfoReader();
  // Tells the thread to stop and waits a moment for it; a thread stuck in a
  // look-up is left to the end of the process.
  ~CShellInfoReader();
  CShellInfoReader(const CShellInfoReader&) = delete;
  CShellInfoReader& operator=(const CShellInfoReader&) = delete;

  // Starts the thread; false when it cannot be made (callers then read in
  // their own thread). A paused reader takes questions but asks the shell
  // nothing until Go (or a second has passed): at start-up its work would
  // only hold up the bar's first picture.
  bool Start(bool paused = false);
  void Go();
  // Queues the jobs ahead of older ones: the panel asking last is the one
  // being shown.
  void Ask(std::vector<Job> jobs);
  // The answers waiting for panel, in the order they were read.
  std::vector<Answer> TakeAnswers(HWND panel);
  // Drops the jobs and answers of a panel that goes away.
  void Forget(HWND panel);
  // The system image lists once the thread has opened them; none before.
  HIMAGELIST GetImageList(bool large) const;

 private:
  struct Shared;
  static DWORD WINAPI ThreadMain(void* parameter);
  std::shared_ptr<Shared> m_shared;
  HANDLE m_thread = nullptr;
};
