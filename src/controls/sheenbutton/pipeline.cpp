// The SheenButton's repaint: the shapes, the painter of the style, then picture and caption.
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "controls/sheenbutton/painters.h"
#include "controls/sheenbutton/shapes.h"
#include "controls/sheenbutton/sheen_button.h"

namespace controls::sheenbutton {

namespace {

constexpr core::Colour kSurfaceBackground = 0xFFFFFF;

// The platform's disabled look of a picture: its silhouette in the highlight colour one pixel
// down and right, under its silhouette in the shadow colour.
void silhouette(gfx::Surface& s, const gfx::Image& image, int x, int y, core::Colour c) {
  for (int j = 0; j < image.height; ++j)
    for (int i = 0; i < image.width; ++i)
      if (image.alpha(i, j) >= 128) s.setPixel(x + i, y + j, c);
}

}  // namespace

gfx::SystemColours SheenButton::systemColours(std::initializer_list<Colour> used) const {
  // The table is read from the system only when a colour refers to it: a repaint asks for it on
  // every state change, and each entry is a call into the system.
  gfx::SystemColours system{};
  if (std::none_of(used.begin(), used.end(), [](Colour c) { return core::isSystemColour(c); })) return system;
  for (std::size_t i = 0; i < system.size(); ++i) system[i] = host_.systemColour(static_cast<int>(i));
  return system;
}

Colour SheenButton::blendColors(Colour c1, Colour c2, int percentage) const {
  return sheenbutton::blendColors(c1, c2, percentage, systemColours({c1, c2}));
}

Rgb SheenButton::getRGB(Colour colour) const { return sheenbutton::getRGB(colour, systemColours({colour})); }

void SheenButton::buildShape() {
  const int w = host_.width(), h = host_.height();
  cornerRadius_ = sheenbutton::cornerRadius(props_.style, w, h, cornerRadius_);
  const ShapeKey key{w, h, props_.style, cornerRadius_};
  if (!hasShape(props_.style)) {
    innerShape_.reset();
    if (shapeKey_ != key) host_.removeWindowRegion();
    shapeKey_ = key;
    return;
  }
  // The shapes depend on nothing else, and this runs before every paint.
  if (shapeKey_ == key && innerShape_) return;
  Shapes shapes = buildShapes(w, h, cornerRadius_);
  ++shapesBuilt_;
  host_.setWindowRegion(shapes.window);
  innerShape_ = std::move(shapes.inner);
  innerRuns_ = rowRuns(&*innerShape_, h + 1);
  shapeKey_ = key;
}

PaintError SheenButton::redraw(int state) {
  if (props_.checked) state = kSheenChecked;
  if (!isReady_) return PaintError::None;
  const int w = host_.width(), h = host_.height();
  gfx::Surface* s = host_.beginPaint(w, h);
  if (!s) return PaintError::NoSurface;
  const std::optional<core::Colour> parent = host_.parentBackground();
  s->clear(parent.value_or(kSurfaceBackground));
  const gfx::SystemColours system =
      systemColours({props_.colorButtonUp, props_.colorButtonDown, props_.colorButtonHover, props_.colorBright});
  try {
    paintStyle(*s, {props_, state, cornerRadius_, innerShape_ ? &*innerShape_ : nullptr, parent, system, &glow_,
                    innerShape_ ? &innerRuns_ : nullptr});
  } catch (const PaintFailure& failure) {
    host_.endPaint();
    return failure.error;
  }
  return drawIconWCaption(*s, state);
}

PaintError SheenButton::drawIconWCaption(int state) {
  gfx::Surface* s = host_.beginPaint(host_.width(), host_.height());
  if (!s) return PaintError::NoSurface;
  return drawIconWCaption(*s, state);
}

PaintError SheenButton::drawIconWCaption(gfx::Surface& surface, int state) {
  const int w = surface.width(), h = surface.height();
  gfx::Surface* s = &surface;
  try {
    const double W = w, H = h;
    const Picture& pic = props_.picture;
    const int pw = pic.empty() ? 0 : pic.image->width, ph = pic.empty() ? 0 : pic.image->height;
    int tw = 0, th = 0;
    if (!props_.caption.empty()) {
      const gfx::Rect m = host_.text().measure(props_.caption, {0, 0, 0, 0}, gfx::kTextCalcRect);
      tw = m.width();
      th = m.height();
    }
    const int M = cornerRadius_ != 0 ? cornerRadius_ : 8;
    IconCaptionLayout l;
    switch (props_.pictureAlignment) {
      case kPictureTop:
        l = {idiv(roundEven(W - pw), 2) + 1, idiv(roundEven(H - (ph + th)), 2) + 1, std::abs(w / 2 - tw / 2),
             std::abs((h / 2 + ph / 2) - th / 2)};
        break;
      case kPictureBottom:
        l = {idiv(roundEven(W - pw), 2), idiv(roundEven(H - (ph - th)), 2) + 1, std::abs(w / 2 - tw / 2),
             std::abs(h / 2 - (ph + th) / 2)};
        break;
      case kPictureLeft:
        l = {M, idiv(roundEven(H - ph), 2) + 1, std::abs(w / 2 - tw / 2), std::abs(h / 2 - th / 2)};
        break;
      case kPictureRight:
        l = {roundEven(W - M - pw), idiv(roundEven(H - ph), 2) + 1, std::abs(w / 2 - tw / 2), std::abs(h / 2 - th / 2)};
        break;
      default: break;
    }
    if (state == kSheenPressed) {
      ++l.px, ++l.py, ++l.tx, ++l.ty;
    }
    layout_ = l;
    const Colour saved = textColour_;
    const bool highlight = state == kSheenHover && props_.captionHighLite;
    if (highlight) textColour_ = props_.captionHighLiteColor;
    if (!props_.caption.empty()) {
      const gfx::Rect at{l.tx, l.ty, std::max(l.tx + tw, w), std::max(l.ty + th, h)};
      if (props_.enabled) {
        host_.text().draw(*s, props_.caption, at, 0, textColour_);
      } else {  // embossed
        host_.text().draw(*s, props_.caption, {at.left + 1, at.top + 1, at.right + 1, at.bottom + 1}, 0,
                          host_.systemColour(gfx::kColorBtnHighlight));
        host_.text().draw(*s, props_.caption, at, 0, host_.systemColour(gfx::kColorBtnShadow));
      }
    }
    if (highlight) textColour_ = saved;
    if (!pic.empty()) {
      if (!props_.enabled) {
        silhouette(*s, *pic.image, l.px + 1, l.py + 1, host_.systemColour(gfx::kColorBtnHighlight));
        silhouette(*s, *pic.image, l.px, l.py, host_.systemColour(gfx::kColorBtnShadow));
      } else if (state == kSheenHover && props_.iconHighLite) {
        silhouette(*s, *pic.image, l.px, l.py, props_.iconHighLiteColor);
      } else {
        gfx::drawImage(*s, *pic.image, l.px, l.py, pw, ph);
      }
    }
  } catch (const PaintFailure& failure) {
    host_.endPaint();
    return failure.error;
  }
  host_.endPaint();
  return PaintError::None;
}

}  // namespace controls::sheenbutton
