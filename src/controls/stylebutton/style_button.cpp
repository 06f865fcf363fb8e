#include "controls/stylebutton/style_button.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "controls/stylebutton/pixel_skin.h"
#include "core/text.h"
#include "gfx/colour_ops.h"

namespace stylebutton {

namespace {

using gfx::Colour;

constexpr Colour kGrayMask = 0xC0C0C0;
constexpr int kMinimumSize = 20;  // 300 twips at 96 dots per inch

std::string boolText(bool v) { return v ? "-1" : "0"; }
std::string colourText(Colour c) { return std::to_string(c); }

// Reads the stored settings in order; the first value that cannot be read ends the load.
class Reader {
 public:
  explicit Reader(const PropertyBag& bag) : bag_(bag) {}
  bool ok() const { return ok_; }

  bool integer(std::string_view key, long long fallback, long long lo, long long hi, long long& out) {
    if (!ok_) return false;
    const auto text = bag_.find(key);
    if (!text) return (out = fallback), true;
    const auto v = parseInteger(*text);
    if (!v || *v < lo || *v > hi) return ok_ = false;
    out = *v;
    return true;
  }
  bool int32(std::string_view key, int fallback, int& out) {
    long long v = 0;
    if (!integer(key, fallback, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), v))
      return false;
    out = static_cast<int>(v);
    return true;
  }
  bool int16(std::string_view key, std::int16_t fallback, std::int16_t& out) {
    long long v = 0;
    if (!integer(key, fallback, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max(), v))
      return false;
    out = static_cast<std::int16_t>(v);
    return true;
  }
  bool colour(std::string_view key, Colour fallback, Colour& out) {
    long long v = 0;
    if (!integer(key, fallback, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::uint32_t>::max(), v))
      return false;
    out = static_cast<Colour>(static_cast<std::uint32_t>(v));
    return true;
  }
  bool boolean(std::string_view key, bool fallback, bool& out) {
    if (!ok_) return false;
    const auto text = bag_.find(key);
    if (!text) return (out = fallback), true;
    const auto v = parseBoolean(*text);
    if (!v) return ok_ = false;
    out = *v;
    return true;
  }
  bool text(std::string_view key, const std::string& fallback, std::string& out) {
    if (!ok_) return false;
    const auto v = bag_.find(key);
    out = v ? *v : fallback;
    return true;
  }
  void fail() { ok_ = false; }

 private:
  const PropertyBag& bag_;
  bool ok_ = true;
};

}  // namespace

std::string formatFont(const FontSpec& font) {
  std::ostringstream out;
  out.imbue(std::locale::classic());  // "8.25" whatever the user's decimal separator
  out << font.face << ',' << font.size;
  if (font.bold) out << ",bold";
  if (font.italic) out << ",italic";
  if (font.underline) out << ",underline";
  if (font.strikeout) out << ",strikeout";
  return out.str();
}

std::optional<FontSpec> parseFont(std::string_view text) {
  std::vector<std::string> parts;
  std::string part;
  for (char ch : text) {
    if (ch == ',') {
      parts.push_back(part);
      part.clear();
    } else {
      part += ch;
    }
  }
  parts.push_back(part);
  auto trim = [](std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
  };
  if (parts.size() < 2) return std::nullopt;
  FontSpec font;
  font.face = trim(parts[0]);
  const std::string size = trim(parts[1]);
  std::istringstream in(size);
  in.imbue(std::locale::classic());
  if (font.face.empty() || !(in >> font.size) || !in.eof() || !(font.size > 0) || font.size > 1638) return std::nullopt;
  for (std::size_t i = 2; i < parts.size(); ++i) {
    const std::string flag = core::asciiLower(trim(parts[i]));
    if (flag == "bold") font.bold = true;
    else if (flag == "italic") font.italic = true;
    else if (flag == "underline") font.underline = true;
    else if (flag == "strikeout") font.strikeout = true;
    else return std::nullopt;
  }
  return font;
}

StyleButton::StyleButton(ButtonHost& host) : host_(host), background_(host.systemColour(gfx::kColorBtnFace)) {}

void StyleButton::initNew(std::string_view instanceName) {
  style_ = 0;
  caption_ = std::string(instanceName);
  icon_ = Picture();
  iconAlign_ = 1;
  iconSize_ = 16;
  captionAlign_ = 0;
  nonThemeStyle_ = 0;
  enabled_ = true;
  showFocus_ = false;
  useCustomColors_ = false;
  backColor_ = sys(gfx::kColorBtnFace);
  highlightColor_ = sys(gfx::kColorHighlight);
  fontColor_ = sys(gfx::kColorBtnText);
  fontHighlightColor_ = sys(gfx::kColorBtnText);
  toolTipText_.clear();
  toolTipTitle_.clear();
  toolTipIcon_ = 0;
  toolTipType_ = 1;
  toolTipBackColor_ = 0;
  toolTipForeColor_ = 0;
  font_ = FontSpec();
  host_.setFont(font_);
  buttonType_ = 0;
  mousePointer_ = 0;
  value_ = false;
  maskColor_ = 0;
  useMaskColor_ = false;
  roundedBordersByTheme_ = false;
  rightToLeft_ = false;
  captionFormat_ = 17;
  iconMargin_ = 4;
}

bool StyleButton::load(const PropertyBag& bag) {
  buttonState_ = kStateNormal;
  iconMargin_ = 0;
  Reader r(bag);
  std::string iconSource;
  if (r.text("Icon", "", iconSource)) {
    if (iconSource.empty()) {
      icon_ = Picture();
    } else if (auto picture = host_.loadPicture(iconSource)) {
      icon_ = std::move(*picture);
    } else {
      r.fail();
    }
  }
  r.int32("Style", 3, style_);
  r.text("Caption", "StyleButton", caption_);
  r.int16("IconSize", 16, iconSize_);
  r.int32("CaptionAlign", 0, captionAlign_);
  r.int32("IconAlign", 1, iconAlign_);
  r.int32("iNonThemeStyle", 5, nonThemeStyle_);
  r.boolean("Enabled", true, enabled_);
  r.boolean("ShowFocus", false, showFocus_);
  r.boolean("USeCustomColors", false, useCustomColors_);
  r.colour("BackColor", sys(gfx::kColorBtnFace), backColor_);
  r.colour("HighlightColor", sys(gfx::kColorHighlight), highlightColor_);
  r.colour("FontColor", sys(gfx::kColorBtnText), fontColor_);
  r.colour("FontHighlightColor", sys(gfx::kColorBtnText), fontHighlightColor_);
  if (!r.ok()) return false;
  // A disabled control must not take input either; the window follows the stored flag.
  host_.setWindowEnabled(enabled_);
  std::string tip;
  if (!r.text("ToolTipText", toolTipText_, tip)) return false;
  host_.setContainerToolTip(tip);
  r.text("ToolTipText", "", toolTipText_);
  r.text("Tooltiptitle", "", toolTipTitle_);
  r.int32("ToolTipIcon", 0, toolTipIcon_);
  r.int32("ToolTipType", 1, toolTipType_);
  r.colour("ttBackColor", sys(gfx::kColorInfoText), toolTipBackColor_);
  r.colour("ttForeColor", sys(gfx::kColorInfoBk), toolTipForeColor_);
  if (!r.ok()) return false;
  std::string fontText;
  r.text("Font", formatFont(host_.font()), fontText);
  const auto font = parseFont(fontText);
  if (!font) return false;
  font_ = *font;
  host_.setFont(font_);
  r.int32("ButtonType", 0, buttonType_);
  r.boolean("Value", false, value_);
  r.boolean("UseMaskColor", false, useMaskColor_);
  r.colour("MaskColor", kGrayMask, maskColor_);
  if (!r.int16("MousePointer", 0, mousePointer_)) return false;
  host_.setMousePointer(mousePointer_);
  r.boolean("RoundedBordersByTheme", true, roundedBordersByTheme_);
  r.boolean("bRTLText", false, rightToLeft_);
  if (!r.ok()) return false;
  if (host_.userMode()) {
    trackingAvailable_ = host_.findTrackingFunction();
    if (trackingAvailable_) {
      host_.installHook();
      hookInstalled_ = true;
    }
  }
  resizeStep();
  return true;
}

void StyleButton::store(PropertyBag& bag) const {
  auto put = [&](std::string_view key, const std::string& value, const std::string& unless) {
    if (value != unless) bag.write(key, value);
  };
  auto num = [](long long v) { return std::to_string(v); };
  bag.write("Icon", icon_.source);
  put("Style", num(style_), "3");
  put("Caption", caption_, "");
  put("IconSize", num(iconSize_), "16");
  put("IconAlign", num(iconAlign_), "1");
  put("CaptionAlign", num(captionAlign_), "0");
  put("iNonThemeStyle", num(nonThemeStyle_), "5");
  put("Enabled", boolText(enabled_), boolText(true));
  put("ShowFocus", boolText(showFocus_), boolText(false));
  put("USeCustomColors", boolText(useCustomColors_), boolText(false));
  put("BackColor", colourText(backColor_), colourText(sys(gfx::kColorBtnFace)));
  put("HighlightColor", colourText(highlightColor_), colourText(sys(gfx::kColorHighlight)));
  put("FontColor", colourText(fontColor_), colourText(sys(gfx::kColorBtnText)));
  put("FontHighlightColor", colourText(fontHighlightColor_), colourText(sys(gfx::kColorBtnText)));
  put("ToolTipText", toolTipText_, host_.containerToolTip());
  bag.write("Tooltiptitle", toolTipTitle_);
  bag.write("ToolTipIcon", num(toolTipIcon_));
  bag.write("ToolTipType", num(toolTipType_));
  put("ttBackColor", colourText(toolTipBackColor_), colourText(sys(gfx::kColorInfoText)));
  put("ttForeColor", colourText(toolTipForeColor_), colourText(sys(gfx::kColorInfoBk)));
  bag.write("Font", formatFont(font_));
  put("ButtonType", num(buttonType_), "0");
  put("Value", boolText(value_), boolText(false));
  put("MaskColor", colourText(maskColor_), colourText(kGrayMask));
  put("UseMaskColor", boolText(useMaskColor_), boolText(false));
  put("MousePointer", num(mousePointer_), "0");
  put("RoundedBordersByTheme", boolText(roundedBordersByTheme_), boolText(true));
  put("bRTLText", boolText(rightToLeft_), boolText(false));
}

// --- notifications ---------------------------------------------------------------------------

void StyleButton::show() {
  isShown_ = true;
  resizeStep();
  repaint();
}

void StyleButton::hide() {
  isShown_ = false;
  host_.setContainerToolTip(toolTipText_);
}

void StyleButton::gotFocus() {
  hasFocus_ = true;
  repaint();
}

void StyleButton::lostFocus() {
  hasFocus_ = false;
  repaint();
}

void StyleButton::ambientChanged(std::string_view name) {
  if (name == "DisplayAsDefault") repaint();
}

void StyleButton::clickHandling() {
  if (lastButton_ != 1) return;
  if (buttonType_ == 1) {
    value_ = !value_;
    host_.propertyChanged("Value");
  }
  buttonState_ = kStateHot;
  repaint();
}

void StyleButton::accessKey() {
  lastButton_ = 1;
  clickHandling();
  buttonState_ = kStateNormal;
}

void StyleButton::mouseDown(int button) {
  if (button != 1) return;
  buttonState_ = kStatePressed;
  repaint();
}

void StyleButton::mouseUp(int button) {
  if (button == 1) {
    if (buttonType_ == 1 && !value_) {
      buttonState_ = kStatePressed;
      repaint();
    } else {
      buttonState_ = kStateHot;
      // A leave that is waiting (the button was released outside) clears MouseInside here.
      host_.processPendingMessages();
      armTracking();
      if (mouseInside_) host_.raise(Event::Click);
      repaint();
    }
  }
  lastButton_ = button;
}

void StyleButton::click() { clickHandling(); }

void StyleButton::doubleClick() {
  if (lastButton_ == 1) mouseDown(1);
}

void StyleButton::keyDown(int key) {
  switch (key) {
    case 32:
      buttonState_ = kStatePressed;
      repaint();
      break;
    case 39:
    case 40:
      host_.moveFocus(false);
      break;
    case 37:
    case 38:
      host_.moveFocus(true);
      break;
    case 9:
      host_.raise(Event::MouseLeave);
      break;
    default:
      break;
  }
}

void StyleButton::keyUp(int key) {
  if (key != 32) return;
  clickHandling();
  host_.raise(Event::Click);
  buttonState_ = kStateNormal;
  repaint();
}

void StyleButton::terminate() {
  if (hookInstalled_) {
    host_.removeHook();
    hookInstalled_ = false;
  }
}

void StyleButton::armTracking() {
  if (trackingAvailable_) host_.armLeaveTracking();
}

void StyleButton::hookMouseMove() {
  if (mouseInside_) return;
  mouseInside_ = true;
  armTracking();
  buttonState_ = kStateHot;
  repaint();
  host_.raise(Event::MouseEnter);
}

void StyleButton::hookMouseLeave() {
  mouseInside_ = false;
  buttonState_ = kStateNormal;
  repaint();
  host_.raise(Event::MouseLeave);
}

// --- rendering -------------------------------------------------------------------------------

void StyleButton::resizeStep() {
  const int w = host_.width(), h = host_.height();
  if (w < kMinimumSize || h < kMinimumSize) host_.setSize(std::max(w, kMinimumSize), std::max(h, kMinimumSize));
  clientRect_ = {0, 0, host_.width(), host_.height()};
  layout();
  host_.setWindowRegion(windowRegion(style_, clientRect_.right, clientRect_.bottom));
  repaint();
}

void StyleButton::layout() {
  const int w = clientRect_.right, h = clientRect_.bottom;
  unsigned flags = gfx::kTextCalcRect | gfx::kTextWordBreak;
  if (rightToLeft_) flags |= gfx::kTextRtlReading;
  const gfx::Rect measured = host_.text().measure(caption_, {4, 4, w - 4, h - 4}, flags);
  const CaptionLayout l = layoutCaption(w, h, measured, captionAlign_, iconMargin_, rightToLeft_, captionFormat_);
  captionRect_ = l.rect;
  captionFormat_ = l.format;
}

void StyleButton::repaint() {
  const int w = host_.width(), h = host_.height();
  gfx::Surface* s = host_.beginPaint(w, h);
  if (!s) return;
  s->clear(background_);
  iconMargin_ = 3;
  if (isShown_) {
    if (!host_.userMode() && style_ != 5) buttonState_ = kStateHot;
    if (buttonType_ == 1 && value_) buttonState_ = kStatePressed;
    if (!enabled_) {
      buttonState_ = kStateDisabled;
      background_ = sys(gfx::kColorBtnFace);
      s->clear(background_);
    }
    // Styles 0 to 9 have painters of their own still to come; outside 0 to 10 there is no body.
    if (style_ == 10) paintPixelSkin(*s, buttonState_, hasFocus_);
    if (style_ == 7 || style_ == 8) iconMargin_ = 4;
    else if (style_ == 9) iconMargin_ = 6;
    else if (style_ == 10) iconMargin_ = 7;
    drawIcon(*s);
    drawCaption(*s);
  }
  host_.endPaint();
}

void StyleButton::drawIcon(gfx::Surface& s) {
  if (icon_.empty()) return;
  const int size = iconSize_;
  gfx::Point p = iconPosition(iconAlign_, clientRect_.right, clientRect_.bottom, size, iconMargin_);
  int x = p.x, y = p.y;
  if (buttonState_ == kStatePressed) ++x, ++y;
  BlitOptions plain{maskColor_, useMaskColor_, -1, false};
  if (buttonState_ == kStateHot && style_ == 4) {
    if (useMaskColor_) {
      BlitOptions shadow = plain;
      shadow.silhouette = 0x808080;
      transparentBlit(s, x + 1, y + 1, size, size, icon_, shadow);
      transparentBlit(s, x - 1, y - 1, size, size, icon_, plain);
    } else {
      gfx::drawImage(s, *icon_.image, x, y, size, size);
      const auto background = s.pixel(1, 1);
      for (int j = y; j <= y + size; ++j) {
        for (int i = x; i <= x + size; ++i) {
          const auto c = s.pixel(i, j);
          if (c == gfx::Surface::kNoPixel || c == background) continue;
          if (useMaskColor_ && c == maskColor_) continue;
          s.setPixel(i, j, 0x808080);
        }
      }
    }
    x -= 2;
    y -= 2;
  }
  if (useMaskColor_) {
    BlitOptions final = plain;
    final.gray = !enabled_;
    transparentBlit(s, x, y, size, size, icon_, final);
  } else if (enabled_) {
    gfx::drawImage(s, *icon_.image, x, y, size, size);
  } else {
    paintIconGrayscale(s, icon_.image.get(), x, y, size, size);
  }
}

void StyleButton::drawCaption(gfx::Surface& s) {
  Colour colour;
  if (buttonState_ == kStateDisabled) colour = sys(gfx::kColorGrayText);
  else if (!useCustomColors_) colour = sys(gfx::kColorBtnText);
  else colour = buttonState_ == kStateNormal ? fontColor_ : fontHighlightColor_;
  host_.text().draw(s, caption_, captionRect_, captionFormat_, colour);
}

// --- property setters --------------------------------------------------------------------------

void StyleButton::resizeAndRepaint() {
  resizeStep();
  repaint();
}

void StyleButton::setStyle(int v) {
  style_ = v;
  host_.propertyChanged("Style");
  resizeAndRepaint();
  resizeAndRepaint();
}
void StyleButton::setCaption(std::string v) {
  caption_ = std::move(v);
  host_.propertyChanged("Caption");
  resizeAndRepaint();
}
void StyleButton::setIcon(Picture v) {
  icon_ = std::move(v);
  host_.propertyChanged("Icon");
  resizeAndRepaint();
}
void StyleButton::setIconAlign(int v) {
  iconAlign_ = v;
  host_.propertyChanged("IconAlign");
  resizeAndRepaint();
}
void StyleButton::setIconSize(std::int16_t v) {
  iconSize_ = v;
  host_.propertyChanged("IconSize");
  resizeAndRepaint();
}
void StyleButton::setCaptionAlign(int v) {
  captionAlign_ = v;
  host_.propertyChanged("CaptionAlign");
  resizeAndRepaint();
}
void StyleButton::setNonThemeStyle(int v) {
  nonThemeStyle_ = v;
  host_.propertyChanged("NonThemeStyle");
  resizeAndRepaint();
}
void StyleButton::setEnabled(bool v) {
  enabled_ = v;
  host_.propertyChanged("Enabled");
  buttonState_ = kStateNormal;
  repaint();
  host_.setWindowEnabled(v);
}

#define QFV_REPAINTING_SETTER(Name, member, Type, notifyName) \
  void StyleButton::set##Name(Type v) {                       \
    member = std::move(v);                                    \
    host_.propertyChanged(notifyName);                        \
    repaint();                                                \
  }
QFV_REPAINTING_SETTER(ShowFocus, showFocus_, bool, "ShowFocus")
QFV_REPAINTING_SETTER(UseCustomColors, useCustomColors_, bool, "UseCustomColors")
QFV_REPAINTING_SETTER(BackColor, backColor_, gfx::Colour, "BackColor")
QFV_REPAINTING_SETTER(HighlightColor, highlightColor_, gfx::Colour, "HighlightColor")
QFV_REPAINTING_SETTER(FontColor, fontColor_, gfx::Colour, "FontColor")
QFV_REPAINTING_SETTER(FontHighlightColor, fontHighlightColor_, gfx::Colour, "FontHighlightColor")
QFV_REPAINTING_SETTER(ToolTipText, toolTipText_, std::string, "ToolTipText")
QFV_REPAINTING_SETTER(ToolTipTitle, toolTipTitle_, std::string, "TooltipTitle")
QFV_REPAINTING_SETTER(ToolTipIcon, toolTipIcon_, int, "TooltipIcon")
QFV_REPAINTING_SETTER(ToolTipType, toolTipType_, int, "ToolTipType")
QFV_REPAINTING_SETTER(ToolTipBackColor, toolTipBackColor_, gfx::Colour, "ToolTipBackColor")
QFV_REPAINTING_SETTER(ToolTipForeColor, toolTipForeColor_, gfx::Colour, "ToolTipForeColor")
QFV_REPAINTING_SETTER(ButtonType, buttonType_, int, "ButtonType")
QFV_REPAINTING_SETTER(Value, value_, bool, "Value")
QFV_REPAINTING_SETTER(MaskColor, maskColor_, gfx::Colour, "MaskColor")
QFV_REPAINTING_SETTER(UseMaskColor, useMaskColor_, bool, "UseMaskColor")
QFV_REPAINTING_SETTER(RoundedBordersByTheme, roundedBordersByTheme_, bool, "RoundedBordersByTheme")
QFV_REPAINTING_SETTER(RightToLeft, rightToLeft_, bool, "bRTLText")
#undef QFV_REPAINTING_SETTER

void StyleButton::setFont(FontSpec v) {
  font_ = std::move(v);
  host_.propertyChanged("Font");
  host_.setFont(font_);
  repaint();
}
void StyleButton::setMousePointer(std::int16_t v) {
  mousePointer_ = v;
  host_.propertyChanged("MousePointer");
  host_.setMousePointer(v);
}

}  // namespace stylebutton
