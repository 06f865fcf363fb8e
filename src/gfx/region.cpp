#include "gfx/region.h"

#include <algorithm>
#include <cmath>

namespace gfx {

Region::Region(Rect bounds) : bounds_(bounds) {
  if (bounds_.width() <= 0 || bounds_.height() <= 0) bounds_ = {};
  mask_.assign(static_cast<std::size_t>(bounds_.width()) * static_cast<std::size_t>(bounds_.height()), 0);
}

void Region::set(int x, int y) {
  if (!bounds_.contains(x, y)) return;
  mask_[static_cast<std::size_t>(y - bounds_.top) * static_cast<std::size_t>(bounds_.width()) +
        static_cast<std::size_t>(x - bounds_.left)] = 1;
}

bool Region::contains(int x, int y) const {
  if (!bounds_.contains(x, y)) return false;
  return mask_[static_cast<std::size_t>(y - bounds_.top) * static_cast<std::size_t>(bounds_.width()) +
               static_cast<std::size_t>(x - bounds_.left)] != 0;
}

int Region::count() const { return static_cast<int>(std::count(mask_.begin(), mask_.end(), 1)); }

std::vector<Region::Span> Region::spans() const {
  std::vector<Span> out;
  for (int y = bounds_.top; y < bounds_.bottom; ++y) {
    int x = bounds_.left;
    while (x < bounds_.right) {
      while (x < bounds_.right && !contains(x, y)) ++x;
      const int start = x;
      while (x < bounds_.right && contains(x, y)) ++x;
      if (x > start) out.push_back({y, start, x});
    }
  }
  return out;
}

Region Region::fromSpans(const std::vector<Span>& spans) {
  Rect box{};
  bool first = true;
  for (const Span& s : spans) {
    if (s.right <= s.left) continue;
    if (first) box = {s.left, s.y, s.right, s.y + 1};
    box = {std::min(box.left, s.left), std::min(box.top, s.y), std::max(box.right, s.right),
           std::max(box.bottom, s.y + 1)};
    first = false;
  }
  Region region(box);
  for (const Span& s : spans)
    for (int x = s.left; x < s.right; ++x) region.set(x, s.y);
  return region;
}

Region Region::rectangle(Rect r) {
  Region region(r);
  std::fill(region.mask_.begin(), region.mask_.end(), 1);
  return region;
}

Region Region::polygon(const std::vector<Point>& points) {
  if (points.size() < 3) return Region();
  Rect box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point& p : points) {
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  Region region(box);
  std::vector<double> crossings;
  for (int y = box.top; y < box.bottom; ++y) {
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const Point a = points[i], b = points[(i + 1) % points.size()];
      if (a.y == b.y) continue;
      const Point lo = a.y < b.y ? a : b, hi = a.y < b.y ? b : a;
      if (y < lo.y || y >= hi.y) continue;  // top end in, bottom end out
      crossings.push_back(lo.x + static_cast<double>(y - lo.y) * (hi.x - lo.x) / (hi.y - lo.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int left = static_cast<int>(std::ceil(crossings[i]));
      const int right = static_cast<int>(std::ceil(crossings[i + 1]));
      for (int x = left; x < right; ++x) region.set(x, y);
    }
  }
  return region;
}

Region Region::roundRect(Rect r, int ellipseWidth, int ellipseHeight) {
  // The platform's rounded region stops one pixel short of the right and bottom it is given.
  const Rect box{r.left, r.top, r.right - 1, r.bottom - 1};
  Region region(box);
  if (region.bounds_.width() == 0) return region;
  const double rx = std::min(ellipseWidth, r.width()) / 2.0, ry = std::min(ellipseHeight, r.height()) / 2.0;
  for (int y = box.top; y < box.bottom; ++y) {
    int cut = 0;
    const double dy = ry - (std::min(y - box.top, box.bottom - 1 - y) + 0.5);  // into the corner band
    if (rx > 0 && ry > 0 && dy > 0)
      cut = std::max(0, static_cast<int>(std::ceil(rx - rx * std::sqrt(1.0 - (dy / ry) * (dy / ry)) - 0.5)));
    for (int x = box.left + cut; x < box.right - cut; ++x) region.set(x, y);
  }
  return region;
}

}  // namespace gfx
