#pragma once

#include <windows.h>

#include "framework/Wnd.h"

class CDataExchange;

// Asks the dialog or property sheet at the top of a window's tree, once the
// pending input is handled, to update every control below it through its
// dialog's OnUpdateCommand.
void AfxRequestIdleUpdate(HWND window);
// Sends WM_IDLEUPDATECMDUI to root and every window below it.
void AfxSendIdleUpdate(HWND root);
// Posted to the top of a dialog's tree to run the idle update.
const UINT WM_KICKIDLE = 0x036A;

// The window a modal dialog or sheet disables while it runs: the top-level
// window around parent, so that a dialog opened from a view or a page keeps
// the user out of the whole frame or sheet, not only that child.
HWND AfxGetSafeOwner(HWND parent);

// A dialog from a template of this module's resources, modal or modeless.
// The object is bound from WM_INITDIALOG's parameter. OK and Cancel reach
// OnOK and OnCancel; a handled message's answer goes back through the
// dialog's message result, and a message passed to Default is left to the
// dialog manager. Controls are updated at idle time through OnUpdateCommand.
class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, HWND parent = nullptr)
      : m_templateId(templateId), m_parent(parent) {
    m_isDialog = true;
  }

  // Runs the dialog; returns what it ended with, or -1 when it could not be made.
  virtual INT_PTR DoModal();
  // Makes the dialog modeless; it lives until destroyed.
  BOOL Create(HWND parent = nullptr);
  // Ends a modal dialog with result, or destroys a modeless one.
  void EndDialog(INT_PTR result);
  // Moves values between the controls and the members (DoDataExchange); false
  // when a control's value was refused (the user was told, the control has the focus).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  UINT GetTemplateId() const { return m_templateId; }

  static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // Default: loads the controls from the members; TRUE lets the system set the focus.
  virtual BOOL OnInitDialog();
  // Default: takes the values over and ends with IDOK when they are accepted.
  virtual void OnOK();
  // Default: ends with IDCANCEL.
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange& dx);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Runs one message through a bound dialog object and turns its answer into
  // what the dialog manager expects.
  static INT_PTR RunDialogProc(CDialog* dialog, HWND hwnd, UINT message, WPARAM wParam,
                               LPARAM lParam);

  UINT m_templateId;
  HWND m_parent;
  bool m_modal = false;
};
