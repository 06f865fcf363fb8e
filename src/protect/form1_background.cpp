#include "protect/form1_background.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace protect {
namespace {

// The ramp the backdrop is drawn from: every pixel is one of its 256 steps.
std::uint32_t rampColour(double t) {
  struct Stop {
    double t;
    int r, g, b;
  };
  static const Stop stops[] = {
      {0.0, 0xF0, 0xF5, 0xFA}, {0.45, 0xC6, 0xD5, 0xE7}, {0.80, 0x8E, 0xAA, 0xCD}, {1.0, 0x4B, 0x6F, 0xA0}};
  t = std::clamp(t, 0.0, 1.0);
  std::size_t i = 0;
  while (i + 2 < std::size(stops) && t > stops[i + 1].t) ++i;
  const Stop& a = stops[i];
  const Stop& b = stops[i + 1];
  const double f = (t - a.t) / (b.t - a.t);
  const auto mix = [f](int x, int y) { return static_cast<std::uint32_t>(std::lround(x + (y - x) * f)); };
  return (mix(a.r, b.r) << 16) | (mix(a.g, b.g) << 8) | mix(a.b, b.b);
}

}  // namespace

std::vector<std::uint32_t> form1Background() {
  std::uint32_t ramp[256];
  for (int i = 0; i < 256; ++i) ramp[i] = rampColour(i / 255.0);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kBackgroundWidth) * kBackgroundHeight);
  // An ordered dither between neighbouring ramp steps keeps the gradient free of bands.
  static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  for (int y = 0; y < kBackgroundHeight; ++y) {
    for (int x = 0; x < kBackgroundWidth; ++x) {
      double t = 0.08 + 0.62 * y / (kBackgroundHeight - 1);
      // A soft light in the top right corner and a faint diagonal grain.
      const double gx = (x - 520.0) / 170.0;
      const double gy = (y - 10.0) / 110.0;
      t -= 0.10 * std::exp(-(gx * gx + gy * gy) / 2);
      t += 0.008 * std::sin((x + y) * 0.30);
      // The band behind the bottom row of buttons.
      if (y >= 480) t = 0.80 + 0.18 * (y - 480) / (kBackgroundHeight - 480.0);
      if (y == 480) t = 1.0;
      const double level = std::clamp(t, 0.0, 1.0) * 255 + (bayer[y % 4][x % 4] + 0.5) / 16 - 0.5;
      const int index = std::clamp(static_cast<int>(std::lround(level)), 0, 255);
      pixels[static_cast<std::size_t>(y) * kBackgroundWidth + static_cast<std::size_t>(x)] = ramp[index];
    }
  }
  return pixels;
}

}  // namespace protect
