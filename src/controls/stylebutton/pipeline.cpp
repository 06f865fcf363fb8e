// The StyleButton's resize step and repaint: minimum size, caption layout, window shape, state
// overrides, the style's body, the icon and the caption.
#include <algorithm>
#include <utility>

#include "controls/stylebutton/style_button.h"
#include "controls/stylebutton/styles/painters.h"
#include "gfx/colour_ops.h"

namespace controls::stylebutton {

namespace {

constexpr int kMinimumSize = 20;                 // 300 twips at 96 dots per inch
constexpr gfx::Colour kShadowColour = 0x808080;  // the hot Tinted icon's silhouette

}  // namespace

void StyleButton::resizeStep() {
  const int w = host_.width(), h = host_.height();
  if (w < kMinimumSize || h < kMinimumSize) host_.setSize(std::max(w, kMinimumSize), std::max(h, kMinimumSize));
  clientRect_ = {0, 0, host_.width(), host_.height()};
  layout();
  windowRegion_ = windowRegion(props_.style, clientRect_.right, clientRect_.bottom);
  host_.setWindowRegion(windowRegion_);
  repaint();
}

void StyleButton::layout() {
  const int w = clientRect_.right, h = clientRect_.bottom;
  unsigned flags = gfx::kTextCalcRect | gfx::kTextWordBreak;
  if (props_.rightToLeft) flags |= gfx::kTextRtlReading;
  const gfx::Rect measured = host_.text().measure(props_.caption, {4, 4, w - 4, h - 4}, flags);
  const CaptionLayout l =
      layoutCaption(w, h, measured, props_.captionAlign, iconMargin_, props_.rightToLeft, captionFormat_);
  captionRect_ = l.rect;
  captionFormat_ = l.format;
}

void StyleButton::repaint() {
  // The resize step keeps ClientRect to the window's size; before the first one, ask the window.
  const bool sized = clientRect_.right > 0 && clientRect_.bottom > 0;
  const int w = sized ? clientRect_.right : host_.width(), h = sized ? clientRect_.bottom : host_.height();
  gfx::Surface* s = host_.beginPaint(w, h);
  if (!s) return;
  s->clear(background_);
  iconMargin_ = 3;
  if (isShown_) {
    if (!host_.userMode() && props_.style != kGradientFrame) buttonState_ = kStateHot;
    if (props_.buttonType == kToggleButton && props_.value) buttonState_ = kStatePressed;
    if (!props_.enabled) {
      buttonState_ = kStateDisabled;
      background_ = sys(gfx::kColorBtnFace);
      s->clear(background_);
    }
    const int style = props_.style;
    const bool asDefault = host_.displayAsDefault();
    // The default-button look is only handed to the painter; ButtonState stays normal.
    const int painterState = buttonState_ == kStateNormal && asDefault ? kStateDefaulted : buttonState_;
    styles::BodyResult body =
        styles::paintBody(*s, props_, {painterState, hasFocus_, asDefault, clientRect_, system_, host_.theme()});
    if (body.background) background_ = *body.background;
    // The theme gives the same shape on most repaints; applying a shape redraws the window.
    if (body.windowRegion && *body.windowRegion != windowRegion_) {
      windowRegion_ = std::move(*body.windowRegion);
      host_.setWindowRegion(windowRegion_);
    }
    if (body.style) props_.style = *body.style;
    iconMargin_ = styles::iconMargin(style);
    drawIcon(*s);
    drawCaption(*s);
  }
  host_.endPaint();
}

void StyleButton::readSystemColours() {
  for (int index : styles::kSystemColoursUsed) system_[static_cast<std::size_t>(index)] = host_.systemColour(index);
  for (int index : {gfx::kColorBtnText, gfx::kColorGrayText})
    system_[static_cast<std::size_t>(index)] = host_.systemColour(index);
}

void StyleButton::hookSysColorChange() {
  readSystemColours();
  // The face behind the open corners was read when the control was made; it follows the change.
  background_ = sys(gfx::kColorBtnFace);
  repaint();
}

void StyleButton::drawIcon(gfx::Surface& s) {
  const Picture& icon = props_.icon;
  if (icon.empty()) return;
  const int size = props_.iconSize;
  gfx::Point p = iconPosition(props_.iconAlign, clientRect_.right, clientRect_.bottom, size, iconMargin_);
  int x = p.x, y = p.y;
  if (buttonState_ == kStatePressed) ++x, ++y;
  BlitOptions plain{props_.maskColor, props_.useMaskColor, -1, false};
  if (buttonState_ == kStateHot && props_.style == kTinted) {  // a raised icon over its shadow
    if (props_.useMaskColor) {
      BlitOptions shadow = plain;
      shadow.silhouette = kShadowColour;
      transparentBlit(s, x + 1, y + 1, size, size, icon, shadow);
      transparentBlit(s, x - 1, y - 1, size, size, icon, plain);
    } else {
      gfx::drawImage(s, *icon.image, x, y, size, size);
      const auto background = s.pixel(1, 1);
      for (int j = y; j <= y + size; ++j) {
        for (int i = x; i <= x + size; ++i) {
          const auto c = s.pixel(i, j);
          if (c == gfx::Surface::kNoPixel || c == background) continue;
          if (props_.useMaskColor && c == props_.maskColor) continue;
          s.setPixel(i, j, kShadowColour);
        }
      }
    }
    x -= 2;
    y -= 2;
  }
  if (props_.useMaskColor) {
    BlitOptions final = plain;
    final.gray = !props_.enabled;
    transparentBlit(s, x, y, size, size, icon, final);
  } else if (props_.enabled) {
    gfx::drawImage(s, *icon.image, x, y, size, size);
  } else {
    paintIconGrayscale(s, icon.image.get(), x, y, size, size);
  }
}

void StyleButton::drawCaption(gfx::Surface& s) {
  gfx::Colour colour;
  if (buttonState_ == kStateDisabled) colour = sys(gfx::kColorGrayText);
  else if (!props_.useCustomColors) colour = sys(gfx::kColorBtnText);
  else colour = buttonState_ == kStateNormal ? props_.fontColor : props_.fontHighlightColor;
  host_.text().draw(s, props_.caption, captionRect_, captionFormat_, colour);
}

}  // namespace controls::stylebutton
