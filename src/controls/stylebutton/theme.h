#pragma once
// The system's visual styles as the SystemTheme painter uses them. The Win32 adapter is in
// win32/theme_win32.h; a platform without visual styles gives no open theme, and the painter
// falls back.
#include <memory>
#include <optional>
#include <string_view>

#include "gfx/region.h"
#include "gfx/surface.h"

namespace controls::stylebutton {

// Theme data held open for one drawing; closed when it goes.
class OpenTheme {
 public:
  virtual ~OpenTheme() = default;
  // The shape of the part's background drawn into r, in the same coordinates; nothing on failure.
  virtual std::optional<gfx::Region> backgroundRegion(int part, int state, gfx::Rect r) = 0;
  // Draws the part's background into r on the surface, clipped to clip. False when it failed.
  virtual bool drawBackground(gfx::Surface& s, int part, int state, gfx::Rect r, gfx::Rect clip) = 0;
};

class ThemePort {
 public:
  virtual ~ThemePort() = default;
  // The theme data of the control's window for the class list; null when there is none or the
  // visual-style library is missing.
  virtual std::unique_ptr<OpenTheme> open(std::string_view classList) = 0;
};

// The push-button part and its states.
inline constexpr int kThemePushButton = 1;
enum ThemeButtonState : int {
  kThemeNormal = 1,
  kThemeHot = 2,
  kThemePressed = 3,
  kThemeDisabled = 4,
  kThemeDefaulted = 5
};

}  // namespace controls::stylebutton
