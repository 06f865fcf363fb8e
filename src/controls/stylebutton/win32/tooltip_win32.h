#pragma once
// The control's own tooltip on a common-controls tooltip window owned by the control's window.
// The text goes through the wide messages, so a tip in any script shows.
#include <windows.h>

#include "controls/common/win32/tooltip_window.h"
#include "controls/stylebutton/tooltip.h"

namespace controls::stylebutton::win32 {

class OwnTooltip final : public TooltipPort {
 public:
  explicit OwnTooltip(HWND control) : control_(control) {}
  bool exists() const override { return window_.hwnd() != nullptr; }
  bool create(unsigned style) override;
  bool addTool(gfx::Rect client, const std::string& text) override;
  bool setTitle(int icon, const std::string& title) override;
  bool setTextColour(std::uint32_t colour) override;
  bool setBackColour(std::uint32_t colour) override;
  void remove() override;
  HWND hwnd() const { return window_.hwnd(); }

 private:
  HWND control_;
  common::win32::TooltipWindow window_;
};

}  // namespace controls::stylebutton::win32
