#pragma once
// The SheenButton's style painters: pure functions of the properties, the state and the shape that
// fill the surface before picture and caption are drawn. They throw PaintFailure (arithmetic.h).
#include <optional>
#include <utility>
#include <vector>

#include "controls/sheenbutton/arithmetic.h"
#include "controls/sheenbutton/properties.h"
#include "gfx/colour_ops.h"
#include "gfx/region.h"
#include "gfx/surface.h"

namespace controls::sheenbutton {

// Where the glow's rings fall, row by row: the part of each ring the next one leaves uncovered.
// It depends on the size, the style and the radius only, so the control keeps it with its shape.
struct GlowSpan {
  int row, from, to;  // to exclusive, within the surface
  int ring;
};
struct GlowLayout {
  int w = -1, h = -1, style = -1, radius = -1;
  std::vector<GlowSpan> spans;
};

// A shape's pixels, row by row from row 0: [first, second), empty when equal. The rounded shapes
// have one run a row.
using RowRuns = std::vector<std::pair<int, int>>;
RowRuns rowRuns(const gfx::Region* region, int rows);

struct PaintInput {
  const Properties& props;
  int state;                                     // a SheenState; any other number paints no body colour
  int cornerRadius;                              // as the last BuildShape left it
  const gfx::Region* inner;                      // InnerShape, null when there is none
  std::optional<core::Colour> parentBackground;  // none when the parent has no colour
  const gfx::SystemColours& system;
  GlowLayout* glow = nullptr;          // reused when it is for this size, style and radius; else refilled
  const RowRuns* innerRuns = nullptr;  // InnerShape's runs, when the control keeps them
};

struct GlossParams {
  int glossBase, glossStep;
  int glossLeft, glossTop, glossRight, glossBottom, glossCorner;
  int glowWidthPct, glowHeightPct, glowCenterX, glowCenterY, glowStep;
  friend bool operator==(const GlossParams&, const GlossParams&) = default;
};

// Styles 2, 3, 4, 5 and 7; R the corner radius, W and H the surface size.
GlossParams glossParams(int style, int R, double W, double H);
// The state's base colour, none for a state without one.
std::optional<core::Colour> baseColour(const Properties& props, int state);

void framedPainter(gfx::Surface& s, const PaintInput& in);
void flatPainter(gfx::Surface& s, const PaintInput& in);
void sheenPainter(gfx::Surface& s, const PaintInput& in);
void glassPainter(gfx::Surface& s, const PaintInput& in);
// The painter of the style; other styles paint nothing.
void paintStyle(gfx::Surface& s, const PaintInput& in);

// The glow rings of SheenPainter, outermost first: each ring's box and colour.
struct GlowRing {
  gfx::Rect box;
  core::Colour colour;
};
// The rings as gfx::fillEllipse paints them one over the other, each pixel written once.
std::vector<GlowSpan> glowSpans(const std::vector<GlowRing>& rings, int width, int height);
void paintGlow(gfx::Surface& s, const std::vector<GlowRing>& rings, const std::vector<GlowSpan>& spans);
void paintGlow(gfx::Surface& s, const std::vector<GlowRing>& rings);
std::vector<GlowRing> glowRings(const GlossParams& p, double W, double H, core::Colour base, core::Colour bright,
                                const gfx::SystemColours& system);

}  // namespace controls::sheenbutton
