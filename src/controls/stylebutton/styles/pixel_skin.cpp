#include "controls/stylebutton/styles/pixel_skin.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "controls/stylebutton/properties.h"
#include "core/colour.h"
#include "gfx/colour_ops.h"

namespace controls::stylebutton::styles {

namespace {

using core::fromHex;
using gfx::Colour;

struct SkinColours {
  Colour centre;
  std::array<std::uint32_t, 18> left;        // columns 0..17
  std::array<std::uint32_t, 17> right;       // columns W-17..W-1
  std::array<std::uint32_t, 12> top;         // rows 0..11
  std::array<std::uint32_t, 12> bottom;      // rows H-11..H
  std::array<std::uint32_t, 12> tellingRow;  // row 0 of the top-left block, columns 6..17
};

constexpr SkinColours kResting{
    0xE8E7EA,
    {0xF7F7F7, 0xA0A0A0, 0x999999, 0xC3C3C3, 0xC9C9C9, 0xD5D5D5, 0xD7D7D7, 0xDFDFDF, 0xE0E0E0, 0xE0E0E0, 0xE4E4E4,
     0xE6E8E6, 0xE7E7E8, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA},
    {0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE7E7E7, 0xE6E6E6, 0xE4E4E4, 0xE0E0E0, 0xE0E0E0, 0xDEDEDE, 0xD9D9D9,
     0xD3D3D3, 0xCCCCCC, 0xC3C3C3, 0xA3A3A3, 0x9C9C9C, 0xF6F6F6},
    {0x6A6967, 0xF6F4F5, 0xF4F2F3, 0xEEEEEE, 0xEBEBEB, 0xEAE8EB, 0xEAE8EB, 0xEAEAEA, 0xE1E1E1, 0xE3E2E5, 0xE8E7EA,
     0xE9EBE8},
    {0xE9EBE8, 0xEFF1EE, 0xF2F2F2, 0xF5F5F5, 0xFEFEFF, 0xFFFFFF, 0xFDFDFD, 0xFEFEFE, 0xFBFBFB, 0x545454, 0xC5C5C5,
     0xECECEC},
    {0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B, 0x6F6F6F, 0x6F6F71, 0x707072, 0x666867, 0x6B6D6C,
     0x6A6967}};

constexpr SkinColours kHot{0x6AA6E2,
                           {0xF7F7F7, 0x9EA0B0, 0x132E71, 0x145FBD, 0x2773D1, 0x317FD4, 0x3D8CD9, 0x4B94D9, 0x4F94D7,
                            0x559CDC, 0x579BDC, 0x62A3E3, 0x65A2E3, 0x67A3E2, 0x65A1E0, 0x6AA6E3, 0x6AA6E3, 0x6AA6E2},
                           {0x6AA6E2, 0x6AA6E2, 0x64A4E1, 0x63A3E0, 0x63A3E0, 0x61A1E1, 0x5B9FE0, 0x5598DE, 0x5297DC,
                            0x4B93DB, 0x398DD6, 0x2D7FD1, 0x2674D6, 0x135DC0, 0x14357C, 0x989BAB, 0xF6F6F6},
                           {0x080645, 0xC9D4F1, 0xBDC8E5, 0xA1C0E8, 0x98B8E0, 0x8EB4E3, 0x8BB1E0, 0x7FB4E9, 0x6399CE,
                            0x64A0DD, 0x6AA6E2, 0x76ACE6},
                           {0x76ACE6, 0x81B6F1, 0x8ABDF3, 0x92C5FC, 0x97CEF8, 0x9ED5FE, 0xA3DDF7, 0xADE6FF, 0xC5E2E9,
                            0x405D63, 0xC5C5C5, 0xECECEC},
                           {0xFEFEFE, 0xE5E5E6, 0xA5A5A9, 0x5E5E6C, 0x292748, 0x0C0D37, 0x060737, 0x050636, 0x06063A,
                            0x070841, 0x070745, 0x080645}};

constexpr SkinColours kPressed{
    0x6A9BCC,
    {0xF7F7F7, 0x9B9DA9, 0x172D63, 0x1D5AA6, 0x2E6CB9, 0x3877BC, 0x4282C1, 0x4E89C2, 0x528AC1, 0x5791C5, 0x5991C5,
     0x6398CC, 0x6596CC, 0x6797CB, 0x6595C9, 0x6A9ACC, 0x6A9ACC, 0x6A9BCC},
    {0x6A9BCC, 0x6A9BCC, 0x6498CA, 0x6397C9, 0x6397C9, 0x6295CA, 0x5D94C9, 0x578EC6, 0x558CC4, 0x4E88C3, 0x3E82BE,
     0x3476B9, 0x2D6DBD, 0x1C58A8, 0x19336D, 0x9497A4, 0xF6F6F6},
    {0x0A093C, 0xBEC7DE, 0xB2BCD3, 0x9AB3D4, 0x92ACCC, 0x8AA8CF, 0x87A5CC, 0x7DA7D2, 0x628EB9, 0x6494C6, 0x6A9BCC,
     0x75A1D0},
    {0x75A1D0, 0x7FAADA, 0x87B0DC, 0x8EB8E4, 0x93BFE1, 0x99C6E7, 0x9DCCE2, 0xA6D5E9, 0xBAD2D7, 0x3E565A, 0xC5C5C5,
     0xECECEC},
    {0xFEFEFE, 0xE4E4E5, 0xA2A2A5, 0x5C5C67, 0x292742, 0x0D0E30, 0x090A30, 0x08092F, 0x090933, 0x0A0A39, 0x0A0A3C,
     0x0A093C}};

const SkinColours& colours(Skin skin) {
  switch (skin) {
    case Skin::Resting: return kResting;
    case Skin::Hot: return kHot;
    default: return kPressed;
  }
}

// The block sizes and pixel counts of the images. An image holds the block's pixels inside the
// window's rounded shape; where it has fewer, the pixels the bands paint over go first and then
// the outermost rim pixels; where it has more, the rest lie on column W or row H, off the surface.
struct BlockShape {
  int rows;
  int firstColumn;  // 0, or 1 where the block stops at column W - 1
  int pixels;
};
BlockShape shape(Skin skin, Corner corner) {
  static constexpr BlockShape kResting[4] = {{13, 0, 212}, {11, 0, 172}, {13, 0, 210}, {11, 1, 155}};
  static constexpr BlockShape kLit[4] = {{11, 0, 176}, {13, 0, 213}, {11, 0, 174}, {13, 1, 197}};
  const auto i = static_cast<std::size_t>(corner);
  return skin == Skin::Resting ? kResting[i] : kLit[i];
}

// How far the rounded window shape (18 x 18 corner ellipses) cuts into the row that lies v rows
// in from the outer row of the surface.
int shapeCut(int v) {
  constexpr double r = 9.0;
  const double dy = r - (v + 0.5);
  if (dy <= 0) return 0;
  return static_cast<int>(std::ceil(r - r * std::sqrt(1.0 - (dy / r) * (dy / r)) - 0.5));
}

Colour blend(Colour a, Colour b, double t) {  // t = 0 gives a, 1 gives b
  Colour out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double v = ((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t;
    out |= static_cast<Colour>(std::lround(v)) << shift;
  }
  return out;
}

// The colour of a corner pixel at (u, v) counted inwards from the outer column and row: the band
// colours continued round a quarter circle of radius 9, fading to light gray at its rim.
Colour cornerColour(const SkinColours& c, Corner corner, int u, int v) {
  const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
  const bool topSide = corner == Corner::TopLeft || corner == Corner::TopRight;
  auto across = [&](int depth) {  // side band colour at this depth from the outer column
    depth = std::clamp(depth, 0, 16);
    return fromHex(left ? c.left[static_cast<std::size_t>(depth)] : c.right[static_cast<std::size_t>(16 - depth)]);
  };
  auto down = [&](int depth) {  // top or bottom band colour at this depth from the outer row
    depth = std::clamp(depth, 0, 11);
    return fromHex(topSide ? c.top[static_cast<std::size_t>(depth)] : c.bottom[static_cast<std::size_t>(11 - depth)]);
  };
  // Right-hand blocks start at column W, one beyond the side band's outer column W - 1.
  const int bandColumn = left ? u : u - 1;
  const double px = u + 0.5, py = v + 0.5;
  constexpr double kCentre = 9.0, kRadius = 9.0;
  if (px >= kCentre) return down(v);
  if (py >= kCentre) return across(bandColumn);
  const double dx = kCentre - px, dy = kCentre - py;
  const double dist = std::hypot(dx, dy);
  const int depth = static_cast<int>(std::max(0.0, kRadius - dist));
  const Colour body = blend(across(depth - (u - bandColumn)), down(depth), dy / (dx + dy));
  const double rim = std::clamp((kRadius + 0.5 - dist) / 2.0, 0.0, 1.0);
  return blend(fromHex(0xF4F4F4), body, rim);
}

std::vector<CornerPixel> buildBlock(Skin skin, Corner corner) {
  const SkinColours& c = colours(skin);
  const BlockShape s = shape(skin, corner);
  const bool left = corner == Corner::TopLeft || corner == Corner::BottomLeft;
  const bool topSide = corner == Corner::TopLeft || corner == Corner::TopRight;
  // u counts columns inwards from the outer column (0 is column 0, or column W on the right),
  // v rows inwards from the outer row (0 is row 0, or row H at the bottom).
  struct Cell {
    int u, v;
    int keep;       // higher is kept first
    double inward;  // among equals, the pixel further from the outline is kept first
  };
  std::vector<Cell> cells;
  for (int v = 0; v < s.rows; ++v) {
    for (int u = s.firstColumn; u <= 17; ++u) {
      // On the right the block starts at column W, at the bottom at row H: both off the surface.
      const int su = left ? u : u - 1, sv = topSide ? v : v - 1;  // from the surface's outer edges
      const bool offSurface = su < 0 || sv < 0;
      const bool inShape = !offSurface && su >= shapeCut(sv);
      const bool underSideBand = v >= 11 && (left || u >= 1);
      const bool underEndBand = left && u == 17 && v <= 11;
      const bool telling =
          (corner == Corner::TopLeft && v == 0 && u >= 6) || (corner == Corner::BottomRight && v == 0 && u >= 8);
      int keep = 0;
      if (telling) keep = 4;
      else if (inShape) keep = underSideBand || underEndBand ? 2 : 3;
      else if (offSurface) keep = 1;
      else continue;  // outside the rounded outline: never drawn
      // Distance in from the corner's arc (radius 9); pixels off the surface count as outermost.
      const double inward = offSurface
                                ? -1.0 - 0.01 * std::max(su, sv)
                                : 9.0 - std::hypot(std::max(0.0, 9.0 - (su + 0.5)), std::max(0.0, 9.0 - (sv + 0.5)));
      cells.push_back({u, v, keep, inward});
    }
  }
  std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
    if (a.keep != b.keep) return a.keep > b.keep;
    return a.inward > b.inward;
  });
  if (cells.size() > static_cast<std::size_t>(s.pixels)) cells.resize(static_cast<std::size_t>(s.pixels));
  std::sort(cells.begin(), cells.end(),
            [](const Cell& a, const Cell& b) { return a.v != b.v ? a.v < b.v : a.u < b.u; });

  std::vector<CornerPixel> out;
  for (const Cell& cell : cells) {
    const int u = cell.u, v = cell.v;
    Colour colour = cornerColour(c, corner, u, v);
    if (corner == Corner::TopLeft && v == 0 && u >= 6) colour = fromHex(c.tellingRow[static_cast<std::size_t>(u - 6)]);
    if (corner == Corner::BottomRight && v == 0) {  // #ECECEC from W - 17 to W - 13, lightening to W - 8
      colour = u >= 13 ? fromHex(0xECECEC) : blend(fromHex(0xECECEC), fromHex(0xFDFDFD), (13 - u) / 5.0);
    }
    out.push_back({left ? u : -u, topSide ? v : -v, colour});
  }
  return out;
}

}  // namespace

Skin chooseSkin(int buttonState, bool hasFocus) {
  const bool resting = buttonState == kStateNormal || buttonState == kStateDisabled;
  if (resting && !hasFocus) return Skin::Resting;
  if (resting || buttonState == kStateHot || buttonState == kStateDefaulted) return Skin::Hot;
  return Skin::Pressed;
}

const std::vector<CornerPixel>& cornerBlock(Skin skin, Corner corner) {
  static const auto blocks = [] {
    std::array<std::array<std::vector<CornerPixel>, 4>, 3> all;
    for (int k = 0; k < 3; ++k)
      for (int i = 0; i < 4; ++i)
        all[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] =
            buildBlock(static_cast<Skin>(k), static_cast<Corner>(i));
    return all;
  }();
  return blocks[static_cast<std::size_t>(skin)][static_cast<std::size_t>(corner)];
}

void paintPixelSkin(gfx::Surface& s, int buttonState, bool hasFocus) {
  const int w = s.width(), h = s.height();
  const Skin skin = chooseSkin(buttonState, hasFocus);
  const SkinColours& c = colours(skin);
  gfx::fillBox(s, 18, 11, w - 34, h - 19, fromHex(c.centre));
  for (Corner corner : {Corner::TopLeft, Corner::BottomLeft, Corner::TopRight, Corner::BottomRight}) {
    const int ax = (corner == Corner::TopRight || corner == Corner::BottomRight) ? w : 0;
    const int ay = (corner == Corner::BottomLeft || corner == Corner::BottomRight) ? h : 0;
    for (const CornerPixel& p : cornerBlock(skin, corner)) s.setPixel(ax + p.dx, ay + p.dy, p.colour);
  }
  // The side bands are one vertical line per column from (x, 11) toward (x, H - 10); written row
  // by row here, which leaves the same pixels (the right band still lands over the left one).
  const int first = h - 10 >= 11 ? 11 : h - 9, last = h - 10 >= 11 ? h - 11 : 11;
  std::uint32_t left[18], right[17];
  for (std::size_t k = 0; k < 18; ++k) left[k] = gfx::toDib(fromHex(c.left[k]));
  for (std::size_t k = 0; k < 17; ++k) right[k] = gfx::toDib(fromHex(c.right[k]));
  for (int y = std::max(first, 0); y <= std::min(last, h - 1); ++y) {
    std::uint32_t* row = s.row(y);
    for (int x = 0; x <= 17 && x < w; ++x) row[x] = left[x];
    for (int k = std::max(0, 17 - w); k < 17; ++k) row[w - 17 + k] = right[k];
  }
  for (int y = 0; y <= 11; ++y) gfx::drawLine(s, 17, y, w - 17, y, fromHex(c.top[static_cast<std::size_t>(y)]));
  for (int k = 0; k < 12; ++k)
    gfx::drawLine(s, 17, h - 11 + k, w - 17, h - 11 + k, fromHex(c.bottom[static_cast<std::size_t>(k)]));
}

}  // namespace controls::stylebutton::styles
