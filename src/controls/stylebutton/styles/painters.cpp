#include "controls/stylebutton/styles/painters.h"

#include "controls/stylebutton/styles/edge_styles.h"
#include "controls/stylebutton/styles/pixel_skin.h"
#include "controls/stylebutton/styles/shaded_styles.h"

namespace controls::stylebutton::styles {

BodyResult paintBody(gfx::Surface& s, const Properties& props, const BodyState& state) {
  BodyResult out;
  switch (props.style) {
    case kRaisedEdge: paintRaisedEdge(s, props, state, out); break;
    case kThinEdge: paintThinEdge(s, props, state, out); break;
    case kFlatHot: paintFlatHot(s, props, state, out); break;
    case kEtched: paintEtched(s, props, state, out); break;
    case kTinted: paintTinted(s, props, state); break;
    case kGradientFrame: paintGradientFrame(s, props, state, out); break;
    case kSystemTheme: paintSystemTheme(s, props, state, out); break;
    case kShadedBevel: paintShadedBevel(s, props, state, out); break;
    case kShadedOutline: paintShadedOutline(s, props, state, out); break;
    case kSplitGloss: paintSplitGloss(s, props, state, out); break;
    case kPixelSkin: paintPixelSkin(s, state.buttonState, state.hasFocus); break;
    default: break;
  }
  return out;
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
