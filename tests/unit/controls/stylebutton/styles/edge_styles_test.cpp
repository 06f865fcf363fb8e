// Styles 0 to 6 against their step tables: small bodies as pictures, larger ones by named pixels.
#include "controls/stylebutton/styles/edge_styles.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "controls/stylebutton/style_button.h"
#include "unit/controls/stylebutton/styles/painter_fixture.h"

namespace {

using controls::stylebutton::OpenTheme;
using controls::stylebutton::PropertyBag;
using controls::stylebutton::StyleButton;
using controls::stylebutton::ThemePort;
using testpaint::fromHex;
using testpaint::kBack;
using testpaint::kHighlight;
using testpaint::kUntouched;
using testpaint::Look;
using testpaint::paint;
using testpaint::props;
using testpix::pixelsMatch;
using testpix::probesMatch;
using Picture = std::vector<std::string>;

// The classic system colours of the fake host.
constexpr gfx::Colour kFace = 0xC8D0D4, kShadow = 0x808080, kWhite = 0xFFFFFF, kLight = 0xDFDFDF, kDark = 0x404040;
const gfx::Colour kSysHighlight = fromHex(0x0A246A);

std::map<char, gfx::Colour> legend(gfx::Colour fill) {
  return {{'f', fill},  {'h', kWhite},     {'l', kLight}, {'s', kShadow},  {'d', kDark},     {'k', 0},
          {'b', kBack}, {'H', kHighlight}, {'w', kWhite}, {'m', 0xC0C0C0}, {'.', kUntouched}};
}

struct PictureCase {
  const char* name;
  int style;
  bool custom;
  Look look;
  bool showFocus;
  gfx::Colour fill;  // what 'f' stands for
  Picture want;
};

const Picture kRaised{"llllld", "lhhhsd", "lhffsd", "lssssd", "dddddd"};
const Picture kSunken{"sssssh", "sdddlh", "sdfflh", "sllllh", "hhhhhh"};
const Picture kFramed{"kkkkkk", "khhhsk", "khffsk", "kssssk", "kkkkkk"};
const Picture kThinRaised{"hhhhhs", "hffffs", "hffffs", "hffffs", "ssssss"};
const Picture kThinSunken{"sssssh", "sffffh", "sffffh", "sffffh", "hhhhhh"};
const Picture kFlat{"ffffff", "ffffff", "ffffff", "ffffff", "ffffff"};
const Picture kEtched{"sssssf", "swwwmw", "swffsw", "smsssw", "fwwwww"};

class EdgePictures : public testing::TestWithParam<PictureCase> {};

TEST_P(EdgePictures, On6x5) {
  const PictureCase& c = GetParam();
  auto p = props(c.style, c.custom);
  p.showFocus = c.showFocus;
  const auto painted = paint(p, c.look, 6, 5);
  EXPECT_TRUE(pixelsMatch(painted.s, c.want, legend(c.fill))) << c.name;
}

const gfx::Colour kHotEtchedFill = fromHex(0xAAA8A4);  // MixColors(shadow, face)

INSTANTIATE_TEST_SUITE_P(
    Styles0To3, EdgePictures,
    testing::Values(PictureCase{"raised_resting", 0, false, {1}, false, kFace, kRaised},
                    PictureCase{"raised_pressed_is_sunken", 0, false, {3}, false, kFace, kSunken},
                    PictureCase{"raised_focused_with_ShowFocus_framed", 0, false, {1, true}, true, kFace, kFramed},
                    PictureCase{"raised_focused_without_ShowFocus_plain", 0, false, {1, true}, false, kFace, kRaised},
                    PictureCase{"raised_default_unfocused_framed", 0, false, {5, false, true}, false, kFace, kFramed},
                    PictureCase{"raised_default_but_focused_plain", 0, false, {5, true, true}, false, kFace, kRaised},
                    PictureCase{"raised_custom_resting_BackColor", 0, true, {1}, false, kBack, kRaised},
                    PictureCase{"raised_custom_disabled_HighlightColor", 0, true, {4}, false, kHighlight, kRaised},
                    PictureCase{"thin_resting", 1, false, {1}, false, kFace, kThinRaised},
                    PictureCase{"thin_defaulted", 1, false, {5}, false, kFace, kThinRaised},
                    PictureCase{"thin_custom_hot_HighlightColor", 1, true, {2}, false, kHighlight, kThinRaised},
                    PictureCase{"thin_pressed", 1, false, {3}, false, kFace, kThinSunken},
                    PictureCase{"thin_custom_disabled_BackColor", 1, true, {4}, false, kBack, kFlat},
                    PictureCase{"flat_custom_resting", 2, true, {1}, false, kBack, kFlat},
                    PictureCase{"flat_hot", 2, false, {2}, false, kFace, kThinRaised},
                    PictureCase{"flat_pressed", 2, false, {3}, false, kFace, kThinSunken},
                    PictureCase{"flat_custom_disabled_BackColor", 2, true, {4}, false, kBack, kFlat},
                    PictureCase{"flat_custom_defaulted_HighlightColor", 2, true, {5}, false, kHighlight, kFlat},
                    PictureCase{"etched_resting", 3, false, {1}, false, kFace, kEtched},
                    PictureCase{"etched_hot", 3, false, {2}, false, kHotEtchedFill, kEtched},
                    PictureCase{"etched_custom_hot", 3, true, {2}, false, fromHex(0x506070), kEtched},
                    PictureCase{"etched_pressed", 3, false, {3}, false, kShadow, kEtched},
                    PictureCase{"etched_custom_pressed", 3, true, {3}, false, kHighlight, kEtched}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tinted, FillsAndFramesByState) {
  // LightenColor(face, 32) = #D9D5CE; LightenColor(HL, 176) = #B3BBD0 (176/255 of the way from HL
  // to white), LightenColor(HL, 128) = #8491B4; the frame is HL itself.
  const Picture framed{"HHHHHH", "HLLLLH", "HLLLLH", "HLLLLH", "HHHHHH"};
  struct Case {
    int state;
    Picture want;
    std::map<char, gfx::Colour> colours;
  };
  const Case cases[] = {
      {1, kFlat, {{'f', fromHex(0xD9D5CE)}}},
      {4, kFlat, {{'f', fromHex(0xD9D5CE)}}},
      {5, kFlat, {{'f', fromHex(0xD9D5CE)}}},
      {2, framed, {{'H', kSysHighlight}, {'L', fromHex(0xB3BBD0)}}},
      {3, framed, {{'H', kSysHighlight}, {'L', fromHex(0x8491B4)}}},
      {0, {"......", "......", "......", "......", "......"}, {{'.', kUntouched}}},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(pixelsMatch(paint(props(4), {c.state}, 6, 5).s, c.want, c.colours)) << "state " << c.state;
}

using testpix::Probe;

struct ProbeCase {
  const char* name;
  bool custom;
  Look look;
  bool showFocus;
  std::vector<Probe> probes;
};

class GradientFrame : public testing::TestWithParam<ProbeCase> {};

TEST_P(GradientFrame, On20x20) {
  const ProbeCase& c = GetParam();
  auto p = props(5, c.custom);
  p.showFocus = c.showFocus;
  EXPECT_TRUE(probesMatch(paint(p, c.look, 20, 20).s, c.probes)) << c.name;
}

const std::vector<Probe> kFixedFrame{
    {5, 0, fromHex(0x003C74), "top frame"},      {0, 10, fromHex(0x003C74), "left frame"},
    {19, 10, fromHex(0x003C74), "right frame"},  {10, 19, fromHex(0x003C74), "bottom frame"},
    {1, 1, fromHex(0x486E90), "inner corner"},   {0, 1, fromHex(0x6A8BA2), "outer corner"},
    {0, 0, kFace, "outside the frame: the face"}};

std::vector<Probe> with(std::vector<Probe> a, const std::vector<Probe>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Style5, GradientFrame,
    testing::Values(
        ProbeCase{"fixed_resting",
                  false,
                  {1},
                  false,
                  with(kFixedFrame, {{18, 2, fromHex(0xBFC7CA), "soft corner"},
                                     {10, 10, fromHex(0xF5F5F2), "body row 10: blue 241.5 rounds to even"},
                                     {5, 2, fromHex(0xF9F9F8), "top band, second line"},
                                     {5, 16, fromHex(0xEBEBE6), "bottom band, first line"},
                                     {5, 18, fromHex(0xDDD9D0), "bottom band, third line"},
                                     {17, 3, fromHex(0xFBFBFA), "right shade, inner column"},
                                     {18, 3, fromHex(0xF5F4F2), "right shade, outer column"}})},
        ProbeCase{"fixed_focused_blue_default_lines",
                  false,
                  {1, true},
                  false,
                  with(kFixedFrame, {{5, 18, fromHex(0x6982EE), "default line 1"},
                                     {5, 1, fromHex(0xCEE7FF), "default line 2"},
                                     {5, 2, fromHex(0xBCD4F6), "default line 3"},
                                     {5, 17, fromHex(0x89ADE4), "default line 4"},
                                     {1, 3, fromHex(0xB9D1F5), "left default shade, second row"},
                                     {18, 2, fromHex(0xBCD4F6), "right default shade over the soft corner"}})},
        ProbeCase{"fixed_hot_orange_lines_even_when_focused",
                  false,
                  {2, true},
                  false,
                  with(kFixedFrame, {{5, 1, fromHex(0xFFF0CF), "hot line 1"},
                                     {5, 2, fromHex(0xFDD889), "hot line 2"},
                                     {5, 17, fromHex(0xF8B330), "hot line 3"},
                                     {5, 18, fromHex(0xE59710), "hot line 4"},
                                     {1, 2, fromHex(0xFDD889), "left hot shade over the soft corner"},
                                     {18, 2, fromHex(0xFDD889), "right hot shade over the soft corner"}})},
        ProbeCase{"fixed_pressed",
                  false,
                  {3},
                  false,
                  with(kFixedFrame, {{18, 2, fromHex(0xBFC7CA), "soft corner"},
                                     {10, 10, fromHex(0xE3E2DB), "body row 10: 228 - 0.5000000149 rounds down"}})},
        ProbeCase{"fixed_disabled",
                  false,
                  {4},
                  false,
                  {{10, 10, fromHex(0xF5F4EA), "disabled face"},
                   {5, 0, fromHex(0xC9C7BA), "disabled frame"},
                   {0, 0, fromHex(0xC9C7BA), "frame corner"},
                   {0, 1, fromHex(0xD8D5C7), "rounding pixel"},
                   {18, 18, fromHex(0xD8D5C7), "rounding pixel"}}},
        ProbeCase{"fixed_defaulted_face_only", false, {5}, false, {{10, 10, kFace, "face"}, {5, 0, kFace, "no frame"}}},
        ProbeCase{"custom_resting",
                  true,
                  {1},
                  false,
                  {{10, 10, 0x787878, "body C -> C - 15 at row 10"},
                   {5, 1, 0x858585, "C + 5"},
                   {5, 2, 0x828282, "C + 2"},
                   {5, 16, 0x707070, "C - 16"},
                   {5, 17, 0x686868, "C - 24"},
                   {5, 18, 0x5B5B5B, "C - 37"},
                   {5, 0, 0x000000, "frame C - 128"},
                   {19, 19, 0x000000, "right frame to H"},
                   {1, 1, 0x000000, "inner corner"},
                   {0, 1, 0x6B6B6B, "outer corner C - 21"},
                   {0, 0, kBack, "background C"}}},
        ProbeCase{"custom_focused_without_ShowFocus_no_lines", true, {1, true}, false, {{5, 18, 0x5B5B5B, "C - 37"}}},
        ProbeCase{
            "custom_focus_lines_use_the_system_highlight",
            true,
            {1, true},
            true,
            {{5, 18, kSysHighlight, "L"}, {5, 1, fromHex(0x5F79BF), "L + 85"}, {5, 2, fromHex(0x4F69AF), "L + 69"}}},
        ProbeCase{"custom_hot_lines_use_HighlightColor",
                  true,
                  {2},
                  false,
                  {{5, 18, kHighlight, "L"}, {5, 1, fromHex(0x7595B5), "L + 85"}}},
        ProbeCase{"custom_defaulted_lines_use_the_system_highlight", true, {5}, false, {{5, 18, kSysHighlight, "L"}}},
        ProbeCase{"custom_pressed_has_no_background_fill",
                  true,
                  {3},
                  false,
                  {{0, 0, kUntouched, "no fill"},
                   {10, 10, 0x737373, "body C - 21 -> C - 5 at row 10"},
                   {1, 2, 0x505050, "C - 48"},
                   {5, 0, 0x000000, "frame C - 128"},
                   {1, 1, 0x202020, "C - 96"},
                   {18, 17, 0x929292, "C + 18"}}},
        ProbeCase{"custom_disabled",
                  true,
                  {4},
                  false,
                  {{10, 10, kBack, "C"}, {0, 0, 0x404040, "outline C - 64"}, {0, 1, 0x4B4B4B, "C - 53"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GradientFrame, FillsLeaveTheirColourAsTheSurfacesBackground) {
  EXPECT_EQ(paint(props(5), {1}, 20, 20).result.background, kFace);
  EXPECT_EQ(paint(props(5), {4}, 20, 20).result.background, fromHex(0xF5F4EA));
  EXPECT_EQ(paint(props(5, true), {3}, 20, 20).result.background, std::nullopt);
  EXPECT_EQ(paint(props(0, true), {2}, 20, 20).result.background, kHighlight);
  EXPECT_EQ(paint(props(4), {1}, 20, 20).result.background, std::nullopt) << "FillBox is not a background fill";
}

// --- Style 6 -------------------------------------------------------------------------------------

// Records the theme calls in order; draws green where the theme would draw.
class FakeTheme final : public ThemePort {
 public:
  bool hasTheme = true, drawOk = true;
  std::vector<std::string> calls;
  std::unique_ptr<OpenTheme> open(std::string_view classList) override {
    calls.push_back("open " + std::string(classList));
    if (!hasTheme) return nullptr;
    return std::make_unique<Data>(*this);
  }

 private:
  static std::string rect(gfx::Rect r) {
    std::ostringstream o;
    o << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
    return o.str();
  }
  struct Data final : OpenTheme {
    explicit Data(FakeTheme& t) : theme(t) {}
    ~Data() override { theme.calls.push_back("close"); }
    std::optional<gfx::Region> backgroundRegion(int part, int state, gfx::Rect r) override {
      theme.calls.push_back("region " + std::to_string(part) + " " + std::to_string(state) + " " + rect(r));
      return gfx::Region::rectangle({2, 0, 10, 5});
    }
    bool drawBackground(gfx::Surface& s, int part, int state, gfx::Rect r, gfx::Rect clip) override {
      theme.calls.push_back("draw " + std::to_string(part) + " " + std::to_string(state) + " " + rect(r) + " clip " +
                            rect(clip));
      if (theme.drawOk) s.fillRect(r, 0x00FF00);
      return theme.drawOk;
    }
    FakeTheme& theme;
  };
};

TEST(SystemTheme, DrawsThePushButtonInTheThemeStateOnTheSameSurface) {
  struct Case {
    Look look;
    int themeState;
  };
  // Defaulted (5) for a focused normal button; otherwise the button state itself.
  const Case cases[] = {{{1}, 1}, {{1, true}, 5}, {{2, true}, 2}, {{3, true}, 3}, {{4}, 4}, {{5}, 5}};
  for (const Case& c : cases) {
    FakeTheme theme;
    const auto painted = paint(props(6), c.look, 20, 12, &theme);
    const std::string t = std::to_string(c.themeState);
    const std::vector<std::string> want{"open Button", "draw 1 " + t + " (0,0,20,12) clip (0,0,20,12)", "close"};
    EXPECT_EQ(theme.calls, want) << "state " << c.look.state << " focus " << c.look.focus;
    EXPECT_EQ(painted.s.at(10, 6), 0x00FF00u);
    EXPECT_EQ(painted.result.style, std::nullopt);
    EXPECT_EQ(painted.result.windowRegion.has_value(), false) << "RoundedBordersByTheme is false";
  }
}

TEST(SystemTheme, RoundedBordersTakeTheThemesRegionForTheRectangleGrownByOne) {
  FakeTheme theme;
  auto p = props(6);
  p.roundedBordersByTheme = true;
  const auto painted = paint(p, {2}, 20, 12, &theme);
  const std::vector<std::string> want{"open Button", "region 1 2 (-1,-1,21,13)",
                                      "draw 1 2 (0,0,20,12) clip (0,0,20,12)", "close"};
  EXPECT_EQ(theme.calls, want);
  ASSERT_TRUE(painted.result.windowRegion.has_value());
  EXPECT_EQ(painted.result.windowRegion->bounds(), (gfx::Rect{2, 0, 10, 5}));
}

TEST(SystemTheme, TheWindowTakesTheThemesShapeOnceAndAgainOnlyWhenItChanges) {
  FakeTheme theme;
  testhost::FakeHost host(20, 12);
  host.themePort = &theme;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "6"}}));  // RoundedBordersByTheme loads as true
  b.show();
  EXPECT_EQ(host.region.bounds(), (gfx::Rect{2, 0, 10, 5})) << "the theme's shape, not the rectangle";
  const int applied = host.regionsSet;
  b.refresh();
  b.hookMouseMove();
  EXPECT_EQ(host.regionsSet, applied) << "an unchanged shape is not applied again (it redraws the window)";
  EXPECT_EQ(b.style(), 6);
}

TEST(SystemTheme, FallsBackToNonThemeStyleWithoutThemeOrWhenTheDrawingFails) {
  FakeTheme none;
  none.hasTheme = false;
  FakeTheme failing;
  failing.drawOk = false;
  struct Case {
    const char* name;
    ThemePort* port;
    std::vector<std::string> calls;
  };
  const std::vector<std::string> noCalls;
  const Case cases[] = {
      {"no theme data", &none, {"open Button"}},
      {"drawing failed", &failing, {"open Button", "draw 1 1 (0,0,20,12) clip (0,0,20,12)", "close"}},
      {"no visual-style library", nullptr, {}},
  };
  for (const Case& c : cases) {
    auto p = props(6);
    p.nonThemeStyle = 8;
    const auto painted = paint(p, {1}, 20, 12, c.port);
    EXPECT_EQ(painted.result.style, 8) << c.name;
    EXPECT_TRUE(pixelsMatch(painted.s, [](int, int) { return std::optional<gfx::Colour>(kFace); })) << c.name;
    if (c.port) {
      EXPECT_EQ(static_cast<FakeTheme*>(c.port)->calls, c.calls) << c.name;
    }
  }
}

TEST(SystemTheme, WithoutVisualStylesTheFirstRepaintIsPlainAndTheNextOneTheFallbackStyle) {
  FakeTheme none;
  none.hasTheme = false;
  testhost::FakeHost host(97, 33);
  host.themePort = &none;
  std::vector<gfx::Colour> centre;
  host.onEndPaint = [&] { centre.push_back(host.surface.at(48, 16)); };
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "6"}, {"caption", "Go"}}));
  EXPECT_EQ(b.style(), 6) << "not shown yet: nothing painted, nothing tried";
  centre.clear();
  b.show();  // resize step (repaint), then the show's own repaint
  ASSERT_EQ(centre.size(), 2u);
  EXPECT_EQ(testpix::hex(centre[0]), testpix::hex(kFace)) << "first repaint: the face alone";
  EXPECT_EQ(testpix::hex(centre[1]), testpix::hex(fromHex(0xF5F5F2))) << "second: the style-5 body";
  EXPECT_EQ(b.style(), 5) << "a loaded control's NonThemeStyle";
  EXPECT_TRUE(host.region.contains(0, 0)) << "the shape waits for the next resize step";
  ASSERT_FALSE(host.textRenderer.drawn.empty());
  EXPECT_EQ(host.textRenderer.drawn.front().text, "Go") << "the caption comes on the plain face too";
  b.resized();
  EXPECT_FALSE(host.region.contains(0, 0)) << "style 5's cut corner";
  PropertyBag stored;
  b.store(stored);
  EXPECT_EQ(stored.find("Style"), std::optional<std::string>("5")) << "the fallback is stored for good";
}

}  // namespace
