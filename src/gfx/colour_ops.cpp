#include "gfx/colour_ops.h"

#include <algorithm>

#include "core/rounding.h"

namespace gfx {

namespace {
int channel(Colour c, int shift) { return static_cast<int>((c >> shift) & 0xFFu); }
Colour put(int value, int shift) { return static_cast<Colour>(std::clamp(value, 0, 255)) << shift; }
}  // namespace

Colour mixColors(Colour c1, Colour c2) {
  Colour out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const auto v = core::roundHalfEven((channel(c1, shift) + channel(c2, shift)) / 2.0);
    out |= put(static_cast<int>(v), shift);
  }
  return out;
}

Colour lightenColor(Colour c, int amount) {
  Colour out = 0;
  for (int shift = 0; shift <= 16; shift += 8) out |= put(amount + ((255 - amount) * channel(c, shift)) / 255, shift);
  return out;
}

Colour shiftColor(Colour c, int delta) {
  Colour out = 0;
  for (int shift = 0; shift <= 16; shift += 8) out |= put(channel(c, shift) + delta, shift);
  return out;
}

std::int64_t translateColor(Colour c, const SystemColours& system) {
  if (core::isSystemColour(c)) {
    const auto index = static_cast<std::size_t>(core::systemColourIndex(c));
    return index < system.size() ? static_cast<std::int64_t>(system[index]) : -1;
  }
  return (c & 0xFF000000u) == 0 ? static_cast<std::int64_t>(c) : -1;
}

}  // namespace gfx
