#include "credentials/pictures.h"

#include <gtest/gtest.h>

namespace {

using namespace credentials::pictures;

std::string hex(std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%06X", v & 0xFFFFFF);
  return buf;
}

TEST(Pictures, BackgroundHasItsFrameBandRuleAndPanel) {
  const Pixels p = background(299, 212, 8, 8, 47, 46);
  ASSERT_EQ(p.width, 299);
  ASSERT_EQ(p.height, 212);
  ASSERT_EQ(p.rgb.size(), 299u * 212u);
  for (const auto& [x, y] : {std::pair{0, 0}, {298, 0}, {0, 211}, {298, 211}, {150, 0}, {0, 100}}) {
    EXPECT_EQ(p.at(x, y), kFrame) << x << "," << y << " is " << hex(p.at(x, y));
  }
  // Light text on the band, dark text on the panel: both need the contrast.
  const auto luma = [](std::uint32_t c) { return ((c >> 16) & 0xFF) * 3 + ((c >> 8) & 0xFF) * 6 + (c & 0xFF); };
  EXPECT_LT(luma(p.at(150, 1)), 1000) << hex(p.at(150, 1));
  EXPECT_LT(luma(p.at(150, kBandHeight - 1)), 1000) << hex(p.at(150, kBandHeight - 1));
  EXPECT_GT(luma(p.at(150, 120)), 2000) << hex(p.at(150, 120));
  EXPECT_GT(luma(p.at(150, 210)), 2000) << hex(p.at(150, 210));
}

TEST(Pictures, KeyIsOpaqueGoldInsideAndClearInTheCorners) {
  const Rgba k = key(47, 46);
  ASSERT_EQ(k.argb.size(), 47u * 46u);
  EXPECT_EQ(k.argb[0] >> 24, 0u) << "top-left corner";
  EXPECT_EQ(k.argb[47 * 46 - 1] >> 24, 0u) << "bottom-right corner";
  int opaque = 0, gold = 0;
  for (std::uint32_t p : k.argb) {
    if ((p >> 24) == 255) {
      ++opaque;
      if (((p >> 16) & 0xFF) > (p & 0xFF) + 60) ++gold;  // red well above blue
    }
  }
  EXPECT_GT(opaque, 200) << "the key should cover a good part of its square";
  EXPECT_GT(gold, opaque / 2) << "mostly gold, not outline";
}

TEST(Pictures, KeyIsComposedAtImage1AndNowhereElse) {
  const Pixels plain = background(300, 210, 500, 500, 47, 46);  // picture off the canvas
  const Pixels with = background(300, 210, 24, 8, 47, 46);
  int changedInside = 0;
  for (int y = 0; y < 210; ++y) {
    for (int x = 0; x < 300; ++x) {
      const bool inside = x >= 24 && x < 24 + 47 && y >= 8 && y < 8 + 46;
      if (inside) {
        changedInside += plain.at(x, y) != with.at(x, y);
      } else {
        ASSERT_EQ(plain.at(x, y), with.at(x, y)) << "outside Image1 at " << x << "," << y;
      }
    }
  }
  EXPECT_GT(changedInside, 200);
}

}  // namespace
