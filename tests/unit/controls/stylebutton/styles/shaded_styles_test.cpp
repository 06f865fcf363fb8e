// Styles 7 to 9 against their step tables, by named pixels. BackColor #808080 and HighlightColor
// #204060 unless a case says otherwise.
#include "controls/stylebutton/styles/shaded_styles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/stylebutton/style_button.h"
#include "unit/controls/stylebutton/styles/painter_fixture.h"

namespace {

using controls::stylebutton::PropertyBag;
using controls::stylebutton::StyleButton;
using testpaint::fromHex;
using testpaint::kUntouched;
using testpaint::Look;
using testpaint::paint;
using testpaint::props;
using testpix::Probe;
using testpix::probesMatch;

struct Case {
  const char* name;
  int style;
  bool custom;
  Look look;
  int w, h;
  std::vector<Probe> probes;
};

class Shaded : public testing::TestWithParam<Case> {};

TEST_P(Shaded, Probes) {
  const Case& c = GetParam();
  EXPECT_TRUE(probesMatch(paint(props(c.style, c.custom), c.look, c.w, c.h).s, c.probes)) << c.name;
}

const gfx::Colour kHlPlus21 = fromHex(0x355575), kHlMinus5 = fromHex(0x1B3B5B), kHlMinus21 = fromHex(0x0B2B4B);

INSTANTIATE_TEST_SUITE_P(Style7, Shaded,
                         testing::Values(Case{"resting",
                                              7,
                                              true,
                                              {1},
                                              20,
                                              20,
                                              {{0, 0, 0x888888, "background K = BASE + 8"},
                                               {10, 10, 0x878787, "body K + 15 -> K - 15 at row 10"},
                                               {1, 2, 0x9D9D9D, "left shade K + 21"},
                                               {18, 2, 0x838383, "right shade K - 5"},
                                               {5, 0, 0x282828, "outline K - 96"},
                                               {0, 5, 0x282828, "outline"},
                                               {19, 19, 0x282828, "right outline runs to H"},
                                               {18, 18, 0x282828, "inner corner"},
                                               {1, 0, 0x6B6B6B, "outer corner BASE - 21"},
                                               {19, 1, 0x6B6B6B, "outer corner"},
                                               {5, 1, 0x959595, "top line BASE + 21"},
                                               {5, 18, 0x5B5B5B, "bottom line BASE - 37"}}},
                                         Case{"focused_highlight_lines",
                                              7,
                                              true,
                                              {1, true},
                                              20,
                                              20,
                                              {{5, 1, kHlPlus21, "HL + 21"},
                                               {1, 2, kHlPlus21, "HL + 21 from column 1"},
                                               {5, 17, kHlMinus5, "HL - 5"},
                                               {5, 18, kHlMinus21, "HL - 21"}}},
                                         Case{"defaulted_highlight_lines",
                                              7,
                                              true,
                                              {5},
                                              20,
                                              20,
                                              {{5, 1, kHlPlus21, "HL + 21"}, {5, 18, kHlMinus21, "HL - 21"}}},
                                         Case{"hot",
                                              7,
                                              true,
                                              {2},
                                              20,
                                              20,
                                              {{0, 0, 0x989898, "K = BASE + 24"},
                                               {10, 10, 0x979797, "body K + 16 -> K - 16"},
                                               {5, 0, 0x383838, "outline K - 96"},
                                               {5, 1, kHlPlus21, "HL + 21 always while hot"},
                                               {5, 18, kHlMinus21, "HL - 21"}}},
                                         Case{"hot_system_colours_clamp",
                                              7,
                                              false,
                                              {2},
                                              20,
                                              20,
                                              {{5, 1, fromHex(0x1F397F), "system HL + 21"},
                                               {5, 18, fromHex(0x000F55), "system HL - 21, clamped"}}},
                                         Case{"pressed_no_fill",
                                              7,
                                              true,
                                              {3, true},
                                              20,
                                              20,
                                              {{0, 0, kUntouched, "no background fill"},
                                               {10, 10, 0x6F6F6F, "body K - 15 -> K over H - 2 rows"},
                                               {1, 2, 0x575757, "left shade K - 32"},
                                               {18, 2, 0x626262, "right shade K - 21"},
                                               {5, 0, 0x171717, "outline K - 96"},
                                               {5, 1, 0x6B6B6B, "BASE - 21, no highlight even when focused"},
                                               {5, 18, 0x888888, "BASE + 8"}}},
                                         Case{"disabled",
                                              7,
                                              true,
                                              {4, true},
                                              20,
                                              20,
                                              {{0, 0, 0x929292, "K = BASE + 18"},
                                               {1, 0, 0x858585, "outer corner BASE + 5"},
                                               {5, 0, 0x323232, "outline K - 96"},
                                               {5, 1, 0x959595, "BASE + 21, no highlight"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Style8, Shaded,
    testing::Values(
        Case{"resting",
             8,
             true,
             {1},
             20,
             20,
             {{0, 0, 0x808080, "P = BASE"},
              {10, 10, 0x7E7E7E, "body P + 15 -> P - 15 at row 10"},
              {5, 1, 0xE0E0E0, "lit top P + 96"},
              {1, 5, 0xE0E0E0, "lit left"},
              {5, 17, 0x808080, "bottom inner P"},
              {18, 5, 0x505050, "right outline over the inner right line"},
              {5, 0, 0x505050, "outline O = BASE - 48"},
              {0, 5, 0x505050, "outline"},
              {5, 18, 0x505050, "outline"},
              {1, 1, 0x505050, "corner"},
              {17, 17, 0x505050, "corner"},
              {5, 19, 0x656565, "soft outline O + 21"},
              {19, 5, 0x656565, "soft outline"},
              {17, 18, 0x656565, "first corner stroke"},
              {19, 16, 0x656565, "first corner stroke"},
              {18, 18, 0x747474, "second corner stroke (O + 21) + 15"},
              {19, 17, 0x747474, "second corner stroke"}}},
        Case{"focused", 8, true, {1, true}, 20, 20, {{5, 0, 0x202020, "O = BASE - 96"}, {5, 19, 0x353535, "O + 21"}}},
        Case{"pressed_focused",
             8,
             true,
             {3, true},
             20,
             20,
             {{0, 0, fromHex(0x204060), "P = HighlightColor"},
              {10, 10, fromHex(0x224262), "body P - 15 -> P + 15"},
              {5, 1, fromHex(0x204060), "top inner P"},
              {5, 17, fromHex(0x80A0C0), "lit bottom P + 96"},
              {5, 0, 0x505050, "O = BASE - 48 even while focused"}}},
        Case{"hot_system", 8, false, {2}, 20, 20, {{0, 0, fromHex(0xE3DFD7), "P = face + 15"}}},
        Case{"disabled_like_hot", 8, false, {4}, 20, 20, {{0, 0, fromHex(0xE3DFD7), "P = face + 15"}}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Style9, Shaded,
    testing::Values(
        Case{"resting_h20",
             9,
             true,
             {1},
             20,
             20,
             {{0, 0, 0xF1F1F1, "left rim K + 128"},
              {2, 4, 0x717171, "upper left shade starts at K = BASE - 15"},
              {2, 7, 0x4C4C4C, "and ends at K - 37 after n = 3"},
              {5, 2, 0x969696, "gloss column K + 37"},
              {5, 5, 0x868686, "gloss column over n = 6"},
              {6, 3, 0xF1F1F1, "highlight pixel K + 128"},
              {10, 0, 0xA1A1A1, "top line K + 48"},
              {10, 18, 0x000000, "bottom dark line K - 128"},
              {8, 17, 0x717171, "bottom inner line K"},
              {1, 17, 0x010101, "corner pixel K - 112"},
              {19, 0, 0xF1F1F1, "right rim, upper half, K + 128"},
              {19, 10, 0x313131, "right rim, lower half starts at H / 2 with K - 64"}}},
        Case{"resting_h23_rounds_half_to_even",
             9,
             true,
             {1},
             20,
             23,
             // 23 / 2 = 11.5 -> 12: the upper half runs to row 12, whose last colour the lower half replaces.
             {{19, 11, 0x505050, "upper half, i = 11 of 12"}, {19, 12, 0x313131, "lower half starts at row 12"}}},
        Case{"hot",
             9,
             true,
             {2},
             20,
             20,
             {{2, 4, fromHex(0x214161), "K = HighlightColor + 1"}, {0, 0, fromHex(0xA1C1E1), "K + 128"}}},
        Case{"pressed_lighter_than_hot", 9, true, {3}, 20, 20, {{2, 4, fromHex(0x385878), "K = HighlightColor + 24"}}},
        Case{"disabled", 9, true, {4}, 20, 20, {{2, 4, 0x8F8F8F, "K = BASE + 15"}}},
        Case{"hot_system", 9, false, {2}, 20, 20, {{2, 4, fromHex(0xD5D1C9), "K = face + 1"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DefaultButton, IsHandedToThePainterAsState5WhileButtonStateStaysNormal) {
  // 113 x 33, system colours. Style 0: black frame at (0, 0); style 7: highlight line over the top
  // line; style 10: the hot skin's left band.
  struct Probe1 {
    int style, x, y;
    gfx::Colour resting, asDefault;
  };
  const Probe1 cases[] = {
      {0, 0, 0, 0xDFDFDF, 0x000000},
      {7, 5, 1, fromHex(0xE9E5DD), fromHex(0x1F397F)},
      {10, 2, 15, fromHex(0x999999), fromHex(0x132E71)},
  };
  for (const Probe1& c : cases) {
    testhost::FakeHost host;
    StyleButton b(host);
    ASSERT_TRUE(b.load(PropertyBag{{"style", std::to_string(c.style)}}));
    b.show();
    EXPECT_EQ(testpix::hex(host.surface.at(c.x, c.y)), testpix::hex(c.resting)) << "style " << c.style;
    host.asDefault = true;
    b.ambientChanged("DisplayAsDefault");
    EXPECT_EQ(testpix::hex(host.surface.at(c.x, c.y)), testpix::hex(c.asDefault)) << "style " << c.style;
    EXPECT_EQ(b.buttonState(), controls::stylebutton::kStateNormal);
  }
}

}  // namespace
