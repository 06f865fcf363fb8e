// The style painters: gloss and glow geometry, borders, the disabled colours, the framed and flat
// looks, and the glass rim and crescent.
#include <gtest/gtest.h>

#include "controls/sheenbutton/painters.h"
#include "controls/sheenbutton/shapes.h"
#include "fake_host.h"
#include "unit/gfx/pixel_expect.h"

namespace controls::sheenbutton::fake {
namespace {

using testpix::hex;

constexpr Colour kUp = core::fromHex(0x5099E9), kBright = core::fromHex(0xB0EDFF);

// A loaded 49 x 41 control of the style with its shape built.
struct Painted {
  explicit Painted(PropertyBag settings, int w = 49, int h = 41) : host(w, h), button(host) {
    settings.write("caption", "");
    EXPECT_TRUE(button.load(settings));
    button.buildShape();
  }
  Colour at(int x, int y) const { return host.surface.at(x, y); }
  FakeHost host;
  SheenButton button;
};

TEST(SheenPainters, GlossParamsByStyle) {
  const struct {
    int style, R;
    double W, H;
    GlossParams want;
  } cases[] = {
      {7, 11, 49, 41, {0, 50, 6, 2, 38, 12, 6, 60, 60, 24, 20, 100}},
      {2, 21, 49, 41, {0, 50, 10, 1, 91, 23, 10, 300, 60, 24, 41, 120}},
      {3, 12, 49, 41, {0, 70, 4, 0, 73, 12, 10, 200, 80, 24, 41, 130}},
      {3, 12, 49, 20, {0, 70, 4, 0, 73, 12, 10, 200, 65, 24, 20, 130}},
      {4, 21, 49, 41, {0, 70, 6, 0, 91, 21, 10, 200, 70, 24, 41, 130}},
      {5, 21, 49, 41, {0, 40, -11, -21, 91, 22, 21, 60, 60, 24, 41, 130}},
  };
  for (const auto& c : cases) {
    const GlossParams p = glossParams(c.style, c.R, c.W, c.H);
    EXPECT_EQ(p, c.want) << "style " << c.style << " H " << c.H << ": left " << p.glossLeft << " top " << p.glossTop
                         << " right " << p.glossRight << " bottom " << p.glossBottom << " corner " << p.glossCorner
                         << " glow " << p.glowWidthPct << "/" << p.glowHeightPct << " at " << p.glowCenterX << ","
                         << p.glowCenterY;
  }
  EXPECT_THROW(glossParams(3, 12, 49, 0), PaintFailure) << "700 \\ 0";
}

TEST(SheenPainters, Style7GlowBoxRingStepAndColours) {
  const gfx::SystemColours sys = classicColours();
  const GlossParams p = glossParams(7, 11, 49, 41);
  const auto rings = glowRings(p, 49, 41, kUp, kBright, sys);
  ASSERT_EQ(rings.size(), 25u) << "until the box is empty";
  EXPECT_EQ(rings[0].box, (gfx::Rect{24 - 29, 20 - 25, 24 + 29, 20 + 25}));
  EXPECT_EQ(rings[1].box, (gfx::Rect{24 - 28, 20 - 24, 24 + 28, 20 + 24})) << "1.16 rounds to 1 on every side";
  EXPECT_EQ(rings[0].colour, kUp) << "the outermost ring is the base colour";
  for (std::size_t k = 1; k < rings.size(); ++k)
    EXPECT_EQ(rings[k].colour, blendColors(kUp, kBright, static_cast<int>(4 * (k + 1)), sys)) << "ring " << k;
  EXPECT_EQ(rings.back().colour, kBright) << "pure bright at the centre";
}

// The glow writes each pixel once; what it leaves must be the rings drawn one over the other.
TEST(SheenPainters, GlowIsTheRingsPaintedOutermostFirst) {
  const gfx::SystemColours sys = classicColours();
  for (int style : {2, 3, 4, 5, 7}) {
    for (auto [w, h] : {std::pair{49, 41}, {113, 33}, {20, 60}, {31, 9}}) {
      const int r = cornerRadius(style, w, h, 0);
      const auto rings = glowRings(glossParams(style, r, w, h), w, h, kUp, kBright, sys);
      gfx::Surface once(w, h), stacked(w, h);
      paintGlow(once, rings);
      for (const GlowRing& ring : rings) gfx::fillEllipse(stacked, ring.box, ring.colour);
      EXPECT_TRUE(testpix::pixelsMatch(once, [&](int x, int y) { return std::optional<Colour>(stacked.at(x, y)); }))
          << "style " << style << " " << w << "x" << h;
    }
  }
}

// The control keeps the glow's rows with its shape; a new size or style must not reuse them.
TEST(SheenPainters, KeptGlowRowsFollowSizeAndStyle) {
  Painted kept({{"style", "7"}});
  ASSERT_EQ(kept.button.redraw(kSheenNormal), PaintError::None);
  const struct { int w, h, style; } changes[] = {{60, 41, 7}, {60, 30, 7}, {60, 30, 2}, {49, 41, 7}};
  for (const auto& c : changes) {
    kept.host.setSize(c.w, c.h);
    kept.button.setStyle(c.style);
    kept.button.buildShape();
    ASSERT_EQ(kept.button.redraw(kSheenHover), PaintError::None);
    Painted fresh({{"style", std::to_string(c.style)}}, c.w, c.h);
    ASSERT_EQ(fresh.button.redraw(kSheenHover), PaintError::None);
    EXPECT_TRUE(
        testpix::pixelsMatch(kept.host.surface, [&](int x, int y) { return std::optional<Colour>(fresh.at(x, y)); }))
        << c.w << "x" << c.h << " style " << c.style;
  }
}

TEST(SheenPainters, Style7GlossRowsTurnFromWhiteTowardBase) {
  Painted p({{"style", "7"}});
  ASSERT_EQ(p.button.redraw(kSheenNormal), PaintError::None);
  // Row 3: 50 * 3 \ 11 = 13 percent of the base into white, each component truncated.
  EXPECT_EQ(p.at(24, 3), core::fromHex(0xE9F2FD)) << hex(p.at(24, 3));
  EXPECT_EQ(p.at(24, 10), blendColors(0xFFFFFF, kUp, 45, classicColours())) << "row 10: 50 * 10 \\ 11 percent";
  EXPECT_NE(p.at(24, 11), blendColors(0xFFFFFF, kUp, 50, classicColours()))
      << "the platform's round-rect region stops a row short of its bottom";
  EXPECT_EQ(p.at(24, 20), kBright) << "the glow's centre";
}

TEST(SheenPainters, BorderFollowsBorderBrightness) {
  const struct {
    const char* brightness;
    Colour border;
  } cases[] = {{"0", kUp}, {"100", 0xFFFFFF}, {"-100", 0x000000}};
  for (const auto& c : cases) {
    Painted p({{"style", "7"}, {"borderbrightness", c.brightness}});
    ASSERT_EQ(p.button.redraw(kSheenNormal), PaintError::None);
    EXPECT_EQ(p.at(0, 20), c.border) << c.brightness << ": " << hex(p.at(0, 20));
    EXPECT_EQ(p.at(48, 20), c.border) << c.brightness << " mirrored: " << hex(p.at(48, 20));
    EXPECT_EQ(p.at(1, 1), c.border) << c.brightness << " corner";
  }
}

TEST(SheenPainters, ASystemColourReferenceIsResolvedWhereItIsBlended) {
  Painted p({{"style", "7"}, {"colorbuttonup", std::to_string(core::systemColour(gfx::kColorBtnFace))}});
  ASSERT_EQ(p.button.redraw(kSheenNormal), PaintError::None);
  EXPECT_EQ(p.at(0, 20), 0xC8D0D4u) << "the border is blended from the button face: " << hex(p.at(0, 20));
  EXPECT_EQ(p.button.blendColors(core::systemColour(gfx::kColorBtnShadow), 0xFFFFFF, 0), 0x808080u);
  EXPECT_EQ(p.button.getRGB(core::systemColour(gfx::kColorBtnShadow)), (Rgb{0x80, 0x80, 0x80}));
}

TEST(SheenPainters, DisabledStyle7PaintsGreyWithAWhiteGlowInEveryState) {
  for (int state : {kSheenNormal, kSheenPressed, kSheenFocused, kSheenHover, kSheenChecked}) {
    Painted p({{"style", "7"}, {"enabled", "0"}});
    ASSERT_EQ(p.button.redraw(state), PaintError::None);
    EXPECT_EQ(p.at(0, 20), core::fromHex(0xC0C0B0)) << state << ": " << hex(p.at(0, 20));
    EXPECT_EQ(p.at(24, 20), 0xFFFFFFu) << state << ": " << hex(p.at(24, 20));
  }
}

TEST(SheenPainters, BaseColourByState) {
  Properties props;
  props.colorButtonUp = 1;
  props.colorButtonHover = 2;
  props.colorButtonDown = 3;
  const struct {
    int state;
    std::optional<Colour> base;
  } cases[] = {{kSheenNormal, 1},  {kSheenFocused, 1}, {kSheenHover, 2},
               {kSheenPressed, 3}, {kSheenChecked, 3}, {7, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(baseColour(props, c.state), c.base) << c.state;
}

TEST(SheenPainters, FramedPressedPaintsFiveBottomRowsOthersFour) {
  for (int state : {kSheenPressed, kSheenNormal}) {
    Painted p({{"style", "0"}});
    ASSERT_EQ(p.button.redraw(state), PaintError::None);
    const Colour corner = p.at(0, 40);  // the frame leaves the last row's ends alone
    if (state == kSheenPressed) EXPECT_EQ(corner, core::rgb(247, 246, 245)) << hex(corner);
    else EXPECT_EQ(corner, 0xC8D0D4u) << "the parent's background: " << hex(corner);
    EXPECT_EQ(p.at(24, 0), core::fromHex(0x003C74)) << "frame edge";
    EXPECT_EQ(p.at(1, 0), core::fromHex(0x7A95A8)) << "frame dot";
  }
}

TEST(SheenPainters, FramedCheckedLooksLikeNormal) {
  Painted normal({{"style", "0"}}), checked({{"style", "0"}, {"checked", "-1"}});
  ASSERT_EQ(normal.button.redraw(kSheenNormal), PaintError::None);
  ASSERT_EQ(checked.button.redraw(kSheenNormal), PaintError::None);
  EXPECT_TRUE(
      testpix::pixelsMatch(checked.host.surface, [&](int x, int y) { return std::optional<Colour>(normal.at(x, y)); }));
}

TEST(SheenPainters, FlatAtRestShowsOnlyTheParentBackground) {
  for (int state : {kSheenNormal, kSheenFocused}) {
    Painted p({{"style", "1"}});
    ASSERT_EQ(p.button.redraw(state), PaintError::None);
    EXPECT_TRUE(testpix::pixelsMatch(p.host.surface, [](int, int) { return std::optional<Colour>(0xC8D0D4); }))
        << state;
  }
}

TEST(SheenPainters, FlatSkipsTheBackgroundWhenTheParentHasNone) {
  gfx::Surface s(49, 41);
  s.clear(0xFF00FF);
  Properties props;
  props.style = kFlat;
  const gfx::SystemColours sys = classicColours();
  flatPainter(s, {props, kSheenNormal, 0, nullptr, std::nullopt, sys});
  EXPECT_TRUE(testpix::pixelsMatch(s, [](int, int) { return std::optional<Colour>(0xFF00FF); }));
}

TEST(SheenPainters, FlatHoverPressedAndCheckedLooks) {
  const struct {
    int state;
    Colour body, edge;
  } cases[] = {{kSheenHover, core::fromHex(0xF4F3ED), core::fromHex(0xCECEC3)},
               {kSheenPressed, core::fromHex(0xE3E2DB), core::fromHex(0x9D9D92)},
               {kSheenChecked, 0xFFFFFF, core::fromHex(0x7A98AF)}};
  for (const auto& c : cases) {
    Painted p({{"style", "1"}});
    ASSERT_EQ(p.button.redraw(c.state), PaintError::None);
    EXPECT_EQ(p.at(5, 20), c.body) << c.state << ": " << hex(p.at(5, 20));
    EXPECT_EQ(p.at(24, 0), c.edge) << c.state << ": " << hex(p.at(24, 0));
  }
}

TEST(SheenPainters, GlassRimBodyAndCrescent) {
  Painted p({{"style", "6"}});
  ASSERT_EQ(p.button.cornerRadius(), 13);
  ASSERT_EQ(p.button.redraw(kSheenNormal), PaintError::None);
  const Colour dark = blendColors(0x000000, kUp, 50, classicColours());
  EXPECT_EQ(p.at(1, 20), dark) << hex(p.at(1, 20));
  EXPECT_EQ(p.at(47, 20), dark) << "mirrored: " << hex(p.at(47, 20));
  EXPECT_EQ(p.at(24, 20), kUp) << "the middle row is the base: " << hex(p.at(24, 20));
  EXPECT_EQ(p.at(24, 3), core::fromHex(0xF5F9FE)) << "the crescent, 3 * 30 \\ 13 percent: " << hex(p.at(24, 3));
  EXPECT_EQ(p.at(24, 38), blendColors(kUp, kBright, 90, classicColours())) << "toward bright at the bottom";
  EXPECT_EQ(p.at(24, 39), dark) << "the bottom rim";
}

TEST(SheenPainters, UnknownStylePaintsNoBackground) {
  Painted p({{"style", "12"}});
  ASSERT_EQ(p.button.redraw(kSheenNormal), PaintError::None);
  EXPECT_TRUE(testpix::pixelsMatch(p.host.surface, [](int, int) { return std::optional<Colour>(0xC8D0D4); }));
  EXPECT_TRUE(p.host.region.empty());
}

}  // namespace
}  // namespace controls::sheenbutton::fake
