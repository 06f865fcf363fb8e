#pragma once
// Styles 0 to 6: the edge-and-fill styles built from system colours, the gradient frame with its
// fixed or derived palette, and the system's visual style with its fallback.
#include "controls/stylebutton/styles/painters.h"

namespace controls::stylebutton::styles {

void paintRaisedEdge(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);
void paintThinEdge(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);
void paintFlatHot(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);
void paintEtched(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);
void paintTinted(gfx::Surface& s, const Properties& p, const BodyState& st);
void paintGradientFrame(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);
// May set out.style to NonThemeStyle (no theme, or the drawing failed) and out.windowRegion.
void paintSystemTheme(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);

}  // namespace controls::stylebutton::styles
