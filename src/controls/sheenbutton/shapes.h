#pragma once
// The rounded shapes of Styles 2 to 7: the pixel test, the corner radius by style, and the window
// shape with its one-pixel-inset InnerShape.
#include "gfx/region.h"

namespace controls::sheenbutton {

// Inside a circle of radius r whose centre lies r right of and r below the test origin.
bool inCorner(int dx, int dy, int r);
// Pixel (x, y) inside the rounded rectangle at (left, top), w x h, corner radius r. Column 0 and
// row 0 of the rectangle are never inside.
bool inRoundRect(int x, int y, int left, int top, int w, int h, int r);
// The radius BuildShape gives a w x h control of the style; current for styles without a shape.
int cornerRadius(int style, int w, int h, int current);
bool hasShape(int style);

struct Shapes {
  gfx::Region window;  // 0 <= x < w, 0 <= y < h
  gfx::Region inner;   // the same test inset by one pixel, within 0 <= x < w - 1, 0 <= y < h - 1
};
Shapes buildShapes(int w, int h, int radius);

}  // namespace controls::sheenbutton
