// The colour sheet's button variant as the button sheet opens it, run in this
// process with the built Plumage.dll as the resource module: what "標準の色"
// stores and shows, and what colours the sheet opens with.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "framework/WinApp.h"
#include "settings/ButtonColorChoice.h"
#include "settings/DialogContext.h"
#include "tests/unit/PlumageResources.h"
#include "tests/unit/ThreadDialogs.h"

namespace {
std::string Cp932(const wchar_t* text) {
  char buffer[256] = "";
  ::WideCharToMultiByte(932, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  return buffer;
}

std::string TextOf(HWND window) {
  char buffer[256] = "";
  ::GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

}  // namespace

TEST(ButtonColorChoice, StandardColourStoresDefaultAndBadValuesOpenWithASafeColour) {
  PlumageResources library;
  ASSERT_TRUE(library.Loaded());
  HWND page = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
  const struct Case {
    const char* what;
    DWORD style;
    uint32_t tabColor, text, bk;
    bool pressStandard;
    const wchar_t* shownBefore;
    const wchar_t* shownAfter;
    COLORREF sampleAfter;  // the sample's background
    uint32_t bkOut;
  } cases[] = {
      {"button face", 0, 0x1000000 | COLOR_WINDOW, 0x123456, 0x0000FF, true, L"赤:255 緑:0 青:0",
       L"ボタンの表面", ::GetSysColor(COLOR_BTNFACE), 0x2000000},
      {"tab colour", 0x200000, 0x1000000 | COLOR_WINDOW, 0x123456, 0x0000FF, true,
       L"赤:255 緑:0 青:0", L"ウィンドウの背景", ::GetSysColor(COLOR_WINDOW), 0x2000000},
      {"already default", 0, 0, 0x123456, 0x2000000, true, L"ボタンの表面", L"ボタンの表面",
       ::GetSysColor(COLOR_BTNFACE), 0x2000000},
      // Values no page could have made: shown as the standard colour, handed back unchanged.
      {"unknown kind", 0, 0, 0x7000001, 0x5ABCDEF, false, L"ボタンの表面", L"ボタンの表面",
       ::GetSysColor(COLOR_BTNFACE), 0x5ABCDEF},
      {"system index out of range", 0, 0, 0x10003E7, 0x1FFFFFF, false, L"ボタンの表面",
       L"ボタンの表面", ::GetSysColor(COLOR_BTNFACE), 0x1FFFFFF},
  };
  for (const Case& c : cases) {
    DialogContext context;
    context.style = c.style;
    context.tabColor = c.tabColor;
    context.tabTextColor = 0x1000000 | COLOR_WINDOWTEXT;
    uint32_t text = c.text, bk = c.bk;
    std::string caption, before, after;
    COLORREF sample = CLR_INVALID;
    bool ok;
    {
      SheetDriver driver([&](HWND sheet) {
        caption = TextOf(sheet);
        HWND current = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
        before = TextOf(::GetDlgItem(current, 1609));
        if (c.pressStandard) ::SendMessageA(::GetDlgItem(current, 1648), BM_CLICK, 0, 0);
        after = TextOf(::GetDlgItem(current, 1609));
        HWND sampleButton = ::GetDlgItem(current, 1610);
        ::RedrawWindow(sampleButton, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT r{};
        ::GetClientRect(sampleButton, &r);
        HDC dc = ::GetDC(sampleButton);
        sample = ::GetPixel(dc, 4, r.bottom / 2);  // inside the edge, beside icon and text
        ::ReleaseDC(sampleButton, dc);
        ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        return true;
      });
      ok = ChooseButtonColors(page, context, text, bk);
    }
    EXPECT_TRUE(ok) << c.what;
    EXPECT_EQ(caption, Cp932(L"色の指定")) << c.what;
    EXPECT_EQ(before, Cp932(c.shownBefore)) << c.what;
    EXPECT_EQ(after, Cp932(c.shownAfter)) << c.what;
    EXPECT_EQ(sample, c.sampleAfter) << c.what;
    EXPECT_EQ(bk, c.bkOut) << c.what;
    EXPECT_EQ(text, c.text) << c.what << ": the text page was never opened";
  }
  ::DestroyWindow(page);
}

TEST(ButtonColorChoice, TheSystemColourChooserStartsAtTheShownColourAndGivesRgb) {
  PlumageResources library;
  ASSERT_TRUE(library.Loaded());
  HWND page = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
  DialogContext context;
  uint32_t text = 0x2000000, bk = 0x1000000 | COLOR_INFOBK;
  int stage = 0;
  std::string described;
  bool ok;
  {
    SheetDriver driver([&](HWND sheet) {
      HWND current = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
      if (stage == 0) {
        // Posted: the chooser runs its own modal loop inside the click.
        ::PostMessageA(::GetDlgItem(current, 1642), BM_CLICK, 0, 0);
        stage = 1;
      } else if (stage == 1) {
        HWND chooser = ::GetLastActivePopup(sheet);
        if (chooser == sheet || !::IsWindowVisible(chooser)) return false;
        ::PostMessageA(chooser, WM_COMMAND, IDOK, 0);
        stage = 2;
      } else if (::GetLastActivePopup(sheet) == sheet) {
        described = TextOf(::GetDlgItem(current, 1609));
        ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
        return true;
      }
      return false;
    });
    ok = ChooseButtonColors(page, context, text, bk);
  }
  const COLORREF infoBk = ::GetSysColor(COLOR_INFOBK);
  EXPECT_TRUE(ok);
  EXPECT_EQ(bk, infoBk);
  EXPECT_EQ(text, 0x2000000u);
  char expected[64];
  std::snprintf(expected, sizeof expected, Cp932(L"赤:%d 緑:%d 青:%d").c_str(), GetRValue(infoBk),
                GetGValue(infoBk), GetBValue(infoBk));
  EXPECT_EQ(described, expected);
  ::DestroyWindow(page);
}
