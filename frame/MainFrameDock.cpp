// The frame as a desktop bar: docking at the nearer screen edge, and registering with the shell
// or not as the options change.
#include "frame/MainFrame.h"

int CMainFrame::DockAtThickness(int thickness, int x, int y) {
  if (!(m_style & style::kDesktopBar)) return 0;
  return m_appBar.Dock(IsVertical(), thickness, x, y);
}

void CMainFrame::UpdateDesktopBar() {
  if (!(m_style & style::kDesktopBar)) {
    m_appBar.Unregister();
    return;
  }
  m_appBar.Register(m_style);
  RECT r;
  GetWindowRect(&r);
  DockAtThickness(IsVertical() ? r.right - r.left : r.bottom - r.top, r.left, r.top);
}
