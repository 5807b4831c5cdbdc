// The frame's running options: the copies the bar is laid out and painted with, and the options
// dialog of the settings library, seen from the frame: what the bar hands over before it opens
// and what it takes over after OK.
#include <vector>

#include "bar/BarLook.h"
#include "bar/ChildView.h"
#include "bar/RecentStrip.h"
#include "bar/TabStrip.h"
#include "core/Globals.h"
#include "core/Launcher.h"
#include "frame/MainFrame.h"

void CMainFrame::ReadOptionCopies() {
  if (m_style & style::kShowText) {
    UpdateTextFont();
  } else {
    m_textFontHeight = 0;
  }
  m_btnTxtDraw = g_barOptions.GetInt("BtnTxtDraw", 0x8001);
  m_frmBorderX = g_barOptions.GetInt("FrmBorderX", 5);
  m_frmBorderY = g_barOptions.GetInt("FrmBorderY", 5);
  m_borderX = g_barOptions.GetInt("BorderX", 5);
  m_borderY = g_barOptions.GetInt("BorderY", 5);
  m_btnTxtWidth = g_barOptions.GetInt("BtnTxtWidth", 8);
  m_tabHightAdj = g_barOptions.GetInt("TabHightAdj", 0);
}

bool CMainFrame::OptionDialog(int page) {
  if (!m_viewObject) return false;
  // The pages read the file as well as the snapshot: everything the bar
  // holds goes there first, the recently used list included.
  g_barOptions.SetInt("Style", static_cast<int>(m_style));
  g_barOptions.Flush();
  if (CRecentStrip* recent = m_viewObject->GetTabStrip().GetRecentStrip()) recent->Save();
  std::vector<char> snapshot = g_barOptions.BuildExchangeBlock();
  DWORD style = m_style;
  // The dialog's hot-key controls must be able to take the bar's own keys.
  RegisterHotKeys(false);
  bool ok = m_viewObject->GetLauncher().OptionDialog(m_hWnd, &style, snapshot, page);
  if (!ok) {
    RegisterHotKeys(true);
    return false;
  }

  // Values equal to what the cache holds do not count as changed, so the
  // view redoes only what really changed.
  g_barOptions.ReadExchangeBlock(snapshot.data(), snapshot.size());
  const DWORD oldStyle = m_style;
  m_style = style;
  g_barOptions.SetInt("Style", static_cast<int>(m_style));
  ReadOptionCopies();
  UpdateDesktopBar();
  if ((oldStyle ^ m_style) & style::kAutoHide) {
    if (m_style & style::kAutoHide) {
      StartAutoHide();
    } else {
      StopAutoHide();
    }
  }
  if (m_view) ::SendMessageA(m_view, WM_VIEW_OPTIONS_CHANGED, oldStyle, 0);
  RegisterHotKeys(true);
  g_barOptions.Flush();
  return true;
}

void CMainFrame::ReadLook(BarLook& look) {
  look.style = m_style;
  look.font = m_textFont.GetSafeHandle();
  // The frame makes no font while text is off, and a font of height 0 shows no text either.
  look.fontHeight = 0;
  LOGFONTA lf{};
  if ((look.style & style::kShowText) && look.font && ::GetObjectA(look.font, sizeof lf, &lf))
    look.fontHeight = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
  look.btnTxtWidth = m_btnTxtWidth;
  look.btnTxtDraw = m_btnTxtDraw;
  look.borderX = m_borderX;
  look.borderY = m_borderY;
  look.frmBorderX = m_frmBorderX;
  look.frmBorderY = m_frmBorderY;
  look.tabHightAdj = m_tabHightAdj;
  look.largeImages = GetLargeImageList();
  look.smallImages = GetSmallImageList();
}
