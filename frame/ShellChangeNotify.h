#pragma once

#include <windows.h>

// The frame's registration for the shell's icon and file-type change
// notifications. One global object; the registration ends with it.
class CShellChangeNotify {
 public:
  CShellChangeNotify() = default;
  ~CShellChangeNotify() { Unregister(); }
  CShellChangeNotify(const CShellChangeNotify&) = delete;
  CShellChangeNotify& operator=(const CShellChangeNotify&) = delete;

  // Asks the shell to post message to window when icons or associations change.
  bool Register(HWND window, UINT message);
  void Unregister();

 private:
  ULONG m_id = 0;
};

extern CShellChangeNotify g_shellChangeNotify;
