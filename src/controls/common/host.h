#pragma once
// What a self-drawn control needs from its window and the container that holds it. The window
// (or a test) implements it; each control adds what only it asks for.
#include <cstdint>
#include <optional>
#include <string_view>

#include "controls/common/font.h"
#include "controls/common/picture.h"
#include "gfx/colour_ops.h"
#include "gfx/region.h"
#include "gfx/surface.h"
#include "gfx/text.h"

namespace controls::common {

// Raised to the container; Click also reaches the parent window as a button click.
enum class Event { Click, MouseEnter, MouseLeave };

class ControlHost {
 public:
  virtual ~ControlHost() = default;
  virtual void propertyChanged(std::string_view name) = 0;
  virtual bool userMode() const = 0;  // false in a form designer
  virtual gfx::Colour systemColour(int index) const = 0;

  virtual int width() const = 0;  // client size in pixels
  virtual int height() const = 0;
  virtual void setSize(int w, int h) = 0;
  virtual void setWindowEnabled(bool enabled) = 0;
  virtual void setMousePointer(int pointer) = 0;
  virtual void setFont(const FontSpec& font) = 0;
  virtual FontSpec font() const = 0;
  virtual void setWindowRegion(const gfx::Region& region) = 0;
  virtual std::optional<Picture> loadPicture(std::string_view source) = 0;

  // The surface of the next repaint, w x h; null when there is none. endPaint shows it.
  virtual gfx::Surface* beginPaint(int w, int h) = 0;
  virtual void endPaint() = 0;
  virtual gfx::TextRenderer& text() = 0;

  virtual bool findTrackingFunction() = 0;
  virtual void installHook() = 0;
  virtual void removeHook() = 0;
  virtual void armLeaveTracking() = 0;
  virtual void processPendingMessages() = 0;
  virtual void moveFocus(bool backwards) = 0;
  virtual int shellOpen(std::string_view link) = 0;
  virtual void raise(Event event) = 0;
};

// The container's mouse events with their arguments: the handler gets them by reference and may
// change them, as the container's own handlers may.
enum class MouseEvent { MouseDown, MouseMove, MouseUp };
struct MouseArgs {
  std::int16_t button = 0;  // MouseButton bits
  std::int16_t shift = 0;   // 1 Shift, 2 Ctrl, 4 Alt
  float x = 0, y = 0;
};

// The container's mouse buttons, by the numbers it passes.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// The keys the controls react to, by their virtual-key numbers.
enum Key : int {
  kKeyTab = 9,
  kKeyEnter = 13,
  kKeySpace = 32,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40
};

}  // namespace controls::common
