#include "framework/ToolTipCtrl.h"

#include "framework/Module.h"

namespace {
TOOLINFOA Tool(HWND window, UINT_PTR id, UINT flags) {
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = flags;
  tool.hwnd = window;
  tool.uId = id;
  return tool;
}
}  // namespace

BOOL CToolTipCtrl::Create(HWND owner, DWORD style, DWORD exStyle) {
  DestroyWindow();
  m_hWnd = ::CreateWindowExA(exStyle, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             AfxGetInstanceHandle(), nullptr);
  if (m_hWnd) ::SendMessageA(m_hWnd, TTM_SETMAXTIPWIDTH, 0, 32767);
  return m_hWnd != nullptr;
}

void CToolTipCtrl::DestroyWindow() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
  m_hWnd = nullptr;
}

BOOL CToolTipCtrl::AddTool(HWND owner, HWND window, const char* text) {
  TOOLINFOA tool = Tool(owner, reinterpret_cast<UINT_PTR>(window), TTF_IDISHWND);
  tool.lpszText = const_cast<char*>(text);
  return m_hWnd && ::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

BOOL CToolTipCtrl::AddTool(HWND window, UINT_PTR id, const RECT& rect, const char* text) {
  TOOLINFOA tool = Tool(window, id, 0);
  tool.rect = rect;
  tool.lpszText = const_cast<char*>(text);
  return m_hWnd && ::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

bool CToolTipCtrl::HasTool(HWND owner, HWND window) const {
  TOOLINFOA tool = Tool(owner, reinterpret_cast<UINT_PTR>(window), TTF_IDISHWND);
  return m_hWnd && ::SendMessageA(m_hWnd, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTipCtrl::DelTool(HWND owner, HWND window) {
  TOOLINFOA tool = Tool(owner, reinterpret_cast<UINT_PTR>(window), TTF_IDISHWND);
  if (m_hWnd) ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTipCtrl::DelTool(HWND window, UINT_PTR id) {
  TOOLINFOA tool = Tool(window, id, 0);
  if (m_hWnd) ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTipCtrl::SetToolRect(HWND window, UINT_PTR id, const RECT& rect) {
  TOOLINFOA tool = Tool(window, id, 0);
  tool.rect = rect;
  if (m_hWnd) ::SendMessageA(m_hWnd, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTipCtrl::Activate(bool active) {
  if (m_hWnd) ::SendMessageA(m_hWnd, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) {
  if (m_hWnd) ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, which, milliseconds);
}

void CToolTipCtrl::RelayEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg{};
  msg.hwnd = window;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = static_cast<DWORD>(::GetMessageTime());
  const DWORD pos = ::GetMessagePos();
  msg.pt = POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
  RelayEvent(msg);
}

void CToolTipCtrl::RelayEvent(const MSG& msg) {
  if (m_hWnd) ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
