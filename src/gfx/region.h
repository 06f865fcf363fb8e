#pragma once
// A window shape as a pixel mask. Built the way the platform builds its regions (right and
// bottom exclusive), and turned into a platform region by the Win32 side, one run per row span.
#include <cstdint>
#include <vector>

#include "gfx/surface.h"

namespace gfx {

struct Point {
  int x = 0, y = 0;
};

class Region {
 public:
  Region() = default;
  static Region rectangle(Rect r);
  // Alternate (even-odd) fill, sampled at integer coordinates: a pixel is in when its top-left
  // corner lies inside or on a left or top edge.
  static Region polygon(const std::vector<Point>& points);
  // Rounded rectangle with corner ellipses ew x eh, as the platform builds it: the shape covers
  // left .. right - 2 and top .. bottom - 2.
  static Region roundRect(Rect r, int ellipseWidth, int ellipseHeight);

  Rect bounds() const { return bounds_; }
  bool empty() const { return count() == 0; }
  bool contains(int x, int y) const;
  int count() const;

  friend bool operator==(const Region&, const Region&) = default;

  struct Span {
    int y, left, right;  // right exclusive
  };
  std::vector<Span> spans() const;
  // The pixels of the spans (a platform region read back); empty spans are skipped.
  static Region fromSpans(const std::vector<Span>& spans);

 private:
  explicit Region(Rect bounds);
  void set(int x, int y);
  Rect bounds_{};
  std::vector<std::uint8_t> mask_;
};

}  // namespace gfx
