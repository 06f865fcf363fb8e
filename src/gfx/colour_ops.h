#pragma once
// Colour operations the painters derive their palettes with. r, g, b are the bytes of 0x00BBGGRR.
#include <array>
#include <cstdint>

#include "core/colour.h"

namespace gfx {

using core::Colour;

// The system colour table the platform resolves 0x800000nn references with.
using SystemColours = std::array<Colour, 31>;

// Indices of the system colours the controls use (the platform's COLOR_* numbers).
enum SysColour : int {
  kColorWindow = 5,
  kColorHighlight = 13,
  kColorBtnFace = 15,
  kColorBtnShadow = 16,
  kColorGrayText = 17,
  kColorBtnText = 18,
  kColorBtnHighlight = 20,
  kColor3dDkShadow = 21,
  kColor3dLight = 22,
  kColorInfoText = 23,
  kColorInfoBk = 24,
};

Colour mixColors(Colour c1, Colour c2);     // each channel round((a + b) / 2), halves to even
Colour lightenColor(Colour c, int amount);  // a + ((255 - a) * channel) \ 255, capped at 255
Colour shiftColor(Colour c, int delta);     // each channel + delta, clamped to 0..255
// A plain RGB value stays; a system-colour reference is looked up; anything else gives -1.
std::int64_t translateColor(Colour c, const SystemColours& system);

}  // namespace gfx
