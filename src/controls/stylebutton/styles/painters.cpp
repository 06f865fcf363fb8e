#include "controls/stylebutton/styles/painters.h"

#include "controls/stylebutton/styles/pixel_skin.h"

namespace controls::stylebutton::styles {

void paintBody(gfx::Surface& s, const Properties& props, const BodyState& state) {
  switch (props.style) {
    case kPixelSkin: paintPixelSkin(s, state.buttonState, state.hasFocus); break;
    default: break;
  }
}

int iconMargin(int style) {
  switch (style) {
    case kShadedBevel:
    case kShadedOutline: return 4;
    case kSplitGloss: return 6;
    case kPixelSkin: return 7;
    default: return 3;
  }
}

}  // namespace controls::stylebutton::styles
