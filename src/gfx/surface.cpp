#include "gfx/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "gfx/colour_ops.h"

namespace gfx {

Surface::Surface(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      stride_(width_),
      owned_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)),
      pixels_(owned_.data()) {}

Surface::Surface(int width, int height, std::uint32_t* pixels, int stride)
    : width_(width), height_(height), stride_(stride), pixels_(pixels) {}

Surface::Surface(Surface&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      stride_(std::exchange(other.stride_, 0)),
      owned_(std::move(other.owned_)),
      pixels_(std::exchange(other.pixels_, nullptr)) {}

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this != &other) {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    stride_ = std::exchange(other.stride_, 0);
    owned_ = std::move(other.owned_);
    pixels_ = std::exchange(other.pixels_, nullptr);
  }
  return *this;
}

std::int64_t Surface::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kNoPixel;
  return at(x, y);
}

void Surface::fillRect(Rect r, Colour c) {
  const int left = std::max(r.left, 0), right = std::min(r.right, width_);
  const int top = std::max(r.top, 0), bottom = std::min(r.bottom, height_);
  if (left >= right || top >= bottom) return;
  const std::uint32_t p = toDib(c);
  for (int y = top; y < bottom; ++y) std::fill(row(y) + left, row(y) + right, p);
}

void drawLine(Surface& s, int x1, int y1, int x2, int y2, Colour c) {
  if (y1 == y2) {  // the common case: one row, clipped in one go
    if (x1 <= x2) s.fillRect({x1, y1, x2, y1 + 1}, c);
    else s.fillRect({x2 + 1, y1, x1 + 1, y1 + 1}, c);
    return;
  }
  if (x1 == x2) {
    if (y1 <= y2) s.fillRect({x1, y1, x1 + 1, y2}, c);
    else s.fillRect({x1, y2 + 1, x1 + 1, y1 + 1}, c);
    return;
  }
  // Bresenham along the major axis, stopping before the end point.
  const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int x = x1, y = y1;
  if (dx >= dy) {
    int err = 2 * dy - dx;
    for (int i = 0; i < dx; ++i) {
      s.setPixel(x, y, c);
      if (err > 0) {
        y += sy;
        err -= 2 * dx;
      }
      err += 2 * dy;
      x += sx;
    }
  } else {
    int err = 2 * dx - dy;
    for (int i = 0; i < dy; ++i) {
      s.setPixel(x, y, c);
      if (err > 0) {
        x += sx;
        err -= 2 * dy;
      }
      err += 2 * dx;
      y += sy;
    }
  }
}

void fillBox(Surface& s, int x, int y, int w, int h, Colour c) {
  if (w <= 0 || h <= 0) return;
  s.fillRect({x, y, x + w, y + h}, c);
}

void outlineRect(Surface& s, int x, int y, int w, int h, Colour c) {
  // Four lines through the corners and back to the start: each line's missing end point is the
  // next line's start, so all four corners are drawn.
  drawLine(s, x, y, x + w, y, c);
  drawLine(s, x + w, y, x + w, y + h, c);
  drawLine(s, x + w, y + h, x, y + h, c);
  drawLine(s, x, y + h, x, y, c);
}

void edgeRect(Surface& s, int x, int y, int w, int h, unsigned edge, unsigned sides, const EdgeColours& colours) {
  int l = x, t = y, r = x + w, b = y + h;
  // One ring per border: top and left first, then bottom and right over the shared corners.
  auto ring = [&](Colour lt, Colour rb) {
    if (sides & kSideTop) drawLine(s, l, t, r, t, lt);
    if (sides & kSideLeft) drawLine(s, l, t, l, b, lt);
    if (sides & kSideBottom) drawLine(s, l, b - 1, r, b - 1, rb);
    if (sides & kSideRight) drawLine(s, r - 1, t, r - 1, b, rb);
  };
  const unsigned outer = edge & 3u, inner = edge & 12u;
  if (outer == kRaisedOuter) ring(colours.light, colours.darkShadow);
  else if (outer == kSunkenOuter) ring(colours.shadow, colours.highlight);
  if (outer) {
    if (sides & kSideLeft) ++l;
    if (sides & kSideTop) ++t;
    if (sides & kSideRight) --r;
    if (sides & kSideBottom) --b;
  }
  if (inner == kRaisedInner) ring(colours.highlight, colours.shadow);
  else if (inner == kSunkenInner) ring(colours.darkShadow, colours.light);
}

namespace {

// Halves to even, for a channel value between its two end colours (0 to 255). The library's
// rounding goes through the floating-point environment on some runtimes, and cost more than the
// rest of a gradient line; the shift keeps every bit of the value (2^-42 is still held).
std::int64_t roundChannel(double v) {
  const double shifted = v + 1024.0;  // positive, so truncation is the floor
  const auto floor = static_cast<std::int64_t>(shifted);
  const double fraction = shifted - static_cast<double>(floor);
  std::int64_t r = floor;
  if (fraction > 0.5 || (fraction == 0.5 && (floor & 1) != 0)) ++r;
  return r - 1024;
}

// The three channel steps of one gradient, held as 32-bit floats, computed once for its lines.
class Gradient {
 public:
  Gradient(Colour c1, Colour c2, int n) {
    for (int k = 0; k < 3; ++k) {
      start_[k] = static_cast<int>((c1 >> (8 * k)) & 0xFFu);
      const int end = static_cast<int>((c2 >> (8 * k)) & 0xFFu);
      step_[k] = static_cast<float>(end - start_[k]) / static_cast<float>(n);
    }
  }
  Colour at(int i) const {
    Colour c = 0;
    for (int k = 0; k < 3; ++k) {
      const auto r = roundChannel(start_[k] + static_cast<double>(step_[k]) * i);
      c |= static_cast<Colour>(std::clamp<std::int64_t>(r, 0, 255)) << (8 * k);
    }
    return c;
  }

 private:
  int start_[3];
  float step_[3];
};

}  // namespace

// Only the step is held in 32 bits; start + step * i is then the exact value of that step times i
// (a double holds it), so a product that lands on a half is not rounded to a float first.
Colour gradientColour(Colour c1, Colour c2, int i, int n) { return Gradient(c1, c2, n).at(i); }

void gradientRows(Surface& s, Colour c1, Colour c2, int x1, int y0, int x2, int n) {
  if (n <= 0) return;
  const Gradient g(c1, c2, n);
  for (int i = 0; i <= n; ++i) drawLine(s, x1, y0 + i, x2, y0 + i, g.at(i));
}

void gradientColumns(Surface& s, Colour c1, Colour c2, int x1, int y1, int x2, int y2) {
  const int n = x2 - x1;
  if (n <= 0) return;
  const Gradient g(c1, c2, n);
  for (int i = 0; i <= n; ++i) drawLine(s, x1 + i, y1, x1 + i, y2, g.at(i));
}

void etchedFrame(Surface& s, int x, int y, int w, int h, Colour c1, Colour c2, Colour c3) {
  outlineRect(s, x, y, w - 1, h - 1, c1);
  outlineRect(s, x + 1, y + 1, w - 1, h - 1, c2);
  s.setPixel(x, y + h, c3);
  s.setPixel(x + w, y, c3);
  const Colour m = mixColors(c2, c1);
  s.setPixel(x + 1, y + h - 1, m);
  s.setPixel(x + w - 1, y + 1, m);
}

void fillEllipse(Surface& s, Rect box, Colour c) {
  const double rx = box.width() / 2.0, ry = box.height() / 2.0;
  if (rx <= 0 || ry <= 0) return;
  const double cx = box.left + rx, cy = box.top + ry;
  for (int y = box.top; y < box.bottom; ++y) {
    const double dy = (y + 0.5 - cy) / ry;
    const double inside = 1.0 - dy * dy;
    if (inside < 0) continue;
    const double half = rx * std::sqrt(inside);
    // Pixels whose centres lie inside the ellipse.
    const int left = static_cast<int>(std::ceil(cx - half - 0.5));
    const int right = static_cast<int>(std::floor(cx + half - 0.5));
    if (left <= right) s.fillRect({left, y, right + 1, y + 1}, c);
  }
}

}  // namespace gfx
