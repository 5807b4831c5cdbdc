#include <gtest/gtest.h>

#include "frame/AppBar.h"

namespace {
TEST(AppBar, DocksAtTheNearerHalfAndCutsTheScreenToItsThickness) {
  const struct {
    bool vertical;
    int x, y;
    UINT edge;
    RECT docked;  // a 40-pixel bar on a free 1024x768 screen
  } cases[] = {
      {false, 0, 500, ABE_BOTTOM, {0, 728, 1024, 768}},
      {false, 0, 384, ABE_BOTTOM, {0, 728, 1024, 768}},
      {false, 0, 383, ABE_TOP, {0, 0, 1024, 40}},
      {false, 900, -50, ABE_TOP, {0, 0, 1024, 40}},
      {true, 511, 0, ABE_LEFT, {0, 0, 40, 768}},
      {true, 512, 0, ABE_RIGHT, {984, 0, 1024, 768}},
  };
  for (const auto& c : cases) {
    UINT edge = appbar::DockEdge(c.vertical, c.x, c.y, 1024, 768);
    EXPECT_EQ(edge, c.edge) << c.x << "," << c.y;
    RECT r = appbar::CutToThickness(RECT{0, 0, 1024, 768}, edge, 40);
    EXPECT_TRUE(::EqualRect(&r, &c.docked)) << c.x << "," << c.y;
  }
  // A thickness beyond the screen keeps the screen.
  RECT whole = appbar::CutToThickness(RECT{0, 0, 1024, 768}, ABE_TOP, 5000);
  EXPECT_EQ(whole.bottom, 768);
}
}  // namespace
