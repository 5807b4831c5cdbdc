#pragma once

#include <windows.h>

// Sends a control's notification record (an NMHDR or a record that starts
// with one) to its parent, filling in the sender, its id and code.
template <typename Record>
LRESULT NotifyParent(HWND control, UINT code, Record& record) {
  NMHDR& header = reinterpret_cast<NMHDR&>(record);
  header.hwndFrom = control;
  header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(control));
  header.code = code;
  HWND parent = ::GetParent(control);
  if (!parent) return 0;
  return ::SendMessageA(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&record));
}
inline LRESULT NotifyParent(HWND control, UINT code) {
  NMHDR header{};
  return NotifyParent(control, code, header);
}
