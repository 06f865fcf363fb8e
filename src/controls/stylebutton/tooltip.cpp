// The control's own tooltip: built when the pointer enters, removed when it leaves. While it
// exists the container's tip text for the control is empty, so the container shows no tip of its
// own beside it.
#include "controls/stylebutton/tooltip.h"

#include "controls/stylebutton/style_button.h"

namespace controls::stylebutton {

std::int64_t StyleButton::colourNow(gfx::Colour c) const {
  // Only the referenced system colour is asked for, now: the tip follows a change made since.
  gfx::SystemColours now{};
  const gfx::Colour index = c & 0xFFFFFFu;
  if ((c & 0xFF000000u) == 0x80000000u && index < now.size()) now[index] = host_.systemColour(static_cast<int>(index));
  return gfx::translateColor(c, now);
}

void StyleButton::buildTooltip() {
  props_.toolTipText = host_.containerToolTip();
  host_.setContainerToolTip("");
  TooltipPort* tip = host_.tooltip();
  if (!tip) return;
  // The setter can build again while the pointer is over the control; one window is enough.
  if (tip->exists()) tip->remove();
  unsigned style = kTipAlwaysTip | kTipNoPrefix;
  if (props_.toolTipType == kTipBalloon) style |= kTipBalloonStyle;
  if (!tip->create(style)) return;
  if (!tip->addTool({0, 0, host_.width(), host_.height()}, props_.toolTipText)) return;
  if (!props_.toolTipTitle.empty() || props_.toolTipIcon != kTipIconNone) {
    if (!tip->setTitle(props_.toolTipIcon, props_.toolTipTitle)) return;
  }
  // Black is never sent: it leaves the tooltip's own colour.
  if (props_.toolTipForeColor != 0) {
    if (!tip->setTextColour(static_cast<std::uint32_t>(colourNow(props_.toolTipForeColor)))) return;
  }
  if (props_.toolTipBackColor != 0) tip->setBackColour(static_cast<std::uint32_t>(colourNow(props_.toolTipBackColor)));
}

void StyleButton::removeTooltip() {
  host_.setContainerToolTip(props_.toolTipText);
  TooltipPort* tip = host_.tooltip();
  if (tip && tip->exists()) tip->remove();
}

}  // namespace controls::stylebutton
