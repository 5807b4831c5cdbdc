#include "settings/StaticLink.h"

#include <shellapi.h>

#include <vector>

namespace {
// The hand cursor of the system's help viewer, copied once; the default
// cursor stays when it is not there. Destroyed when the library goes.
class HandCursor {
 public:
  HandCursor() {
    char folder[MAX_PATH] = "";
    UINT length = ::GetWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) return;
    std::string path = std::string(folder) + "\\winhlp32.exe";
    HMODULE module = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return;
    HCURSOR cursor = ::LoadCursorA(module, MAKEINTRESOURCEA(106));
    if (cursor) m_cursor = static_cast<HCURSOR>(::CopyImage(cursor, IMAGE_CURSOR, 0, 0, 0));
    ::FreeLibrary(module);
  }
  ~HandCursor() {
    if (m_cursor) ::DestroyCursor(m_cursor);
  }
  HandCursor(const HandCursor&) = delete;
  HandCursor& operator=(const HandCursor&) = delete;
  HCURSOR Get() const { return m_cursor; }

 private:
  HCURSOR m_cursor = nullptr;
};

HCURSOR SharedHandCursor() {
  static HandCursor cursor;
  return cursor.Get();
}

bool IsTextStatic(HWND window) {
  LONG_PTR type = ::GetWindowLongPtrA(window, GWL_STYLE) & SS_TYPEMASK;
  return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
}
}  // namespace

BOOL CStaticLink::Attach(HWND dialog, int id) {
  HWND control = ::GetDlgItem(dialog, id);
  return control ? SubclassWindow(control) : FALSE;
}

HBRUSH CStaticLink::CtlColor(HDC dc) {
  if (!IsTextStatic(m_hWnd)) return nullptr;
  if (!m_font) {
    LOGFONTA lf{};
    HFONT base = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!base) base = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    ::GetObjectA(base, sizeof lf, &lf);
    lf.lfUnderline = TRUE;
    m_font.Attach(::CreateFontIndirectA(&lf));
  }
  if (m_font) ::SelectObject(dc, m_font.GetSafeHandle());
  ::SetTextColor(dc, m_color);
  ::SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

LRESULT CStaticLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      // A static is transparent to the mouse; the link takes its clicks.
      return HTCLIENT;
    case WM_SETCURSOR:
      if (HCURSOR hand = SharedHandCursor()) {
        ::SetCursor(hand);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void CStaticLink::OnLButtonDown(UINT, POINT) {
  if (m_target.empty()) {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    m_target = text.data();
  }
  if (m_target.empty()) return;
  HINSTANCE result =
      ::ShellExecuteA(nullptr, "open", m_target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) <= 32) {
    ::MessageBeep(0);
    return;
  }
  m_color = kVisited;
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CStaticLink::PostNcDestroy() {
  if (m_deleteOnDestroy) delete this;
}
