#pragma once
// The control's own tooltip window, as the platform makes it. The Win32 adapter is in
// win32/tooltip_win32.h; a host without one shows no tip.
#include <cstdint>
#include <string>

#include "gfx/surface.h"

namespace controls::stylebutton {

// The tooltip window's style bits, by the platform's numbers.
enum TooltipStyle : unsigned { kTipAlwaysTip = 0x01, kTipNoPrefix = 0x02, kTipBalloonStyle = 0x40 };

class TooltipPort {
 public:
  virtual ~TooltipPort() = default;
  virtual bool exists() const = 0;
  // A new tooltip window owned by the control's window; false when the platform refuses.
  virtual bool create(unsigned style) = 0;
  // The one tool: the control's window, within client (the client rectangle), showing text.
  virtual bool addTool(gfx::Rect client, const std::string& text) = 0;
  // icon: a ToolTipIconValue.
  virtual bool setTitle(int icon, const std::string& title) = 0;
  // Colours as the platform takes them (a failed translation comes as it is).
  virtual bool setTextColour(std::uint32_t colour) = 0;
  virtual bool setBackColour(std::uint32_t colour) = 0;
  // Deletes the tool and destroys the window.
  virtual void remove() = 0;
};

}  // namespace controls::stylebutton
