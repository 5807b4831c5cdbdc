#include "settings/IconButton.h"

#include <shellapi.h>

#include <algorithm>

CIconButton::~CIconButton() { ReleaseIcons(); }

BOOL CIconButton::Attach(HWND button) {
  if (!SubclassWindow(button)) return FALSE;
  MakeSquare();
  return TRUE;
}

void CIconButton::ReleaseIcons() {
  if (m_owned) {
    if (m_large) ::DestroyIcon(m_large);
    if (m_small && m_small != m_large) ::DestroyIcon(m_small);
  }
  m_large = m_small = nullptr;
  m_owned = false;
  m_systemIcon = nullptr;
  m_imageIndex = -1;
}

void CIconButton::SetIcons(HICON large, HICON small, bool owned) {
  ReleaseIcons();
  m_large = large;
  m_small = small;
  m_owned = owned;
  Redraw();
}

void CIconButton::SetSystemIcon(const char* id) {
  ReleaseIcons();
  m_systemIcon = id;
  Redraw();
}

void CIconButton::SetImageIndex(int index) {
  ReleaseIcons();
  m_imageIndex = index;
  if (index >= 0 && !m_largeList) {
    // The shell's image lists, asked for once.
    SHFILEINFOA info{};
    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES;
    m_largeList = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        "file", FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags | SHGFI_LARGEICON));
    m_smallList = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        "file", FILE_ATTRIBUTE_NORMAL, &info, sizeof info, flags | SHGFI_SMALLICON));
  }
  Redraw();
}

void CIconButton::Clear() {
  ReleaseIcons();
  Redraw();
}

void CIconButton::Redraw() const {
  if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CIconButton::MakeSquare() {
  RECT r;
  ::GetWindowRect(m_hWnd, &r);
  int cx = r.right - r.left, cy = r.bottom - r.top;
  int side = std::max(cx, cy);
  if (cx != cy)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, side, side, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CIconButton::OnSize(UINT type, int cx, int cy) {
  CWnd::OnSize(type, cx, cy);
  if (cx != cy) MakeSquare();
}

LRESULT CIconButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENABLE && !wParam) {
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    // The system takes the focus from a window it disables and gives it to
    // nobody; the next control of the dialog gets it instead.
    HWND focus = ::GetFocus();
    HWND root = ::GetAncestor(m_hWnd, GA_ROOT);
    if (focus == m_hWnd || (!focus && ::GetActiveWindow() == root)) {
      HWND next = ::GetNextDlgTabItem(GetParent(), m_hWnd, FALSE);
      if (next && next != m_hWnd) ::SetFocus(next);
    }
    return result;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void CIconButton::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  bool pressed = (item.itemState & ODS_SELECTED) && !disabled;
  bool focused = (item.itemState & ODS_FOCUS) && !disabled;

  if (focused) {
    ::FrameRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    ::InflateRect(&r, -1, -1);
  }
  UINT frame =
      DFCS_BUTTONPUSH | (disabled ? DFCS_INACTIVE : 0) | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0);
  ::DrawFrameControl(dc, &r, DFC_BUTTON, frame);

  bool hasText = ::GetWindowTextLengthA(item.hwndItem) > 0;
  if (!hasText && HasImage()) {
    const int largeX = ::GetSystemMetrics(SM_CXICON), largeY = ::GetSystemMetrics(SM_CYICON);
    const int smallX = ::GetSystemMetrics(SM_CXSMICON), smallY = ::GetSystemMetrics(SM_CYSMICON);
    int x = (r.left + r.right - largeX) / 2 + (pressed ? 1 : 0);
    int y = (r.top + r.bottom - largeY) / 2 + (pressed ? 1 : 0);
    RECT inner = r;
    ::InflateRect(&inner, -4, -4);
    int sx = inner.right - smallX, sy = inner.bottom - smallY;
    if (m_imageIndex >= 0) {
      if (m_largeList) ImageList_Draw(m_largeList, m_imageIndex, dc, x, y, ILD_TRANSPARENT);
      if (m_smallList) ImageList_Draw(m_smallList, m_imageIndex, dc, sx, sy, ILD_TRANSPARENT);
    } else {
      if (m_systemIcon && !m_large) {
        m_large = ::LoadIconA(nullptr, m_systemIcon);  // shared: never destroyed
        m_small = m_large;
        m_owned = false;
      }
      HICON large = m_large ? m_large : m_small;
      HICON small = m_small ? m_small : m_large;
      ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(large), 0, x, y, largeX, largeY,
                   DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
      ::DrawIconEx(dc, sx, sy, small, smallX, smallY, 0, nullptr, DI_NORMAL);
    }
  }
  if (focused) {
    RECT focus = item.rcItem;
    ::InflateRect(&focus, -3, -3);
    ::DrawFocusRect(dc, &focus);
  }
}
