#include "framework/Dialog.h"

#include <utility>

#include "framework/CmdUI.h"
#include "framework/DataExchange.h"
#include "framework/NotifySource.h"
#include "framework/WinApp.h"

namespace {
// Updating a control can make it report a change (an edit whose text is
// set); that must not ask for another update.
bool g_updating = false;

BOOL CALLBACK SendIdleUpdateTo(HWND window, LPARAM) {
  ::SendMessageA(window, WM_IDLEUPDATECMDUI, TRUE, 0);
  return TRUE;
}
}  // namespace

void AfxRequestIdleUpdate(HWND window) {
  HWND root = window ? ::GetAncestor(window, GA_ROOT) : nullptr;
  if (!root || g_updating) return;
  MSG pending;
  if (::PeekMessageA(&pending, root, WM_KICKIDLE, WM_KICKIDLE, PM_NOREMOVE)) return;
  ::PostMessageA(root, WM_KICKIDLE, 0, 0);
}

void AfxSendIdleUpdate(HWND root) {
  bool was = std::exchange(g_updating, true);
  SendIdleUpdateTo(root, 0);
  ::EnumChildWindows(root, SendIdleUpdateTo, 0);  // every descendant, not only children
  g_updating = was;
}

HWND AfxGetSafeOwner(HWND parent) { return parent ? ::GetAncestor(parent, GA_ROOT) : nullptr; }

INT_PTR CDialog::DoModal() {
  m_modal = true;
  return ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId),
                           AfxGetSafeOwner(m_parent), &CDialog::StaticDialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create(HWND parent) {
  if (parent) m_parent = parent;
  m_modal = false;
  HWND hwnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_templateId), m_parent,
                                   &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
  if (!m_hWnd) return;
  if (m_modal)
    ::EndDialog(m_hWnd, result);
  else
    DestroyWindow();
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(m_hWnd, saveAndValidate != FALSE);
  DoDataExchange(dx);
  return !dx.Failed();
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange&) {}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      BOOL focus = OnInitDialog();
      AfxRequestIdleUpdate(m_hWnd);
      return focus;
    }
    case WM_COMMAND:
      AfxRequestIdleUpdate(m_hWnd);
      // OK and Cancel: a button, the Enter and Esc keys, or closing the window.
      if ((LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK)
          OnOK();
        else
          OnCancel();
        return 0;
      }
      break;
    case WM_NOTIFY:
      AfxRequestIdleUpdate(m_hWnd);
      break;
    case WM_KICKIDLE:
      AfxSendIdleUpdate(m_hWnd);
      return 0;
    case WM_IDLEUPDATECMDUI:
      for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
           child = ::GetWindow(child, GW_HWNDNEXT)) {
        CCmdUI ui(child);
        if (ui.GetID() != 0 && ui.GetID() != static_cast<UINT>(-1)) OnUpdateCommand(ui);
      }
      return 0;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* dialog = nullptr;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    if (dialog) {
      dialog->m_hWnd = hwnd;
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
    }
  } else {
    dialog = static_cast<CDialog*>(FromHandlePermanent(hwnd));
  }
  return dialog ? RunDialogProc(dialog, hwnd, message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::RunDialogProc(CDialog* dialog, HWND hwnd, UINT message, WPARAM wParam,
                               LPARAM lParam) {
  // A notification that is not this program's own points into memory it cannot read.
  if (message == WM_NOTIFY && !IsOwnNotification(reinterpret_cast<const NMHDR*>(lParam)))
    return FALSE;
  bool outer = std::exchange(dialog->m_leftToDialogManager, false);
  LRESULT result = Dispatch(dialog, hwnd, message, wParam, lParam);
  bool handled = !dialog->m_leftToDialogManager;
  dialog->m_leftToDialogManager = outer;

  if (message == WM_INITDIALOG && !dialog->m_hWnd) {
    // OnInitDialog failed with a fault: the dialog is not shown half made.
    if (dialog->m_modal)
      ::EndDialog(hwnd, -1);
    else
      ::DestroyWindow(hwnd);
    return FALSE;
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    dialog->m_hWnd = nullptr;
    dialog->PostNcDestroy();
    return FALSE;
  }
  if (!handled) return FALSE;
  switch (message) {
    // These answer through the procedure's own return value.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
      return static_cast<INT_PTR>(result);
    default:
      ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
      return TRUE;
  }
}
