#include "art.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace art {
namespace {

struct Rgba {
  double r, g, b, a;
};

// Coverage of a shape given as inside(x, y) in unit coordinates (0..1), 4x4 samples a pixel.
using Shape = std::function<bool(double, double)>;

void paint(Image& img, const Shape& inside, Rgba colour) {
  constexpr int kSamples = 4;
  for (int y = 0; y < img.height; ++y) {
    for (int x = 0; x < img.width; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double u = (x + (sx + 0.5) / kSamples) / img.width;
          const double v = (y + (sy + 0.5) / kSamples) / img.height;
          hits += inside(u, v) ? 1 : 0;
        }
      }
      if (hits == 0) continue;
      const double alpha = colour.a * hits / (kSamples * kSamples);
      std::uint32_t& px = img.argb[static_cast<std::size_t>(y * img.width + x)];
      const double da = ((px >> 24) & 0xFF) / 255.0;
      const auto mix = [&](int shift, double c) {
        const double d = ((px >> shift) & 0xFF) / 255.0;
        const double outA = alpha + da * (1 - alpha);
        return outA <= 0 ? 0.0 : (c * alpha + d * da * (1 - alpha)) / outA;
      };
      const double outA = alpha + da * (1 - alpha);
      const auto byte = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
      px = (byte(outA) << 24) | (byte(mix(16, colour.r)) << 16) | (byte(mix(8, colour.g)) << 8) | byte(mix(0, colour.b));
    }
  }
}

Shape roundRect(double x0, double y0, double x1, double y1, double radius) {
  return [=](double u, double v) {
    if (u < x0 || u > x1 || v < y0 || v > y1) return false;
    const double cx = std::clamp(u, x0 + radius, x1 - radius);
    const double cy = std::clamp(v, y0 + radius, y1 - radius);
    return (u - cx) * (u - cx) + (v - cy) * (v - cy) <= radius * radius;
  };
}

Shape ring(double cx, double cy, double outer, double inner, double maxY) {
  return [=](double u, double v) {
    const double d = std::hypot(u - cx, v - cy);
    const bool upper = v <= cy;
    const bool legs = v > cy && v <= maxY && (std::abs(std::abs(u - cx) - (outer + inner) / 2) <= (outer - inner) / 2);
    return (upper && d <= outer && d >= inner) || legs;
  };
}

Image blank(int size) { return Image{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size * size), 0)}; }

void drawPadlock(Image& img, double ox, double oy, double scale) {
  const auto at = [=](const Shape& s) {
    return Shape([=](double u, double v) { return s((u - ox) / scale, (v - oy) / scale); });
  };
  paint(img, at(ring(0.5, 0.40, 0.30, 0.17, 0.55)), {0.30, 0.32, 0.36, 1});
  paint(img, at(ring(0.5, 0.40, 0.26, 0.21, 0.55)), {0.72, 0.74, 0.78, 1});
  paint(img, at(roundRect(0.12, 0.45, 0.88, 0.98, 0.08)), {0.45, 0.30, 0.02, 1});
  paint(img, at(roundRect(0.17, 0.50, 0.83, 0.93, 0.05)), {0.96, 0.74, 0.16, 1});
  paint(img, at(roundRect(0.17, 0.50, 0.83, 0.62, 0.05)), {1.00, 0.88, 0.50, 1});
  paint(img, at([](double u, double v) { return std::hypot(u - 0.5, v - 0.68) <= 0.07; }), {0.25, 0.16, 0.02, 1});
  paint(img, at(roundRect(0.46, 0.68, 0.54, 0.85, 0.02)), {0.25, 0.16, 0.02, 1});
}

}  // namespace

Image padlock(int size) {
  Image img = blank(size);
  drawPadlock(img, 0, 0, 1);
  return img;
}

Image appIcon(int size) {
  Image img = blank(size);
  paint(img, roundRect(0.04, 0.12, 0.50, 0.30, 0.04), {0.62, 0.42, 0.05, 1});
  paint(img, roundRect(0.02, 0.20, 0.98, 0.90, 0.05), {0.62, 0.42, 0.05, 1});
  paint(img, roundRect(0.06, 0.25, 0.94, 0.86, 0.04), {0.98, 0.80, 0.30, 1});
  paint(img, roundRect(0.06, 0.25, 0.94, 0.40, 0.04), {1.00, 0.90, 0.58, 1});
  drawPadlock(img, 0.40, 0.36, 0.62);
  return img;
}

std::string encodeIco(const std::vector<Image>& images) {
  std::string out;
  const auto put16 = [&](std::uint32_t v) { out += static_cast<char>(v & 0xFF); out += static_cast<char>((v >> 8) & 0xFF); };
  const auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
  put16(0);
  put16(1);
  put16(static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  std::vector<std::uint32_t> sizes;
  for (const Image& img : images) {
    const auto w = static_cast<std::uint32_t>(img.width);
    const auto h = static_cast<std::uint32_t>(img.height);
    const std::uint32_t maskStride = ((w + 31) / 32) * 4;
    const std::uint32_t bytes = 40 + w * h * 4 + maskStride * h;
    out += static_cast<char>(w >= 256 ? 0 : w);
    out += static_cast<char>(h >= 256 ? 0 : h);
    out += '\0';
    out += '\0';
    put16(1);
    put16(32);
    put32(bytes);
    put32(offset);
    offset += bytes;
  }
  for (const Image& img : images) {
    const auto w = static_cast<std::uint32_t>(img.width);
    const auto h = static_cast<std::uint32_t>(img.height);
    const std::uint32_t maskStride = ((w + 31) / 32) * 4;
    put32(40);
    put32(w);
    put32(h * 2);  // colour and mask stacked, as icons store them
    put16(1);
    put16(32);
    put32(0);
    put32(w * h * 4 + maskStride * h);
    put32(0);
    put32(0);
    put32(0);
    put32(0);
    for (std::uint32_t row = 0; row < h; ++row) {
      const std::uint32_t y = h - 1 - row;  // bottom-up
      for (std::uint32_t x = 0; x < w; ++x) put32(img.argb[y * w + x]);
    }
    for (std::uint32_t row = 0; row < h; ++row) {
      const std::uint32_t y = h - 1 - row;
      std::vector<std::uint8_t> mask(maskStride, 0);
      for (std::uint32_t x = 0; x < w; ++x) {
        if ((img.argb[y * w + x] >> 24) == 0) mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
      out.append(mask.begin(), mask.end());
    }
  }
  return out;
}

std::string lockIco() { return encodeIco({padlock(16), padlock(32), padlock(48)}); }
std::string appIco() { return encodeIco({appIcon(16), appIcon(32)}); }

}  // namespace art
