#include "art.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>

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
      px =
          (byte(outA) << 24) | (byte(mix(16, colour.r)) << 16) | (byte(mix(8, colour.g)) << 8) | byte(mix(0, colour.b));
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

Image blank(int size) {
  return Image{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size * size), 0)};
}

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
  const auto put16 = [&](std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
  };
  const auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
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
std::string aboutIco() { return encodeIco({appIcon(48)}); }

namespace {

Rgba rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0, 1}; }

Shape triangle(double ax, double ay, double bx, double by, double cx, double cy) {
  return [=](double u, double v) {
    const auto side = [](double px, double py, double qx, double qy, double x, double y) {
      return (qx - px) * (y - py) - (qy - py) * (x - px);
    };
    const double d1 = side(ax, ay, bx, by, u, v);
    const double d2 = side(bx, by, cx, cy, u, v);
    const double d3 = side(cx, cy, ax, ay, u, v);
    return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
  };
}

Shape disc(double cx, double cy, double r) {
  return [=](double u, double v) { return std::hypot(u - cx, v - cy) <= r; };
}

Shape flipY(const Shape& s) {
  return [=](double u, double v) { return s(u, 1 - v); };
}

void drawFolder(Image& img, Rgba light, Rgba dark, bool open) {
  paint(img, roundRect(0.06, 0.16, 0.46, 0.34, 0.04), dark);
  paint(img, roundRect(0.04, 0.24, 0.96, 0.88, 0.05), dark);
  paint(img, roundRect(0.10, 0.30, 0.90, 0.82, 0.03), light);
  if (open) {
    // The front flap tilted down and forward.
    paint(img, triangle(0.20, 0.46, 1.00, 0.46, 0.90, 0.88), dark);
    paint(img, triangle(0.20, 0.46, 0.04, 0.88, 0.90, 0.88), dark);
    paint(img, triangle(0.25, 0.52, 0.92, 0.52, 0.85, 0.82),
          {light.r * 0.9 + 0.1, light.g * 0.9 + 0.1, light.b * 0.9, 1});
    paint(img, triangle(0.25, 0.52, 0.12, 0.82, 0.85, 0.82),
          {light.r * 0.9 + 0.1, light.g * 0.9 + 0.1, light.b * 0.9, 1});
  }
}

void drawDrive(Image& img, int kind) {
  const Rgba dark = rgb(0x45, 0x4B, 0x55);
  switch (kind) {
    case 0:  // fixed disk
      paint(img, roundRect(0.04, 0.34, 0.96, 0.76, 0.06), dark);
      paint(img, roundRect(0.10, 0.40, 0.90, 0.70, 0.04), rgb(0xC9, 0xCE, 0xD6));
      paint(img, disc(0.78, 0.58, 0.06), rgb(0x2E, 0xB8, 0x4A));
      break;
    case 1:  // removable
      paint(img, roundRect(0.12, 0.30, 0.88, 0.78, 0.06), dark);
      paint(img, roundRect(0.18, 0.36, 0.82, 0.72, 0.04), rgb(0xE4, 0xE6, 0xEA));
      paint(img, roundRect(0.30, 0.44, 0.70, 0.52, 0.02), dark);
      break;
    case 2:  // optical disc
      paint(img, disc(0.5, 0.5, 0.46), dark);
      paint(img, disc(0.5, 0.5, 0.40), rgb(0xD8, 0xE2, 0xEE));
      paint(
          img, [](double u, double v) { return v < 0.5 && u > 0.5 && std::hypot(u - 0.5, v - 0.5) <= 0.40; },
          rgb(0xF2, 0xC9, 0xF0));
      paint(img, disc(0.5, 0.5, 0.12), dark);
      break;
    case 3:  // network share
      paint(img, roundRect(0.04, 0.16, 0.96, 0.56, 0.06), dark);
      paint(img, roundRect(0.10, 0.22, 0.90, 0.50, 0.04), rgb(0xC9, 0xCE, 0xD6));
      paint(img, roundRect(0.44, 0.56, 0.56, 0.80, 0.0), dark);
      paint(img, roundRect(0.10, 0.78, 0.90, 0.88, 0.0), rgb(0x2F, 0x6F, 0xC4));
      break;
    default:  // memory
      paint(img, roundRect(0.08, 0.30, 0.92, 0.70, 0.03), rgb(0x1E, 0x6B, 0x3A));
      for (int i = 0; i < 4; ++i) {
        const double x = 0.16 + i * 0.19;
        paint(img, roundRect(x, 0.38, x + 0.12, 0.56, 0.0), rgb(0x22, 0x22, 0x22));
        paint(img, roundRect(x + 0.02, 0.70, x + 0.10, 0.84, 0.0), rgb(0xD6, 0xB0, 0x3A));
      }
      break;
  }
}

void drawDocument(Image& img, Rgba band) {
  paint(img, roundRect(0.16, 0.04, 0.84, 0.96, 0.03), rgb(0x6A, 0x70, 0x7A));
  paint(img, roundRect(0.22, 0.10, 0.78, 0.90, 0.02), rgb(0xFF, 0xFF, 0xFF));
  paint(img, roundRect(0.22, 0.10, 0.78, 0.26, 0.02), band);
  for (int i = 0; i < 4; ++i) {
    const double y = 0.36 + i * 0.13;
    paint(img, roundRect(0.30, y, 0.70, y + 0.05, 0.0), rgb(0x9A, 0xA2, 0xAE));
  }
}

void drawKey(Image& img) {
  const Rgba dark = rgb(0x6B, 0x4A, 0x05);
  paint(img, disc(0.28, 0.5, 0.24), dark);
  paint(img, disc(0.28, 0.5, 0.17), rgb(0xF2, 0xC2, 0x3A));
  paint(img, roundRect(0.46, 0.44, 0.96, 0.58, 0.0), dark);
  paint(img, roundRect(0.74, 0.56, 0.82, 0.74, 0.0), dark);
  paint(img, roundRect(0.88, 0.56, 0.96, 0.70, 0.0), dark);
}

void drawTileWindow(Image& img) {
  paint(img, roundRect(0.02, 0.06, 0.98, 0.94, 0.04), rgb(0x1F, 0x3A, 0x6B));
  paint(img, roundRect(0.08, 0.10, 0.92, 0.26, 0.0), rgb(0x3C, 0x78, 0xD8));
  paint(img, roundRect(0.08, 0.30, 0.92, 0.88, 0.0), rgb(0xFF, 0xFF, 0xFF));
  paint(img, roundRect(0.14, 0.36, 0.47, 0.58, 0.0), rgb(0xE0, 0x3A, 0x2E));
  paint(img, roundRect(0.53, 0.36, 0.86, 0.58, 0.0), rgb(0x2E, 0xA8, 0x48));
  paint(img, roundRect(0.14, 0.62, 0.47, 0.84, 0.0), rgb(0x2F, 0x6F, 0xE0));
  paint(img, roundRect(0.53, 0.62, 0.86, 0.84, 0.0), rgb(0xF2, 0xC0, 0x1E));
}

const Rgba kPalette[10] = {rgb(0x4A, 0x86, 0xD8), rgb(0x43, 0xB0, 0x5C), rgb(0xE0, 0x4F, 0x43), rgb(0x8E, 0x5C, 0xC8),
                           rgb(0x9A, 0xA0, 0xA8), rgb(0x2F, 0xA8, 0xA8), rgb(0xF0, 0x8A, 0x2A), rgb(0xE8, 0x74, 0xB0),
                           rgb(0x9A, 0x6A, 0x3A), rgb(0x40, 0x44, 0x4C)};

Rgba darker(Rgba c) { return {c.r * 0.55, c.g * 0.55, c.b * 0.55, 1}; }

std::string bmpHeaders(const Image& image, int bits, std::uint32_t paletteSize, std::uint32_t stride) {
  std::string out;
  const auto put16 = [&](std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
  };
  const auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  const std::uint32_t offBits = 14 + 40 + paletteSize * 4;
  const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(image.height);
  put16(0x4D42);
  put32(offBits + imageBytes);
  put32(0);
  put32(offBits);
  put32(40);
  put32(static_cast<std::uint32_t>(image.width));
  put32(static_cast<std::uint32_t>(image.height));
  put16(1);
  put16(static_cast<std::uint32_t>(bits));
  put32(0);  // no compression
  put32(imageBytes);
  put32(3780);  // 96 dots per inch
  put32(3780);
  put32(paletteSize);
  put32(0);
  return out;
}

}  // namespace

Image arrow(bool down, int size) {
  Image img = blank(size);
  const Rgba fill = down ? rgb(0x34, 0xA8, 0x4E) : rgb(0xE0, 0x5A, 0x2C);
  const Rgba edge = darker(fill);
  const auto orient = [down](const Shape& s) { return down ? s : flipY(s); };
  paint(img, orient(roundRect(0.30, 0.02, 0.70, 0.56, 0.04)), edge);
  paint(img, orient(triangle(0.02, 0.44, 0.98, 0.44, 0.5, 1.0)), edge);
  paint(img, orient(roundRect(0.37, 0.08, 0.63, 0.56, 0.02)), fill);
  paint(img, orient(triangle(0.15, 0.51, 0.85, 0.51, 0.5, 0.90)), fill);
  paint(img, orient(roundRect(0.40, 0.10, 0.48, 0.50, 0.0)), {1, 1, 1, 0.35});
  return img;
}

Image smallIcon(int n) {
  Image img = blank(16);
  const Rgba yellow = rgb(0xF5, 0xC5, 0x42);
  const Rgba brown = rgb(0x9C, 0x6C, 0x12);
  if (n == 1 || n == 2) {
    drawFolder(img, yellow, brown, n == 2);
  } else if (n >= 3 && n <= 7) {
    drawDrive(img, n - 3);
  } else if (n == 8) {
    drawPadlock(img, 0, 0, 1);
  } else if (n == 9) {
    drawKey(img);
  } else if (n == 10) {
    drawDocument(img, rgb(0xB0, 0xB6, 0xC0));
  } else if (n >= 11 && n <= 20) {
    drawFolder(img, kPalette[n - 11], darker(kPalette[n - 11]), false);
  } else if (n >= 21 && n <= 30) {
    drawDocument(img, kPalette[n - 21]);
  } else if (n >= 31 && n <= 34) {
    drawFolder(img, kPalette[n - 31], darker(kPalette[n - 31]), false);
    drawPadlock(img, 0.42, 0.40, 0.58);
  } else if (n == kSmallIconTiles) {
    drawTileWindow(img);
  } else if (n >= 36 && n <= kSmallIconCount) {
    const Rgba c = kPalette[n - 36];
    paint(img, disc(0.5, 0.5, 0.40), darker(c));
    paint(img, disc(0.5, 0.5, 0.32), c);
    paint(img, disc(0.42, 0.40, 0.12), {1, 1, 1, 0.6});
  }
  return img;
}

Image smallIconStrip() {
  Image strip{16 * kSmallIconCount, 16,
              std::vector<std::uint32_t>(static_cast<std::size_t>(16 * kSmallIconCount * 16))};
  for (int n = 1; n <= kSmallIconCount; ++n) {
    const Image icon = smallIcon(n);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const std::uint32_t px = icon.argb[static_cast<std::size_t>(y * 16 + x)];
        const std::uint32_t a = px >> 24;
        std::uint32_t out = kSmallIconKey;
        if (a != 0) {
          // Edges are blended over white, the lists' background.
          const auto over = [a](std::uint32_t c) { return (c * a + 255 * (255 - a) + 127) / 255; };
          out = 0xFF000000u | (over((px >> 16) & 0xFF) << 16) | (over((px >> 8) & 0xFF) << 8) | over(px & 0xFF);
          if (out == kSmallIconKey) out = 0xFFFE00FFu;  // never the key by accident
        }
        strip.argb[static_cast<std::size_t>(y * strip.width + (n - 1) * 16 + x)] = out;
      }
    }
  }
  return strip;
}

std::string encodeBmp24(const Image& image) {
  const auto stride = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  std::string out = bmpHeaders(image, 24, 0, stride);
  for (int row = image.height - 1; row >= 0; --row) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t c = image.argb[static_cast<std::size_t>(row * image.width + x)];
      out += static_cast<char>(c & 0xFF);
      out += static_cast<char>((c >> 8) & 0xFF);
      out += static_cast<char>((c >> 16) & 0xFF);
    }
    out.append(stride - static_cast<std::uint32_t>(image.width) * 3, '\0');
  }
  return out;
}

std::string arrowDownIco() { return encodeIco({arrow(true, 16), arrow(true, 32)}); }
std::string arrowUpIco() { return encodeIco({arrow(false, 16), arrow(false, 32)}); }
std::string smallIconsBmp() { return encodeBmp24(smallIconStrip()); }

}  // namespace art
