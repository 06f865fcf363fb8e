#pragma once
// The credential windows' pictures, drawn by code: a background with a header band, and a small
// key picture placed on it at the window's Image1 position.
#include <cstdint>
#include <vector>

namespace credentials::pictures {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;  // row-major, top row first, 0x00RRGGBB
  std::uint32_t at(int x, int y) const {
    return rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
};

// The header band ends here; labels below it are drawn in dark text, the heading in it in light.
inline constexpr int kBandHeight = 50;
inline constexpr std::uint32_t kBandTop = 0x1F3A63;
inline constexpr std::uint32_t kFrame = 0x15294A;
inline constexpr std::uint32_t kHeadingText = 0xFFFFFF;
inline constexpr std::uint32_t kLabelText = 0x1B2A44;

// Coverage (0..255) and colour of the key picture, width x height.
struct Rgba {
  std::vector<std::uint32_t> argb;  // 0xAARRGGBB, straight alpha
  int width = 0;
  int height = 0;
};
Rgba key(int width, int height);

// The window's whole client area with the key composed at (x, y, width, height).
Pixels background(int width, int height, int pictureX, int pictureY, int pictureWidth, int pictureHeight);

}  // namespace credentials::pictures
