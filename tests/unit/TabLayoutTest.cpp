#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "bar/TabItem.h"
#include "bar/TabLayout.h"

using namespace tablayout;

namespace {
const int kStart = 36;

TEST(TabLayout, TabsAreTextPlusTwentyAndOverlapByEight) {
  std::vector<Span> spans = LayoutSpans({60, 80}, kStart, 0, -1);
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_EQ(spans[0].start, kStart);
  EXPECT_EQ(spans[0].length, 80);
  EXPECT_EQ(spans[1].length, 100);
  EXPECT_EQ(spans[1].start - spans[0].start, 72);
  EXPECT_FALSE(spans[0].truncated);
  EXPECT_FALSE(spans[1].truncated);
  // The scroll offset moves every tab.
  EXPECT_EQ(LayoutSpans({60, 80}, kStart, -16, -1)[1].start, kStart + 72 - 16);
}

TEST(TabLayout, AutomaticWidthNeverTruncatesAndFixedWidthTruncatesOnlyLongerNames) {
  for (const Span& span : LayoutSpans({10, 500, 5000}, kStart, 0, -1)) EXPECT_FALSE(span.truncated);
  std::vector<Span> fixed = LayoutSpans({30, 50, 51}, kStart, 0, 50);
  ASSERT_EQ(fixed.size(), 3u);
  for (const Span& span : fixed) EXPECT_EQ(span.length, 70);
  EXPECT_FALSE(fixed[0].truncated);
  EXPECT_FALSE(fixed[1].truncated);
  EXPECT_TRUE(fixed[2].truncated);
}

TEST(TabLayout, HugeTabsKeepPositionsIncreasingWithoutOverflow) {
  std::vector<int> widths(10000, 2000000000);
  std::vector<Span> spans = LayoutSpans(widths, kStart, 0, -1);
  for (size_t i = 1; i < spans.size(); ++i) {
    ASSERT_GE(spans[i].start, spans[i - 1].start) << i;
    ASSERT_GT(spans[i].length, 0);
  }
  EXPECT_GT(MaxScroll(spans, 0, 500), 0);
}

TEST(TabLayout, MaxScrollIsHowFarTheTabsReachPastTheTabArea) {
  std::vector<Span> spans = LayoutSpans({60, 80}, kStart, 0, -1);  // far edge 36 + 72 + 100
  EXPECT_EQ(MaxScroll(spans, 0, 188), 20);
  EXPECT_EQ(MaxScroll(LayoutSpans({60, 80}, kStart, -16, -1), -16, 188), 20);
  EXPECT_LE(MaxScroll(spans, 0, 400), 0);
  EXPECT_EQ(MaxScroll({}, 0, 400), 0);
}

TEST(TabLayout, ArrowsScrollBySixteenAndStopAtTheEnds) {
  // An overflow of 20: two presses reach the end (16, then 4).
  int offset = ScrollOffsetAfter(SB_LINERIGHT, 0, 20);
  EXPECT_EQ(offset, -16);
  offset = ScrollOffsetAfter(SB_LINERIGHT, offset, 20);
  EXPECT_EQ(offset, -20);
  EXPECT_EQ(ScrollOffsetAfter(SB_LINERIGHT, offset, 20), -20);
  offset = ScrollOffsetAfter(SB_LINELEFT, offset, 20);
  EXPECT_EQ(offset, -4);
  EXPECT_EQ(ScrollOffsetAfter(SB_LINELEFT, offset, 20), 0);
  // Tabs that fit do not scroll; other codes do nothing.
  EXPECT_EQ(ScrollOffsetAfter(SB_LINERIGHT, 0, 0), 0);
  EXPECT_EQ(ScrollOffsetAfter(SB_LINERIGHT, 0, -30), 0);
  EXPECT_EQ(ScrollOffsetAfter(SB_PAGERIGHT, -4, 20), -4);
  EXPECT_EQ(ScrollOffsetAfter(SB_THUMBTRACK, -4, 20), -4);
}

TEST(TabLayout, ChildrenAreArrowsTabsRecentSlotSplitterAndScrollBar) {
  // 500 long, 17 thick, thumb 17, share 0.4.
  Placement shown = PlaceChildren(500, 17, 17, 0.4, true);
  EXPECT_EQ(shown.arrowsLength, 34);
  EXPECT_EQ(shown.tabStart, 36);
  EXPECT_EQ(shown.scrollStart, 300);
  EXPECT_EQ(shown.splitterStart, 296);
  EXPECT_EQ(shown.recentStart, 293);
  EXPECT_EQ(shown.tabEnd, 293);
  Placement hidden = PlaceChildren(500, 17, 17, 0.4, false);
  EXPECT_EQ(hidden.tabEnd, 497);
  EXPECT_EQ(hidden.recentStart, 497);
  // A thin strip makes short arrows.
  EXPECT_EQ(PlaceChildren(500, 10, 17, 0.4, false).arrowsLength, 20);
  // The scroll bar never pushes into the tab area start.
  EXPECT_EQ(PlaceChildren(500, 17, 17, 1.0, true).scrollStart, 36 + 4);
}

TEST(TabLayout, SplitterAtTheFarEndLeavesEightPixels) {
  const int length = 500;
  double share = ShareForSplitterAt(length - 1, length);
  Placement p = PlaceChildren(length, 17, 17, share, true);
  EXPECT_EQ(length - p.scrollStart, 8);
  // Beyond the strip too.
  p = PlaceChildren(length, 17, 17, ShareForSplitterAt(length + 300, length), true);
  EXPECT_EQ(length - p.scrollStart, 8);
  // At the middle the share is about a half.
  EXPECT_NEAR(ShareForSplitterAt(248, length), 0.5, 0.001);
}

TEST(TabLayout, OddSharesAndLengthsStillPlaceEverything) {
  for (double share : {0.0, -1.0, 2.0, 1e300, -1e300, std::nan("")}) {
    Placement p = PlaceChildren(300, 17, 17, share, true);
    EXPECT_LE(p.scrollStart, 300 - 8) << share;
    EXPECT_GE(p.scrollStart, 0) << share;
  }
  Placement tiny = PlaceChildren(5, 17, 17, 0.4, true);
  EXPECT_EQ(tiny.recentStart, tiny.tabEnd);
}

TEST(TabLayout, PolygonsPutTheWideSideTowardThePanel) {
  const RECT r{10, 0, 110, 17};
  struct Case {
    Orientation orientation;
    POINT points[4];
  } cases[] = {
      {kHorizontal, {{10, 0}, {18, 17}, {101, 17}, {109, 0}}},
      {kVerticalRight, {{10, 17}, {110, 9}, {110, 9}, {10, 1}}},
      {kVerticalLeft, {{110, 0}, {10, 8}, {10, 8}, {110, 16}}},
  };
  for (const Case& c : cases) {
    Quad quad = TabPolygon(r, c.orientation);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(quad.points[i].x, c.points[i].x) << c.orientation << " " << i;
      EXPECT_EQ(quad.points[i].y, c.points[i].y) << c.orientation << " " << i;
    }
  }
}

TEST(TabLayout, EnsureVisibleScrollsOnlyTabsWhoseCentreIsOutside) {
  // Tab area 36..293, maximum scroll 200.
  EXPECT_EQ(EnsureVisibleOffset(100, 180, 0, 200, 36, 293), 0);       // inside
  EXPECT_EQ(EnsureVisibleOffset(280, 380, 0, 200, 36, 293), -87);     // past the end
  EXPECT_EQ(EnsureVisibleOffset(36, 116, -150, 200, 36, 293), 0);     // before the start
  EXPECT_EQ(EnsureVisibleOffset(100, 180, -150, 200, 36, 293), -64);  // before the start
  EXPECT_EQ(EnsureVisibleOffset(280, 300, -5, 200, 36, 293), -5);     // centre inside
}

TEST(TabLayout, ProgressRoomIsBetweenTheLastTabAndTheTabAreaEnd) {
  Range r = ProgressRange(200, true, 36, 293, 0);
  EXPECT_EQ(r.start, 200);
  EXPECT_EQ(r.end, 293);
  EXPECT_EQ(ProgressRange(0, false, 36, 293, 0).start, 36);
  EXPECT_EQ(ProgressRange(200, true, 36, 293, 60).end, 233);
  EXPECT_EQ(ProgressRange(400, true, 36, 293, 0).Length(), 0);
}

TEST(TabLayout, TextIsCutOnlyBetweenWholeCharacters) {
  // "あい" in Shift-JIS is 82 A0 82 A2.
  const std::string kana = "\x82\xA0\x82\xA2";
  EXPECT_EQ(MbPrefixLength(kana.data(), kana.size(), 3), 2u);
  EXPECT_EQ(MbPrefixLength(kana.data(), kana.size(), 4), 4u);
  EXPECT_EQ(MbPrefixLength("abc", 3, 79), 3u);
  // A lead byte without its trail is dropped.
  const std::string broken = "ab\x82";
  EXPECT_EQ(MbPrefixLength(broken.data(), broken.size(), 79), 2u);
  EXPECT_EQ(MbPrefixLength(broken.c_str(), broken.size() + 1, 79), 2u);
}

TEST(TabLayout, ColourValuesResolveToRgbSystemOrDefault) {
  EXPECT_EQ(ResolveColor(0x123456, COLOR_BTNFACE), 0x123456u);
  EXPECT_EQ(ResolveColor(0x1000000 | COLOR_WINDOW, COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(ResolveColor(0x2000000, COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ResolveColor(0xFFFFFFFF, COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNTEXT));
  EXPECT_EQ(ResolveColor(0x1FFFFFF, COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNTEXT));
}

TEST(TabItem, TheEarlierTabOwnsTheOverlap) {
  std::vector<Span> spans = LayoutSpans({60, 80}, kStart, 0, -1);
  CTabItem first("a", 0x2000000, 0x2000000), second("b", 0x2000000, 0x2000000);
  first.SetRect(RECT{spans[0].start, 0, spans[0].start + spans[0].length, 17}, kHorizontal);
  second.SetRect(RECT{spans[1].start, 0, spans[1].start + spans[1].length, 17}, kHorizontal);
  POINT overlap{spans[1].start + 3, 2};
  EXPECT_TRUE(first.Contains(overlap));
  EXPECT_TRUE(second.Contains(overlap));                        // so the order of testing decides
  EXPECT_FALSE(first.Contains(POINT{spans[0].start + 1, 16}));  // outside the slant
  EXPECT_TRUE(second.Contains(POINT{spans[1].start + 50, 10}));
}
}  // namespace
