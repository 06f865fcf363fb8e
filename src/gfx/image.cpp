#include "gfx/image.h"

#include <algorithm>

namespace gfx {

namespace {
std::uint32_t blend(std::uint32_t under, std::uint32_t over) {
  const std::uint32_t a = over >> 24;
  if (a == 255) return over & 0xFFFFFFu;
  if (a == 0) return under;
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t u = (under >> shift) & 0xFFu, o = (over >> shift) & 0xFFu;
    out |= ((o * a + u * (255 - a) + 127) / 255) << shift;
  }
  return out;
}
}  // namespace

void drawImage(Surface& s, const Image& image, int x, int y, int w, int h) {
  if (w <= 0 || h <= 0 || image.width <= 0 || image.height <= 0) return;
  for (int j = 0; j < h; ++j) {
    const int ty = y + j;
    if (ty < 0 || ty >= s.height()) continue;
    const int sy = static_cast<int>(static_cast<long long>(j) * image.height / h);
    for (int i = 0; i < w; ++i) {
      const int tx = x + i;
      if (tx < 0 || tx >= s.width()) continue;
      const int sx = static_cast<int>(static_cast<long long>(i) * image.width / w);
      std::uint32_t& p = s.row(ty)[tx];
      p = blend(p, image.at(sx, sy));
    }
  }
}

Image flattenOnto(const Image& image, int w, int h, Colour background) {
  Image out(std::max(w, 0), std::max(h, 0), toDib(background) | 0xFF000000u);
  for (int y = 0; y < std::min(h, image.height); ++y)
    for (int x = 0; x < std::min(w, image.width); ++x) out.at(x, y) = blend(out.at(x, y), image.at(x, y)) | 0xFF000000u;
  return out;
}

}  // namespace gfx
