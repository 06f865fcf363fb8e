#include "controls/sheenbutton/colours.h"

#include <algorithm>

#include "controls/sheenbutton/arithmetic.h"

namespace controls::sheenbutton {

Rgb getRGB(Colour colour, const gfx::SystemColours& system) {
  const std::int64_t translated = gfx::translateColor(colour, system);
  const auto v = static_cast<std::uint32_t>(translated < 0 ? 0 : translated);
  return {static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF)};
}

Colour blendColors(Colour c1, Colour c2, int percentage, const gfx::SystemColours& system) {
  const int p = std::clamp(percentage, 0, 100);
  const Rgb a = getRGB(c1, system), b = getRGB(c2, system);
  const auto mix = [p](int x, int y) { return x + ((y - x) * p) / 100; };
  return core::rgb(static_cast<std::uint8_t>(mix(a.r, b.r)), static_cast<std::uint8_t>(mix(a.g, b.g)),
                   static_cast<std::uint8_t>(mix(a.b, b.b)));
}

Colour shade(Colour from, Colour to, int i, int n) {
  const auto part = [&](int shift) {
    const double a = static_cast<double>((from >> shift) & 0xFF), b = static_cast<double>((to >> shift) & 0xFF);
    const double v = a + fdiv((b - a) * i, n);
    return static_cast<Colour>(std::clamp(roundEven(v), 0, 255)) << shift;
  };
  return part(0) | part(8) | part(16);
}

}  // namespace controls::sheenbutton
