#pragma once
// Styles 7 to 9: bodies shaded from one key colour with ShiftColor offsets.
#include "controls/stylebutton/styles/painters.h"

namespace controls::stylebutton::styles {

void paintShadedBevel(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);
void paintShadedOutline(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);
void paintSplitGloss(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out);

}  // namespace controls::stylebutton::styles
