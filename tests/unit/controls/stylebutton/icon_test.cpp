// The icon renderers: gray icons, the transparent blit and the hot shadow.
#include <gtest/gtest.h>

#include "controls/stylebutton/renderer.h"
#include "controls/stylebutton/style_button.h"
#include "unit/gfx/pixel_expect.h"
#include "unit/controls/stylebutton/fake_host.h"

namespace {

using controls::stylebutton::PropertyBag;
using controls::stylebutton::StyleButton;
using core::fromHex;
using testhost::FakeHost;
using testpix::hex;

TEST(GrayIcon, ExactGraysStayAndOtherColoursUseTheWeights) {
  struct Case {
    std::uint32_t in, want;
  };
  const Case cases[] = {
      {0x808080, 0x808080}, {0x909090, 0x949494},  // #909090 is not in the list: 148.32
      {0xFFFFFF, 0xFFFFFF}, {0x000000, 0x000000}, {0xA0A0A0, 0xA0A0A0},
      {0xF0F0F0, 0xF0F0F0}, {0xFF0000, 0x545454},  // 0.33 * 255 = 84.15
      {0x0000FF, 0x1C1C1C},                        // 28.05
      {0x123456, 0x2E2E2E},                        // 30.68 + 5.94 + 9.46
      {0xFEFEFF, 0xFFFFFF},                        // 261.7, capped
      {0x7F7F7F, 0x838383},                        // 130.81
  };
  for (const Case& c : cases)
    EXPECT_EQ(hex(controls::stylebutton::grayIconColour(fromHex(c.in))), hex(fromHex(c.want))) << hex(fromHex(c.in));
}

TEST(GrayIcon, BlitGrayUsesThreeTenthsRedRoundedFirst) {
  EXPECT_EQ(hex(controls::stylebutton::blitGrayColour(fromHex(0xFF0000))), "#4C4C4C");  // round(76.5) = 76
  EXPECT_EQ(hex(controls::stylebutton::blitGrayColour(fromHex(0x00FF00))), "#969696");  // 150.45
  EXPECT_EQ(hex(controls::stylebutton::blitGrayColour(fromHex(0xFFFFFF))), "#FEFEFE");  // 76 + 150.45 + 28.05 = 254.5
}

gfx::Image solid(int w, int h, gfx::Colour c) {
  gfx::Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.set(x, y, c);
  return image;
}

// A loaded, shown, style-10 control with a 16 x 16 icon centred: icon at (48, 8) on 113 x 33.
struct IconFixture {
  explicit IconFixture(gfx::Image image, PropertyBag extra = {}) {
    extra.write("style", "10");
    extra.write("iconalign", "0");
    EXPECT_TRUE(b.load(extra));
    b.setIcon({"test", std::make_shared<gfx::Image>(std::move(image)), true});
    b.show();
  }
  FakeHost host;
  StyleButton b{host};
};

TEST(IconDraw, DisabledWithoutMaskGoesThroughTheGrayRenderer) {
  gfx::Image image = solid(16, 16, fromHex(0x909090));
  image.set(0, 0, fromHex(0x808080));
  image.set(1, 0, fromHex(0xFF0000));
  image.set(2, 0, fromHex(0xFFFFFF));
  IconFixture f(std::move(image));
  EXPECT_EQ(hex(f.host.surface.at(50, 10)), "#909090") << "enabled: drawn as it is";
  f.b.setEnabled(false);
  const gfx::Surface& s = f.host.surface;
  EXPECT_EQ(hex(s.at(48, 8)), "#808080");
  EXPECT_EQ(hex(s.at(49, 8)), "#545454");
  EXPECT_EQ(hex(s.at(50, 8)), "#FFFFFF");
  EXPECT_EQ(hex(s.at(55, 15)), "#949494");
}

TEST(IconDraw, DisabledWithMaskGoesThroughTheTransparentBlitInGray) {
  gfx::Image image = solid(16, 16, fromHex(0xFF0000));
  image.set(3, 4, fromHex(0xC0C0C0));  // the mask colour: not drawn
  IconFixture f(std::move(image), {{"usemaskcolor", "-1"}});
  f.b.setEnabled(false);
  const gfx::Surface& s = f.host.surface;
  EXPECT_EQ(hex(s.at(48, 8)), "#4C4C4C");
  EXPECT_EQ(hex(s.at(63, 23)), "#4C4C4C");
  EXPECT_EQ(hex(s.at(51, 12)), "#E8E7EA") << "mask-coloured pixel leaves the skin's centre";
}

TEST(IconDraw, PressedIconMovesByOnePixel) {
  IconFixture f(solid(16, 16, fromHex(0x0000FF)));
  f.b.hookMouseMove();
  f.b.mouseDown(1);
  EXPECT_EQ(hex(f.host.surface.at(64, 24)), "#0000FF");
  EXPECT_NE(hex(f.host.surface.at(48, 8)), "#0000FF");
}

// The hot Tinted body of a 113 x 33 control: a highlight frame round a fill 176/255 of the way
// to white.
auto hotTintedBody(const FakeHost& host) {
  const gfx::Colour hl = host.system[gfx::kColorHighlight];
  return [hl](int x, int y) { return x == 0 || y == 0 || x == 112 || y == 32 ? hl : gfx::lightenColor(hl, 176); };
}

TEST(IconDraw, HotStyle4WithoutMaskDrawsAShadowUnderTheRaisedIcon) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "4"}, {"iconalign", "0"}}));
  b.setIcon({"test", std::make_shared<gfx::Image>(solid(16, 16, fromHex(0xFF0000))), true});
  b.show();
  b.hookMouseMove();
  const auto body = hotTintedBody(host);
  // Icon at (48, 8) -> shadow (48..63, 8..23), icon (46..61, 6..21).
  EXPECT_TRUE(testpix::pixelsMatch(host.surface, [&](int x, int y) -> std::optional<gfx::Colour> {
    if (x >= 46 && x <= 61 && y >= 6 && y <= 21) return fromHex(0xFF0000);
    if (x >= 48 && x <= 63 && y >= 8 && y <= 23) return fromHex(0x808080);
    return body(x, y);
  }));
}

TEST(IconDraw, HotStyle4WithMaskBlitsSilhouetteThenIcon) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "4"}, {"iconalign", "0"}, {"usemaskcolor", "-1"}}));
  gfx::Image image(4, 4);  // smaller than IconSize: the rest comes out in the mask colour
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) image.set(x, y, fromHex(0x00FF00));
  b.setIcon({"test", std::make_shared<gfx::Image>(std::move(image)), true});
  b.show();
  b.hookMouseMove();
  const auto body = hotTintedBody(host);
  // Silhouette at (49, 9), icon at (47, 7), the final draw at (46, 6): all 4 x 4.
  EXPECT_TRUE(testpix::pixelsMatch(host.surface, [&](int x, int y) -> std::optional<gfx::Colour> {
    if ((x >= 47 && x <= 50 && y >= 7 && y <= 10) || (x >= 46 && x <= 49 && y >= 6 && y <= 9)) return fromHex(0x00FF00);
    if (x >= 49 && x <= 52 && y >= 9 && y <= 12) return fromHex(0x808080);
    return body(x, y);
  }));
}

TEST(TransparentBlit, BitmapUsedAsItIsAndZeroSizeDrawsNothing) {
  gfx::Surface s(3, 1);
  s.clear(0xFFFFFF);
  gfx::Image bitmap(2, 1);
  bitmap.set(0, 0, 0x0000FF);
  bitmap.set(1, 0, 0xC0C0C0);
  const controls::stylebutton::Picture picture{"bmp", std::make_shared<gfx::Image>(bitmap), false};
  controls::stylebutton::transparentBlit(s, 0, 0, 0, 1, picture, {0xC0C0C0, true, -1, false});
  EXPECT_EQ(s.at(0, 0), 0xFFFFFFu);
  controls::stylebutton::transparentBlit(s, 0, 0, 3, 1, picture, {0xC0C0C0, true, -1, false});
  EXPECT_EQ(hex(s.at(0, 0)), "#FF0000");
  EXPECT_EQ(hex(s.at(1, 0)), "#FFFFFF") << "mask colour leaves the surface";
  EXPECT_EQ(hex(s.at(2, 0)), "#FFFFFF") << "beyond the bitmap: mask colour";
}

}  // namespace
