#include "settings/ColorGrid.h"

#include <cstdio>

#include "framework/Notify.h"
#include "framework/WinApp.h"

namespace {
const char kClassName[] = "KestrelColorGrid";

RECT Deflated(RECT r, int by) {
  ::InflateRect(&r, -by, -by);
  return r;
}
}  // namespace

BOOL CColorGrid::Replace(HWND dialog, int id, int rows, int columns, const COLORREF* colors) {
  m_colors = colors;
  m_cells = nullptr;
  return Create(dialog, id, rows, columns);
}

BOOL CColorGrid::Replace(HWND dialog, int id, int rows, int columns, const SysColorCell* cells) {
  m_colors = nullptr;
  m_cells = cells;
  return Create(dialog, id, rows, columns);
}

BOOL CColorGrid::Create(HWND dialog, int id, int rows, int columns) {
  HWND placeholder = ::GetDlgItem(dialog, id);
  if (!placeholder || rows <= 0 || columns <= 0) return FALSE;
  m_rows = rows;
  m_columns = columns;
  if (!RegisterWndClass(kClassName, 0, ::LoadCursorA(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr))
    return FALSE;
  RECT r{};
  ::GetWindowRect(placeholder, &r);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  ::DestroyWindow(placeholder);
  if (!CreateEx(0, kClassName, "", WS_CHILD | WS_VISIBLE, r, dialog, static_cast<UINT_PTR>(id)))
    return FALSE;
  AddTips();
  return TRUE;
}

void CColorGrid::AddTips() {
  if (!m_tips.Create(m_hWnd)) return;
  // Tips come quickly: the user runs the mouse over the cells to read them.
  m_tips.SetDelayTime(TTDT_INITIAL, 200);
  m_tips.SetDelayTime(TTDT_RESHOW, 200);
  for (int cell = 0; cell < GetCellCount(); ++cell)
    m_tips.AddTool(m_hWnd, static_cast<UINT_PTR>(cell + 1), GetCellRect(cell));
  m_tips.Activate(false);
}

RECT CColorGrid::GetCellRect(int cell) const {
  RECT client{};
  GetClientRect(&client);
  const int width = m_columns > 0 ? client.right / m_columns : 0;
  const int height = m_rows > 0 ? client.bottom / m_rows : 0;
  const int row = m_columns > 0 ? cell / m_columns : 0;
  const int column = m_columns > 0 ? cell % m_columns : 0;
  return RECT{column * width, row * height, (column + 1) * width, (row + 1) * height};
}

int CColorGrid::HitTest(POINT point) const {
  for (int cell = 0; cell < GetCellCount(); ++cell) {
    RECT inner = Deflated(GetCellRect(cell), 2);
    if (::PtInRect(&inner, point)) return cell;
  }
  return -1;
}

COLORREF CColorGrid::GetCellColor(int cell) const {
  if (cell < 0 || cell >= GetCellCount()) return 0;
  return m_cells ? ::GetSysColor(m_cells[cell].index) : m_colors[cell];
}

std::string CColorGrid::GetCellTip(int cell) const {
  if (cell < 0 || cell >= GetCellCount()) return std::string();
  if (m_cells) return LoadResString(m_cells[cell].nameId);
  char text[64] = "";
  const COLORREF color = m_colors[cell];
  std::snprintf(text, sizeof text, "R:%u G:%u B:%u", static_cast<unsigned>(GetRValue(color)),
                static_cast<unsigned>(GetGValue(color)), static_cast<unsigned>(GetBValue(color)));
  return text;
}

void CColorGrid::OnPaint(CPaintDC& dc) {
  HBRUSH dcBrush = static_cast<HBRUSH>(::GetStockObject(DC_BRUSH));
  for (int cell = 0; cell < GetCellCount(); ++cell) {
    RECT r = GetCellRect(cell);
    ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    RECT edge = Deflated(r, 1);
    ::DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    RECT fill = Deflated(r, 3);
    ::SetDCBrushColor(dc, GetCellColor(cell));
    ::FillRect(dc, &fill, dcBrush);
  }
}

void CColorGrid::OnMouseMove(UINT flags, POINT point) {
  m_tips.Activate(HitTest(point) >= 0);
  CWnd::OnMouseMove(flags, point);
}

void CColorGrid::OnLButtonDown(UINT flags, POINT point) {
  const int cell = HitTest(point);
  if (cell >= 0) {
    ColorGridNotify notify{};
    notify.cell = cell;
    NotifyParent(m_hWnd, kColorGridClicked, notify);
  }
  CWnd::OnLButtonDown(flags, point);
}

LRESULT CColorGrid::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == m_tips.GetSafeHwnd() && header.code == TTN_GETDISPINFOA) {
    auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
    m_tipText = GetCellTip(static_cast<int>(info.hdr.idFrom) - 1);
    info.lpszText = const_cast<char*>(m_tipText.c_str());
    return 0;
  }
  return CWnd::OnNotify(header);
}

LRESULT CColorGrid::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
    m_tips.RelayEvent(m_hWnd, message, wParam, lParam);
  return CWnd::WindowProc(message, wParam, lParam);
}
