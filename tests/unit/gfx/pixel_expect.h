#pragma once
// Pixel comparisons that name the first wrong pixel and both colours.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "gfx/surface.h"

namespace testpix {

inline std::string hex(std::int64_t c) {
  if (c < 0) return "(off the surface)";
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", static_cast<unsigned>(c & 0xFF),
                static_cast<unsigned>((c >> 8) & 0xFF), static_cast<unsigned>((c >> 16) & 0xFF));
  return buf;
}

// want(x, y) gives the expected colour, or nothing for a pixel the case does not care about.
inline testing::AssertionResult pixelsMatch(const gfx::Surface& s,
                                            const std::function<std::optional<gfx::Colour>(int, int)>& want) {
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) {
      const auto w = want(x, y);
      if (w && s.at(x, y) != *w) {
        return testing::AssertionFailure()
               << "first wrong pixel (" << x << ", " << y << "): got " << hex(s.at(x, y)) << ", want " << hex(*w);
      }
    }
  }
  return testing::AssertionSuccess();
}

// Rows of characters, each mapped to a colour through the legend; the picture covers the surface.
inline testing::AssertionResult pixelsMatch(const gfx::Surface& s, const std::vector<std::string>& rows,
                                            const std::map<char, gfx::Colour>& legend) {
  if (static_cast<int>(rows.size()) != s.height())
    return testing::AssertionFailure() << "picture has " << rows.size() << " rows, surface " << s.height();
  return pixelsMatch(s, [&](int x, int y) -> std::optional<gfx::Colour> {
    return legend.at(rows[static_cast<std::size_t>(y)].at(static_cast<std::size_t>(x)));
  });
}

// Single pixels named by what they show, for bodies too large to draw as a picture.
struct Probe {
  int x, y;
  gfx::Colour want;  // 0x00BBGGRR; write core::fromHex(0xRRGGBB) for a colour from a table
  const char* what;
};
inline testing::AssertionResult probesMatch(const gfx::Surface& s, const std::vector<Probe>& probes) {
  for (const Probe& p : probes) {
    const std::int64_t got = s.pixel(p.x, p.y);
    if (got != static_cast<std::int64_t>(p.want)) {
      return testing::AssertionFailure() << "first wrong pixel (" << p.x << ", " << p.y << ") " << p.what << ": got "
                                         << hex(got) << ", want " << hex(p.want);
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace testpix
