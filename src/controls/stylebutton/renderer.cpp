#include "controls/stylebutton/renderer.h"

#include <algorithm>

#include "core/rounding.h"
#include "gfx/text.h"

namespace controls::stylebutton {

namespace {
int half(int v) { return static_cast<int>(core::roundHalfEven(v / 2.0)); }
// Each cell of the layout table is computed as written and rounded once: rounding a half and
// then adding an odd number would land on the other even neighbour.
int rounded(double v) { return static_cast<int>(core::roundHalfEven(v)); }
}  // namespace

CaptionLayout layoutCaption(int w, int h, gfx::Rect measured, int captionAlign, int iconMargin, bool rightToLeft,
                            unsigned currentFormat) {
  using enum gfx::TextFlags;
  const double l = measured.left, t = measured.top, r = measured.right, b = measured.bottom, m = iconMargin;
  const int left = rounded((w - r - l) / 2), right = rounded((w + r - l) / 2);
  const int top = rounded((h - b - t) / 2 + 3), bottom = rounded((h + b - t) / 2);
  CaptionLayout out{{4, 4, w - 4, h - 4}, currentFormat};
  switch (captionAlign) {
    case kAlignCenter: out = {{left, top, right, bottom}, kTextCenter | kTextVCenter | kTextWordBreak}; break;
    case kAlignLeft:
      out = {{iconMargin, top, measured.right + iconMargin, bottom}, kTextVCenter | kTextWordBreak};
      break;
    case kAlignRight:
      out = {{w - measured.right - measured.left - iconMargin, top, w - measured.left - iconMargin, bottom},
             kTextRight | kTextVCenter | kTextWordBreak};
      break;
    case kAlignTop:
      out = {{left, rounded(m / 2), right, rounded(m / 2 + (b - t))}, kTextCenter | kTextWordBreak};
      break;
    case kAlignBottom:
      out = {{left, rounded(h - (b - t) - m / 2), right, rounded(h - m / 2)},
             kTextCenter | kTextBottom | kTextWordBreak};
      break;
    default: break;
  }
  // Set, not added: an unknown alignment carries the last format over, flag and all.
  if (rightToLeft) out.format |= kTextRtlReading;
  return out;
}

gfx::Region windowRegion(int style, int w, int h) {
  switch (style) {
    case kGradientFrame:
    case kShadedBevel:
      return gfx::Region::polygon({{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}});
    case kShadedOutline:
    case kSplitGloss:
      return gfx::Region::polygon({{0, 2}, {2, 0}, {w - 3, 0}, {w, 3}, {w, h - 3}, {w - 3, h}, {4, h}, {0, h - 4}});
    case kPixelSkin: return gfx::Region::roundRect({0, 0, w + 1, h + 1}, 18, 18);
    default: return gfx::Region::rectangle({0, 0, w, h});
  }
}

gfx::Point iconPosition(int iconAlign, int w, int h, int s, int m) {
  switch (iconAlign) {
    case kAlignCenter: return {half(w - s), half(h - s)};
    case kAlignLeft: return {m, half(h - s)};
    case kAlignRight: return {w - s - m, half(h - s)};
    case kAlignTop: return {half(w - s), m};
    case kAlignBottom: return {half(w - s), h - s - m};
    default: return {0, 0};
  }
}

gfx::Colour grayIconColour(gfx::Colour c) {
  const int r = core::red(c), g = core::green(c), b = core::blue(c);
  if (r == g && g == b && (r == 0xFF || (r % 0x10 == 0 && r != 0x90))) return c;
  const auto v = std::min<std::int64_t>(core::roundHalfEven(0.59 * g + 0.33 * r + 0.11 * b), 255);
  const auto u = static_cast<std::uint8_t>(v);
  return core::rgb(u, u, u);
}

gfx::Colour blitGrayColour(gfx::Colour c) {
  const int r = core::red(c), g = core::green(c), b = core::blue(c);
  const auto v = std::clamp<std::int64_t>(
      core::roundHalfEven(static_cast<double>(core::roundHalfEven(0.3 * r)) + 0.59 * g + 0.11 * b), 0, 255);
  const auto u = static_cast<std::uint8_t>(v);
  return core::rgb(u, u, u);
}

gfx::Image grayImage(const gfx::Image& image) {
  gfx::Image out = image;
  for (auto& p : out.pixels) p = (p & 0xFF000000u) | gfx::toDib(grayIconColour(gfx::fromDib(p & 0xFFFFFFu)));
  return out;
}

bool paintIconGrayscale(gfx::Surface& s, const gfx::Image* icon, int x, int y, int height, int width) {
  if (!icon) return false;
  gfx::drawImage(s, grayImage(*icon), x, y, width, height);
  return true;
}

void transparentBlit(gfx::Surface& s, int x, int y, int w, int h, const Picture& picture, const BlitOptions& o) {
  if (w <= 0 || h <= 0 || !picture.image) return;
  const gfx::Image& source = *picture.image;
  gfx::Image image;
  if (picture.isIcon) {
    image = gfx::flattenOnto(source, w, h, o.maskColour);
  } else {
    image = gfx::Image(w, h, gfx::toDib(o.maskColour) | 0xFF000000u);
    for (int j = 0; j < std::min(h, source.height); ++j)
      for (int i = 0; i < std::min(w, source.width); ++i) image.at(i, j) = source.at(i, j) | 0xFF000000u;
  }
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const gfx::Colour pic = image.colour(i, j);  // a 32-bit surface shows every colour as it is
      if (o.useMask && pic == o.maskColour) continue;
      if (o.silhouette >= 0) s.setPixel(x + i, y + j, static_cast<gfx::Colour>(o.silhouette));
      else if (o.gray) s.setPixel(x + i, y + j, blitGrayColour(pic));
      else s.setPixel(x + i, y + j, pic);
    }
  }
}

}  // namespace controls::stylebutton
