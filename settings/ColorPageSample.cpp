#include "settings/ColorPageSample.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

#include "bar/BarPaint.h"
#include "bar/TabLayout.h"
#include "framework/Module.h"
#include "framework/WinApp.h"

namespace {
HICON LoadShellIcon() {
  char folder[MAX_PATH] = "";
  UINT length = ::GetSystemDirectoryA(folder, sizeof folder);
  if (length == 0 || length + sizeof "\\SHELL32.dll" > sizeof folder) return nullptr;
  std::string file = std::string(folder, length) + "\\SHELL32.dll";
  HICON icon = ::ExtractIconA(AfxGetInstanceHandle(), file.c_str(), 0);
  // ExtractIcon answers 1 for a file that is no icon source.
  return reinterpret_cast<UINT_PTR>(icon) > 1 ? icon : nullptr;
}

HFONT CreateTabFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    return nullptr;
  // Small enough for the miniature tab: a little under a scroll bar's height.
  metrics.lfMessageFont.lfHeight = 4 - metrics.iScrollHeight;
  metrics.lfMessageFont.lfWidth = 0;
  return ::CreateFontIndirectA(&metrics.lfMessageFont);
}

const char* AppName() {
  CWinApp* app = AfxGetApp();
  return app ? app->GetAppName() : "Kestrel";
}
}  // namespace

CColorPageSample::~CColorPageSample() {
  if (m_icon) ::DestroyIcon(m_icon);
}

BOOL CColorPageSample::Attach(HWND control, bool bar) {
  m_bar = bar;
  if (!m_icon) m_icon = LoadShellIcon();
  if (bar && !m_tabFont) m_tabFont.Attach(CreateTabFont());
  return SubclassWindow(control);
}

void CColorPageSample::SetStandardColors(uint32_t text, uint32_t bk) {
  m_standardText = text;
  m_standardBk = bk;
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CColorPageSample::SetColor(bool text, const SplitColor& color) {
  (text ? m_textColor : m_bkColor) = color;
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

COLORREF CColorPageSample::GetShownColor(bool text) const {
  return ShownColor(GetColor(text), GetStandardColor(text), text);
}

BOOL CColorPageSample::OnEraseBkgnd(HDC) { return TRUE; }

void CColorPageSample::OnPaint(CPaintDC& dc) {
  RECT r{};
  GetClientRect(&r);
  if (m_bar)
    PaintBar(dc, r);
  else
    PaintButton(dc, r);
}

void CColorPageSample::PaintButton(HDC dc, const RECT& r) const {
  HBRUSH dcBrush = static_cast<HBRUSH>(::GetStockObject(DC_BRUSH));
  ::SetDCBrushColor(dc, GetShownColor(false));
  ::FillRect(dc, &r, dcBrush);
  RECT edge = r;
  ::DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
  // The icon and the text side by side, centred together.
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  CSelectObject selected(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  SIZE extent{};
  if (!m_text.empty())
    ::GetTextExtentPoint32A(dc, m_text.c_str(), static_cast<int>(m_text.size()), &extent);
  const int iconSize = std::min(32, static_cast<int>(r.bottom - r.top) - 4);
  const int gap = m_text.empty() || !m_icon ? 0 : 4;
  const int width = (m_icon ? iconSize : 0) + gap + extent.cx;
  int x = r.left + std::max(2, static_cast<int>(r.right - r.left - width) / 2);
  if (m_icon && iconSize > 0) {
    ::DrawIconEx(dc, x, r.top + (r.bottom - r.top - iconSize) / 2, m_icon, iconSize, iconSize, 0,
                 nullptr, DI_NORMAL);
    x += iconSize + gap;
  }
  if (!m_text.empty()) {
    RECT box{x, r.top + 2, r.right - 2, r.bottom - 2};
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(dc, GetShownColor(true));
    ::DrawTextA(dc, m_text.c_str(), static_cast<int>(m_text.size()), &box,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
  }
}

void CColorPageSample::PaintBar(HDC dc, const RECT& r) {
  // The page around the miniature.
  ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
  CSelectObject font(dc, m_tabFont ? static_cast<HGDIOBJ>(m_tabFont.GetSafeHandle())
                                   : ::GetStockObject(DEFAULT_GUI_FONT));
  const char* name = AppName();
  const int nameLength = static_cast<int>(std::char_traits<char>::length(name));
  SIZE extent{};
  ::GetTextExtentPoint32A(dc, name, nameLength, &extent);
  // As the bar lies: a raised button-face panel with the icon, the tab strip below it.
  const int height = r.bottom - r.top;
  const int tabHeight = std::min(height / 2, static_cast<int>(extent.cy) + 4);
  RECT panel{r.left + 4, r.top + 2, 0, r.bottom - tabHeight};
  panel.right = std::min(static_cast<int>(r.right) - 4,
                         static_cast<int>(panel.left + 4 * (panel.bottom - panel.top)));
  ::DrawEdge(dc, &panel, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  const int iconSize = std::min(32, static_cast<int>(panel.bottom - panel.top) - 4);
  if (m_icon && iconSize > 0)
    ::DrawIconEx(dc, panel.left + 3, (panel.top + panel.bottom - iconSize) / 2, m_icon, iconSize,
                 iconSize, 0, nullptr, DI_NORMAL);
  // The tab in the colours being chosen, drawn as the bar draws its tabs.
  RECT tab{panel.left + 2, panel.bottom, 0, panel.bottom + tabHeight};
  tab.right = std::min(static_cast<int>(panel.right),
                       static_cast<int>(tab.left + extent.cx + tablayout::kTabPadding));
  if (tab.right <= tab.left || tab.bottom <= tab.top) return;
  const COLORREF fill = GetShownColor(false);
  const tablayout::Quad quad = tablayout::TabPolygon(tab, tablayout::kHorizontal);
  CRgn region(::CreatePolygonRgn(quad.points, 4, WINDING));
  if (region) {
    PaintTabFace(dc, region.GetSafeHandle(), quad, tablayout::kHorizontal, fill);
  } else {
    ::SetDCBrushColor(dc, fill);
    ::FillRect(dc, &tab, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
  }
  RECT box{tab.left + 2, tab.top, tab.right - 2, tab.bottom};
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = ::SetTextColor(dc, GetShownColor(true));
  ::DrawTextA(dc, name, nameLength, &box,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  ::SetTextColor(dc, oldColor);
  ::SetBkMode(dc, oldMode);
}
