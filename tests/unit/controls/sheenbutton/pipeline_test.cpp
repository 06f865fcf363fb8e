// The pipeline: shapes and radii, the colour helpers, picture and caption layout, and the errors
// that stop a repaint.
#include <gtest/gtest.h>

#include "controls/sheenbutton/colours.h"
#include "controls/sheenbutton/shapes.h"
#include "fake_host.h"
#include "unit/gfx/pixel_expect.h"

namespace controls::sheenbutton::fake {
namespace {

TEST(SheenShapes, CornerRadiusByStyleAndSize) {
  const struct {
    int style, w, h, radius;
  } cases[] = {{7, 49, 41, 11}, {2, 49, 41, 21}, {4, 49, 41, 21}, {5, 49, 41, 21}, {6, 49, 41, 13},
               {3, 49, 41, 12}, {2, 20, 60, 10}, {7, 2, 2, 1},    {6, 2, 2, 1},    {0, 49, 41, 4}};
  for (const auto& c : cases)
    EXPECT_EQ(cornerRadius(c.style, c.w, c.h, 4), c.radius) << "style " << c.style << " " << c.w << "x" << c.h;
}

TEST(SheenShapes, InRoundRectAsWrittenFor49By41Style7) {
  for (int x = 0; x < 49; ++x) EXPECT_FALSE(inRoundRect(x, 0, 0, 0, 49, 41, 11)) << "row 0, column " << x;
  for (int y = 0; y < 41; ++y) EXPECT_FALSE(inRoundRect(0, y, 0, 0, 49, 41, 11)) << "column 0, row " << y;
  EXPECT_TRUE(inRoundRect(1, 20, 0, 0, 49, 41, 11));
  EXPECT_TRUE(inRoundRect(24, 1, 0, 0, 49, 41, 11));
  EXPECT_FALSE(inRoundRect(1, 1, 0, 0, 49, 41, 11)) << "the corner is cut";
  EXPECT_TRUE(inCorner(0, 11, 11)) << "the circle's widest row";
  EXPECT_FALSE(inCorner(12, 11, 11)) << "beyond the radius";
}

// The regions built for the window hold exactly the pixels the test accepts.
TEST(SheenShapes, WindowAndInnerShapesAreThePixelTestsSets) {
  const struct { int w, h; } sizes[] = {{49, 41}, {20, 60}, {113, 33}, {24, 10}, {7, 7}, {3, 3}, {2, 1}, {1, 1}};
  for (int style = 2; style <= 7; ++style) {
    for (const auto& size : sizes) {
      const int r = cornerRadius(style, size.w, size.h, 0);
      const Shapes shapes = buildShapes(size.w, size.h, r);
      for (int y = -1; y <= size.h; ++y) {
        for (int x = -1; x <= size.w; ++x) {
          const bool window =
              x >= 0 && y >= 0 && x < size.w && y < size.h && inRoundRect(x, y, 0, 0, size.w, size.h, r);
          const bool inner = x >= 0 && y >= 0 && x < size.w - 1 && y < size.h - 1 &&
                             inRoundRect(x, y, 1, 1, size.w - 2, size.h - 2, r);
          ASSERT_EQ(shapes.window.contains(x, y), window)
              << "style " << style << " " << size.w << "x" << size.h << " window at " << x << "," << y;
          ASSERT_EQ(shapes.inner.contains(x, y), inner)
              << "style " << style << " " << size.w << "x" << size.h << " inner at " << x << "," << y;
        }
      }
    }
  }
}

TEST(SheenShapes, StyleChangesGiveAndRemoveTheWindowShape) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(b.load({{"style", "7"}}));
  b.buildShape();
  EXPECT_EQ(b.cornerRadius(), 11);
  EXPECT_TRUE(host.region.contains(1, 20));
  EXPECT_FALSE(host.region.contains(0, 20));
  b.setStyle(0);
  EXPECT_TRUE(host.region.empty()) << "the window is its rectangle again";
  EXPECT_FALSE(b.innerShape().has_value());
  b.setStyle(3);
  EXPECT_EQ(b.cornerRadius(), 12);
  EXPECT_FALSE(host.region.contains(2, 2));
  EXPECT_TRUE(host.region.contains(24, 20));
  EXPECT_TRUE(b.innerShape().has_value());
}

TEST(SheenShapes, ShapesAreCachedPerSizeStyleAndRadius) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(b.load({{"style", "7"}}));
  b.buildShape();
  host.hooks.send(host.hwnd, kWmPaint);
  host.hooks.send(host.hwnd, kWmPaint);
  EXPECT_EQ(b.shapesBuilt(), 1) << "the same size, style and radius";
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "shape"), 1) << "the window's shape is set once";
  host.setSize(60, 41);
  host.hooks.send(host.hwnd, kWmPaint);
  EXPECT_EQ(b.shapesBuilt(), 2) << "a new size";
  EXPECT_TRUE(host.region.contains(58, 20));
}

TEST(SheenColours, BlendColorsTruncatesAndClamps) {
  const gfx::SystemColours sys = classicColours();
  const Colour x = core::fromHex(0x204060), y = core::fromHex(0xA0C0E0);
  const struct {
    Colour c1, c2;
    int pct;
    Colour want;
  } cases[] = {{0x000000, 0xFFFFFF, 50, core::rgb(127, 127, 127)},
               {0xFFFFFF, 0x000000, 50, core::rgb(128, 128, 128)},
               {x, y, 0, x},
               {x, y, 100, y},
               {x, y, 150, y},
               {x, y, -20, x},
               {core::systemColour(gfx::kColorBtnFace), 0xFFFFFF, 0, 0xC8D0D4}};
  for (const auto& c : cases)
    EXPECT_EQ(blendColors(c.c1, c.c2, c.pct, sys), c.want)
        << std::hex << c.c1 << " " << c.c2 << " " << std::dec << c.pct;
}

TEST(SheenColours, GetRGBResolvesSystemColoursAndGivesBlackOnFailure) {
  const gfx::SystemColours sys = classicColours();
  EXPECT_EQ(getRGB(0x00332211, sys), (Rgb{0x11, 0x22, 0x33}));
  EXPECT_EQ(getRGB(core::systemColour(gfx::kColorBtnShadow), sys), (Rgb{0x80, 0x80, 0x80}));
  EXPECT_EQ(getRGB(0x40000000, sys), (Rgb{0, 0, 0})) << "not a colour";
}

TEST(SheenColours, ShadeRunsInFloatingPointAndPastItsEnd) {
  EXPECT_EQ(shade(core::fromHex(0xE2E2DA), core::fromHex(0xF2F1EE), 4, 3), core::rgb(247, 246, 245));
  EXPECT_EQ(shade(0, 0xFFFFFF, 1, 2), core::rgb(128, 128, 128)) << "127.5 rounds to even";
  EXPECT_THROW(shade(0, 0xFFFFFF, 1, 0), PaintFailure);
}

TEST(SheenLayout, PictureAndCaptionByAlignment) {
  const struct {
    int alignment, style;
    IconCaptionLayout at;
  } cases[] = {
      {kPictureTop, 7, {9, -1, 15, 30}},  {kPictureBottom, 7, {8, 12, 15, 2}}, {kPictureLeft, 7, {11, 5, 15, 14}},
      {kPictureRight, 7, {6, 5, 15, 14}}, {kPictureLeft, 0, {8, 5, 15, 14}},   {9, 7, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    FakeHost host;
    SheenButton b(host);
    ASSERT_TRUE(b.load({{"style", std::to_string(c.style)},
                        {"caption", "Add"},
                        {"picture", "arrow.ico"},
                        {"picturealignment", std::to_string(c.alignment)}}));
    b.buildShape();
    ASSERT_EQ(b.redraw(kSheenNormal), PaintError::None);
    EXPECT_EQ(b.lastLayout(), c.at) << "alignment " << c.alignment << " style " << c.style << ": got "
                                    << b.lastLayout().px << "," << b.lastLayout().py << " " << b.lastLayout().tx << ","
                                    << b.lastLayout().ty;
  }
}

TEST(SheenLayout, IconOnlyButtonPutsThePictureAt9By5And10By6Pressed) {
  for (int state : {kSheenNormal, kSheenPressed}) {
    FakeHost host;
    SheenButton b(host);
    ASSERT_TRUE(b.load({{"style", "7"}, {"caption", ""}, {"picture", "arrow.ico"}}));
    b.buildShape();
    ASSERT_EQ(b.redraw(state), PaintError::None);
    const int x = state == kSheenPressed ? 10 : 9, y = state == kSheenPressed ? 6 : 5;
    const Colour green = core::fromHex(0x00FF00);
    EXPECT_EQ(host.surface.at(x, y), green) << "state " << state;
    EXPECT_EQ(host.surface.at(x + 31, y + 31), green) << "state " << state;
    EXPECT_NE(host.surface.at(x - 1, y), green) << "state " << state;
    EXPECT_NE(host.surface.at(x, y - 1), green) << "state " << state;
    EXPECT_TRUE(host.textRenderer.drawn.empty()) << "no caption";
  }
}

TEST(SheenLayout, CaptionHighlightOnlyWhileHoveredAndTheTextColourIsRestored) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(b.load({{"caption", "Go"},
                      {"forecolor", "255"},
                      {"captionhighlite", "-1"},
                      {"captionhighlitecolor", std::to_string(core::fromHex(0xFF0000))}}));
  for (int state : {kSheenNormal, kSheenHover, kSheenPressed, kSheenFocused}) {
    host.textRenderer.drawn.clear();
    ASSERT_EQ(b.redraw(state), PaintError::None);
    ASSERT_EQ(host.textRenderer.drawn.size(), 1u) << state;
    EXPECT_EQ(host.textRenderer.drawn[0].colour, state == kSheenHover ? core::fromHex(0xFF0000) : 255u) << state;
    EXPECT_EQ(b.surfaceTextColour(), 255u) << state;
  }
}

TEST(SheenLayout, DisabledDrawsEmbossedCaptionAndPictureInEveryState) {
  for (int state : {kSheenNormal, kSheenPressed, kSheenFocused, kSheenHover, kSheenChecked}) {
    FakeHost host;
    SheenButton b(host);
    ASSERT_TRUE(b.load({{"enabled", "0"},
                        {"caption", "Go"},
                        {"picture", "arrow.ico"},
                        {"picturealignment", "2"},
                        {"iconhighlite", "-1"}}));
    ASSERT_EQ(b.redraw(state), PaintError::None);
    const auto& drawn = host.textRenderer.drawn;
    ASSERT_EQ(drawn.size(), 2u) << state;
    EXPECT_EQ(drawn[0].colour, 0xFFFFFFu) << "highlight first";
    EXPECT_EQ(drawn[0].rect.left, drawn[1].rect.left + 1) << "one pixel right";
    EXPECT_EQ(drawn[1].colour, 0x808080u) << "shadow on top";
    const IconCaptionLayout l = b.lastLayout();
    EXPECT_EQ(host.surface.at(l.px, l.py), 0x808080u) << state;
    EXPECT_EQ(host.surface.at(l.px + 32, l.py + 32), 0xFFFFFFu) << state;
  }
}

TEST(SheenLayout, IconHighlightDrawsTheSilhouetteWhileHovered) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(
      b.load({{"picture", "arrow.ico"}, {"caption", ""}, {"iconhighlite", "-1"}, {"iconhighlitecolor", "255"}}));
  ASSERT_EQ(b.redraw(kSheenHover), PaintError::None);
  EXPECT_EQ(host.surface.at(b.lastLayout().px, b.lastLayout().py), 255u);
  ASSERT_EQ(b.redraw(kSheenNormal), PaintError::None);
  EXPECT_EQ(host.surface.at(b.lastLayout().px, b.lastLayout().py), core::fromHex(0x00FF00));
}

TEST(SheenPipeline, NothingIsDrawnBeforeTheControlIsReady) {
  FakeHost host;
  SheenButton b(host);
  EXPECT_EQ(b.redraw(kSheenNormal), PaintError::None);
  EXPECT_EQ(host.paints, 0);
}

TEST(SheenPipeline, ImpossibleSizesAndOverflowStopTheRepaintWithAnError) {
  const struct {
    const char* name;
    int w, h;
    PropertyBag settings;
    PaintError want;
  } cases[] = {
      {"zero size, style 7", 0, 0, {{"style", "7"}}, PaintError::DivisionByZero},
      {"style 3, 7 pixels high", 49, 7, {{"style", "3"}}, PaintError::DivisionByZero},
      {"style 6, 1 pixel high", 49, 1, {{"style", "6"}}, PaintError::DivisionByZero},
      {"style 7, border beyond 32 bits",
       49,
       41,
       {{"style", "7"}, {"borderbrightness", "-2147483648"}},
       PaintError::Overflow},
      {"style 7, fine", 49, 41, {{"style", "7"}}, PaintError::None},
  };
  for (const auto& c : cases) {
    FakeHost host(c.w, c.h);
    SheenButton b(host);
    ASSERT_TRUE(b.load(c.settings)) << c.name;
    b.buildShape();
    EXPECT_EQ(b.redraw(kSheenNormal), c.want) << c.name;
  }
}

TEST(SheenPipeline, CheckedOverridesTheRequestedState) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(b.load({{"style", "1"}, {"caption", ""}, {"checked", "-1"}}));
  ASSERT_EQ(b.redraw(kSheenNormal), PaintError::None);
  EXPECT_EQ(host.surface.at(5, 20), 0xFFFFFFu) << "the checked look's white box";
}

}  // namespace
}  // namespace controls::sheenbutton::fake
