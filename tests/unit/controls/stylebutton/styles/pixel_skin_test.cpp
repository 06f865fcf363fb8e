// Style 10, pixel by pixel.
#include "controls/stylebutton/styles/pixel_skin.h"

#include <gtest/gtest.h>

#include "controls/stylebutton/renderer.h"
#include "controls/stylebutton/style_button.h"
#include "unit/gfx/pixel_expect.h"
#include "unit/controls/stylebutton/fake_host.h"

namespace {

using core::fromHex;
namespace styles = controls::stylebutton::styles;
using styles::Corner;
using styles::Skin;
using testpix::hex;

constexpr gfx::Colour kBack = 0xFF00FF;  // a colour no skin uses

TEST(PixelSkin, SkinChosenByStateAndFocus) {
  struct Case {
    int state;
    bool focus;
    Skin want;
  };
  const Case cases[] = {
      {1, false, Skin::Resting}, {4, false, Skin::Resting}, {1, true, Skin::Hot},     {4, true, Skin::Hot},
      {2, false, Skin::Hot},     {5, false, Skin::Hot},     {2, true, Skin::Hot},     {3, false, Skin::Pressed},
      {3, true, Skin::Pressed},  {0, false, Skin::Pressed}, {7, true, Skin::Pressed},
  };
  for (const Case& c : cases)
    EXPECT_EQ(styles::chooseSkin(c.state, c.focus), c.want) << "state " << c.state << " focus " << c.focus;
}

TEST(PixelSkin, CornerBlocksHaveTheirPixelCountsWithinTheirExtents) {
  struct Case {
    Skin skin;
    Corner corner;
    std::size_t count;
    int minDx, maxDx, minDy, maxDy;
  };
  const Case cases[] = {
      {Skin::Resting, Corner::TopLeft, 212, 0, 17, 0, 12},   {Skin::Resting, Corner::BottomLeft, 172, 0, 17, -10, 0},
      {Skin::Resting, Corner::TopRight, 210, -17, 0, 0, 12}, {Skin::Resting, Corner::BottomRight, 155, -17, -1, -10, 0},
      {Skin::Hot, Corner::TopLeft, 176, 0, 17, 0, 10},       {Skin::Hot, Corner::BottomLeft, 213, 0, 17, -12, 0},
      {Skin::Hot, Corner::TopRight, 174, -17, 0, 0, 10},     {Skin::Hot, Corner::BottomRight, 197, -17, -1, -12, 0},
      {Skin::Pressed, Corner::TopLeft, 176, 0, 17, 0, 10},   {Skin::Pressed, Corner::BottomLeft, 213, 0, 17, -12, 0},
      {Skin::Pressed, Corner::TopRight, 174, -17, 0, 0, 10}, {Skin::Pressed, Corner::BottomRight, 197, -17, -1, -12, 0},
  };
  for (const Case& c : cases) {
    const auto& block = styles::cornerBlock(c.skin, c.corner);
    EXPECT_EQ(block.size(), c.count) << "skin " << int(c.skin) << " corner " << int(c.corner);
    for (const auto& p : block) {
      EXPECT_TRUE(p.dx >= c.minDx && p.dx <= c.maxDx && p.dy >= c.minDy && p.dy <= c.maxDy)
          << "skin " << int(c.skin) << " corner " << int(c.corner) << ": pixel (" << p.dx << ", " << p.dy
          << ") outside the block";
    }
  }
}

TEST(PixelSkin, TellingRowsAndTheLastRowOfTheBottomRightBlock) {
  const std::uint32_t telling[3][12] = {
      {0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B, 0x6F6F6F, 0x6F6F71, 0x707072, 0x666867, 0x6B6D6C,
       0x6A6967},
      {0xFEFEFE, 0xE5E5E6, 0xA5A5A9, 0x5E5E6C, 0x292748, 0x0C0D37, 0x060737, 0x050636, 0x06063A, 0x070841, 0x070745,
       0x080645},
      {0xFEFEFE, 0xE4E4E5, 0xA2A2A5, 0x5C5C67, 0x292742, 0x0D0E30, 0x090A30, 0x08092F, 0x090933, 0x0A0A39, 0x0A0A3C,
       0x0A093C},
  };
  for (int k = 0; k < 3; ++k) {
    const Skin skin = static_cast<Skin>(k);
    std::map<int, gfx::Colour> row0, rowH;
    for (const auto& p : styles::cornerBlock(skin, Corner::TopLeft))
      if (p.dy == 0) row0[p.dx] = p.colour;
    ASSERT_EQ(row0.size(), 12u) << "skin " << k << ": columns 0 to 5 are not drawn";
    for (int x = 6; x <= 17; ++x)
      EXPECT_EQ(hex(row0[x]), hex(fromHex(telling[k][x - 6]))) << "skin " << k << " x " << x;
    for (const auto& p : styles::cornerBlock(skin, Corner::BottomRight))
      if (p.dy == 0) rowH[p.dx] = p.colour;
    ASSERT_EQ(rowH.size(), 10u) << "skin " << k << ": W - 17 to W - 8";
    for (int dx = -17; dx <= -13; ++dx) EXPECT_EQ(hex(rowH[dx]), "#ECECEC") << "skin " << k << " W" << dx;
    EXPECT_EQ(hex(rowH[-8]), "#FDFDFD") << "skin " << k;
  }
}

// The band and centre colours of one skin, as the tables give them.
struct Bands {
  std::uint32_t centre;
  std::uint32_t left[18], right[17], top[12], bottom[12];
};
const Bands kResting{0xE8E7EA,
                     {0xF7F7F7, 0xA0A0A0, 0x999999, 0xC3C3C3, 0xC9C9C9, 0xD5D5D5, 0xD7D7D7, 0xDFDFDF, 0xE0E0E0,
                      0xE0E0E0, 0xE4E4E4, 0xE6E8E6, 0xE7E7E8, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA},
                     {0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE7E7E7, 0xE6E6E6, 0xE4E4E4, 0xE0E0E0, 0xE0E0E0,
                      0xDEDEDE, 0xD9D9D9, 0xD3D3D3, 0xCCCCCC, 0xC3C3C3, 0xA3A3A3, 0x9C9C9C, 0xF6F6F6},
                     {0x6A6967, 0xF6F4F5, 0xF4F2F3, 0xEEEEEE, 0xEBEBEB, 0xEAE8EB, 0xEAE8EB, 0xEAEAEA, 0xE1E1E1,
                      0xE3E2E5, 0xE8E7EA, 0xE9EBE8},
                     {0xE9EBE8, 0xEFF1EE, 0xF2F2F2, 0xF5F5F5, 0xFEFEFF, 0xFFFFFF, 0xFDFDFD, 0xFEFEFE, 0xFBFBFB,
                      0x545454, 0xC5C5C5, 0xECECEC}};
const Bands kHot{0x6AA6E2,
                 {0xF7F7F7, 0x9EA0B0, 0x132E71, 0x145FBD, 0x2773D1, 0x317FD4, 0x3D8CD9, 0x4B94D9, 0x4F94D7, 0x559CDC,
                  0x579BDC, 0x62A3E3, 0x65A2E3, 0x67A3E2, 0x65A1E0, 0x6AA6E3, 0x6AA6E3, 0x6AA6E2},
                 {0x6AA6E2, 0x6AA6E2, 0x64A4E1, 0x63A3E0, 0x63A3E0, 0x61A1E1, 0x5B9FE0, 0x5598DE, 0x5297DC, 0x4B93DB,
                  0x398DD6, 0x2D7FD1, 0x2674D6, 0x135DC0, 0x14357C, 0x989BAB, 0xF6F6F6},
                 {0x080645, 0xC9D4F1, 0xBDC8E5, 0xA1C0E8, 0x98B8E0, 0x8EB4E3, 0x8BB1E0, 0x7FB4E9, 0x6399CE, 0x64A0DD,
                  0x6AA6E2, 0x76ACE6},
                 {0x76ACE6, 0x81B6F1, 0x8ABDF3, 0x92C5FC, 0x97CEF8, 0x9ED5FE, 0xA3DDF7, 0xADE6FF, 0xC5E2E9, 0x405D63,
                  0xC5C5C5, 0xECECEC}};
const Bands kPressed{0x6A9BCC,
                     {0xF7F7F7, 0x9B9DA9, 0x172D63, 0x1D5AA6, 0x2E6CB9, 0x3877BC, 0x4282C1, 0x4E89C2, 0x528AC1,
                      0x5791C5, 0x5991C5, 0x6398CC, 0x6596CC, 0x6797CB, 0x6595C9, 0x6A9ACC, 0x6A9ACC, 0x6A9BCC},
                     {0x6A9BCC, 0x6A9BCC, 0x6498CA, 0x6397C9, 0x6397C9, 0x6295CA, 0x5D94C9, 0x578EC6, 0x558CC4,
                      0x4E88C3, 0x3E82BE, 0x3476B9, 0x2D6DBD, 0x1C58A8, 0x19336D, 0x9497A4, 0xF6F6F6},
                     {0x0A093C, 0xBEC7DE, 0xB2BCD3, 0x9AB3D4, 0x92ACCC, 0x8AA8CF, 0x87A5CC, 0x7DA7D2, 0x628EB9,
                      0x6494C6, 0x6A9BCC, 0x75A1D0},
                     {0x75A1D0, 0x7FAADA, 0x87B0DC, 0x8EB8E4, 0x93BFE1, 0x99C6E7, 0x9DCCE2, 0xA6D5E9, 0xBAD2D7,
                      0x3E565A, 0xC5C5C5, 0xECECEC}};

// What the band tables fix at (x, y) of a W x H button, or nothing where only the corner images speak.
std::optional<gfx::Colour> fixedColour(const Bands& b, int w, int h, int x, int y) {
  if (y >= 0 && y <= 11 && x >= 17 && x <= w - 18) return fromHex(b.top[y]);
  if (y >= h - 11 && y <= h - 1 && x >= 17 && x <= w - 18) return fromHex(b.bottom[y - (h - 11)]);
  if (y >= 11 && y <= h - 11 && x <= 17) return fromHex(b.left[x]);
  if (y >= 11 && y <= h - 11 && x >= w - 17) return fromHex(b.right[x - (w - 17)]);
  return std::nullopt;
}

struct SkinCase {
  const char* name;
  int state;
  bool focus;
  const Bands* bands;
  Skin skin;
};

class PixelSkinPaint : public testing::TestWithParam<SkinCase> {};

TEST_P(PixelSkinPaint, BandsCentreAndCornersOn113x33) {
  const SkinCase& c = GetParam();
  const int w = 113, h = 33;
  gfx::Surface s(w, h);
  s.clear(kBack);
  styles::paintPixelSkin(s, c.state, c.focus);
  // The corner images, where the bands leave them showing, and the background elsewhere.
  std::vector<std::optional<gfx::Colour>> corner(static_cast<std::size_t>(w * h));
  for (Corner k : {Corner::TopLeft, Corner::BottomLeft, Corner::TopRight, Corner::BottomRight}) {
    const int ax = (k == Corner::TopRight || k == Corner::BottomRight) ? w : 0;
    const int ay = (k == Corner::BottomLeft || k == Corner::BottomRight) ? h : 0;
    for (const auto& p : styles::cornerBlock(c.skin, k)) {
      const int x = ax + p.dx, y = ay + p.dy;
      if (x >= 0 && x < w && y >= 0 && y < h) corner[static_cast<std::size_t>(y * w + x)] = p.colour;
    }
  }
  // Bands over corner blocks over the centre.
  EXPECT_TRUE(testpix::pixelsMatch(s, [&](int x, int y) -> std::optional<gfx::Colour> {
    if (auto fixed = fixedColour(*c.bands, w, h, x, y)) return fixed;
    if (const auto& k = corner[static_cast<std::size_t>(y * w + x)]) return *k;
    if (x >= 18 && x < w - 16 && y >= 11 && y < h - 8) return fromHex(c.bands->centre);
    return kBack;
  })) << c.name;
  // Spot checks straight from the tables: the centre shows between the bands and the blocks.
  EXPECT_EQ(hex(s.at(18, 12)), hex(fromHex(c.bands->centre))) << c.name;
  EXPECT_EQ(hex(s.at(95, 21)), hex(fromHex(c.bands->centre))) << c.name;
  EXPECT_EQ(hex(s.at(18, 11)), hex(fromHex(c.bands->top[11]))) << c.name << ": the top band covers row 11";
  EXPECT_EQ(hex(s.at(2, 22)), hex(fromHex(c.bands->left[2]))) << c.name;
  EXPECT_EQ(hex(s.at(50, 22)), hex(fromHex(c.bands->bottom[0]))) << c.name;
  EXPECT_EQ(hex(s.at(50, 31)), hex(fromHex(c.bands->bottom[9]))) << c.name;
  EXPECT_EQ(hex(s.at(8, 0)), hex(fromHex(c.skin == Skin::Resting ? 0xACACAC
                                         : c.skin == Skin::Hot   ? 0xA5A5A9
                                                                 : 0xA2A2A5)))
      << c.name;
  EXPECT_EQ(s.at(0, 0), kBack) << c.name;
}

TEST_P(PixelSkinPaint, TheWindowShapeShowsBackgroundOnlyWhereTheCountsForceIt) {
  // The resting bottom-right image (155 pixels, 10 of them on row H) is 8 short of the shape's
  // 153 pixels in its block; every other image covers the shape.
  const SkinCase& c = GetParam();
  for (auto [w, h] : {std::pair{113, 33}, {65, 33}, {153, 20}, {105, 25}, {20, 20}}) {
    gfx::Surface s(w, h);
    s.clear(kBack);
    styles::paintPixelSkin(s, c.state, c.focus);
    const gfx::Region shape = controls::stylebutton::windowRegion(10, w, h);
    int holes = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (!shape.contains(x, y) || s.at(x, y) != kBack) continue;
        ++holes;
        const bool rim = !shape.contains(x - 1, y) || !shape.contains(x + 1, y) || !shape.contains(x, y - 1) ||
                         !shape.contains(x, y + 1) || !shape.contains(x + 1, y + 1) || !shape.contains(x - 1, y - 1) ||
                         !shape.contains(x + 1, y - 1) || !shape.contains(x - 1, y + 1) || !shape.contains(x + 2, y) ||
                         !shape.contains(x, y + 2);
        EXPECT_TRUE(rim) << c.name << " " << w << "x" << h << ": background at (" << x << ", " << y << ") inside";
      }
    }
    if (h >= 25) {
      EXPECT_EQ(holes, c.skin == Skin::Resting ? 8 : 0) << c.name << " " << w << "x" << h;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Skins, PixelSkinPaint,
                         testing::Values(SkinCase{"resting", 1, false, &kResting, Skin::Resting},
                                         SkinCase{"disabled", 4, false, &kResting, Skin::Resting},
                                         SkinCase{"hot", 2, false, &kHot, Skin::Hot},
                                         SkinCase{"focused", 1, true, &kHot, Skin::Hot},
                                         SkinCase{"pressed", 3, false, &kPressed, Skin::Pressed}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PixelSkin, MinimumSizeBlocksDrawnOverByBands) {
  gfx::Surface s(20, 20);
  s.clear(kBack);
  styles::paintPixelSkin(s, 1, false);
  // Top band rows 0..11 run from column 17 leftwards to column 4; the bottom band (rows 9..19)
  // comes last; side bands are one row (11) tall.
  EXPECT_EQ(hex(s.at(10, 5)), hex(fromHex(kResting.top[5])));
  EXPECT_EQ(hex(s.at(10, 15)), hex(fromHex(kResting.bottom[6])));
  EXPECT_EQ(hex(s.at(10, 11)), hex(fromHex(kResting.bottom[2])));
  EXPECT_EQ(hex(s.at(0, 11)), hex(fromHex(kResting.left[0])));
  EXPECT_EQ(hex(s.at(19, 11)), hex(fromHex(kResting.right[16])));
}

TEST(PixelSkin, FocusSwitchesARestingButtonToTheHotSkin) {
  testhost::FakeHost host;
  controls::stylebutton::StyleButton b(host);
  ASSERT_TRUE(b.load(controls::stylebutton::PropertyBag{{"style", "10"}}));
  b.show();
  EXPECT_EQ(hex(host.surface.at(2, 15)), "#999999");
  b.gotFocus();
  EXPECT_EQ(b.buttonState(), controls::stylebutton::kStateNormal);
  EXPECT_EQ(hex(host.surface.at(2, 15)), "#132E71");
  b.setEnabled(false);
  EXPECT_EQ(hex(host.surface.at(2, 15)), "#132E71") << "disabled but still focused";
  b.lostFocus();
  EXPECT_EQ(hex(host.surface.at(2, 15)), "#999999");
}

}  // namespace
