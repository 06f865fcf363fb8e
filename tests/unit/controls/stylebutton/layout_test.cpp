// The resize step: minimum size, caption layout, window shape.
#include <gtest/gtest.h>

#include "controls/stylebutton/renderer.h"
#include "controls/stylebutton/style_button.h"
#include "unit/controls/stylebutton/fake_host.h"

namespace {

using controls::stylebutton::PropertyBag;
using controls::stylebutton::StyleButton;
using gfx::Rect;
using testhost::FakeHost;

struct LayoutCase {
  int align, margin;
  Rect want;
  unsigned format;
};

TEST(CaptionLayout, EachAlignmentOn113x33) {
  // "Ok" measured as 12 x 13: L = T = 4, R = 16, B = 17.
  const Rect measured{4, 4, 16, 17};
  const LayoutCase cases[] = {
      {0, 7, {46, 9, 62, 23}, 21},  // 46.5 and 62.5 round to even: 2 pixels left of the exact centre
      {1, 7, {7, 9, 23, 23}, 20},   {1, 3, {3, 9, 19, 23}, 20},
      {2, 7, {86, 9, 102, 23}, 22}, {3, 7, {46, 4, 62, 16}, 17},  // 7 / 2 = 3.5 -> 4, but 3.5 + 13 = 16.5 -> 16
      {3, 3, {46, 2, 62, 14}, 17},                                // 1.5 -> 2; 14.5 -> 14
      {4, 7, {46, 16, 62, 30}, 25},                               // 33 - 13 - 3.5 = 16.5 -> 16; 29.5 -> 30
      {4, 5, {46, 18, 62, 30}, 25},                               // 17.5 -> 18; 30.5 -> 30
      {9, 7, {4, 4, 109, 29}, 99},                                // unknown: default rectangle, format kept
      {-1, 7, {4, 4, 109, 29}, 99},
  };
  for (const LayoutCase& c : cases) {
    const auto l = controls::stylebutton::layoutCaption(113, 33, measured, c.align, c.margin, false, 99);
    EXPECT_EQ(l.rect, c.want) << "align " << c.align << " margin " << c.margin << ": got (" << l.rect.left << ", "
                              << l.rect.top << ", " << l.rect.right << ", " << l.rect.bottom << ")";
    EXPECT_EQ(l.format, c.format) << "align " << c.align;
  }
  EXPECT_EQ(controls::stylebutton::layoutCaption(113, 33, measured, 0, 7, true, 99).format, 21u + 0x20000u);
  EXPECT_EQ(controls::stylebutton::layoutCaption(113, 33, measured, 9, 7, true, 17).format, 17u + 0x20000u);
}

TEST(CaptionLayout, EachCellIsRoundedOnceWhenTheFreeHeightIsOdd) {
  // (H - B - T) / 2 + 3 as one value: rounding the half first and adding 3 after lands a pixel low.
  struct Case {
    int w, h;
    Rect measured;
    int align;
    Rect want;
  };
  const Case cases[] = {
      {89, 28, {4, 4, 16, 17}, 0, {34, 6, 50, 20}},   // the first-run Ok: 3.5 + 3 = 6.5 -> 6, not 4 + 3
      {113, 33, {4, 4, 52, 18}, 0, {28, 8, 80, 24}},  // a 14-pixel caption: 5.5 + 3 = 8.5 -> 8
      {113, 33, {4, 4, 52, 18}, 1, {7, 8, 59, 24}},   // the same top for the side alignments
      {113, 33, {4, 4, 52, 18}, 2, {50, 8, 102, 24}},
      {97, 33, {4, 4, 40, 18}, 0, {26, 8, 66, 24}},  // the about window's buttons
  };
  for (const Case& c : cases) {
    const auto l = controls::stylebutton::layoutCaption(c.w, c.h, c.measured, c.align, 7, false, 17);
    EXPECT_EQ(l.rect, c.want) << c.w << "x" << c.h << " align " << c.align << ": got (" << l.rect.left << ", "
                              << l.rect.top << ", " << l.rect.right << ", " << l.rect.bottom << ")";
  }
}

TEST(CaptionLayout, RightToLeftIsSetNotAddedWhenTheFormatIsCarriedOver) {
  // An unknown alignment keeps the last format; sixteen layouts must not carry it into other flags.
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "0"}, {"captionalign", "7"}, {"brtltext", "-1"}}));
  b.show();
  for (int i = 0; i < 16; ++i) b.resized();
  EXPECT_EQ(b.captionFormat(), 17u | 0x20000u) << std::hex << "got 0x" << b.captionFormat();
  ASSERT_FALSE(host.textRenderer.drawn.empty());
  EXPECT_EQ(host.textRenderer.drawn.back().flags, 17u | 0x20000u);
}

TEST(CaptionLayout, SideAlignmentUsesTheMarginOfThePreviousRepaint) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "10"}, {"captionalign", "1"}, {"caption", "Ok"}}));
  EXPECT_EQ(b.captionRect().left, 0) << "a loaded control starts with margin 0";
  EXPECT_EQ(b.iconMargin(), 3) << "the repaint stopped early: not shown";
  b.show();  // resize with margin 3, then a style-10 repaint sets 7
  EXPECT_EQ(b.captionRect().left, 3);
  EXPECT_EQ(b.iconMargin(), 7);
  b.resized();
  EXPECT_EQ(b.captionRect().left, 7);
  ASSERT_FALSE(host.textRenderer.drawn.empty());
  const auto& last = host.textRenderer.drawn.back();
  EXPECT_EQ(last.text, "Ok");
  EXPECT_EQ(last.rect, (Rect{7, 9, 23, 23}));
  EXPECT_EQ(last.flags, 20u);
}

TEST(ResizeStep, GrowsATinyControlTo20x20) {
  FakeHost host(10, 10);
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{}));
  EXPECT_EQ(host.width(), 20);
  EXPECT_EQ(host.height(), 20);
  EXPECT_EQ(b.clientRect(), (Rect{0, 0, 20, 20}));
  FakeHost wide(50, 12);
  StyleButton c(wide);
  ASSERT_TRUE(c.load(PropertyBag{}));
  EXPECT_EQ(wide.width(), 50);
  EXPECT_EQ(wide.height(), 20);
}

TEST(WindowRegion, ShapeByStyle) {
  const auto round = controls::stylebutton::windowRegion(10, 113, 33);
  // Rounded rectangle (0, 0, W + 1, H + 1): the platform's shape covers exactly the client area.
  EXPECT_EQ(round.bounds(), (Rect{0, 0, 113, 33}));
  EXPECT_FALSE(round.contains(5, 0));
  EXPECT_TRUE(round.contains(6, 0));
  EXPECT_TRUE(round.contains(106, 0));
  EXPECT_FALSE(round.contains(107, 0));
  EXPECT_TRUE(round.contains(112, 16));
  EXPECT_FALSE(round.contains(0, 32));
  EXPECT_TRUE(round.contains(6, 32));
  const auto plain = controls::stylebutton::windowRegion(3, 113, 33);
  EXPECT_EQ(plain.count(), 113 * 33);
  const auto cut = controls::stylebutton::windowRegion(7, 113, 33);
  EXPECT_FALSE(cut.contains(0, 0));
  EXPECT_TRUE(cut.contains(1, 0));
  EXPECT_TRUE(cut.contains(0, 1));
  const auto wider = controls::stylebutton::windowRegion(9, 113, 33);
  EXPECT_FALSE(wider.contains(1, 0));
  EXPECT_TRUE(wider.contains(2, 0));
}

TEST(WindowRegion, AppliedByTheResizeStep) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "10"}}));
  EXPECT_EQ(host.region.bounds(), (Rect{0, 0, 113, 33}));
  EXPECT_FALSE(host.region.contains(0, 0));
  b.setStyle(0);
  EXPECT_EQ(host.region.count(), 113 * 33);
}

TEST(Repaint, IconPositionTable) {
  struct Case {
    int align;
    gfx::Point want;
  };
  const Case cases[] = {{0, {48, 8}}, {1, {7, 8}}, {2, {90, 8}}, {3, {48, 7}}, {4, {48, 10}}, {5, {0, 0}}};
  for (const Case& c : cases) {
    const auto p = controls::stylebutton::iconPosition(c.align, 113, 33, 16, 7);
    EXPECT_EQ(p.x, c.want.x) << "align " << c.align;
    EXPECT_EQ(p.y, c.want.y) << "align " << c.align;
  }
}

TEST(Repaint, HiddenControlIsClearedButNotPainted) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "10"}}));
  host.surface.setPixel(50, 16, 0x0000FF);
  b.refresh();
  EXPECT_EQ(host.surface.at(50, 16), host.system[gfx::kColorBtnFace]);
  EXPECT_TRUE(host.textRenderer.drawn.empty());
  b.show();
  EXPECT_EQ(host.surface.at(50, 16), core::fromHex(0xE8E7EA)) << "the resting skin's centre";
}

TEST(Repaint, CaptionColourByStateAndCustomColours) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "10"}, {"fontcolor", "255"}, {"fonthighlightcolor", "65280"}}));
  b.show();
  auto colour = [&] { return host.textRenderer.drawn.back().colour; };
  EXPECT_EQ(colour(), host.system[gfx::kColorBtnText]);
  b.setUseCustomColors(true);
  EXPECT_EQ(colour(), 255u);
  b.hookMouseMove();
  EXPECT_EQ(colour(), 65280u);
  b.setEnabled(false);
  EXPECT_EQ(colour(), host.system[gfx::kColorGrayText]);
}

TEST(Repaint, DesignerDrawsEveryStyleButFiveHot) {
  for (int style : {0, 3, 5, 10, 12}) {
    FakeHost host;
    host.user = false;
    StyleButton b(host);
    ASSERT_TRUE(b.load(PropertyBag{{"style", std::to_string(style)}}));
    EXPECT_FALSE(b.hookInstalled());
    b.show();
    EXPECT_EQ(b.buttonState(), style == 5 ? controls::stylebutton::kStateNormal : controls::stylebutton::kStateHot)
        << style;
  }
}

TEST(Repaint, IconMarginByStyle) {
  const std::pair<int, int> cases[] = {{0, 3}, {6, 3}, {7, 4}, {8, 4}, {9, 6}, {10, 7}, {11, 3}, {-1, 3}};
  for (auto [style, margin] : cases) {
    FakeHost host;
    StyleButton b(host);
    ASSERT_TRUE(b.load(PropertyBag{{"style", std::to_string(style)}}));
    b.show();
    EXPECT_EQ(b.iconMargin(), margin) << "style " << style;
  }
}

}  // namespace
