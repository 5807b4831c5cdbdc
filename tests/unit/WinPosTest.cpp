#include <gtest/gtest.h>

#include "core/WinPos.h"

namespace {
struct ParseCase {
  const char* text;
  bool accepted;
  RECT rect;
};

TEST(WinPos, ParsesClampsAndRejectsAsTheFrameExpects) {
  const ParseCase cases[] = {
      {"0:1:-1:-1:-1:-1:100:200:700:240", true, {100, 200, 700, 240}},
      // Off the top-left: clamped to the screen and used.
      {"0:1:-1:-1:-1:-1:-10:-20:300:40", true, {0, 0, 300, 40}},
      // Past the bottom-right: clamped to the screen size.
      {"0:1:0:0:0:0:900:700:1200:900", true, {900, 700, 1024, 768}},
      // Inverted, empty and wholly off-screen rectangles fall back to the default.
      {"0:1:-1:-1:-1:-1:500:0:400:40", false, {}},
      {"0:1:-1:-1:-1:-1:0:10:100:10", false, {}},
      {"0:1:-1:-1:-1:-1:1100:0:1200:40", false, {}},
      {"", false, {}},
      {"0:1:2:3:4:5:6:7:8", false, {}},
      {"a:b:c:d:e:f:g:h:i:j", false, {}},
      {"0:1:-1:-1:-1:-1:99999999999999999999:0:10:10", false, {}},
  };
  for (const auto& c : cases) {
    WINDOWPLACEMENT placement{};
    EXPECT_EQ(ParseWinPos(c.text, 1024, 768, &placement), c.accepted) << c.text;
    if (!c.accepted) continue;
    const RECT& r = placement.rcNormalPosition;
    EXPECT_EQ(r.left, c.rect.left) << c.text;
    EXPECT_EQ(r.top, c.rect.top) << c.text;
    EXPECT_EQ(r.right, c.rect.right) << c.text;
    EXPECT_EQ(r.bottom, c.rect.bottom) << c.text;
    EXPECT_EQ(placement.length, sizeof(WINDOWPLACEMENT));
  }
}

TEST(WinPos, WritesTenNumbersThatReadBackTheSame) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  placement.flags = WPF_RESTORETOMAXIMIZED;
  placement.showCmd = SW_SHOWNORMAL;
  placement.ptMinPosition = {-1, -1};
  placement.ptMaxPosition = {-4, -4};
  placement.rcNormalPosition = {12, 34, 612, 74};
  std::string text = FormatWinPos(placement);
  EXPECT_EQ(text, "2:1:-1:-1:-4:-4:12:34:612:74");
  WINDOWPLACEMENT back{};
  ASSERT_TRUE(ParseWinPos(text, 1024, 768, &back));
  EXPECT_EQ(back.flags, 2u);
  EXPECT_EQ(back.ptMaxPosition.x, -4);
  EXPECT_EQ(back.rcNormalPosition.right, 612);
}

TEST(WinPos, NeverWritesAnUnusableRectangle) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  for (RECT r : {RECT{-1, 0, 100, 40}, RECT{0, -5, 100, 40}, RECT{100, 0, 100, 40},
                 RECT{0, 40, 100, 20}}) {
    placement.rcNormalPosition = r;
    EXPECT_EQ(FormatWinPos(placement), "") << r.left << "," << r.top;
  }
}
}  // namespace
