#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/CmdUI.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Notify.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "tests/unit/FrameworkTestRes.h"
#include "tests/unit/MessageSequence.h"
#include "tests/unit/library/TestLibraryRes.h"
#include "tests/unit/ThreadDialogs.h"

namespace {

class RecordingWnd : public CWnd {
 public:
  explicit RecordingWnd(MessageSequence& seen) : m_seen(seen) {}
  bool throwOnCreate = false;
  bool throwOnPaint = false;

 protected:
  int OnCreate(const CREATESTRUCTA& cs) override {
    m_seen.Add("wnd", WM_CREATE);
    if (throwOnCreate) throw std::runtime_error("creation fault");
    return CWnd::OnCreate(cs);
  }
  void OnSize(UINT, int cx, int) override { m_seen.Add("wnd", WM_SIZE, cx); }
  void OnPaint(CPaintDC& dc) override {
    m_seen.Add("wnd", WM_PAINT);
    if (throwOnPaint) throw std::runtime_error("paint fault");
    ::FillRect(dc, &dc.PaintRect(), static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  void OnTimer(UINT_PTR id) override { m_seen.Add("wnd", WM_TIMER, static_cast<UINT>(id)); }
  LRESULT OnNotify(const NMHDR& header) override {
    m_seen.Add("wnd", WM_NOTIFY, static_cast<UINT>(header.idFrom * 1000 + header.code));
    return 7;
  }
  void OnDestroy() override { m_seen.Add("wnd", WM_DESTROY); }

 private:
  MessageSequence& m_seen;
};

constexpr char kTestClass[] = "KestrelDispatchTest";

TEST(WndDispatch, CommonMessagesReachTheirTypedHandlersInOrder) {
  ASSERT_TRUE(CWnd::RegisterWndClass(kTestClass, 0, nullptr, nullptr, nullptr));
  MessageSequence seen;
  RecordingWnd wnd(seen);
  ASSERT_TRUE(
      wnd.CreateEx(0, kTestClass, "", WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 30}, nullptr, 0));
  HWND child =
      ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, wnd, HMENU(12), nullptr, nullptr);
  wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(25, 10));
  wnd.SendMessage(WM_TIMER, 5);
  EXPECT_EQ(NotifyParent(child, 3), 7);
  ::InvalidateRect(wnd, nullptr, TRUE);
  ::UpdateWindow(wnd);
  wnd.DestroyWindow();
  EXPECT_EQ(seen.Seen(), (std::vector<SeenMessage>{{"wnd", WM_CREATE, 0},
                                                   {"wnd", WM_SIZE, 40},
                                                   {"wnd", WM_SIZE, 25},
                                                   {"wnd", WM_TIMER, 5},
                                                   {"wnd", WM_NOTIFY, 12003},
                                                   {"wnd", WM_PAINT, 0},
                                                   {"wnd", WM_DESTROY, 0}}));

  // Without a paint handler the window paints as the system's default would.
  CWnd plain;
  ASSERT_TRUE(
      plain.CreateEx(0, kTestClass, "", WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 30}, nullptr, 0));
  ::InvalidateRect(plain, nullptr, TRUE);
  ::UpdateWindow(plain);
  EXPECT_FALSE(::GetUpdateRect(plain, nullptr, FALSE));
}

TEST(WndDispatch, FaultAtCreationFailsItAndARepeatedFaultIsReportedOnce) {
  ASSERT_TRUE(CWnd::RegisterWndClass(kTestClass, 0, nullptr, nullptr, nullptr));
  BoxAnswerer closer;
  MessageSequence seen;
  RecordingWnd broken(seen);
  broken.throwOnCreate = true;
  EXPECT_FALSE(
      broken.CreateEx(0, kTestClass, "", WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 30}, nullptr, 0));
  EXPECT_EQ(broken.GetSafeHwnd(), nullptr);
  EXPECT_EQ(closer.texts.size(), 1u);

  RecordingWnd painter(seen);
  painter.throwOnPaint = true;
  ASSERT_TRUE(
      painter.CreateEx(0, kTestClass, "", WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 30}, nullptr, 0));
  for (int i = 0; i < 3; ++i) {
    ::InvalidateRect(painter, nullptr, TRUE);
    ::UpdateWindow(painter);
  }
  EXPECT_EQ(closer.texts.size(), 2u);
}

class TestDialog : public CDialog {
 public:
  TestDialog(MessageSequence& seen, UINT press)
      : CDialog(IDD_TEST_DIALOG), m_seen(seen), m_press(press) {}
  int number = 5;
  bool checked = true;

 protected:
  BOOL OnInitDialog() override {
    m_seen.Add("dialog", WM_INITDIALOG);
    BOOL result = CDialog::OnInitDialog();
    char text[8] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_TEST_NUMBER, text, sizeof text);
    loaded = text;
    // The user's entries, then the button.
    ::SetDlgItemTextA(m_hWnd, IDC_TEST_NUMBER, "42");
    ::CheckDlgButton(m_hWnd, IDC_TEST_CHECK, BST_UNCHECKED);
    PostMessage(WM_COMMAND, MAKEWPARAM(m_press, BN_CLICKED));
    return result;
  }
  void DoDataExchange(CDataExchange& dx) override {
    DDX_Int(dx, IDC_TEST_NUMBER, number, 0, 100);
    DDX_Check(dx, IDC_TEST_CHECK, checked);
  }
  void OnOK() override {
    m_seen.Add("dialog", WM_COMMAND, IDOK);
    CDialog::OnOK();
  }
  void OnCancel() override {
    m_seen.Add("dialog", WM_COMMAND, IDCANCEL);
    CDialog::OnCancel();
  }

 public:
  std::string loaded;

 private:
  MessageSequence& m_seen;
  UINT m_press;
};

TEST(Dialog, OkTakesTheValuesOverAndCancelLeavesThem) {
  struct Case {
    UINT press;
    int number;
    bool checked;
  };
  for (const Case& c : {Case{IDOK, 42, false}, Case{IDCANCEL, 5, true}}) {
    MessageSequence seen;
    TestDialog dialog(seen, c.press);
    EXPECT_EQ(dialog.DoModal(), static_cast<INT_PTR>(c.press));
    EXPECT_EQ(dialog.loaded, "5");
    EXPECT_EQ(dialog.number, c.number);
    EXPECT_EQ(dialog.checked, c.checked);
    EXPECT_EQ(seen.Seen(), (std::vector<SeenMessage>{{"dialog", WM_INITDIALOG, 0},
                                                     {"dialog", WM_COMMAND, c.press}}));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
  }
}

TEST(DataExchange, NumbersAreWholeAndWithinInt) {
  int value = 0;
  EXPECT_TRUE(ParseDialogInt(" -12 ", value));
  EXPECT_EQ(value, -12);
  for (const char* bad : {"", "1.5", "12a", "-", "99999999999"})
    EXPECT_FALSE(ParseDialogInt(bad, value)) << bad;
}

class TestPage : public CPropertyPage {
 public:
  TestPage(MessageSequence& seen, const char* name)
      : CPropertyPage(IDD_TEST_PAGE, name), m_seen(seen), m_name(name) {}
  bool refuseToLeave = false;

 protected:
  BOOL OnInitDialog() override {
    m_seen.Add(m_name, WM_INITDIALOG);
    return CPropertyPage::OnInitDialog();
  }
  BOOL OnSetActive() override { return Seen(PSN_SETACTIVE, TRUE); }
  BOOL OnKillActive() override { return Seen(PSN_KILLACTIVE, !refuseToLeave); }
  BOOL OnApply() override { return Seen(PSN_APPLY, TRUE); }
  void OnReset() override { Seen(PSN_RESET, TRUE); }
  // The number is never editable here: proves the idle update reaches the page.
  BOOL OnUpdateCommand(CCmdUI& ui) override {
    if (ui.GetID() != IDC_TEST_NUMBER) return FALSE;
    ui.Enable(false);
    return TRUE;
  }

 private:
  BOOL Seen(UINT code, BOOL answer) {
    m_seen.Add(m_name, WM_NOTIFY, code);
    return answer;
  }
  MessageSequence& m_seen;
  const char* m_name;
};

struct SheetRun {
  MessageSequence seen;
  TestPage first{seen, "first"}, second{seen, "second"}, never{seen, "never"}, added{seen, "added"};
  CPropertySheet sheet{"Sheet"};
  int activeAfterRefusal = -1;
  bool numberDisabled = false;
  bool addedGone = false;
  int tabsAfterRemoval = 0;
};

void Select(SheetRun& run, int index) { run.sheet.PostMessage(PSM_SETCURSEL, index, 0); }

TEST(Sheet, PagesAnswerTheirNotificationsAndComeAndGoWhileItRuns) {
  SheetRun run;
  for (TestPage* page : {&run.first, &run.second, &run.never}) run.sheet.AddPage(page);
  TimerScript script(
      {[](void* r) { Select(*static_cast<SheetRun*>(r), 1); },
       [](void* r) {
         auto& run = *static_cast<SheetRun*>(r);
         run.second.refuseToLeave = true;
         Select(run, 0);
       },
       [](void* r) {
         auto& run = *static_cast<SheetRun*>(r);
         run.activeAfterRefusal = run.sheet.GetPageIndex(run.sheet.GetActivePage());
         run.numberDisabled = !::IsWindowEnabled(run.second.GetDlgItem(IDC_TEST_NUMBER));
         run.second.refuseToLeave = false;
         run.sheet.AddPage(&run.added);
         Select(run, 3);
       },
       [](void* r) { Select(*static_cast<SheetRun*>(r), 1); },
       [](void* r) {
         auto& run = *static_cast<SheetRun*>(r);
         run.sheet.RemovePage(&run.added);
         run.addedGone = run.added.GetSafeHwnd() == nullptr;
         HWND tabs = reinterpret_cast<HWND>(run.sheet.SendMessage(PSM_GETTABCONTROL));
         run.tabsAfterRemoval = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
         // Posted, not sent: the sheet ends its own loop.
         run.sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
       }},
      &run);
  EXPECT_EQ(run.sheet.DoModal(), IDOK);
  EXPECT_EQ(script.StepsRun(), 5u);
  EXPECT_EQ(run.activeAfterRefusal, 1);
  EXPECT_TRUE(run.numberDisabled);
  EXPECT_TRUE(run.addedGone);
  EXPECT_EQ(run.tabsAfterRemoval, 3);
  EXPECT_EQ(run.sheet.GetPageCount(), 3);
  const UINT init = WM_INITDIALOG, note = WM_NOTIFY;
  EXPECT_EQ(run.seen.Seen(), (std::vector<SeenMessage>{
                                 {"first", init, 0},
                                 {"first", note, UINT(PSN_SETACTIVE)},
                                 {"first", note, UINT(PSN_KILLACTIVE)},
                                 {"second", init, 0},
                                 {"second", note, UINT(PSN_SETACTIVE)},
                                 {"second", note, UINT(PSN_KILLACTIVE)},  // refused: stays
                                 {"second", note, UINT(PSN_KILLACTIVE)},
                                 {"added", init, 0},
                                 {"added", note, UINT(PSN_SETACTIVE)},
                                 {"added", note, UINT(PSN_KILLACTIVE)},
                                 {"second", note, UINT(PSN_SETACTIVE)},
                                 {"second", note, UINT(PSN_KILLACTIVE)},
                                 {"first", note, UINT(PSN_APPLY)},  // "never" was never opened
                                 {"second", note, UINT(PSN_APPLY)},
                             }));
}

TEST(Sheet, CancelResetsTheOpenedPages) {
  SheetRun run;
  run.sheet.AddPage(&run.first);
  run.sheet.AddPage(&run.never);
  TimerScript script({[](void* r) {
                       static_cast<SheetRun*>(r)->sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
                     }},
                     &run);
  EXPECT_EQ(run.sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(run.seen.Seen(), (std::vector<SeenMessage>{{"first", WM_INITDIALOG, 0},
                                                       {"first", WM_NOTIFY, UINT(PSN_SETACTIVE)},
                                                       {"first", WM_NOTIFY, UINT(PSN_RESET)}}));
}

TEST(ModuleInstance, LibraryShowsItsOwnDialogAgainAfterBeingUnloaded) {
  for (int round = 0; round < 2; ++round) {
    HMODULE library = ::LoadLibraryA("kestrel_test_library.dll");
    ASSERT_NE(library, nullptr);
    auto show = reinterpret_cast<int (*)()>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "ShowLibraryDialog")));
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show(), kLibraryDialogShown) << "round " << round;
    WNDCLASSA info{};
    EXPECT_TRUE(::GetClassInfoA(library, kLibraryControlClass, &info));
    ::FreeLibrary(library);
    // Its class went with it: no procedure of an unloaded library stays registered.
    EXPECT_FALSE(::GetClassInfoA(library, kLibraryControlClass, &info));
  }
}
}  // namespace
