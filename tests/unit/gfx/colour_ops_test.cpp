#include "gfx/colour_ops.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourOps, MixRoundsHalvesToEven) {
  struct Case {
    gfx::Colour a, b, want;
  };
  const Case cases[] = {
      {0x000000, 0xFFFFFF, 0x808080},  // 127.5 -> 128
      {0x000001, 0x000002, 0x000002},  // 1.5 -> 2
      {0x000002, 0x000003, 0x000002},  // 2.5 -> 2
      {0x102030, 0x302010, 0x202020},
  };
  for (const Case& c : cases) EXPECT_EQ(gfx::mixColors(c.a, c.b), c.want) << std::hex << c.a << " " << c.b;
}

TEST(ColourOps, LightenTruncatesAndStaysInRange) {
  EXPECT_EQ(gfx::lightenColor(0x000000, 32), 0x202020u);
  EXPECT_EQ(gfx::lightenColor(0xFFFFFF, 32), 0xFFFFFFu);
  // 176 + (79 * 0x80) \ 255 = 176 + 39 (39.65 truncated) = 215
  EXPECT_EQ(gfx::lightenColor(0x808080, 176), 0xD7D7D7u);
  EXPECT_EQ(gfx::lightenColor(0x000000, 300), 0xFFFFFFu);
}

TEST(ColourOps, ShiftClampsEachChannel) {
  EXPECT_EQ(gfx::shiftColor(0x10F080, 21), 0x25FF95u);
  EXPECT_EQ(gfx::shiftColor(0x10F080, -128), 0x007000u);
  // Shifts applied one after another clamp in between.
  EXPECT_EQ(gfx::shiftColor(gfx::shiftColor(0xF8F8F8, 8), -96), 0x9F9F9Fu);
  EXPECT_EQ(gfx::shiftColor(0xF8F8F8, 8 - 96), 0xA0A0A0u);
}

TEST(ColourOps, TranslateResolvesSystemReferences) {
  gfx::SystemColours system{};
  system[15] = 0xD8E9EC;
  EXPECT_EQ(gfx::translateColor(0x00123456, system), 0x123456);
  EXPECT_EQ(gfx::translateColor(0x8000000F, system), 0xD8E9EC);
  EXPECT_EQ(gfx::translateColor(0x800000FF, system), -1);
  EXPECT_EQ(gfx::translateColor(0x01000000, system), -1);
}

}  // namespace
