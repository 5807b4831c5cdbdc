#include "bar/RenameEdit.h"

#include <algorithm>

#include "framework/Dc.h"
#include "framework/GdiObject.h"

BOOL CRenameEdit::Start(HWND parent, const RECT& rect, HFONT font, const std::string& name) {
  m_parent = parent;
  m_original = name;
  m_ended = false;
  if (!Create(WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect,
              parent, kControlId))
    return FALSE;
  SetFont(font, false);
  SetText(name.c_str());
  ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SetFocus(m_hWnd);
  SetSel(0, -1);
  ScrollCaret();
  return TRUE;
}

void CRenameEdit::End() {
  if (m_ended || !m_hWnd) return;
  m_ended = true;
  std::string text = GetText();
  NMRENAMEEDIT record{};
  record.hdr.hwndFrom = m_hWnd;
  record.hdr.idFrom = kControlId;
  record.hdr.code = kEndedCode;
  record.text = text.c_str();
  ::SendMessageA(m_parent, WM_NOTIFY, kControlId, reinterpret_cast<LPARAM>(&record));
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

void CRenameEdit::EndByKey() {
  if (::GetFocus() == m_hWnd && m_parent) ::SetFocus(m_parent);
  End();
}

bool CRenameEdit::IsEndingKey(WPARAM key) const {
  switch (key) {
    case VK_RETURN:
    case VK_TAB:
    case VK_ESCAPE:
      return true;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return ::GetKeyState(VK_CONTROL) < 0;
    default:
      return false;
  }
}

void CRenameEdit::Widen() {
  if (!m_hWnd || !m_parent) return;
  std::string text = GetText() + "  ";
  SIZE size{};
  {
    CClientDC dc(m_hWnd);
    if (!dc) return;
    CSelectObject font(dc,
                       GetFont() ? static_cast<HGDIOBJ>(GetFont()) : ::GetStockObject(SYSTEM_FONT));
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  }
  RECT client;
  GetClientRect(&client);
  if (size.cx <= client.right - client.left) return;
  RECT window;
  GetWindowRect(&window);
  ::MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&window), 2);
  RECT parentClient;
  ::GetClientRect(m_parent, &parentClient);
  int border = (window.right - window.left) - (client.right - client.left);
  int width = std::min<long>(size.cx + border, parentClient.right - window.left);
  if (width > window.right - window.left)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, window.bottom - window.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CRenameEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return Default(message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (!m_ended && IsEndingKey(wParam)) {
        if (wParam == VK_ESCAPE) SetText(m_original.c_str());
        EndByKey();
        return 0;
      }
      break;
    case WM_CHAR:
      // The ending keys were handled on their way down; their characters
      // would only make the control beep.
      if (wParam == '\r' || wParam == '\t' || wParam == 0x1B) return 0;
      {
        LRESULT result = Default(message, wParam, lParam);
        Widen();
        return result;
      }
    case WM_KILLFOCUS: {
      LRESULT result = Default(message, wParam, lParam);
      End();
      return result;
    }
    default:
      break;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}
