#include <gtest/gtest.h>
#include <windows.h>

#include "bar/PanelScroll.h"

TEST(PanelScroll, OverflowIsContentBeyondTheViewLessItsBorders) {
  EXPECT_EQ(89 - (100 - 10), PanelScrollOverflow(89, 100, 5));
  EXPECT_EQ(20, PanelScrollOverflow(110, 100, 5));
  // Absurd borders do not wrap around.
  EXPECT_GT(PanelScrollOverflow(100, 100, 0x40000000), 0);
  EXPECT_LT(PanelScrollOverflow(100, 100, -0x40000000), 0);
}

TEST(PanelScroll, StepsAreQuarterUnitsAndWholeUnitsWithinTheRange) {
  const int unit = 25, max = 100;
  struct Case {
    int code, from, thumb, expected;
  } cases[] = {
      {SB_LINERIGHT, 0, 0, 6},
      {SB_LINELEFT, 10, 0, 4},
      {SB_LINELEFT, 3, 0, 0},
      {SB_PAGERIGHT, 0, 0, 25},
      {SB_PAGERIGHT, 90, 0, 100},
      {SB_PAGELEFT, 30, 0, 5},
      {SB_THUMBPOSITION, 0, 70, 70},
      {SB_THUMBPOSITION, 0, 700, 100},
      {SB_LEFT, 40, 0, 0},
      {SB_RIGHT, 40, 0, 100},
      {SB_THUMBTRACK, 40, 90, 40},
      {SB_ENDSCROLL, 40, 0, 40},
      {99, 40, 0, 40},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, PanelScrollPosition(c.code, c.from, c.thumb, max, unit)) << c.code;
}

TEST(PanelScroll, KeepingACellInViewMovesJustEnough) {
  // visible length 100, cells 20 long.
  struct Case {
    int pos, oldMax, newMax, cellNear, cellFar, expected;
  } cases[] = {
      {0, 100, 100, 10, 30, 0},      // visible: stays
      {50, 100, 100, 10, 30, 10},    // before the view: its near edge
      {0, 100, 100, 180, 200, 100},  // after the view: its far edge at the end
      {0, 100, 100, 150, 170, 70},
      {0, 100, 100, 90, 110, 10},      // reaching past the end: shown whole
      {100, 100, 125, 205, 225, 125},  // the range grew with the insertion: follows it
      {100, 100, 75, 0, 20, 0},        // shrank past it
      {0, 0, 0, 0, 20, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, PanelKeepInView(c.pos, c.oldMax, c.newMax, c.cellNear, c.cellFar, 100))
        << c.pos << " " << c.cellNear;
  }
}
