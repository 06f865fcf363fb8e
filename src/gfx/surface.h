#pragma once
// A 32-bit pixel canvas and the drawing primitives the button controls are built from.
// Pixels are kept in the layout of a top-down 32-bit DIB (0x00RRGGBB in memory order B, G, R, X),
// so on Windows the surface can be a view over a DIB section; the API speaks core::Colour.
#include <cstdint>
#include <vector>

#include "core/colour.h"

namespace gfx {

using core::Colour;

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

constexpr std::uint32_t toDib(Colour c) { return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }
constexpr Colour fromDib(std::uint32_t p) { return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu); }

class Surface {
 public:
  Surface() = default;
  // Owns its pixels, all black.
  Surface(int width, int height);
  // A view over pixels owned elsewhere (a DIB section); stride in pixels.
  Surface(int width, int height, std::uint32_t* pixels, int stride);

  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;

  int width() const { return width_; }
  int height() const { return height_; }
  Rect bounds() const { return {0, 0, width_, height_}; }

  // Writes outside the surface are dropped; reads outside return kNoPixel.
  static constexpr std::int64_t kNoPixel = -1;
  std::int64_t pixel(int x, int y) const;
  Colour at(int x, int y) const { return fromDib(row(y)[x]); }  // caller keeps (x, y) inside
  void setPixel(int x, int y, Colour c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) row(y)[x] = toDib(c);
  }
  // Fills the clipped rectangle; right and bottom exclusive.
  void fillRect(Rect r, Colour c);
  void clear(Colour c) { fillRect(bounds(), c); }

  std::uint32_t* row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }
  const std::uint32_t* row(int y) const { return pixels_ + static_cast<std::ptrdiff_t>(y) * stride_; }

 private:
  int width_ = 0, height_ = 0, stride_ = 0;
  std::vector<std::uint32_t> owned_;
  std::uint32_t* pixels_ = nullptr;
};

// The four system colours a 3-D edge is drawn with.
struct EdgeColours {
  Colour highlight;   // COLOR_BTNHIGHLIGHT
  Colour light;       // COLOR_3DLIGHT
  Colour shadow;      // COLOR_BTNSHADOW
  Colour darkShadow;  // COLOR_3DDKSHADOW
};

// Edge kinds and side flags as the platform's DrawEdge takes them.
enum : unsigned {
  kRaisedOuter = 1,
  kSunkenOuter = 2,
  kRaisedInner = 4,
  kSunkenInner = 8,
  kEdgeRaised = 5,
  kEdgeSunken = 10,
  kSideLeft = 1,
  kSideTop = 2,
  kSideRight = 4,
  kSideBottom = 8,
  kSidesAll = 15,
};

// A one-pixel line from (x1, y1) toward (x2, y2); the end point is not drawn.
void drawLine(Surface& s, int x1, int y1, int x2, int y2, Colour c);
// Solid fill of (x, y)-(x + w, y + h), right and bottom exclusive. Empty when w or h <= 0.
void fillBox(Surface& s, int x, int y, int w, int h, Colour c);
// Closed outline through (x, y), (x + w, y), (x + w, y + h), (x, y + h): both ends included.
void outlineRect(Surface& s, int x, int y, int w, int h, Colour c);
// The platform's 3-D edge on (x, y, x + w, y + h).
void edgeRect(Surface& s, int x, int y, int w, int h, unsigned edge, unsigned sides, const EdgeColours& colours);
// n + 1 horizontal lines from (x1, y0 + i) toward (x2, y0 + i); nothing when n <= 0.
void gradientRows(Surface& s, Colour c1, Colour c2, int x1, int y0, int x2, int n);
// With n = x2 - x1: n + 1 vertical lines from (x1 + i, y1) toward (x1 + i, y2); nothing when n <= 0.
void gradientColumns(Surface& s, Colour c1, Colour c2, int x1, int y1, int x2, int y2);
// Colour i of an n-step gradient, per channel: round(start + step * i), halves to even, where only
// step = (end - start) / n is a 32-bit float.
Colour gradientColour(Colour c1, Colour c2, int i, int n);
void etchedFrame(Surface& s, int x, int y, int w, int h, Colour c1, Colour c2, Colour c3);
// Filled ellipse inside the bounding box (left, top, right, bottom exclusive).
void fillEllipse(Surface& s, Rect box, Colour c);

}  // namespace gfx
