#include "gfx/region.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> picture(const gfx::Region& r, int w, int h) {
  std::vector<std::string> rows;
  for (int y = 0; y < h; ++y) {
    std::string row;
    for (int x = 0; x < w; ++x) row += r.contains(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(Region, RectangleIsRightAndBottomExclusive) {
  const auto r = gfx::Region::rectangle({1, 1, 4, 3});
  EXPECT_EQ(picture(r, 5, 4), (std::vector<std::string>{".....", ".###.", ".###.", "....."}));
  ASSERT_EQ(r.spans().size(), 2u);
  EXPECT_EQ(r.spans()[0].left, 1);
  EXPECT_EQ(r.spans()[0].right, 4);
}

TEST(Region, PolygonWithOnePixelCorners) {
  // The cut-corner shape of the gradient styles, at 6 x 5, as the platform fills it (checked
  // against its own polygon regions in the Windows tests).
  const int w = 6, h = 5;
  const auto r = gfx::Region::polygon({{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}});
  EXPECT_EQ(picture(r, 7, 6), (std::vector<std::string>{
                                  ".####..",
                                  "######.",
                                  "######.",
                                  "######.",
                                  ".####..",
                                  ".......",
                              }));
}

TEST(Region, RoundRectStopsShortOfRightAndBottomAndCutsItsCorners) {
  // 18 x 18 corners on (0, 0, 21, 21): the shape covers 0..19 both ways.
  const auto r = gfx::Region::roundRect({0, 0, 21, 21}, 18, 18);
  EXPECT_EQ(r.bounds(), (gfx::Rect{0, 0, 20, 20}));
  const int cuts[] = {6, 4, 3, 2, 1, 1, 0, 0, 0, 0};  // per row from the top (and the bottom)
  for (int y = 0; y < 10; ++y) {
    for (int row : {y, 19 - y}) {
      EXPECT_FALSE(r.contains(cuts[y] - 1, row)) << "row " << row;
      EXPECT_TRUE(r.contains(cuts[y], row)) << "row " << row;
      EXPECT_TRUE(r.contains(19 - cuts[y], row)) << "row " << row;
      EXPECT_FALSE(r.contains(20 - cuts[y], row)) << "row " << row;
    }
  }
  EXPECT_FALSE(r.contains(10, 20));
}

}  // namespace
