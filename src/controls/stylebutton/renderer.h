#pragma once
// The pure parts of the repaint: caption layout, window shape, icon placement and the icon
// renderers. Each is a function of its arguments, so every pixel rule is tested natively.
#include <cstdint>
#include <string>

#include "controls/common/picture.h"
#include "controls/stylebutton/properties.h"
#include "gfx/image.h"
#include "gfx/region.h"
#include "gfx/surface.h"

namespace controls::stylebutton {

using common::Picture;

struct CaptionLayout {
  gfx::Rect rect;
  unsigned format;
};
// measured: the caption measured in (4, 4, W - 4, H - 4) with word break (left and top stay 4).
// captionAlign: an AlignValue; an unknown one keeps (4, 4, W - 4, H - 4) and the current format.
// The format is gfx::TextFlags.
CaptionLayout layoutCaption(int w, int h, gfx::Rect measured, int captionAlign, int iconMargin, bool rightToLeft,
                            unsigned currentFormat);

// style: a StyleValue.
gfx::Region windowRegion(int style, int w, int h);

// iconAlign: an AlignValue; an unknown one puts the icon at (0, 0).
gfx::Point iconPosition(int iconAlign, int w, int h, int iconSize, int iconMargin);

// Gray of the gray-icon renderer: the listed exact grays stay, anything else becomes
// round(0.59 g + 0.33 r + 0.11 b), capped at 255.
gfx::Colour grayIconColour(gfx::Colour c);
// Gray of the transparent blit: round(round(0.3 r) + 0.59 g + 0.11 b).
gfx::Colour blitGrayColour(gfx::Colour c);

gfx::Image grayImage(const gfx::Image& image);
// Draws the picture in gray, scaled to width x height. False when there is no picture.
bool paintIconGrayscale(gfx::Surface& s, const gfx::Image* icon, int x, int y, int height, int width);

struct BlitOptions {
  gfx::Colour maskColour = 0;
  bool useMask = false;
  std::int64_t silhouette = -1;  // a colour, or below 0 for none
  bool gray = false;
};
void transparentBlit(gfx::Surface& s, int x, int y, int w, int h, const Picture& picture, const BlitOptions& options);

}  // namespace controls::stylebutton
