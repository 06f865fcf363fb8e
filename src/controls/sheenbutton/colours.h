#pragma once
// The SheenButton's colour helpers: GetRGB, BlendColors and Shade.
#include "gfx/colour_ops.h"

namespace controls::sheenbutton {

using core::Colour;

struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour's components after the program's colour translation; black when it fails.
Rgb getRGB(Colour colour, const gfx::SystemColours& system);
// Mixes percentage (clamped to 0..100) of c2 into c1, each component truncated toward c1.
Colour blendColors(Colour c1, Colour c2, int percentage, const gfx::SystemColours& system);
// Round(from + (to - from) * i / n) per component in floating point; i may run past n.
Colour shade(Colour from, Colour to, int i, int n);

}  // namespace controls::sheenbutton
