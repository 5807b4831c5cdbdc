#include "bar/ChildView.h"
#include "core/Globals.h"
#include "core/ShellWindows.h"
#include "frame/MainFrame.h"

void CMainFrame::StoreClosingState() {
  RestoreShellWindows();
  SavePlacement();
  g_barOptions.SetInt("Style", static_cast<int>(m_style));
  if (m_viewObject) m_viewObject->StoreSession();
}
