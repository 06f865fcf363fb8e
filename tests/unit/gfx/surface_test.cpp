#include "gfx/surface.h"

#include <gtest/gtest.h>

#include "gfx/image.h"
#include "unit/gfx/pixel_expect.h"

namespace {

using gfx::Surface;
using testpix::pixelsMatch;

constexpr gfx::Colour kBack = 0xFFFFFF, kInk = 0x0000FF;
const std::map<char, gfx::Colour> kLegend{{'.', kBack}, {'#', kInk}};

Surface blank(int w, int h) {
  Surface s(w, h);
  s.clear(kBack);
  return s;
}

struct LineCase {
  const char* name;
  int x1, y1, x2, y2;
  std::vector<std::string> picture;
};

class DrawLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(DrawLineTest, DrawsEveryPointButTheEnd) {
  const LineCase& c = GetParam();
  Surface s = blank(6, 4);
  gfx::drawLine(s, c.x1, c.y1, c.x2, c.y2, kInk);
  EXPECT_TRUE(pixelsMatch(s, c.picture, kLegend)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DrawLineTest,
    testing::Values(LineCase{"right", 1, 1, 4, 1, {"......", ".###..", "......", "......"}},
                    LineCase{"left", 4, 1, 1, 1, {"......", "..###.", "......", "......"}},
                    LineCase{"down", 2, 0, 2, 3, {"..#...", "..#...", "..#...", "......"}},
                    LineCase{"up", 2, 3, 2, 0, {"......", "..#...", "..#...", "..#..."}},
                    LineCase{"single point is nothing", 2, 2, 2, 2, {"......", "......", "......", "......"}},
                    LineCase{"diagonal", 0, 0, 3, 3, {"#.....", ".#....", "..#...", "......"}},
                    LineCase{"clipped at both sides", -3, 2, 9, 2, {"......", "......", "######", "......"}},
                    LineCase{"off the surface", 0, 7, 5, 7, {"......", "......", "......", "......"}}),
    [](const auto& info) {
      std::string n = info.param.name;
      for (char& ch : n)
        if (ch == ' ') ch = '_';
      return n;
    });

TEST(Surface, FillBoxIsRightAndBottomExclusiveAndEmptyForNonPositiveSizes) {
  Surface s = blank(5, 4);
  gfx::fillBox(s, 1, 1, 3, 2, kInk);
  gfx::fillBox(s, 0, 0, -14, 1, kInk);  // the centre of a 20-pixel style-10 button
  gfx::fillBox(s, 0, 3, 5, 0, kInk);
  EXPECT_TRUE(pixelsMatch(s, {".....", ".###.", ".###.", "....."}, kLegend));
}

TEST(Surface, OutlineRectIncludesAllFourCorners) {
  Surface s = blank(6, 5);
  gfx::outlineRect(s, 1, 1, 3, 2, kInk);
  EXPECT_TRUE(pixelsMatch(s, {"......", ".####.", ".#..#.", ".####.", "......"}, kLegend));
}

TEST(Surface, ReadsOutsideReportNoPixel) {
  Surface s = blank(2, 2);
  EXPECT_EQ(s.pixel(2, 0), Surface::kNoPixel);
  EXPECT_EQ(s.pixel(0, -1), Surface::kNoPixel);
  EXPECT_EQ(s.pixel(1, 1), static_cast<std::int64_t>(kBack));
}

TEST(Surface, StoresPixelsInTheDibLayout) {
  Surface s(1, 1);
  s.setPixel(0, 0, core::rgb(0x11, 0x22, 0x33));
  EXPECT_EQ(s.row(0)[0], 0x112233u);  // B, G, R in memory order
}

TEST(Gradient, ColoursUseAFloatStepRoundedHalfToEven) {
  struct Case {
    gfx::Colour c1, c2;
    int i, n;
    gfx::Colour want;
  };
  const Case cases[] = {
      {0x000000, 0x0000FF, 0, 4, 0x000000},
      {0x000000, 0x0000FF, 4, 4, 0x0000FF},
      {0x000000, 0x0000FF, 1, 4, 0x000040},  // 63.75 -> 64
      {0x000000, 0x000005, 1, 2, 0x000002},  // 2.5 -> 2 (half to even)
      {0x000000, 0x000007, 1, 2, 0x000004},  // 3.5 -> 4
      {0x0000FF, 0x000000, 3, 4, 0x000040},  // 255 - 191.25 = 63.75 -> 64
      {0x102030, 0x302010, 1, 2, 0x202020},
      // (0 - 1) / 3 held as a float: 1 + 3 * (-0.33333334f) lands just below 0 and rounds to 0
      {0x000001, 0x000000, 3, 3, 0x000000},
      // Only the step is a float: 3 * (1/6 as a float) is 0.5000000149 and rounds up; the same
      // product held in a float is 0.5 and would round to 0.
      {0x000000, 0x000001, 3, 6, 0x000001},
      {0x000000, 0x010000, 3, 6, 0x010000},
      // 228 + 6 * (-1/12 as a float) = 227.4999999: 227, where a float sum gives 227.5 -> 228.
      {0x0000E4, 0x0000E3, 6, 12, 0x0000E3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(gfx::gradientColour(c.c1, c.c2, c.i, c.n), c.want) << std::hex << c.c1 << "->" << c.c2 << " i=" << c.i;
  }
}

TEST(Gradient, RowsDrawNPlusOneLinesAndNothingForZeroOrNegativeN) {
  Surface s = blank(4, 5);
  gfx::gradientRows(s, 0x000000, 0x0000FF, 1, 1, 3, 2);  // rows 1..3, columns 1..2
  EXPECT_TRUE(pixelsMatch(s, [](int x, int y) -> std::optional<gfx::Colour> {
    if (x < 1 || x > 2 || y < 1 || y > 3) return kBack;
    return gfx::Colour(0x000000) + ((y == 1) ? 0 : (y == 2) ? 0x80 : 0xFF);
  }));
  Surface t = blank(4, 4);
  gfx::gradientRows(t, 0, 0, 0, 0, 4, 0);
  gfx::gradientRows(t, 0, 0, 0, 0, 4, -3);
  gfx::gradientColumns(t, 0, 0, 2, 0, 2, 4);
  EXPECT_TRUE(pixelsMatch(t, {"....", "....", "....", "...."}, kLegend));
}

TEST(Gradient, ColumnsRunFromX1ToX2Inclusive) {
  Surface s = blank(5, 3);
  gfx::gradientColumns(s, kInk, kInk, 1, 0, 3, 2);
  EXPECT_TRUE(pixelsMatch(s, {".###.", ".###.", "....."}, kLegend));
}

TEST(Surface, EtchedFrameCornersAndMixedPixels) {
  Surface s = blank(6, 6);
  const gfx::Colour c1 = 0x808080, c2 = 0xFFFFFF, c3 = 0x0000FF;
  gfx::etchedFrame(s, 0, 0, 5, 5, c1, c2, c3);
  const gfx::Colour m = 0xC0C0C0;  // (0x80 + 0xFF) / 2 = 191.5 -> 192
  EXPECT_TRUE(pixelsMatch(s, {"111113", "1222m2", "12..12", "12..12", "1m1112", "322222"},
                          {{'.', kBack}, {'1', c1}, {'2', c2}, {'3', c3}, {'m', m}}));
}

TEST(Surface, EdgeRectRaisedAndSunken) {
  const gfx::EdgeColours e{0xFFFFFF, 0xDDDDDD, 0x888888, 0x222222};
  const std::map<char, gfx::Colour> legend{
      {'h', e.highlight}, {'l', e.light}, {'s', e.shadow}, {'d', e.darkShadow}, {'.', kBack}};
  Surface raised = blank(5, 5);
  gfx::edgeRect(raised, 0, 0, 5, 5, gfx::kEdgeRaised, gfx::kSidesAll, e);
  EXPECT_TRUE(pixelsMatch(raised, {"lllld", "lhhsd", "lh.sd", "lsssd", "ddddd"}, legend));
  Surface sunken = blank(5, 5);
  gfx::edgeRect(sunken, 0, 0, 5, 5, gfx::kEdgeSunken, gfx::kSidesAll, e);
  EXPECT_TRUE(pixelsMatch(sunken, {"ssssh", "sddlh", "sd.lh", "slllh", "hhhhh"}, legend));
}

TEST(Surface, FillEllipseIsSymmetricAndInsideItsBox) {
  Surface s = blank(10, 8);
  gfx::fillEllipse(s, {1, 1, 9, 7}, kInk);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 10; ++x) {
      EXPECT_EQ(s.at(x, y), s.at(9 - x, y)) << x << "," << y;
      EXPECT_EQ(s.at(x, y), s.at(x, 7 - y)) << x << "," << y;
      if (x < 1 || x > 8 || y < 1 || y > 6) {
        EXPECT_EQ(s.at(x, y), kBack) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(s.at(4, 3), kInk);
  EXPECT_EQ(s.at(1, 1), kBack);  // the box corner is outside the ellipse
  EXPECT_EQ(s.at(1, 3), kInk);
}

TEST(Image, DrawScaledBlendsByAlpha) {
  gfx::Image image(2, 1);
  image.set(0, 0, 0x0000FF, 255);
  image.set(1, 0, 0x0000FF, 0);
  Surface s = blank(4, 2);
  gfx::drawImage(s, image, 0, 0, 4, 2);
  EXPECT_TRUE(pixelsMatch(s, {"##..", "##.."}, kLegend));
}

}  // namespace
