#include <gtest/gtest.h>

#include <string>

#include "frame/HideGeometry.h"

namespace {
std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

TEST(HideGeometry, LinesHugTheirEdgeAndSquaresStayReachable) {
  const RECT shown{300, 700, 900, 740};
  struct Case {
    hide::Kind kind;
    int linePos;
    int size;
    const char* winPos;
    const char* expected;
  } cases[] = {
      {hide::kLine, 0, 10, "50:50", "0,0,1024,2"},  // a line ignores HidWinPos
      {hide::kLine, 1, 10, "", "0,0,2,768"},
      {hide::kLine, 2, 10, "", "0,766,1024,768"},
      {hide::kLine, 3, 10, "", "1022,0,1024,768"},
      {hide::kLine, 7, 10, "", "0,0,1024,2"},  // an unknown edge is the top
      {hide::kSquare, 0, 10, "", "300,700,310,710"},
      {hide::kSquare, 0, 10, "40:60", "40,60,50,70"},
      {hide::kSquare, 0, 10, "x:y", "300,700,310,710"},
      {hide::kSquare, 0, 10, "12:", "300,700,310,710"},
      {hide::kSquare, 0, 10, "-5000:99999", "0,758,10,768"},
      {hide::kSquare, 0, 20, "1020:760", "1004,748,1024,768"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Text(hide::HideWindowRect(c.kind, c.linePos, c.size, c.winPos, shown, 1024, 768)),
              c.expected)
        << c.kind << " " << c.linePos << " " << c.winPos;
  }
}

TEST(HideGeometry, BadTimesAndSizesGiveABarThatComesBack) {
  EXPECT_EQ(hide::SleepTimeFrom(1000), 1000u);
  EXPECT_EQ(hide::SleepTimeFrom(0), 5000u);
  EXPECT_EQ(hide::SleepTimeFrom(-3), 5000u);
  EXPECT_EQ(hide::SleepTimeFrom(0x7FFFFFFF), 0x7FFFFFFFu);
  EXPECT_EQ(hide::SquareSizeFrom(10, 1024, 768), 10);
  EXPECT_EQ(hide::SquareSizeFrom(0, 1024, 768), 10);
  EXPECT_EQ(hide::SquareSizeFrom(1, 1024, 768), 4);
  EXPECT_EQ(hide::SquareSizeFrom(100000, 1024, 768), 192);
  EXPECT_EQ(hide::KindFrom(5), hide::kNothing);
}

TEST(HideGeometry, TouchSpotsAndTheTabShownOnReturn) {
  const char* spots[][2] = {{"1", "0,0,5,5"},           {"2", "0,763,5,768"},
                            {"4", "1019,763,1024,768"}, {"8", "1019,0,1024,5"},
                            {"16", "0,0,5,768"},        {"32", "1019,0,1024,768"},
                            {"64", "0,0,1024,5"},       {"255", "0,0,0,0"}};
  for (const auto& s : spots) EXPECT_EQ(Text(hide::TouchRect(std::stoi(s[0]), 5, 1024, 768)), s[1]);

  auto find = [](const char* name) { return std::string(name) == "Tools" ? 2 : -1; };
  EXPECT_EQ(hide::ShowTabIndex("3", find), 3);
  EXPECT_EQ(hide::ShowTabIndex("Tools", find), 2);
  EXPECT_EQ(hide::ShowTabIndex("Nothing", find), -1);
  EXPECT_EQ(hide::ShowTabIndex("", find), -1);
  EXPECT_EQ(hide::ShowTabIndex("99999999999", find), -1);
}
}  // namespace
