#pragma once
// The SheenButton control without its window. The window (or a test) is its host and feeds it the
// container's notifications. Written in parts: properties.cpp (the property table, create, load,
// store, setters, schemes), pipeline.cpp (Redraw, BuildShape, picture and caption), input.cpp
// (notifications and the hook's callback); painters.cpp, shapes.cpp, colours.cpp and hook.cpp
// hold the pure pieces.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "controls/common/host.h"
#include "controls/common/property_bag.h"
#include "controls/sheenbutton/arithmetic.h"
#include "controls/sheenbutton/colours.h"
#include "controls/sheenbutton/hook.h"
#include "controls/sheenbutton/painters.h"
#include "controls/sheenbutton/properties.h"
#include "gfx/region.h"
#include "gfx/surface.h"

namespace controls::sheenbutton {

using common::Event;
using common::FontSpec;
using common::MouseArgs;
using common::MouseEvent;
using common::Picture;
using common::PropertyBag;

// Window messages the hook hands the control.
inline constexpr unsigned kWmPaint = 0x000F;
inline constexpr unsigned kWmMouseMove = 0x0200;
inline constexpr unsigned kWmMouseLeave = 0x02A3;

// What the control needs from its window and container besides what every control needs.
class SheenHost : public common::ControlHost {
 public:
  virtual FontSpec ambientFont() const = 0;
  // The parent window's background colour; none when it has none.
  virtual std::optional<core::Colour> parentBackground() const = 0;
  // The window becomes its full rectangle again.
  virtual void removeWindowRegion() = 0;
  virtual WindowHandle windowHandle() const = 0;
  // After findTrackingFunction: whether the function found is the system's own.
  virtual bool trackWithUser32() const = 0;
  virtual HookSystem& hookSystem() = 0;
  virtual platform::EventLog& eventLog() = 0;
  virtual platform::Dialogs& dialogs() = 0;
  virtual void raiseDoubleClick() = 0;
  virtual void raiseMouse(MouseEvent event, MouseArgs& args) = 0;
};

// Where the last DrawIconWCaption put picture and caption.
struct IconCaptionLayout {
  int px = 0, py = 0, tx = 0, ty = 0;
  friend bool operator==(const IconCaptionLayout&, const IconCaptionLayout&) = default;
};

class SheenButton final : public HookOwner {
 public:
  static constexpr const char* kTypeName = "SheenButton";

  explicit SheenButton(SheenHost& host);
  SheenButton(const SheenButton&) = delete;
  SheenButton& operator=(const SheenButton&) = delete;

  // Container notifications.
  void initNew(std::string_view instanceName);
  // False when a stored value could not be read; the keys before it keep their loaded values.
  bool load(const PropertyBag& bag);
  void store(PropertyBag& bag) const;
  void mouseDown(MouseArgs args);
  void mouseMove(MouseArgs args);
  void mouseUp(MouseArgs args);
  void click();
  void doubleClick();
  void keyDown(int key);
  void keyUp(int key);
  void gotFocus();
  void lostFocus();
  void resized() { resizeOrShow(); }
  void shown() { resizeOrShow(); }
  void terminate();

  // HookOwner: WM_PAINT before, WM_MOUSEMOVE and WM_MOUSELEAVE after the window's procedure.
  void hookCallback(bool before, bool& handled, std::intptr_t& result, WindowHandle hwnd, unsigned message,
                    std::uintptr_t wparam, std::intptr_t lparam) override;

  // Pipeline (pipeline.cpp). The repaint's error, PaintError::None when it completed.
  PaintError redraw(int state);
  void buildShape();
  PaintError drawIconWCaption(int state);
  Colour blendColors(Colour c1, Colour c2, int percentage) const;
  Rgb getRGB(Colour colour) const;

  // Properties; what each starts as, is stored as and does when set is the table in properties.cpp.
  bool displayHand() const { return props_.displayHand; }
  void setDisplayHand(bool v);
  bool enabled() const { return props_.enabled; }
  void setEnabled(bool v);
  int colorScheme() const { return props_.colorScheme; }
  void setColorScheme(int v);
  int borderBrightness() const { return props_.borderBrightness; }
  void setBorderBrightness(int v);
  bool iconHighLite() const { return props_.iconHighLite; }
  void setIconHighLite(bool v);
  Colour iconHighLiteColor() const { return props_.iconHighLiteColor; }
  void setIconHighLiteColor(Colour v);
  bool captionHighLite() const { return props_.captionHighLite; }
  void setCaptionHighLite(bool v);
  Colour captionHighLiteColor() const { return props_.captionHighLiteColor; }
  void setCaptionHighLiteColor(Colour v);
  Colour colorBright() const { return props_.colorBright; }
  void setColorBright(Colour v);
  Colour colorButtonDown() const { return props_.colorButtonDown; }
  void setColorButtonDown(Colour v);
  Colour colorButtonUp() const { return props_.colorButtonUp; }
  void setColorButtonUp(Colour v);
  Colour colorButtonHover() const { return props_.colorButtonHover; }
  void setColorButtonHover(Colour v);
  Colour foreColor() const { return props_.foreColor; }
  void setForeColor(Colour v);
  const Picture& picture() const { return props_.picture; }
  void setPicture(Picture v);
  bool checked() const { return props_.checked; }
  void setChecked(bool v);
  int style() const { return props_.style; }
  void setStyle(int v);
  int pictureAlignment() const { return props_.pictureAlignment; }
  void setPictureAlignment(int v);
  const std::string& caption() const { return props_.caption; }
  void setCaption(std::string v);
  const FontSpec& font() const { return props_.font; }
  void setFont(FontSpec v);

  // Instance state.
  bool mouseOver() const { return mouseOver_; }
  bool hasFocus() const { return hasFocus_; }
  bool isReady() const { return isReady_; }
  int cornerRadius() const { return cornerRadius_; }
  const std::optional<gfx::Region>& innerShape() const { return innerShape_; }
  bool trackingAvailable() const { return trackingAvailable_; }
  bool trackWithUser32() const { return trackWithUser32_; }
  Colour surfaceTextColour() const { return textColour_; }
  const IconCaptionLayout& lastLayout() const { return layout_; }
  int shapesBuilt() const { return shapesBuilt_; }  // window shapes made, not taken from the cache
  HookRegistry& hook() { return hook_; }

 private:
  template <auto Member, class V>
  void set(V&& value);
  void afterSet(SetterEffect effect, std::string_view notify);
  void resetScheme();
  PaintError drawIconWCaption(gfx::Surface& s, int state);  // on the surface of a repaint
  void resizeOrShow();
  void requestLeaveNotice();
  void pressed(MouseArgs& args);
  void released(MouseArgs& args);
  gfx::SystemColours systemColours(std::initializer_list<Colour> used) const;

  SheenHost& host_;
  Properties props_;
  HookRegistry hook_;
  bool mouseOver_ = false;
  bool hasFocus_ = false;
  bool isReady_ = false;
  int cornerRadius_ = 0;
  std::optional<gfx::Region> innerShape_;
  bool trackingAvailable_ = false;
  bool trackWithUser32_ = false;
  Colour textColour_ = 0;
  IconCaptionLayout layout_;
  // The shape last given to the window: it is rebuilt before every paint, and only a change of
  // size, style or radius makes a new one.
  struct ShapeKey {
    int w = -1, h = -1, style = -1, radius = -1;
    friend bool operator==(const ShapeKey&, const ShapeKey&) = default;
  };
  ShapeKey shapeKey_;
  int shapesBuilt_ = 0;
  GlowLayout glow_;
  RowRuns
      innerRuns_;  // InnerShape row by row, made with it  // the glow's rows, kept with the shape for the same reason
};

}  // namespace controls::sheenbutton
