#include "setup/SetupDialog.h"

#include <commctrl.h>

#include "res/hatchling_res.h"
#include "setup/SetupSteps.h"
#include "setup/TitleButton.h"

namespace {

constexpr UINT kStepDelay = 1000;
constexpr int kLastTimer = 4;

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void SetProgress(HWND dialog, int value) {
  SendMessageA(Item(dialog, IDC_PROGRESS), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

std::string LoadText(HINSTANCE instance, UINT id) {
  char text[256] = {};
  LoadStringA(instance, id, text, sizeof text);
  return text;
}

// Centres the window on the screen and keeps it inside the work area.
void CentreOnScreen(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;
  int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  RECT work;
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
  }
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Lines the done marks up with their step texts: 16 x 16, at the first mark's left edge.
void PlaceDoneMarks(HWND dialog) {
  RECT first;
  GetWindowRect(Item(dialog, IDC_STEP1_DONE), &first);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&first), 2);
  const int texts[] = {IDC_STEP1_TEXT, IDC_STEP2_TEXT, IDC_STEP3_TEXT};
  const int marks[] = {IDC_STEP1_DONE, IDC_STEP2_DONE, IDC_STEP3_DONE};
  for (int i = 0; i < 3; ++i) {
    RECT text;
    GetWindowRect(Item(dialog, texts[i]), &text);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&text), 2);
    int y = (text.top + text.bottom) / 2 - 8;
    SetWindowPos(Item(dialog, marks[i]), nullptr, first.left, y, 16, 16,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MarkDone(HWND dialog, int id) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
  // A shared icon: the system frees it with the module.
  HICON icon = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_STEP_DONE), IMAGE_ICON, 16, 16, LR_SHARED));
  SendMessageA(Item(dialog, id), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

void Fill(HWND dialog, SetupContext& context) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
  context.oldVersion = context.settings.ReadInt("Common", "Trans", 0);
  SetDlgItemTextA(
      dialog, IDC_STEP1_TEXT,
      LoadText(instance, context.oldVersion == 0 ? IDS_STEP_ENVIRONMENT : IDS_STEP_CONVERSION)
          .c_str());
  SetDlgItemTextA(dialog, IDC_STEP2_TEXT, LoadText(instance, IDS_STEP_SAMPLES).c_str());
  SetDlgItemTextA(dialog, IDC_STEP3_TEXT, LoadText(instance, IDS_STEP_START).c_str());
  SetDlgItemTextA(dialog, IDC_TITLE, "Kestrel");
  HICON icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_HATCHLING), IMAGE_ICON,
                                             0, 0, LR_DEFAULTSIZE | LR_SHARED));
  SendMessageA(Item(dialog, IDC_APP_ICON), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(Item(dialog, IDC_PROGRESS), PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  PlaceDoneMarks(dialog);

  bool japanese = PRIMARYLANGID(GetUserDefaultLangID()) == LANG_JAPANESE;
  context.versionFont =
      CreateFontA(-10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                  japanese ? SHIFTJIS_CHARSET : ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, nullptr);
  SendMessageA(Item(dialog, IDC_VERSION), WM_SETFONT, reinterpret_cast<WPARAM>(context.versionFont),
               FALSE);
  SetDlgItemTextA(dialog, IDC_VERSION, "Hatchling Version 1.0.0");
}

// Runs the step of timer id; false when setup has to stop.
bool RunStep(HWND dialog, SetupContext& context, UINT_PTR id) {
  switch (id) {
    case 1:
      SetProgress(dialog, 10);
      if (!PrepareFolder(context, "WrkPath", "work", context.workFolder)) return false;
      SetProgress(dialog, 20);
      if (!PrepareFolder(context, "SrvPath", "service", context.templateFolder)) return false;
      MarkDone(dialog, IDC_STEP1_DONE);
      break;
    case 2:
      SetProgress(dialog, 40);
      if (context.oldVersion == 0) CreateSamples(context, Item(dialog, IDC_PROGRESS));
      MarkDone(dialog, IDC_STEP2_DONE);
      break;
    case 3:
      SetProgress(dialog, 80);
      if (!PrepareStart(context)) return false;
      MarkDone(dialog, IDC_STEP3_DONE);
      break;
    default:
      break;
  }
  return true;
}

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* context = reinterpret_cast<SetupContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      context = reinterpret_cast<SetupContext*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      context->dialog = dialog;
      CentreOnScreen(dialog);
      Fill(dialog, *context);
      ShowWindow(dialog, SW_SHOW);
      SetTimer(dialog, 1, kStepDelay, nullptr);
      return TRUE;
    case WM_TIMER: {
      if (!context || wParam < 1 || wParam > kLastTimer) break;
      UINT_PTR id = wParam;
      KillTimer(dialog, id);
      if (id == kLastTimer) {
        SetProgress(dialog, 100);
        EndDialog(dialog, 0);
        return TRUE;
      }
      if (!RunStep(dialog, *context, id)) {
        EndDialog(dialog, kSetupFailed);
        return TRUE;
      }
      SetTimer(dialog, id + 1, kStepDelay, nullptr);
      if (id == 3) SetProgress(dialog, 90);
      return TRUE;
    }
    case WM_DRAWITEM:
      if (wParam == IDC_TITLE) {
        DrawTitleButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        // Closing ends setup at once: no later step runs.
        for (UINT_PTR id = 1; id <= kLastTimer; ++id) KillTimer(dialog, id);
        EndDialog(dialog, 0);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

int RunSetupDialog(HINSTANCE instance, SetupContext& context) {
  INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETUP), nullptr, SetupDialogProc,
                                   reinterpret_cast<LPARAM>(&context));
  if (context.versionFont) {
    DeleteObject(context.versionFont);
    context.versionFont = nullptr;
  }
  return result == 0 ? 0 : kSetupFailed;
}
