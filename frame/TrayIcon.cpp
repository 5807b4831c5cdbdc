#include "frame/TrayIcon.h"

#include <shellapi.h>

#include "core/BarMessages.h"

CTrayIcon g_trayIcon;

namespace {
const UINT kIconId = 1;
}

void CTrayIcon::Add(HWND owner, HICON icon, const char* tip) {
  if (m_added) return;
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_SHOW_BAR;
  data.hIcon = icon;
  lstrcpynA(data.szTip, tip ? tip : "", sizeof data.szTip);
  m_added = ::Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
  if (m_added) m_owner = owner;
}

void CTrayIcon::Remove() {
  if (!m_added) return;
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = m_owner;
  data.uID = kIconId;
  ::Shell_NotifyIconA(NIM_DELETE, &data);
  m_added = false;
  m_owner = nullptr;
}
