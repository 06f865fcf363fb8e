#pragma once
// The StyleButton control without its window: properties, stored settings, input state machine
// and repaint. The window (or a test) is its host and feeds it the container's notifications.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/stylebutton/property_bag.h"
#include "controls/stylebutton/renderer.h"
#include "gfx/region.h"
#include "gfx/surface.h"
#include "gfx/text.h"

namespace stylebutton {

enum ButtonStateValue : int {
  kStateNormal = 1, kStateHot = 2, kStatePressed = 3, kStateDisabled = 4, kStateDefaulted = 5,
};

enum class Event { Click, MouseEnter, MouseLeave };

struct FontSpec {
  std::string face = "Verdana";
  double size = 8.25;  // points
  bool bold = false, italic = false, underline = false, strikeout = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};
// Stored as "face,size" followed by any of ",bold", ",italic", ",underline", ",strikeout".
std::string formatFont(const FontSpec& font);
std::optional<FontSpec> parseFont(std::string_view text);

// What the control needs from its window and container.
class ButtonHost {
 public:
  virtual ~ButtonHost() = default;
  virtual void propertyChanged(std::string_view name) = 0;
  virtual bool userMode() const = 0;  // false in a form designer
  virtual bool displayAsDefault() const = 0;
  virtual std::string containerToolTip() const = 0;
  virtual void setContainerToolTip(const std::string& text) = 0;
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

class StyleButton {
 public:
  explicit StyleButton(ButtonHost& host);
  StyleButton(const StyleButton&) = delete;
  StyleButton& operator=(const StyleButton&) = delete;

  // Container notifications.
  void initNew(std::string_view instanceName);
  // False when a stored value could not be read; the properties after it keep their values.
  bool load(const PropertyBag& bag);
  void store(PropertyBag& bag) const;
  void show();
  void hide();
  void resized() { resizeStep(); }
  void paint() { repaint(); }
  void gotFocus();
  void lostFocus();
  void ambientChanged(std::string_view name);
  void accessKey();
  void mouseDown(int button);
  void mouseUp(int button);
  void click();
  void doubleClick();
  void keyDown(int key);
  void keyUp(int key);
  void terminate();

  // The window-procedure hook's four messages.
  void hookMouseMove();
  void hookMouseLeave();
  void hookThemeChanged() { repaint(); }
  void hookSysColorChange() { repaint(); }

  // Methods.
  void refresh() { repaint(); }
  static std::string version() { return "3.6.2"; }
  int openLink(std::string_view link) { return host_.shellOpen(link); }

  // Properties.
  int style() const { return style_; }
  void setStyle(int v);
  const std::string& caption() const { return caption_; }
  void setCaption(std::string v);
  const Picture& icon() const { return icon_; }
  void setIcon(Picture v);
  int iconAlign() const { return iconAlign_; }
  void setIconAlign(int v);
  std::int16_t iconSize() const { return iconSize_; }
  void setIconSize(std::int16_t v);
  int captionAlign() const { return captionAlign_; }
  void setCaptionAlign(int v);
  int nonThemeStyle() const { return nonThemeStyle_; }
  void setNonThemeStyle(int v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool showFocus() const { return showFocus_; }
  void setShowFocus(bool v);
  bool useCustomColors() const { return useCustomColors_; }
  void setUseCustomColors(bool v);
  gfx::Colour backColor() const { return backColor_; }
  void setBackColor(gfx::Colour v);
  gfx::Colour highlightColor() const { return highlightColor_; }
  void setHighlightColor(gfx::Colour v);
  gfx::Colour fontColor() const { return fontColor_; }
  void setFontColor(gfx::Colour v);
  gfx::Colour fontHighlightColor() const { return fontHighlightColor_; }
  void setFontHighlightColor(gfx::Colour v);
  const std::string& toolTipText() const { return toolTipText_; }
  void setToolTipText(std::string v);
  const std::string& toolTipTitle() const { return toolTipTitle_; }
  void setToolTipTitle(std::string v);
  int toolTipIcon() const { return toolTipIcon_; }
  void setToolTipIcon(int v);
  int toolTipType() const { return toolTipType_; }
  void setToolTipType(int v);
  gfx::Colour toolTipBackColor() const { return toolTipBackColor_; }
  void setToolTipBackColor(gfx::Colour v);
  gfx::Colour toolTipForeColor() const { return toolTipForeColor_; }
  void setToolTipForeColor(gfx::Colour v);
  const FontSpec& font() const { return font_; }
  void setFont(FontSpec v);
  int buttonType() const { return buttonType_; }
  void setButtonType(int v);
  std::int16_t mousePointer() const { return mousePointer_; }
  void setMousePointer(std::int16_t v);
  bool value() const { return value_; }
  void setValue(bool v);
  gfx::Colour maskColor() const { return maskColor_; }
  void setMaskColor(gfx::Colour v);
  bool useMaskColor() const { return useMaskColor_; }
  void setUseMaskColor(bool v);
  bool roundedBordersByTheme() const { return roundedBordersByTheme_; }
  void setRoundedBordersByTheme(bool v);
  bool rightToLeft() const { return rightToLeft_; }
  void setRightToLeft(bool v);

  // Runtime state.
  int buttonState() const { return buttonState_; }
  bool hasFocus() const { return hasFocus_; }
  bool isShown() const { return isShown_; }
  bool mouseInside() const { return mouseInside_; }
  int lastButton() const { return lastButton_; }
  int iconMargin() const { return iconMargin_; }
  gfx::Rect clientRect() const { return clientRect_; }
  gfx::Rect captionRect() const { return captionRect_; }
  unsigned captionFormat() const { return captionFormat_; }
  bool trackingAvailable() const { return trackingAvailable_; }
  bool hookInstalled() const { return hookInstalled_; }

 private:
  void resizeStep();
  void layout();
  void repaint();
  void drawIcon(gfx::Surface& s);
  void drawCaption(gfx::Surface& s);
  void clickHandling();
  void armTracking();
  void resizeAndRepaint();
  gfx::Colour sys(int index) const { return host_.systemColour(index); }

  ButtonHost& host_;

  int style_ = 0;
  std::string caption_;
  Picture icon_;
  int iconAlign_ = 1;
  std::int16_t iconSize_ = 16;
  int captionAlign_ = 0;
  int nonThemeStyle_ = 0;
  bool enabled_ = true;
  bool showFocus_ = false;
  bool useCustomColors_ = false;
  gfx::Colour backColor_ = 0, highlightColor_ = 0, fontColor_ = 0, fontHighlightColor_ = 0;
  std::string toolTipText_, toolTipTitle_;
  int toolTipIcon_ = 0;
  int toolTipType_ = 1;
  gfx::Colour toolTipBackColor_ = 0, toolTipForeColor_ = 0;
  FontSpec font_;
  int buttonType_ = 0;
  std::int16_t mousePointer_ = 0;
  bool value_ = false;
  gfx::Colour maskColor_ = 0;
  bool useMaskColor_ = false;
  bool roundedBordersByTheme_ = false;
  bool rightToLeft_ = false;

  int buttonState_ = 0;
  bool hasFocus_ = false;
  bool isShown_ = false;
  bool mouseInside_ = false;
  int lastButton_ = 0;
  int iconMargin_ = 4;
  gfx::Rect clientRect_{};
  gfx::Rect captionRect_{};
  unsigned captionFormat_ = 17;
  bool trackingAvailable_ = false;
  bool hookInstalled_ = false;
  gfx::Colour background_;  // the surface's current background colour
};

}  // namespace stylebutton
