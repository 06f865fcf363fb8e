#include "credentials/pictures.h"

#include <algorithm>
#include <cmath>

namespace credentials::pictures {
namespace {

std::uint32_t mix(std::uint32_t a, std::uint32_t b, double t) {
  const auto channel = [&](int shift) {
    const double ca = (a >> shift) & 0xFF;
    const double cb = (b >> shift) & 0xFF;
    return static_cast<std::uint32_t>(std::lround(ca + (cb - ca) * t)) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

// The key in its own frame: bow centred at the origin's left, shaft along +u. `grow` widens
// every part, which gives the outline when compared with the plain shape.
bool inKey(double u, double v, double grow) {
  const double bowU = -10.0, bowR = 9.0, holeR = 3.6;
  const double d = std::hypot(u - bowU, v);
  if (d <= bowR + grow && d >= holeR - grow) return true;
  const auto box = [&](double u0, double u1, double v0, double v1) {
    return u >= u0 - grow && u <= u1 + grow && v >= v0 - grow && v <= v1 + grow;
  };
  return box(-2.0, 19.0, -2.4, 2.4) || box(10.0, 13.0, 2.4, 7.5) || box(15.5, 19.0, 2.4, 6.0);
}

constexpr std::uint32_t kBandBottom = 0x2E5A92;
constexpr std::uint32_t kRule = 0xE0B44A;
constexpr std::uint32_t kPanelTop = 0xF4F7FB;
constexpr std::uint32_t kPanelBottom = 0xD6E1EF;
constexpr std::uint32_t kGoldLight = 0xFBE08A;
constexpr std::uint32_t kGoldDark = 0xC38E1C;
constexpr std::uint32_t kOutline = 0x5C3F0C;

}  // namespace

Rgba key(int width, int height) {
  Rgba out;
  out.width = width;
  out.height = height;
  out.argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  constexpr int kSamples = 4;
  // Bow to the upper left, shaft to the lower right.
  const double c = std::cos(0.7), s = std::sin(0.7);
  const double cx = width / 2.0 + 1.0, cy = height / 2.0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int inner = 0, outer = 0;
      double shade = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double px = x + (sx + 0.5) / kSamples - cx;
          const double py = y + (sy + 0.5) / kSamples - cy;
          const double u = px * c + py * s;
          const double v = -px * s + py * c;
          if (inKey(u, v, 1.3)) ++outer;
          if (inKey(u, v, 0.0)) {
            ++inner;
            shade += std::clamp((py + cy) / height, 0.0, 1.0);
          }
        }
      }
      if (outer == 0) continue;
      const double total = kSamples * kSamples;
      const std::uint32_t gold = inner ? mix(kGoldLight, kGoldDark, shade / inner) : kGoldDark;
      const std::uint32_t colour = mix(kOutline, gold, inner / static_cast<double>(outer));
      const auto alpha = static_cast<std::uint32_t>(std::lround(255.0 * outer / total));
      out.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          (alpha << 24) | colour;
    }
  }
  return out;
}

Pixels background(int width, int height, int pictureX, int pictureY, int pictureWidth, int pictureHeight) {
  Pixels out;
  out.width = width;
  out.height = height;
  out.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    std::uint32_t colour;
    if (y < kBandHeight) {
      colour = mix(kBandTop, kBandBottom, y / static_cast<double>(kBandHeight - 1));
    } else if (y < kBandHeight + 2) {
      colour = kRule;
    } else {
      colour = mix(kPanelTop, kPanelBottom,
                   (y - kBandHeight - 2) / static_cast<double>(std::max(1, height - kBandHeight - 3)));
    }
    for (int x = 0; x < width; ++x) {
      const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
      out.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          frame ? kFrame : colour;
    }
  }
  const Rgba picture = key(pictureWidth, pictureHeight);
  for (int y = 0; y < pictureHeight; ++y) {
    for (int x = 0; x < pictureWidth; ++x) {
      const int tx = pictureX + x, ty = pictureY + y;
      if (tx < 0 || ty < 0 || tx >= width || ty >= height) continue;
      const std::uint32_t p =
          picture
              .argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(pictureWidth) + static_cast<std::size_t>(x)];
      auto& target =
          out.rgb[static_cast<std::size_t>(ty) * static_cast<std::size_t>(width) + static_cast<std::size_t>(tx)];
      target = mix(target, p & 0xFFFFFF, (p >> 24) / 255.0);
    }
  }
  return out;
}

}  // namespace credentials::pictures
