#pragma once
// The body of a StyleButton by its Style. Each family of styles has its pure painter file in this
// folder (edge_styles: 0 to 6, shaded_styles: 7 to 9, pixel_skin: 10); a style without one paints
// no body (the background, icon and caption still come).
#include <optional>

#include "controls/stylebutton/properties.h"
#include "controls/stylebutton/theme.h"
#include "gfx/colour_ops.h"
#include "gfx/region.h"
#include "gfx/surface.h"

namespace controls::stylebutton::styles {

// What a painter draws from besides the properties.
struct BodyState {
  // A ButtonStateValue after the repaint's overrides; kStateDefaulted for a normal control the
  // container shows as its default button.
  int buttonState;
  bool hasFocus;
  bool displayAsDefault;
  gfx::Rect clientRect;
  // Read through the host at each repaint; the indices painters use are kSystemColoursUsed.
  const gfx::SystemColours& system;
  ThemePort* theme = nullptr;  // null where the platform has no visual styles
};

inline constexpr int kSystemColoursUsed[] = {gfx::kColorWindow,    gfx::kColorHighlight,    gfx::kColorBtnFace,
                                             gfx::kColorBtnShadow, gfx::kColorBtnHighlight, gfx::kColor3dDkShadow,
                                             gfx::kColor3dLight};

// What a painter changes besides the pixels.
struct BodyResult {
  std::optional<gfx::Colour> background;    // the surface's background colour, when the painter set it
  std::optional<int> style;                 // the Style the control has from now on (SystemTheme's fallback)
  std::optional<gfx::Region> windowRegion;  // the window's new shape (SystemTheme's rounded borders)
};

BodyResult paintBody(gfx::Surface& s, const Properties& props, const BodyState& state);

// The inset that side-aligned icons and captions use after a repaint in this style.
int iconMargin(int style);

// Helpers the painter files share.
// "Fill the background with c": the whole surface, and c stays the surface's background colour.
inline void fillBackground(gfx::Surface& s, BodyResult& out, gfx::Colour c) {
  s.clear(c);
  out.background = c;
}
inline gfx::Colour sysColour(const BodyState& st, int index) { return st.system[static_cast<std::size_t>(index)]; }
inline gfx::Colour baseColour(const Properties& p, const BodyState& st) {
  return p.useCustomColors ? p.backColor : sysColour(st, gfx::kColorBtnFace);
}
inline gfx::Colour highlightColour(const Properties& p, const BodyState& st) {
  return p.useCustomColors ? p.highlightColor : sysColour(st, gfx::kColorHighlight);
}

}  // namespace controls::stylebutton::styles
