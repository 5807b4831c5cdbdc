#include "settings/FileDialogEx.h"

#include <cstring>

#include "core/MbString.h"
#include "settings/CommonDialogs.h"

namespace {
// Room for a long path; the name given at the start must fit with its NUL.
const size_t kFileBuffer = 4 * MAX_PATH;

void CentreOver(HWND window, HWND owner) {
  RECT w{}, o{};
  if (!owner || !::GetWindowRect(window, &w) || !::GetWindowRect(owner, &o)) return;
  int x = o.left + ((o.right - o.left) - (w.right - w.left)) / 2;
  int y = o.top + ((o.bottom - o.top) - (w.bottom - w.top)) / 2;
  // Keep it on the owner's screen.
  HMONITOR monitor = ::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (::GetMonitorInfoA(monitor, &info)) {
    const RECT& work = info.rcWork;
    if (x + (w.right - w.left) > work.right) x = work.right - (w.right - w.left);
    if (y + (w.bottom - w.top) > work.bottom) y = work.bottom - (w.bottom - w.top);
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
  }
  ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

CFileDialogEx::CFileDialogEx(bool openFileDialog, const char* defaultExt, const char* fileName,
                             DWORD flags, const char* filter, HWND owner)
    : m_open(openFileDialog),
      m_defaultExt(defaultExt ? defaultExt : ""),
      m_filter(MakeFilter(filter)),
      m_file(kFileBuffer, '\0'),
      m_flags(flags),
      m_owner(owner) {
  if (fileName && std::strlen(fileName) < kFileBuffer) std::strcpy(m_file.data(), fileName);
}

std::vector<char> CFileDialogEx::MakeFilter(const char* filter) {
  std::string text = filter ? filter : "";
  for (size_t bar = MbFind(text, '|'); bar != std::string::npos; bar = MbFind(text, '|', bar + 1))
    text[bar] = '\0';
  std::vector<char> result(text.begin(), text.end());
  // Two NULs end the list however the text ended.
  result.push_back('\0');
  result.push_back('\0');
  return result;
}

UINT_PTR CALLBACK CFileDialogEx::HookProc(HWND child, UINT message, WPARAM, LPARAM lParam) {
  // The hook's dialog is a child of the system's dialog.
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE) {
    HWND dialog = ::GetParent(child);
    CentreOver(dialog, ::GetWindow(dialog, GW_OWNER));
  }
  return 0;
}

INT_PTR CFileDialogEx::DoModal() {
  // Whatever followed the starting name in the buffer must not show up as more names.
  size_t used = std::strlen(m_file.data());
  std::memset(m_file.data() + used, 0, m_file.size() - used);

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;  // the full structure: the system's current dialog
  ofn.hwndOwner = m_owner;
  ofn.lpstrFilter = m_filter.size() > 2 ? m_filter.data() : nullptr;
  ofn.lpstrFile = m_file.data();
  ofn.nMaxFile = static_cast<DWORD>(m_file.size());
  ofn.lpstrInitialDir = m_initialDir.empty() ? nullptr : m_initialDir.c_str();
  ofn.lpstrTitle = m_title.empty() ? nullptr : m_title.c_str();
  ofn.lpstrDefExt = m_defaultExt.empty() ? nullptr : m_defaultExt.c_str();
  ofn.Flags = m_flags | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING;
  ofn.lpfnHook = &CFileDialogEx::HookProc;

  HWND focus = ::GetFocus();
  bool ownerEnabled = m_owner && ::IsWindowEnabled(m_owner);
  BOOL chosen = RunFileDialog(ofn, m_open);
  if (m_owner && ownerEnabled) ::EnableWindow(m_owner, TRUE);
  if (focus && ::IsWindow(focus)) ::SetFocus(focus);
  if (!chosen) m_file[0] = '\0';
  return chosen ? IDOK : IDCANCEL;
}
