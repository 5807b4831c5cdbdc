#include "framework/DataExchange.h"

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "framework/WinApp.h"

namespace {
std::string WindowText(HWND window) {
  int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = ::GetWindowTextA(window, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

bool IsRadio(HWND window) {
  LONG_PTR type = ::GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}
}  // namespace

void CDataExchange::Fail(HWND control, const char* text) {
  m_failed = true;
  HWND owner = ::GetAncestor(m_dialog, GA_ROOT);
  CWinApp* app = AfxGetApp();
  ::MessageBoxA(owner, text, app ? app->GetAppName() : "", MB_OK | MB_ICONEXCLAMATION);
  if (control) {
    ::SetFocus(control);
    ::SendMessageA(control, EM_SETSEL, 0, -1);
  }
}

bool ParseDialogInt(const std::string& text, int& value) {
  size_t begin = text.find_first_not_of(" \t");
  size_t end = text.find_last_not_of(" \t");
  if (begin == std::string::npos) return false;
  std::string digits = text.substr(begin, end - begin + 1);
  size_t first = (digits[0] == '-' || digits[0] == '+') ? 1 : 0;
  if (first == digits.size() || digits.find_first_not_of("0123456789", first) != std::string::npos)
    return false;
  errno = 0;
  long long parsed = std::strtoll(digits.c_str(), nullptr, 10);
  if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
  value = static_cast<int>(parsed);
  return true;
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.Saving())
    value = WindowText(control);
  else
    ::SetWindowTextA(control, value.c_str());
}

void DDX_Int(CDataExchange& dx, int id, int& value, int min, int max) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (!dx.Saving()) {
    ::SetWindowTextA(control, std::to_string(value).c_str());
    return;
  }
  int entered = 0;
  if (!ParseDialogInt(WindowText(control), entered) || entered < min || entered > max) {
    char text[128];
    std::snprintf(text, sizeof text, "%d から %d までの整数を入力してください。", min, max);
    dx.Fail(control, text);
    return;
  }
  value = entered;
}

void DDX_Check(CDataExchange& dx, int id, bool& value) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.Saving())
    value = ::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  else
    ::SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DDX_Radio(CDataExchange& dx, int firstId, int& index) {
  HWND control = dx.Control(firstId);
  if (!control) return;
  if (dx.Saving()) index = -1;
  int i = 0;
  for (HWND button = control; button && IsRadio(button);
       button = ::GetWindow(button, GW_HWNDNEXT), ++i) {
    if (i > 0 && (::GetWindowLongPtrA(button, GWL_STYLE) & WS_GROUP)) break;
    if (!dx.Saving())
      ::SendMessageA(button, BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    else if (index < 0 && ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
      index = i;
  }
}

void DDX_Slider(CDataExchange& dx, int id, int& position) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.Saving())
    position = static_cast<int>(::SendMessageA(control, TBM_GETPOS, 0, 0));
  else
    ::SendMessageA(control, TBM_SETPOS, TRUE, position);
}

void DDX_UpDown(CDataExchange& dx, int id, int& position) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.Saving())
    position = static_cast<int>(::SendMessageA(control, UDM_GETPOS32, 0, 0));
  else
    ::SendMessageA(control, UDM_SETPOS32, 0, position);
}

void DDX_HotKey(CDataExchange& dx, int id, WORD& key, WORD& modifiers) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.Saving()) {
    WORD hotKey = LOWORD(::SendMessageA(control, HKM_GETHOTKEY, 0, 0));
    key = LOBYTE(hotKey);
    modifiers = HIBYTE(hotKey);
  } else {
    ::SendMessageA(control, HKM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
  }
}

void DDX_CBIndex(CDataExchange& dx, int id, int& index) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.Saving())
    index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
  else
    ::SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange& dx, int id, std::string& value) {
  HWND control = dx.Control(id);
  if (!control) return;
  if (dx.Saving()) {
    value = WindowText(control);
    return;
  }
  // A drop-down list has no edit: select the item that starts with the text.
  LRESULT found = ::SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(value.c_str()));
  if (found == CB_ERR) ::SetWindowTextA(control, value.c_str());
}
