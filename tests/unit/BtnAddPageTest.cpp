// The button sheet's action page in a plain property sheet, with the real
// library's templates and strings, a sheet host standing in for the button
// sheet and an owner window answering WM_TABLIST from a model.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/BarMessages.h"
#include "core/ShellLink.h"
#include "core/TabDataList.h"
#include "core/TabListSnapshot.h"
#include "framework/Module.h"
#include "framework/PropertySheet.h"
#include "framework/WinApp.h"
#include "res/plumage_res.h"
#include "settings/BtnAddPage.h"
#include "settings/BtnSheetHost.h"
#include "settings/DialogContext.h"
#include "tests/unit/TempProgramFolder.h"
#include "tests/unit/PlumageResources.h"
#include "tests/unit/ThreadDialogs.h"

namespace {

class FakeSheetHost : public CBtnSheetHost {
 public:
  std::string& Command() override { return command; }
  uint32_t& Flags() override { return flags; }
  const DialogContext& Context() const override { return context; }
  const std::string& ProgramFolder() const override { return programFolder; }
  // An empty work folder stands for one that is not usable (the sheet tells the user).
  bool CheckWorkFolder(HWND, std::string& folder) override {
    folder = workFolder;
    return !workFolder.empty();
  }
  bool IsShortcutPageFirst() const override { return shortcutFirst; }
  std::string GetShortcutField(int id) const override {
    auto found = fields.find(id);
    return found == fields.end() ? std::string() : found->second;
  }
  void SetShortcutField(int id, const std::string& text) override { fields[id] = text; }
  void SetShortcutNewIcon(const std::string& file, int index) override {
    newIcon = file + "," + std::to_string(index);
  }

  std::string command;
  uint32_t flags = 0;
  DialogContext context;
  std::string programFolder, workFolder;
  bool shortcutFirst = false;
  std::map<int, std::string> fields;
  std::string newIcon;
};

// Kestrel's side of WM_TABLIST: snapshots of a model, or no answer at all.
struct TabOwner {
  CTabDataList model;
  CTabListSnapshots snapshots;
  bool answerZero = false;
  HWND window = nullptr;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* owner = reinterpret_cast<TabOwner*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_TABLIST && owner)
      return owner->answerZero ? 0 : owner->snapshots.Answer(owner->model, wParam, lParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  TabOwner() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "KestrelTestTabOwner";
    ::RegisterClassA(&wc);
    window = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~TabOwner() { ::DestroyWindow(window); }

  // Visible tabs, then hidden ones, each with its commands.
  void SetTabs(const std::vector<std::pair<std::string, std::vector<std::string>>>& visible,
               const std::vector<std::pair<std::string, std::vector<std::string>>>& hidden) {
    uint32_t number = 1;
    CTabDataList::TabVector shown, hiddenTabs;
    for (const auto* list : {&visible, &hidden}) {
      for (const auto& [name, commands] : *list) {
        auto tab = std::make_unique<CTabData>(name, number);
        for (const auto& command : commands)
          tab->m_buttons.push_back(std::make_unique<CBtnData>(command));
        model.AddTab(std::move(tab));
        (list == &visible ? shown : hiddenTabs).push_back(std::make_unique<CTabData>(name, number));
        ++number;
      }
    }
    CTabDataList::TabVector copy = model.CloneTabs();
    model.ApplyTabOrder(std::move(shown));
    if (!hiddenTabs.empty()) model.ApplyHiddenTabs(std::move(hiddenTabs), copy);
  }
};

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

std::vector<std::string> ShortcutsIn(const std::string& folder) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((folder + "*.lnk").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return found;
  do found.push_back(folder + data.cFileName);
  while (::FindNextFileA(find, &data));
  ::FindClose(find);
  return found;
}

// One sheet with the action page after a first page, as the button sheet has it.
class PageRun {
 public:
  PageRun() {
    m_setupTool = m_folder.Folder() + "Hatchling.exe";
    ::CloseHandle(
        ::CreateFileA(m_setupTool.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    m_host.programFolder = m_folder.Folder();
    m_host.workFolder = m_folder.Folder() + "work\\";
    ::CreateDirectoryA(m_host.workFolder.c_str(), nullptr);
    m_host.context.tabName = "Tab";
    m_host.context.owner = m_owner.window;
  }
  ~PageRun() {
    if (m_sheet.GetSafeHwnd()) m_sheet.DestroyWindow();
    Pump();
    EXPECT_EQ(m_owner.snapshots.GetOutstandingCount(), 0u) << "a snapshot was not given back";
  }
  PageRun(const PageRun&) = delete;
  PageRun& operator=(const PageRun&) = delete;

  // Opens the sheet (modeless) on the action page.
  void Open() {
    ASSERT_TRUE(m_resources.Loaded());
    m_sheet.AddPage(&m_first);
    m_sheet.AddPage(&m_page);
    m_sheet.SetStartPage(1);
    ASSERT_EQ(m_sheet.DoModal(), IDOK);
    ASSERT_NE(m_page.GetSafeHwnd(), nullptr);
    Pump();
  }
  // Tries to go to the first page: whether the action page let the sheet go.
  bool Leave() {
    m_sheet.SendMessage(PSM_SETCURSEL, 0, 0);
    Pump();
    return m_sheet.GetActivePage() == &m_first;
  }
  HWND Item(int id) const { return m_page.GetDlgItem(id); }
  bool Checked(int id) const { return ::IsDlgButtonChecked(m_page.GetSafeHwnd(), id) != 0; }
  void Click(int id) {
    ::SendMessageA(Item(id), BM_CLICK, 0, 0);
    Pump();
  }
  std::string Text(int id) const {
    char text[256] = "";
    ::GetWindowTextA(Item(id), text, sizeof text);
    return text;
  }
  void TellComboChanged(WORD code) {
    ::SendMessageA(m_page.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(IDCA_TAB_COMBO, code),
                   reinterpret_cast<LPARAM>(Item(IDCA_TAB_COMBO)));
    Pump();
  }
  void ChooseTab(const std::string& name) {
    HWND combo = Item(IDCA_TAB_COMBO);
    LRESULT index = ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(name.c_str()));
    ASSERT_GE(index, 0) << name;
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    TellComboChanged(CBN_SELCHANGE);
  }
  int StripCount() const {
    return static_cast<int>(::SendMessageA(Item(IDCA_ICON_STRIP), LB_GETCOUNT, 0, 0));
  }
  std::string ActionShortcut(const std::string& arguments) {
    std::string path = m_folder.Folder() + "action.lnk";
    EXPECT_TRUE(WriteShortcut(nullptr, path, m_setupTool.c_str(), nullptr, nullptr,
                              arguments.c_str(), nullptr, nullptr, 0, kKeepHotKey, kKeepShowCmd));
    return path;
  }

  PlumageResources m_resources{true};
  TempProgramFolder m_folder;
  std::string m_setupTool;
  TabOwner m_owner;
  FakeSheetHost m_host;
  CPropertyPage m_first{IDD_BTN_ACTION};
  CBtnAddPage m_page{m_host};
  CPropertySheet m_sheet{"Sheet", nullptr, PSH_MODELESS};
};

TEST(BtnAddPage, AMenuActionOpensCheckedAndLeavingUnchangedWritesNoShortcut) {
  PageRun run;
  run.m_owner.SetTabs({{"Tab", {"/"}}}, {});
  run.m_host.command = run.ActionShortcut("/menu:Tab");
  run.m_host.shortcutFirst = true;
  run.m_host.fields = {{IDCS_TARGET, run.m_setupTool}, {IDCS_ARGUMENTS, "/menu:Tab"}};
  run.Open();
  EXPECT_TRUE(run.Checked(IDCA_MENU));
  EXPECT_FALSE(run.Checked(IDCA_SWITCH) || run.Checked(IDCA_START));
  EXPECT_EQ(run.Text(IDCA_TAB_COMBO), "Tab");
  EXPECT_EQ(run.Text(IDCA_CURRENT_TAB), "(現在:Tab)");
  EXPECT_TRUE(run.Leave());
  EXPECT_TRUE(ShortcutsIn(run.m_host.workFolder).empty());
  EXPECT_FALSE(run.m_page.HasCreatedShortcut());
  EXPECT_EQ(run.m_host.command, run.m_folder.Folder() + "action.lnk");
  EXPECT_EQ(run.m_host.flags, 0x2u);
  EXPECT_EQ(run.m_host.GetShortcutField(IDCS_ARGUMENTS), "/menu:Tab");
}

// Dark pixels in the check square of a combo item, drawn as the combo would draw it.
int DarkPixelsInCheckSquare(HWND page, const char* name) {
  HWND combo = ::GetDlgItem(page, IDCA_TAB_COMBO);
  auto index = static_cast<UINT>(::SendMessageA(combo, CB_FINDSTRINGEXACT, UINT(-1), LPARAM(name)));
  HDC dc = ::CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 200, 20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  DRAWITEMSTRUCT item{ODT_COMBOBOX,
                      IDCA_TAB_COMBO,
                      index,
                      ODA_DRAWENTIRE,
                      0,
                      combo,
                      dc,
                      RECT{0, 0, 200, 20},
                      ULONG_PTR(::SendMessageA(combo, CB_GETITEMDATA, index, 0))};
  ::SendMessageA(page, WM_DRAWITEM, IDCA_TAB_COMBO, reinterpret_cast<LPARAM>(&item));
  int dark = 0;
  for (int x = 0; x < 16; ++x)
    for (int y = 0; y < 20; ++y) dark += (::GetPixel(dc, x, y) & 0x808080) == 0;
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return dark;
}

TEST(BtnAddPage, OffersHiddenTabsUncheckedAndTakesOneActionAtATime) {
  PageRun run;
  run.m_owner.SetTabs({{"Tab", {}}}, {{"Hid", {}}});
  run.m_host.flags = 0x6;
  run.Open();
  EXPECT_TRUE(run.Checked(IDCA_DROP_OPENS));
  ASSERT_EQ(::SendMessageA(run.Item(IDCA_TAB_COMBO), CB_GETCOUNT, 0, 0), 2);
  // The visible tab's square carries a tick, the hidden one's not.
  EXPECT_GT(DarkPixelsInCheckSquare(run.m_page.GetSafeHwnd(), "Tab"),
            DarkPixelsInCheckSquare(run.m_page.GetSafeHwnd(), "Hid"));

  run.Click(IDCA_SWITCH);
  run.Click(IDCA_MENU);
  EXPECT_FALSE(run.Checked(IDCA_SWITCH));
  EXPECT_TRUE(run.Checked(IDCA_MENU));
  EXPECT_FALSE(::IsWindowEnabled(run.Item(IDCA_DROP_ADDS)));
  run.Click(IDCA_MENU);
  EXPECT_TRUE(::IsWindowEnabled(run.Item(IDCA_DROP_OPENS)));
  // No action: a normal button, its command as it was.
  EXPECT_TRUE(run.Leave());
  EXPECT_EQ(run.m_host.flags, 0x4u);
  EXPECT_EQ(run.m_host.command, "");
}

TEST(BtnAddPage, AnActionWithoutATabNameIsRefused) {
  PageRun run;
  run.m_owner.SetTabs({{"Tab", {}}}, {});
  run.Open();
  run.Click(IDCA_MENU);
  ::SetWindowTextA(run.Item(IDCA_TAB_COMBO), "  ");
  BoxAnswerer closer;
  EXPECT_FALSE(run.Leave());
  char expected[512] = "";
  ::LoadStringA(AfxGetResourceHandle(), 1241, expected, sizeof expected);
  EXPECT_EQ(closer.texts, std::vector<std::string>{expected});
  // A name but no usable work folder: the page stays too.
  ::SetWindowTextA(run.Item(IDCA_TAB_COMBO), "Tab");
  std::string workFolder = std::exchange(run.m_host.workFolder, "");
  EXPECT_FALSE(run.Leave());
  EXPECT_EQ(closer.texts.size(), 1u);
  EXPECT_TRUE(ShortcutsIn(workFolder).empty());
}

TEST(BtnAddPage, ANewActionShortcutGoesToTheWorkFolderAndBecomesTheCommand) {
  for (bool shortcutFirst : {false, true}) {
    SCOPED_TRACE(shortcutFirst ? "shortcut page first" : "file page first");
    PageRun run;
    run.m_owner.SetTabs({{"Tab", {}}}, {{"Hid", {}}});
    run.m_host.shortcutFirst = shortcutFirst;
    run.m_host.command = run.m_setupTool;  // a plain program
    run.Open();
    run.Click(IDCA_MENU);
    run.ChooseTab("Hid");
    ASSERT_TRUE(run.Leave());
    std::vector<std::string> made = ShortcutsIn(run.m_host.workFolder);
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0].rfind(run.m_host.workFolder + "メニュー", 0), 0u) << made[0];
    EXPECT_EQ(run.m_host.command, made[0]);
    EXPECT_TRUE(run.m_page.HasCreatedShortcut());
    EXPECT_EQ(run.m_host.flags, 0x2u);
    ShortcutFields fields;
    ASSERT_TRUE(ReadShortcut(nullptr, made[0].c_str(), fields));
    EXPECT_EQ(fields.target, run.m_setupTool);
    EXPECT_EQ(fields.arguments, "/menu:Hid");
    EXPECT_EQ(fields.description, "名前とアイコンを変更できます");
    if (shortcutFirst) {
      EXPECT_EQ(run.m_host.GetShortcutField(IDCS_FILE_NAME), made[0]);
      EXPECT_EQ(run.m_host.GetShortcutField(IDCS_TARGET), run.m_setupTool);
      EXPECT_EQ(run.m_host.GetShortcutField(IDCS_ARGUMENTS), "/menu:Hid");
      EXPECT_EQ(run.m_host.newIcon, run.m_setupTool + ",0");
    }
  }
}

TEST(BtnAddPage, TheStripShowsTheChosenTabsIconsAndNoneForSeparators) {
  PageRun run;
  const std::string folder = run.m_folder.Folder();
  run.m_owner.SetTabs({{"Full", {run.m_setupTool, "/", folder}}, {"Lines", {"/", "/"}}}, {});
  run.Open();
  run.ChooseTab("Full");
  EXPECT_EQ(run.StripCount(), 2);
  run.ChooseTab("Lines");
  EXPECT_EQ(run.StripCount(), 0);
  // A typed name counts when it names a tab exactly.
  ::SendMessageA(run.Item(IDCA_TAB_COMBO), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ::SetWindowTextA(run.Item(IDCA_TAB_COMBO), " Full ");
  run.TellComboChanged(CBN_EDITCHANGE);
  EXPECT_EQ(run.StripCount(), 2);
}

int g_shellMessages = 0;

TEST(BtnAddPage, BadTabListsGiveAnEmptyOrSafeCombo) {
  const std::string longName(4000, 'A');
  const std::string brokenName = "abc\x82";  // a lead byte without its trail byte
  for (bool answerZero : {true, false}) {
    SCOPED_TRACE(answerZero ? "no tab list" : "long and broken names");
    PageRun run;
    run.m_owner.answerZero = answerZero;
    run.m_host.context.tabName = longName;
    run.m_owner.SetTabs({{longName, {std::string(4000, 'x')}}, {brokenName, {"\x82"}}}, {});
    run.Open();
    HWND combo = run.Item(IDCA_TAB_COMBO);
    ASSERT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), answerZero ? 0 : 2);
    ::SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Pump();
    ::SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    for (int index = 0; index < (answerZero ? 0 : 2); ++index) {
      ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
      run.TellComboChanged(CBN_SELCHANGE);
      EXPECT_EQ(run.StripCount(), 1);
    }
    run.Click(IDCA_SWITCH);
    ::SetWindowTextA(combo, longName.c_str());
    g_shellMessages = 0;
    SetShellMessageHandler([](HWND, const char*) { ++g_shellMessages; });
    bool left = run.Leave();
    SetShellMessageHandler(nullptr);
    // The long name goes into the arguments whole, or the write fails with the shell's message.
    std::vector<std::string> made = ShortcutsIn(run.m_host.workFolder);
    if (left) {
      ASSERT_EQ(made.size(), 1u);
      ShortcutFields fields;
      ASSERT_TRUE(ReadShortcut(nullptr, made[0].c_str(), fields));
      EXPECT_EQ(fields.arguments, "/sw:" + longName);
    } else {
      EXPECT_GT(g_shellMessages, 0);
    }
  }
}

}  // namespace
