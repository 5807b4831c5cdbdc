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

}  // namespace

CSetupDialog::CSetupDialog(SetupContext& context) : CDialog(IDD_SETUP), m_context(context) {}

BOOL CSetupDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_context.dialog = m_hWnd;
  CentreOnScreen(m_hWnd);
  Fill(m_hWnd, m_context);
  ShowWindow(SW_SHOW);
  ::SetTimer(m_hWnd, 1, kStepDelay, nullptr);
  return TRUE;
}

void CSetupDialog::OnTimer(UINT_PTR id) {
  if (id < 1 || id > kLastTimer) {
    CDialog::OnTimer(id);
    return;
  }
  ::KillTimer(m_hWnd, id);
  if (id == kLastTimer) {
    SetProgress(m_hWnd, 100);
    EndDialog(0);
    return;
  }
  if (!RunStep(m_hWnd, m_context, id)) {
    EndDialog(kSetupFailed);
    return;
  }
  ::SetTimer(m_hWnd, id + 1, kStepDelay, nullptr);
  if (id == 3) SetProgress(m_hWnd, 90);
}

void CSetupDialog::Close() {
  // Closing ends setup at once: no later step runs.
  for (UINT_PTR id = 1; id <= kLastTimer; ++id) ::KillTimer(m_hWnd, id);
  EndDialog(0);
}

LRESULT CSetupDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM && wParam == IDC_TITLE) {
    DrawTitleButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

int RunSetupDialog(SetupContext& context) {
  INT_PTR result = CSetupDialog(context).DoModal();
  if (context.versionFont) {
    DeleteObject(context.versionFont);
    context.versionFont = nullptr;
  }
  return result == 0 ? 0 : kSetupFailed;
}
