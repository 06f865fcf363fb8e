#include "core/colour.h"

#include <gtest/gtest.h>

namespace {

TEST(Colour, LayoutIsBlueGreenRedFromHighToLow) {
  EXPECT_EQ(core::rgb(0x12, 0x34, 0x56), 0x00563412u);
  EXPECT_EQ(core::fromHex(0x123456), 0x00563412u);
  constexpr core::Colour c = core::fromHex(0xC0FFEE);
  EXPECT_EQ(core::red(c), 0xC0);
  EXPECT_EQ(core::green(c), 0xFF);
  EXPECT_EQ(core::blue(c), 0xEE);
}

TEST(Colour, SystemColourReferences) {
  EXPECT_TRUE(core::isSystemColour(0x8000000Fu));
  EXPECT_EQ(core::systemColourIndex(0x8000000Fu), 15);
  EXPECT_EQ(core::systemColour(18), 0x80000012u);
  EXPECT_FALSE(core::isSystemColour(0x00FFFFFFu));
  EXPECT_FALSE(core::isSystemColour(0xFF000000u));
}

}  // namespace
