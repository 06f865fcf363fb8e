#pragma once
// The control's about box: a hidden panel of the control that About() turns into a top-most
// captioned window, and everything painted in it. The Win32 panel is in win32/about_panel.h.
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/common/font.h"
#include "gfx/colour_ops.h"
#include "gfx/surface.h"
#include "gfx/text.h"

namespace controls::stylebutton {

// The panel window, as About() changes it. Every step is false when the platform refuses.
class AboutPort {
 public:
  virtual ~AboutPort() = default;
  virtual std::uint32_t style() const = 0;
  virtual bool show() = 0;
  virtual bool setStyle(std::uint32_t style) = 0;
  virtual bool makeTopmost() = 0;  // and shown, not moved or sized
  virtual bool applyFrame() = 0;   // the frame change, nothing moved
  virtual bool setTitle(std::string_view utf8) = 0;
  virtual bool detach() = 0;  // its parent becomes the desktop
};

// What About() adds to the recorded style: a title bar and a sizing border, but no system menu,
// so no close box. Added, not or-ed, as the recorded style is.
inline constexpr std::uint32_t kAboutFrameStyle = 0x00C00000u | 0x00040000u | 0x00020000u;

// Where the panel sits inside the control, and later on the screen; outside the visible area.
inline constexpr gfx::Rect kAboutPlace{496, 416, 496 + 377, 416 + 145};

std::string aboutTitle(std::string_view version);

// Text in a font of its own: the about box sets the font for every element it draws.
class FontedText {
 public:
  virtual ~FontedText() = default;
  virtual void draw(gfx::Surface& s, const common::FontSpec& font, std::string_view utf8, gfx::Rect r, unsigned flags,
                    gfx::Colour colour) = 0;
};

// Single-line text, which gfx::TextFlags does not name.
inline constexpr unsigned kTextSingleLine = 32;

// The whole panel: the texts, then the Close button.
void paintAbout(gfx::Surface& s, FontedText& text, const gfx::SystemColours& system, std::string_view version);
// The Close button alone: pressed swaps the face's light and dark ends.
void paintAboutClose(gfx::Surface& s, FontedText& text, const gfx::SystemColours& system, bool pressed);

}  // namespace controls::stylebutton
