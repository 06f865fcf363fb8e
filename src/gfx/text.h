#pragma once
// Text goes through the platform's text drawing on the same surface; painters see only this.
#include <string_view>

#include "gfx/surface.h"

namespace gfx {

// The platform's text-drawing flags, by their numbers.
enum TextFlags : unsigned {
  kTextCenter = 1,
  kTextRight = 2,
  kTextVCenter = 4,
  kTextBottom = 8,
  kTextWordBreak = 16,
  kTextCalcRect = 1024,
  kTextRtlReading = 0x20000,
};

class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  // Moves r.right and r.bottom so that r bounds the text laid out with the flags.
  virtual Rect measure(std::string_view utf8, Rect r, unsigned flags) = 0;
  // Draws with a transparent background and leaves the surface's text colour as it was.
  virtual void draw(Surface& s, std::string_view utf8, Rect r, unsigned flags, Colour colour) = 0;
};

}  // namespace gfx
