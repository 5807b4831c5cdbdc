#include <gtest/gtest.h>

#include <string>

#include "bar/ViewLayout.h"

namespace {
std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

TEST(ViewLayout, StripAndPanelFollowTheOrientation) {
  const struct {
    DWORD style;
    const char* strip;
    const char* panel;
  } cases[] = {
      // horizontal: strip along the bottom, panel inside FrmBorderX / FrmBorderY
      {0x82DC, "0,80,600,100", "5,3,595,77"},
      // standing at the left: strip along the right edge, borders swapped
      {0x10000, "580,0,600,100", "3,5,577,95"},
      // standing at the right: strip along the left edge
      {0x20000, "0,0,20,100", "23,5,597,95"},
      // both bits: the left arrangement wins, as everywhere else
      {0x30000, "580,0,600,100", "3,5,577,95"},
  };
  for (const auto& c : cases) {
    ViewLayout layout = ComputeViewLayout(600, 100, c.style, 20, 5, 3);
    EXPECT_EQ(Text(layout.strip), c.strip) << std::hex << c.style;
    EXPECT_EQ(Text(layout.panel), c.panel) << std::hex << c.style;
  }
}

TEST(ViewLayout, HugeMarginsGiveAnEmptyPanelNotAnInvertedOne) {
  ViewLayout layout = ComputeViewLayout(200, 40, 0, 20, 1000, 1000);
  EXPECT_GE(layout.panel.right, layout.panel.left);
  EXPECT_GE(layout.panel.bottom, layout.panel.top);
}
}  // namespace
