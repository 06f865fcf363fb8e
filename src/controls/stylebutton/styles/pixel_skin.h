#pragma once
// PixelSkin (style 10): a fixed skin stretched to the button (solid centre, side bands, top and bottom bands,
// four corner blocks of individually coloured pixels).
#include <vector>

#include "gfx/surface.h"

namespace controls::stylebutton::styles {

enum class Skin { Resting, Hot, Pressed };

// Resting for normal or disabled without focus; hot for hot, defaulted, or normal/disabled with
// focus; pressed for everything else. buttonState: a ButtonStateValue.
Skin chooseSkin(int buttonState, bool hasFocus);

enum class Corner { TopLeft, BottomLeft, TopRight, BottomRight };

struct CornerPixel {
  int dx, dy;  // from the corner's anchor: x from 0 (left) or W (right), y from 0 (top) or H (bottom)
  gfx::Colour colour;
};
// The pixels of one corner block, in drawing order; pixels outside the rounded outline are absent.
const std::vector<CornerPixel>& cornerBlock(Skin skin, Corner corner);

void paintPixelSkin(gfx::Surface& s, int buttonState, bool hasFocus);

}  // namespace controls::stylebutton::styles
