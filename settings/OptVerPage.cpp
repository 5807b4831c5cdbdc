#include "settings/OptVerPage.h"

#include <richedit.h>

#include <string>

#include "plumage_res.h"
#include "settings/ExportCall.h"

namespace {
const char kMailAddress[] = "kestrel@example.org";
const char kHomePage[] = "https://example.org/kestrel/";

// Appends text in one format (color CLR_INVALID: the automatic colour).
void AppendRun(HWND edit, const std::string& text, DWORD effects, COLORREF color) {
  LONG end = ::GetWindowTextLengthA(edit);
  CHARRANGE range{end, end};
  ::SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD | CFM_UNDERLINE | CFM_COLOR;
  format.dwEffects = effects | (color == CLR_INVALID ? CFE_AUTOCOLOR : 0);
  format.crTextColor = color == CLR_INVALID ? 0 : color;
  ::SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  ::SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}
}  // namespace

COptVerPage::COptVerPage(UINT templateId, OptValues& values, const OptValues& start,
                         DialogContext& context)
    : COptPage(templateId, values, start, context),
      m_homePage(kHomePage),
      m_mail(std::string("mailto:") + kMailAddress) {}

COptVerPage::~COptVerPage() = default;

bool COptVerPage::OnCreatingWindow() {
  // Most sheets are closed without this page: loading the library for each
  // would cost every sheet the time of a library load and unload.
  if (!m_richEdit) m_richEdit = std::make_unique<CLoadedLibrary>("riched20.dll");
  return true;
}

BOOL COptVerPage::OnInitDialog() {
  BOOL focus = COptPage::OnInitDialog();
  m_homePage.Attach(m_hWnd, IDCV_HOME_PAGE);
  m_mail.Attach(m_hWnd, IDCV_MAIL);
  FillText();
  return focus;
}

void COptVerPage::FillText() {
  HWND edit = GetDlgItem(IDCV_TEXT);
  if (!edit) return;
  const COLORREF automatic = CLR_INVALID;
  AppendRun(edit, " \r\n", 0, automatic);
  AppendRun(edit, "Kestrel", CFE_BOLD | CFE_UNDERLINE, RGB(0, 0, 255));
  AppendRun(edit, "\r\n\r\n", 0, automatic);
  AppendRun(edit, std::string("Version 1.0.0 ") + __DATE__ + " " + __TIME__, CFE_BOLD, automatic);
  AppendRun(edit, "\r\n\r\n", 0, automatic);
  AppendRun(edit, std::string("メール ") + kMailAddress, 0, RGB(255, 0, 0));
  AppendRun(edit, "\r\n", 0, automatic);
  AppendRun(edit, std::string("最新情報 ") + kHomePage, 0, RGB(255, 0, 0));
  // The whole text centred, nothing selected.
  CHARRANGE all{0, -1};
  ::SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
  PARAFORMAT paragraph{};
  paragraph.cbSize = sizeof paragraph;
  paragraph.dwMask = PFM_ALIGNMENT;
  paragraph.wAlignment = PFA_CENTER;
  ::SendMessageA(edit, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
  CHARRANGE none{0, 0};
  ::SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
  ::SendMessageA(edit, EM_HIDESELECTION, TRUE, 0);
}

LRESULT COptVerPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC) {
    HWND control = reinterpret_cast<HWND>(lParam);
    CStaticLink* link = control == m_homePage.GetSafeHwnd() ? &m_homePage
                        : control == m_mail.GetSafeHwnd()   ? &m_mail
                                                            : nullptr;
    if (link) {
      if (HBRUSH brush = link->CtlColor(reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<LRESULT>(brush);
    }
  }
  return COptPage::WindowProc(message, wParam, lParam);
}
