#include "controls/sheenbutton/painters.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "controls/sheenbutton/colours.h"
#include "controls/sheenbutton/shapes.h"

namespace controls::sheenbutton {

namespace {

using core::fromHex;
using gfx::drawLine;

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

void filledBox(gfx::Surface& s, int x1, int y1, int x2, int y2, Colour c) { s.fillRect({x1, y1, x2 + 1, y2 + 1}, c); }

void parentFill(gfx::Surface& s, const PaintInput& in, int X, int Y) {
  if (in.parentBackground) filledBox(s, 0, 0, X, Y, *in.parentBackground);
}

struct FrameColours {
  Colour dot, diagonal, edge;
};

void frame(gfx::Surface& s, int X, int Y, FrameColours c) {
  s.setPixel(0, 1, c.dot);
  s.setPixel(1, 0, c.dot);
  drawLine(s, 0, 2, 2, 0, c.diagonal);
  drawLine(s, 2, 0, X - 2, 0, c.edge);
  s.setPixel(X - 1, 0, c.dot);
  s.setPixel(X, 1, c.dot);
  drawLine(s, X - 2, 0, X, 2, c.diagonal);
  drawLine(s, X, 2, X, Y - 2, c.edge);
  s.setPixel(X, Y - 1, c.dot);
  s.setPixel(X - 1, Y, c.dot);
  drawLine(s, X, Y - 2, X - 2, Y, c.diagonal);
  drawLine(s, X - 2, Y, 2, Y, c.edge);
  s.setPixel(1, Y, c.dot);
  s.setPixel(0, Y - 1, c.dot);
  drawLine(s, 2, Y, 0, Y - 2, c.diagonal);
  drawLine(s, 0, Y - 2, 0, 2, c.edge);
}

struct Rims {
  Colour row1, row2, sideFrom, sideTo, rowY2, rowY1;
};
constexpr Rims kFocusRims{fromHex(0xCEE7FF), fromHex(0xBCD4F6), fromHex(0xBCD4F6),
                          fromHex(0x89ADE4), fromHex(0x89ADE4), fromHex(0x6982EE)};
constexpr Rims kHoverRims{fromHex(0xFFF0CA), fromHex(0xFDD889), fromHex(0xFDD889),
                          fromHex(0xF8B230), fromHex(0xF8B230), fromHex(0xE59700)};

struct FlatLook {
  Colour a1, a2, a3, a4;
  FrameColours frame;
};
constexpr FlatLook kFlatPressed{fromHex(0xDCDAD1),
                                fromHex(0xE7E6E0),
                                fromHex(0xE1E0D8),
                                fromHex(0xEBEAE5),
                                {fromHex(0xD7D7CC), fromHex(0xB3B3A8), fromHex(0x9D9D92)}};
constexpr FlatLook kFlatHover{fromHex(0xFEFEFD),
                              fromHex(0xFCFCF9),
                              fromHex(0xEEEDE5),
                              fromHex(0xD7D2C6),
                              {fromHex(0xE8E8DD), fromHex(0xD8D8CD), fromHex(0xCECEC3)}};
constexpr FrameColours kFlatChecked{fromHex(0xCBD5D6), fromHex(0x98AFBE), fromHex(0x7A98AF)};
constexpr FrameColours kFramedFrame{fromHex(0x7A95A8), fromHex(0x255783), fromHex(0x003C74)};

constexpr Colour kDisabledBase = fromHex(0xC0C0B0);

// The first and last pixel of a row; none when first > last. (A plain pair: GCC at -Os takes an
// optional's value for uninitialised.)
struct RowRun {
  int first = 0, last = -1;
  explicit operator bool() const { return first <= last; }
};

// Row y of gfx::fillEllipse's filled ellipse in box.
RowRun ellipseRow(const gfx::Rect& box, int y) {
  const double rx = box.width() / 2.0, ry = box.height() / 2.0;
  if (rx <= 0 || ry <= 0 || y < box.top || y >= box.bottom) return {};
  const double cx = box.left + rx, cy = box.top + ry;
  const double dy = (y + 0.5 - cy) / ry;
  const double inside = 1.0 - dy * dy;
  if (inside < 0) return {};
  const double half = rx * std::sqrt(inside);
  // std::ceil and std::floor to the same whole numbers, without a library call each.
  const double l = cx - half - 0.5, r = cx + half - 0.5;
  const int left = static_cast<int>(l) + (l > static_cast<int>(l) ? 1 : 0);
  const int right = static_cast<int>(r) - (r < static_cast<int>(r) ? 1 : 0);
  return {left, right};
}

}  // namespace

RowRuns rowRuns(const gfx::Region* region, int rows) {
  RowRuns runs(static_cast<std::size_t>(std::max(rows, 0)), {0, 0});
  if (!region) return runs;
  for (const gfx::Region::Span& span : region->spans()) {
    if (span.y < 0 || span.y >= rows) continue;
    auto& run = runs[static_cast<std::size_t>(span.y)];
    if (run.first == run.second) run = {span.left, span.right};
    else run = {std::min(run.first, span.left), std::max(run.second, span.right)};
  }
  return runs;
}

std::vector<GlowSpan> glowSpans(const std::vector<GlowRing>& rings, int width, int height) {
  std::vector<GlowSpan> spans;
  if (rings.empty()) return spans;
  // Each ring lies inside the one before it, so a row gets only the part of each ring that the
  // next one leaves uncovered: every pixel is written once instead of once per ring over it. The
  // rings share their centre, so the row below the centre mirrors the one above.
  const gfx::Rect& box = rings[0].box;
  const int mirror = box.top + box.bottom - 1;
  for (int y = box.top; y <= mirror - y; ++y) {
    int rows[2] = {y, mirror - y};
    if (rows[1] == rows[0]) rows[1] = -1;
    const auto add = [&](int from, int to, int ring) {
      from = std::max(from, 0);
      to = std::min(to, width);
      if (from >= to) return;
      for (int row : rows)
        if (row >= 0 && row < height) spans.push_back({row, from, to, ring});
    };
    RowRun outer = ellipseRow(rings[0].box, y);
    for (std::size_t k = 0; outer && k < rings.size(); ++k) {
      const RowRun inner = k + 1 < rings.size() ? ellipseRow(rings[k + 1].box, y) : RowRun{};
      const int ring = static_cast<int>(k);
      if (!inner) {
        add(outer.first, outer.last + 1, ring);
      } else {
        add(outer.first, inner.first, ring);
        add(inner.last + 1, outer.last + 1, ring);
      }
      outer = inner;
    }
  }
  return spans;
}

void paintGlow(gfx::Surface& s, const std::vector<GlowRing>& rings, const std::vector<GlowSpan>& spans) {
  for (const GlowSpan& span : spans) {
    if (span.row >= s.height() || span.to > s.width()) continue;  // a layout for another size
    std::uint32_t* row = s.row(span.row);
    std::fill(row + span.from, row + span.to, gfx::toDib(rings[static_cast<std::size_t>(span.ring)].colour));
  }
}

void paintGlow(gfx::Surface& s, const std::vector<GlowRing>& rings) {
  paintGlow(s, rings, glowSpans(rings, s.width(), s.height()));
}

std::optional<Colour> baseColour(const Properties& props, int state) {
  switch (state) {
    case kSheenNormal:
    case kSheenFocused: return props.colorButtonUp;
    case kSheenHover: return props.colorButtonHover;
    case kSheenPressed:
    case kSheenChecked: return props.colorButtonDown;
    default: return std::nullopt;
  }
}

GlossParams glossParams(int style, int R, double W, double H) {
  GlossParams p{};
  p.glossBase = 0;
  p.glossRight = roundEven(W + 2.0 * R);
  p.glowCenterX = roundEven(W / 2);
  p.glowCenterY = roundEven(H);
  switch (style) {
    case 2:
      p.glossStep = 50;
      p.glossLeft = R / 2;
      p.glossTop = 1;
      p.glossCorner = R / 2;
      p.glossBottom = roundEven(R * 1.1);
      p.glowWidthPct = 300;
      p.glowHeightPct = 60;
      p.glowStep = 120;
      break;
    case 3:
      p.glossStep = 70;
      p.glossLeft = R / 3;
      p.glossTop = 0;
      p.glossCorner = 10;
      p.glossBottom = 12;
      p.glowWidthPct = 200;
      p.glowHeightPct = std::min(100 - idiv(700, roundEven(H)), 80);
      p.glowStep = 130;
      break;
    case 4:
      p.glossStep = 70;
      p.glossLeft = R / 3 - 1;
      p.glossTop = 0;
      p.glossCorner = R / 2;
      p.glossBottom = R;
      p.glowWidthPct = 200;
      p.glowHeightPct = 70;
      p.glowStep = 130;
      break;
    case 5:
      p.glossStep = 40;
      p.glossLeft = -(R / 2) - 1;
      p.glossTop = -R;
      p.glossCorner = R;
      p.glossBottom = i32(static_cast<long long>(R) + 1);
      p.glowWidthPct = 60;
      p.glowHeightPct = 60;
      p.glowStep = 130;
      break;
    default:  // 7
      p.glossStep = 50;
      p.glossLeft = roundEven(R / 2.0);
      p.glossTop = 2;
      p.glossCorner = roundEven(R / 2.0);
      p.glossBottom = i32(static_cast<long long>(R) + 1);
      p.glossRight = roundEven(W - R);
      p.glowWidthPct = 60;
      p.glowHeightPct = 60;
      p.glowCenterY = roundEven(H / 2);
      p.glowStep = 100;
      break;
  }
  return p;
}

std::vector<GlowRing> glowRings(const GlossParams& p, double W, double H, Colour base, Colour bright,
                                const gfx::SystemColours& system) {
  const int rx = roundEven(roundEven(W) * static_cast<double>(p.glowWidthPct) / 100);
  const int ry = roundEven(roundEven(H) * static_cast<double>(p.glowHeightPct) / 100);
  gfx::Rect box{i32(static_cast<long long>(p.glowCenterX) - rx), i32(static_cast<long long>(p.glowCenterY) - ry),
                i32(static_cast<long long>(p.glowCenterX) + rx), i32(static_cast<long long>(p.glowCenterY) + ry)};
  double sx = 1, sy = 1;
  if (rx > ry) sx = fdiv(rx, ry);
  else sy = fdiv(ry, rx);
  const int stepX = roundEven(sx), stepY = roundEven(sy);
  std::vector<GlowRing> rings;
  Colour fill = base;
  for (int n = 1; box.width() > 0 && box.height() > 0;) {
    rings.push_back({box, fill});
    box = {box.left + stepX, box.top + stepY, box.right - stepX, box.bottom - stepY};
    ++n;
    fill = blendColors(base, bright, roundEven(fdiv(static_cast<double>(p.glowStep) * n, ry)), system);
  }
  return rings;
}

void sheenPainter(gfx::Surface& s, const PaintInput& in) {
  const Properties& props = in.props;
  std::optional<Colour> base = baseColour(props, in.state);
  Colour bright = props.colorBright;
  if (!props.enabled) {
    base = kDisabledBase;
    bright = kWhite;
  }
  if (!base) return;
  const double W = s.width(), H = s.height();
  const int w = roundEven(W), h = roundEven(H), R = in.cornerRadius;
  s.fillRect({0, 0, w, h}, *base);
  const Colour border =
      props.borderBrightness >= 0
          ? blendColors(*base, kWhite, props.borderBrightness, in.system)
          : blendColors(*base, kBlack, i32(-static_cast<long long>(props.borderBrightness)), in.system);
  const GlossParams p = glossParams(props.style, R, W, H);
  const gfx::Region gloss = gfx::Region::roundRect({p.glossLeft, p.glossTop, p.glossRight, p.glossBottom},
                                                   i32(2LL * p.glossCorner), i32(2LL * p.glossCorner));
  const std::vector<GlowRing> rings = glowRings(p, W, H, *base, bright, in.system);
  if (in.glow) {
    GlowLayout& glow = *in.glow;
    if (glow.w != w || glow.h != h || glow.style != props.style || glow.radius != R)
      glow = {w, h, props.style, R, glowSpans(rings, w, h)};
    paintGlow(s, rings, glow.spans);
  } else {
    paintGlow(s, rings);
  }
  // The left half only, mirrored: one shape test per pixel pair and one gloss line per row. Both
  // shapes are one run of pixels a row, so each test is a comparison with the row's run.
  const RowRuns innerRuns = in.innerRuns ? *in.innerRuns : rowRuns(in.inner, h + 1);
  const RowRuns glossRuns = rowRuns(&gloss, h + 1);
  const auto inRun = [](const RowRuns& runs, int x, int y) {
    const auto& run = runs[static_cast<std::size_t>(y)];
    return x >= run.first && x < run.second;
  };
  int firstColumn = 0;
  for (int y = 0; y <= h; ++y) {
    const int from = firstColumn;
    firstColumn = 0;
    for (int x = from; x <= w / 2; ++x) {
      if (!inRun(innerRuns, x, y)) {
        s.setPixel(x, y, border);
        s.setPixel(w - x, y, border);
      } else if (inRun(glossRuns, x, y)) {
        const int percent = i32(static_cast<long long>(p.glossBase) + idiv(static_cast<long long>(p.glossStep) * y, R));
        drawLine(s, x, y, w - x + 1, y, blendColors(kWhite, *base, percent, in.system));
        firstColumn = 1;
        break;
      }
    }
  }
}

void glassPainter(gfx::Surface& s, const PaintInput& in) {
  const std::optional<Colour> base = baseColour(in.props, in.state);
  if (!base) return;
  const int w6 = roundEven(s.width() - 1.0), h6 = roundEven(s.height() - 1.0), R = in.cornerRadius;
  const Colour dark = blendColors(kBlack, *base, 50, in.system);
  const int bandCorner = (2 * R) / 3;
  Colour top = 0;
  for (int j = 0; j <= h6; ++j) {
    if (j < R) top = blendColors(kWhite, *base, idiv(static_cast<long long>(j) * 30, R), in.system);
    const int dist = std::abs(idiv((2LL * j - h6) * 100, h6));
    const Colour body = blendColors(*base, in.props.colorBright, dist, in.system);
    for (int i = 0; i <= w6 / 2; ++i) {
      if (inRoundRect(i, j, 1, 1, w6 - 2, h6 - 2, R)) {
        const bool band = inRoundRect(i, j, 4, 2, w6 - R, 2 * R - 1, bandCorner) &&
                          !inRoundRect(i, j, 4, R / 2, w6 - R, 2 * R - 1, bandCorner);
        const Colour c = band ? top : body;
        s.setPixel(i, j, c);
        s.setPixel(w6 - i, j, c);
      } else if (inRoundRect(i, j, 0, 0, w6, h6, R)) {
        s.setPixel(i, j, dark);
        s.setPixel(w6 - i, j, dark);
      }
    }
  }
}

void framedPainter(gfx::Surface& s, const PaintInput& in) {
  const int X = roundEven(s.width() - 1.0), Y = roundEven(s.height() - 1.0);
  parentFill(s, in, X, Y);
  if (in.state != kSheenPressed) {
    for (int i = 0; i <= Y - 3; ++i) drawLine(s, 1, i, X, i, shade(kWhite, fromHex(0xECEBE6), i, Y - 3));
    for (int i = 0; i <= 3; ++i)
      drawLine(s, 0, Y - 4 + i, X, Y - 4 + i, shade(fromHex(0xECEBE6), fromHex(0xD6D0C5), i, 3));
  } else {
    for (int i = 0; i <= 3; ++i) drawLine(s, 0, i + 1, X, i + 1, shade(fromHex(0xD1CCC1), fromHex(0xE5E4DD), i, 3));
    for (int i = 4; i <= Y - 4; ++i) drawLine(s, 0, i, X, i, shade(fromHex(0xE5E4DD), fromHex(0xE2E2DA), i, Y - 6));
    for (int i = 0; i <= 4; ++i)
      drawLine(s, 0, Y - 4 + i, X, Y - 4 + i, shade(fromHex(0xE2E2DA), fromHex(0xF2F1EE), i, 3));
  }
  if (in.state == kSheenFocused || in.state == kSheenHover) {
    const Rims& r = in.state == kSheenFocused ? kFocusRims : kHoverRims;
    drawLine(s, 0, 1, X, 1, r.row1);
    drawLine(s, 0, 2, X, 2, r.row2);
    for (int i = 3; i <= Y - 3; ++i) {
      const Colour c = shade(r.sideFrom, r.sideTo, i, Y);
      drawLine(s, 0, i, 3, i, c);
      drawLine(s, X - 2, i, X, i, c);
    }
    drawLine(s, 0, Y - 2, X, Y - 2, r.rowY2);
    drawLine(s, 0, Y - 1, X, Y - 1, r.rowY1);
  }
  frame(s, X, Y, kFramedFrame);
}

void flatPainter(gfx::Surface& s, const PaintInput& in) {
  const int X = roundEven(s.width() - 1.0), Y = roundEven(s.height() - 1.0);
  parentFill(s, in, X, Y);
  if (in.state == kSheenPressed || in.state == kSheenHover) {
    const FlatLook& look = in.state == kSheenPressed ? kFlatPressed : kFlatHover;
    for (int i = 0; i <= 3; ++i) drawLine(s, 0, i + 1, X, i + 1, shade(look.a1, look.a2, i, 3));
    for (int i = 4; i <= Y - 4; ++i) drawLine(s, 0, i, X, i, shade(look.a2, look.a3, i, Y - 6));
    for (int i = 0; i <= 3; ++i) drawLine(s, 0, Y - 4 + i, X, Y - 4 + i, shade(look.a3, look.a4, i, 3));
    frame(s, X, Y, look.frame);
  } else if (in.state == kSheenChecked) {
    filledBox(s, 1, 1, X - 1, Y - 1, kWhite);
    frame(s, X, Y, kFlatChecked);
  }
}

void paintStyle(gfx::Surface& s, const PaintInput& in) {
  switch (in.props.style) {
    case kFramed: framedPainter(s, in); break;
    case kFlat: flatPainter(s, in); break;
    case kGlass: glassPainter(s, in); break;
    case kSheenWide:
    case kSheenFixedCorner:
    case kSheenNarrow:
    case kSheenHigh:
    case kSheenCentred: sheenPainter(s, in); break;
    default: break;
  }
}

}  // namespace controls::sheenbutton
