// The button sheet in this process, on the real library's templates: choosing a shortcut on
// the file page swaps the first page for the shortcut page and a plain file swaps it back; the
// record never overruns the caller's buffer; and the names the sheet gives shortcuts in the work
// folder.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/SettingsFile.h"
#include "core/ShellLink.h"
#include "framework/WinApp.h"
#include "settings/BtnPropSheet.h"
#include "settings/WorkFolder.h"
#include "tests/unit/TempProgramFolder.h"
#include "tests/unit/PlumageResources.h"
#include "tests/unit/ThreadDialogs.h"

namespace {

// Drives the running sheet from the thread's timer: the steps run in the sheet's own loop.
struct SwapScenario {
  CBtnPropSheet* sheet = nullptr;
  std::string shortcut;
  int step = 0;
  bool swapped = false;
  uint32_t flagsAfterSwap = 0xFFFF;
  std::string shownFile;
  bool swappedBack = false;
  uint32_t flagsAfterSwapBack = 0xFFFF;
};
const char kNotepad[] = "C:\\windows\\notepad.exe";
SwapScenario* g_scenario = nullptr;

void CALLBACK SwapTick(HWND, UINT, UINT_PTR, DWORD) {
  SwapScenario& s = *g_scenario;
  CBtnPropSheet& sheet = *s.sheet;
  if (s.step == 0 && sheet.GetSafeHwnd() && sheet.FilePage().GetSafeHwnd()) {
    s.step = 1;
    sheet.FilePage().TakeChosenPath(s.shortcut);
  } else if (s.step == 1 && sheet.GetPageCount() == 2) {
    s.step = 2;
    s.swapped = sheet.GetPage(0) == &sheet.ShortcutPage() &&
                sheet.GetActivePage() == &sheet.ShortcutPage() &&
                sheet.GetPage(1) == &sheet.ActionPage();
    s.flagsAfterSwap = sheet.Flags();
    char text[MAX_PATH] = "";
    ::GetDlgItemTextA(sheet.ShortcutPage().GetSafeHwnd(), 1544, text, sizeof text);
    s.shownFile = text;
    // And back: a plain file chosen on the shortcut page.
    sheet.Flags() = 0x4;
    sheet.ShortcutPage().TakeChosenPath(kNotepad);
  } else if (s.step == 2 && sheet.GetPageCount() == 2) {
    s.step = 3;
    s.swappedBack = sheet.GetPage(0) == &sheet.FilePage() &&
                    sheet.GetActivePage() == &sheet.FilePage() &&
                    sheet.GetPage(1) == &sheet.ActionPage();
    s.flagsAfterSwapBack = sheet.Flags();
    sheet.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
  }
}

}  // namespace

TEST(BtnPropSheet, ARecordLongerThanTheCallersBufferIsRefusedWithAMessage) {
  PlumageResources resources;
  ASSERT_TRUE(resources.Loaded());
  TempProgramFolder folder;
  CSettingsFile settings(folder.IniPath());
  for (size_t length : {519u, 520u}) {
    std::vector<char> record(521, '#');  // one guard byte beyond the caller's 520
    DialogContext context;
    context.btnCommand = "*";
    context.btnTextColor = context.btnBkColor = 0x2000000;
    context.recordOut = record.data();
    CBtnPropSheet sheet(nullptr, context, settings, folder.Folder());
    BoxAnswerer boxes;
    bool fits = length < 520;
    EXPECT_EQ(sheet.WriteResult(std::string(length, 'a')), fits) << length;
    EXPECT_EQ(boxes.texts.size(), fits ? 0u : 1u) << length;
    EXPECT_EQ(record[520], '#') << length;
    if (fits) {
      EXPECT_EQ(std::string(record.data()), std::string(length, 'a'));
    } else {
      EXPECT_EQ(record[0], '#');
      EXPECT_EQ(boxes.texts[0], "入力が長すぎます。519 バイト以内にしてください。");
    }
  }
}

TEST(BtnPropSheet, ChoosingAShortcutOrAPlainFileSwapsTheFirstPageAndClearsTheFlags) {
  PlumageResources resources;
  ASSERT_TRUE(resources.Loaded());
  TempProgramFolder folder;
  std::string shortcut = folder.Folder() + "pad.lnk";
  ASSERT_TRUE(WriteShortcut(nullptr, shortcut, "C:\\windows\\notepad.exe", nullptr, nullptr,
                            nullptr, nullptr, nullptr, 0, kKeepHotKey, kKeepShowCmd));
  std::vector<char> record(520, '\0');
  DialogContext context;
  context.btnCommand = "*";
  context.btnFlags = 0x5;
  context.btnTextColor = context.btnBkColor = 0x2000000;
  context.recordOut = record.data();
  CSettingsFile settings(folder.IniPath());
  CBtnPropSheet sheet(nullptr, context, settings, folder.Folder());
  SwapScenario scenario;
  scenario.sheet = &sheet;
  scenario.shortcut = shortcut;
  g_scenario = &scenario;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &SwapTick);
  INT_PTR result = sheet.DoModal();
  ::KillTimer(nullptr, timer);
  g_scenario = nullptr;
  ASSERT_EQ(result, IDOK);
  EXPECT_TRUE(scenario.swapped);
  EXPECT_EQ(scenario.flagsAfterSwap, 0u);
  EXPECT_EQ(scenario.shownFile, shortcut);
  EXPECT_TRUE(scenario.swappedBack);
  EXPECT_EQ(scenario.flagsAfterSwapBack, 0u);
  EXPECT_EQ(std::string(record.data()), kNotepad);
  EXPECT_EQ(context.style & 0x1, 0x1u);
}

TEST(BtnPropSheet, ShortcutNamesStayOneFileNameOfTheWorkFolder) {
  const struct {
    const char* name;
    const char* safe;
  } cases[] = {
      {"..\\..\\evil", "....evil"},
      {"a/b:c*d?e\"f<g>h|i", "abcdefghi"},
      {"tab\there", "tabhere"},
      {"表示", "表示"},  // 0x5C as a second byte is no separator
      {"ab\x81", "ab"},  // a double-byte character cut in half goes whole
      {"..", "temp999"},
      {"\\/", "temp999"},
  };
  for (const auto& c : cases) EXPECT_EQ(MakeSafeFileName(c.name), c.safe) << c.name;
  EXPECT_TRUE(EndsWithTildeDigit("app~2"));
  EXPECT_FALSE(EndsWithTildeDigit("app2"));
  EXPECT_FALSE(EndsWithTildeDigit("\x81~2"));  // the "~" is the second byte of a character
}
