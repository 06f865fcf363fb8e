#pragma once
// The body of a StyleButton by its Style. Each family of styles has its pure painter file in this
// folder; a style without one paints no body (the background, icon and caption still come).
#include "controls/stylebutton/properties.h"
#include "gfx/surface.h"

namespace controls::stylebutton::styles {

// What a painter draws from besides the properties.
struct BodyState {
  int buttonState;  // a ButtonStateValue, after the repaint's overrides
  bool hasFocus;
};

void paintBody(gfx::Surface& s, const Properties& props, const BodyState& state);

// The inset that side-aligned icons and captions use after a repaint in this style.
int iconMargin(int style);

}  // namespace controls::stylebutton::styles
