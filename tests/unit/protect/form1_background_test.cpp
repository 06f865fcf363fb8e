#include "protect/form1_background.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace {

std::uint32_t at(const std::vector<std::uint32_t>& px, int x, int y) {
  return px[static_cast<std::size_t>(y) * protect::kBackgroundWidth + static_cast<std::size_t>(x)];
}
int brightness(std::uint32_t c) { return static_cast<int>(((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF)); }

TEST(Form1Background, GradientWithALightTopRightAndALineAboveTheButtonBand) {
  const std::vector<std::uint32_t> px = protect::form1Background();
  ASSERT_EQ(px.size(), static_cast<std::size_t>(protect::kBackgroundWidth) * protect::kBackgroundHeight);
  EXPECT_GT(brightness(at(px, 20, 10)), brightness(at(px, 20, 470))) << "darker towards the bottom";
  EXPECT_GT(brightness(at(px, 520, 10)), brightness(at(px, 20, 10))) << "the light sits top right";
  for (int x = 0; x < protect::kBackgroundWidth; ++x) {
    ASSERT_EQ(at(px, x, 480), 0x4B6FA0u) << "the line above the button band is the ramp's last step, x=" << x;
  }
  EXPECT_LT(brightness(at(px, 300, 599)), brightness(at(px, 300, 481))) << "the band darkens downwards";
  for (std::uint32_t c : px) ASSERT_EQ(c >> 24, 0u) << "no alpha: the window's brush ignores it";
}

}  // namespace
