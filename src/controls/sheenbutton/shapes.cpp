#include "controls/sheenbutton/shapes.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/rounding.h"

namespace controls::sheenbutton {

namespace {

int clampTo(int v, int lo, int hi) {
  if (v < lo) return lo;
  if (v > hi) return hi;  // so when hi < lo every v >= lo gives hi
  return v;
}

// Each row of these shapes is one run of pixels, so the shape is the staircase polygon down the
// runs' left ends and back up their right ends (Region's polygon fill takes a pixel whose top-left
// corner lies on a left edge, and leaves one on a right edge).
gfx::Region runsRegion(int w, int h, int left, int top, int rw, int rh, int r) {
  std::vector<gfx::Point> leftEdge, rightEdge;
  for (int y = 0; y < h; ++y) {
    int first = -1, last = -1;
    for (int x = 0; x < w; ++x) {
      if (!inRoundRect(x, y, left, top, rw, rh, r)) continue;
      if (first < 0) first = x;
      last = x;
    }
    const int l = first < 0 ? 0 : first, rr = first < 0 ? 0 : last + 1;
    leftEdge.push_back({l, y});
    leftEdge.push_back({l, y + 1});
    rightEdge.push_back({rr, y});
    rightEdge.push_back({rr, y + 1});
  }
  if (leftEdge.empty()) return gfx::Region();
  std::vector<gfx::Point> outline(leftEdge);
  outline.insert(outline.end(), rightEdge.rbegin(), rightEdge.rend());
  return gfx::Region::polygon(outline);
}

}  // namespace

bool inCorner(int dx, int dy, int r) {
  const long long a = static_cast<long long>(r) * r - static_cast<long long>(dx) * dx;
  if (a < 0) return false;
  return std::llabs(static_cast<long long>(dy) - r) < core::roundHalfEven(std::sqrt(static_cast<double>(a)));
}

bool inRoundRect(int x, int y, int left, int top, int w, int h, int r) {
  const int dx = x - left, dy = y - top;
  if (dy + r < h && dy > r && dx > r && dx + r < w) return true;
  if (dx < r && dy <= r) return inCorner(dx - r, dy, r);
  if (dx + r > w && dy <= r) return inCorner(dx - w + r, dy, r);
  if (dy + r >= h && dx < r) return inCorner(dx - r, dy - h + 2 * r, r);
  if (dx + r > w && dy + r >= h) return inCorner(dx - w + r, dy - h + 2 * r, r);
  return 0 < dx && dx < w && 0 < dy && dy < h;
}

bool hasShape(int style) { return style >= 2 && style <= 7; }

int cornerRadius(int style, int w, int h, int current) {
  int r = current;
  switch (style) {
    case 2:
    case 4:
    case 5: r = clampTo(h / 2 + 1, 1, w / 2); break;
    case 3: r = 12; break;
    case 6: r = clampTo(h / 3, 1, w / 3); break;
    case 7: r = clampTo(h / 4 + 1, 1, w / 4); break;
    default: return current;
  }
  return r < 1 ? 1 : r;
}

Shapes buildShapes(int w, int h, int radius) {
  return {runsRegion(w, h, 0, 0, w, h, radius), runsRegion(w - 1, h - 1, 1, 1, w - 2, h - 2, radius)};
}

}  // namespace controls::sheenbutton
