#include "controls/stylebutton/win32/tooltip_win32.h"

#include "platform/win32/text_win32.h"

namespace controls::stylebutton::win32 {

bool OwnTooltip::create(unsigned style) {
  // No extended style: the tooltip puts itself on top when it shows.
  return window_.create(control_, style, 0);
}

bool OwnTooltip::addTool(gfx::Rect client, const std::string& text) {
  return window_.addRectTool(control_, RECT{client.left, client.top, client.right, client.bottom},
                             platform::win32::widen(text));
}

bool OwnTooltip::setTitle(int icon, const std::string& title) {
  return window_.setTitle(icon, platform::win32::widen(title));
}

bool OwnTooltip::setTextColour(std::uint32_t colour) {
  window_.setTextColour(colour);
  return exists();
}

bool OwnTooltip::setBackColour(std::uint32_t colour) {
  window_.setBackColour(colour);
  return exists();
}

void OwnTooltip::remove() {
  window_.removeTool();
  window_.destroy();
}

}  // namespace controls::stylebutton::win32
