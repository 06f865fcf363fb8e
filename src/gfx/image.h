#pragma once
// A picture (icon or bitmap) as straight-alpha pixels, and the ways the controls draw one.
#include <cstdint>
#include <vector>

#include "gfx/surface.h"

namespace gfx {

struct Image {
  int width = 0, height = 0;
  // 0xAARRGGBB in the DIB order, straight (not premultiplied) alpha; alpha 0 is transparent.
  std::vector<std::uint32_t> pixels;

  Image() = default;
  Image(int w, int h, std::uint32_t fill = 0)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
  std::uint32_t& at(int x, int y) {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
  void set(int x, int y, Colour c, std::uint8_t alpha = 255) {
    at(x, y) = toDib(c) | (static_cast<std::uint32_t>(alpha) << 24);
  }
  Colour colour(int x, int y) const { return fromDib(at(x, y) & 0xFFFFFFu); }
  std::uint8_t alpha(int x, int y) const { return static_cast<std::uint8_t>(at(x, y) >> 24); }
};

// Draws the image scaled to w x h at (x, y) (nearest pixel), blending by alpha.
void drawImage(Surface& s, const Image& image, int x, int y, int w, int h);
// Composes the image at its own size onto a w x h canvas filled with the background colour;
// larger images are cut off. The result is opaque.
Image flattenOnto(const Image& image, int w, int h, Colour background);

}  // namespace gfx
