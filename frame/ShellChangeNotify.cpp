#include "frame/ShellChangeNotify.h"

#include <shlobj.h>

CShellChangeNotify g_shellChangeNotify;

bool CShellChangeNotify::Register(HWND window, UINT message) {
  Unregister();
  SHChangeNotifyEntry entry{};
  entry.pidl = nullptr;
  entry.fRecursive = FALSE;
  // All sources; image updates and association changes.
  m_id = ::SHChangeNotifyRegister(window, 0xFF, SHCNE_UPDATEIMAGE | SHCNE_ASSOCCHANGED, message, 1,
                                  &entry);
  return m_id != 0;
}

void CShellChangeNotify::Unregister() {
  if (m_id) ::SHChangeNotifyDeregister(m_id);
  m_id = 0;
}
