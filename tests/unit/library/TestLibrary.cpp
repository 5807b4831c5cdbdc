// A library built for the framework's tests: it shows a dialog from its own
// resources holding a control of a window class it registers itself.
#include <windows.h>

#include "framework/Dialog.h"
#include "framework/Module.h"
#include "tests/unit/library/TestLibraryRes.h"

namespace {
class LibraryDialog : public CDialog {
 public:
  LibraryDialog() : CDialog(IDD_LIBRARY_DIALOG) {}

 protected:
  BOOL OnInitDialog() override {
    // Ends at once, and tells the caller whether the library's own control was made.
    PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgItem(IDC_LIBRARY_CONTROL) ? IDOK : IDCANCEL, 0));
    return CDialog::OnInitDialog();
  }
  void OnOK() override { EndDialog(kLibraryDialogShown); }
};
}  // namespace

extern "C" __declspec(dllexport) int ShowLibraryDialog() {
  if (!CWnd::RegisterWndClass(kLibraryControlClass, 0, nullptr, nullptr, nullptr)) return -2;
  LibraryDialog dialog;
  return static_cast<int>(dialog.DoModal());
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  return AfxDllMain(instance, reason, reserved);
}
