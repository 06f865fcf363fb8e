#pragma once
// The StyleButton control without its window. The window (or a test) is its host and feeds it the
// container's notifications. The class is written in parts: properties.cpp (the property table,
// new instance, load, store and the setters), input.cpp (notifications and the input state
// machine), pipeline.cpp (resize step and repaint), tooltip.cpp (its own tooltip) and
// about_box.cpp (the about box); the painters are in styles/.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/common/host.h"
#include "controls/common/property_bag.h"
#include "controls/stylebutton/about_box.h"
#include "controls/stylebutton/properties.h"
#include "controls/stylebutton/renderer.h"
#include "controls/stylebutton/theme.h"
#include "controls/stylebutton/tooltip.h"
#include "gfx/region.h"
#include "gfx/surface.h"
#include "gfx/text.h"

namespace controls::stylebutton {

using common::Event;
using common::FontSpec;
using common::formatFont;
using common::parseBoolean;
using common::parseFont;
using common::parseInteger;
using common::Picture;
using common::PropertyBag;

// What the control needs from its window and container besides what every control needs.
class ButtonHost : public common::ControlHost {
 public:
  virtual bool displayAsDefault() const = 0;
  // The tip text the container keeps for the control.
  virtual std::string containerToolTip() const = 0;
  virtual void setContainerToolTip(const std::string& text) = 0;
  // The visual styles of the control's window; null where the platform has none.
  virtual ThemePort* theme() { return nullptr; }
  // The control's own tooltip window and its about panel; null where the host has none.
  virtual TooltipPort* tooltip() { return nullptr; }
  virtual AboutPort* aboutPanel() { return nullptr; }
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
  // button: the container's mouse-button number (common::MouseButton); key: a virtual-key number
  // (common::Key names the ones the control reacts to).
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
  void hookSysColorChange();

  // Methods.
  void refresh() { repaint(); }
  void about();
  static std::string version() { return "3.6.2"; }
  int openLink(std::string_view link) { return host_.shellOpen(link); }

  // Properties (StyleValue, AlignValue, ... in properties.h); what each starts as, is stored as
  // and does when set is the table in properties.cpp.
  int style() const { return props_.style; }
  void setStyle(int v);
  const std::string& caption() const { return props_.caption; }
  void setCaption(std::string v);
  const Picture& icon() const { return props_.icon; }
  void setIcon(Picture v);
  int iconAlign() const { return props_.iconAlign; }
  void setIconAlign(int v);
  std::int16_t iconSize() const { return props_.iconSize; }
  void setIconSize(std::int16_t v);
  int captionAlign() const { return props_.captionAlign; }
  void setCaptionAlign(int v);
  int nonThemeStyle() const { return props_.nonThemeStyle; }
  void setNonThemeStyle(int v);
  bool enabled() const { return props_.enabled; }
  void setEnabled(bool v);
  bool showFocus() const { return props_.showFocus; }
  void setShowFocus(bool v);
  bool useCustomColors() const { return props_.useCustomColors; }
  void setUseCustomColors(bool v);
  gfx::Colour backColor() const { return props_.backColor; }
  void setBackColor(gfx::Colour v);
  gfx::Colour highlightColor() const { return props_.highlightColor; }
  void setHighlightColor(gfx::Colour v);
  gfx::Colour fontColor() const { return props_.fontColor; }
  void setFontColor(gfx::Colour v);
  gfx::Colour fontHighlightColor() const { return props_.fontHighlightColor; }
  void setFontHighlightColor(gfx::Colour v);
  const std::string& toolTipText() const { return props_.toolTipText; }
  void setToolTipText(std::string v);
  const std::string& toolTipTitle() const { return props_.toolTipTitle; }
  void setToolTipTitle(std::string v);
  int toolTipIcon() const { return props_.toolTipIcon; }
  void setToolTipIcon(int v);
  int toolTipType() const { return props_.toolTipType; }
  void setToolTipType(int v);
  gfx::Colour toolTipBackColor() const { return props_.toolTipBackColor; }
  void setToolTipBackColor(gfx::Colour v);
  gfx::Colour toolTipForeColor() const { return props_.toolTipForeColor; }
  void setToolTipForeColor(gfx::Colour v);
  const FontSpec& font() const { return props_.font; }
  void setFont(FontSpec v);
  int buttonType() const { return props_.buttonType; }
  void setButtonType(int v);
  std::int16_t mousePointer() const { return props_.mousePointer; }
  void setMousePointer(std::int16_t v);
  bool value() const { return props_.value; }
  void setValue(bool v);
  gfx::Colour maskColor() const { return props_.maskColor; }
  void setMaskColor(gfx::Colour v);
  bool useMaskColor() const { return props_.useMaskColor; }
  void setUseMaskColor(bool v);
  bool roundedBordersByTheme() const { return props_.roundedBordersByTheme; }
  void setRoundedBordersByTheme(bool v);
  bool rightToLeft() const { return props_.rightToLeft; }
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
  void buildTooltip();
  void removeTooltip();
  // A colour or a system-colour reference as the system shows it now; -1 when it is neither.
  std::int64_t colourNow(gfx::Colour c) const;
  // Stores a property's value and does what its row's setter column says (properties.cpp).
  template <auto Member, class V>
  void set(V&& value);
  void afterSet(SetterEffect effect);
  void handToHost(SetterEffect effect);
  gfx::Colour sys(int index) const { return system_[static_cast<std::size_t>(index)]; }
  void readSystemColours();

  ButtonHost& host_;

  Properties props_;  // the New values until initNew or load

  int buttonState_ = 0;
  bool hasFocus_ = false;
  bool isShown_ = false;
  bool mouseInside_ = false;
  int lastButton_ = 0;
  int iconMargin_ = 4;
  gfx::Rect clientRect_{};
  gfx::Rect captionRect_{};
  unsigned captionFormat_ = gfx::kTextCenter | gfx::kTextWordBreak;
  bool trackingAvailable_ = false;
  bool hookInstalled_ = false;
  // The about panel's window style as a newly placed control found it; 0 for a loaded one.
  std::uint32_t aboutStyle_ = 0;
  gfx::Region windowRegion_;  // the shape last given to the window
  // The system colours the repaint uses, read at creation, load and each colour change: asking the
  // system for them on every repaint cost more than painting a skin.
  gfx::SystemColours system_{};
  gfx::Colour background_;  // the surface's current background colour
};

}  // namespace controls::stylebutton
