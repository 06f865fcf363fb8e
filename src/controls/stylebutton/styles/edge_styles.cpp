#include "controls/stylebutton/styles/edge_styles.h"

#include "core/colour.h"

namespace controls::stylebutton::styles {

namespace {

using core::fromHex;
using gfx::Colour;

Colour sh(Colour c, int d) { return gfx::shiftColor(c, d); }

gfx::EdgeColours edgeColours(const BodyState& st) {
  return {sysColour(st, gfx::kColorBtnHighlight), sysColour(st, gfx::kColor3dLight),
          sysColour(st, gfx::kColorBtnShadow), sysColour(st, gfx::kColor3dDkShadow)};
}

void pixels(gfx::Surface& s, std::initializer_list<gfx::Point> points, Colour c) {
  for (const gfx::Point& p : points) s.setPixel(p.x, p.y, c);
}

// Styles 1 and 2 fill with BackColor at rest and while disabled, HighlightColor otherwise.
Colour thinFill(const Properties& p, const BodyState& st) {
  if (!p.useCustomColors) return sysColour(st, gfx::kColorBtnFace);
  const int state = st.buttonState;
  return state == kStateNormal || state == kStateDisabled ? p.backColor : p.highlightColor;
}

// The twelve pixels that round a disabled GradientFrame's corners.
void disabledCorners(gfx::Surface& s, int w, int h, Colour c) {
  pixels(s,
         {{0, 1},
          {1, 1},
          {1, 0},
          {0, h - 2},
          {1, h - 2},
          {1, h - 1},
          {w - 1, 1},
          {w - 2, 1},
          {w - 2, 0},
          {w - 1, h - 2},
          {w - 2, h - 2},
          {w - 2, h - 1}},
         c);
}

void fixedGradientFrame(gfx::Surface& s, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height(), state = st.buttonState;
  fillBackground(s, out, sysColour(st, gfx::kColorBtnFace));
  if (state == kStateNormal || state == kStateHot) {
    gfx::gradientRows(s, fromHex(0xFCFCFB), fromHex(0xF0F0F0), 1, 1, w - 2, 4);
    gfx::gradientRows(s, fromHex(0xFAFAF9), fromHex(0xF0F0EA), 1, 4, w - 2, h - 8);
    gfx::gradientRows(s, fromHex(0xEBEBE6), fromHex(0xD6D0C5), 1, h - 4, w - 2, 3);
    gfx::gradientRows(s, fromHex(0xFBFBFA), fromHex(0xE4E2DA), w - 3, 3, w - 2, h - 5);
    gfx::gradientRows(s, fromHex(0xF5F4F2), fromHex(0xDBD7CD), w - 2, 3, w - 1, h - 5);
  } else if (state == kStatePressed) {
    gfx::gradientRows(s, fromHex(0xD1CCC1), fromHex(0xE4E3DC), 2, 1, w - 1, 4);
    gfx::gradientRows(s, fromHex(0xE4E3DC), fromHex(0xE3E2DB), 2, 4, w - 1, h - 8);
    gfx::gradientRows(s, fromHex(0xE3E2DB), fromHex(0xF2F1EE), 3, h - 4, w - 1, 3);
    gfx::gradientRows(s, fromHex(0xDAD8CE), fromHex(0xE3E2DB), 1, 3, 2, h - 5);
    gfx::gradientRows(s, fromHex(0xDAD8CE), fromHex(0xE3E2DB), 2, 4, 3, h - 7);
  } else if (state == kStateDisabled) {
    fillBackground(s, out, fromHex(0xF5F4EA));
    gfx::outlineRect(s, 0, 0, w - 1, h - 1, fromHex(0xC9C7BA));
    disabledCorners(s, w, h, fromHex(0xD8D5C7));
    return;
  } else {
    return;  // defaulted or unknown: the face alone
  }
  const Colour frame = fromHex(0x003C74);
  gfx::drawLine(s, 1, 0, w - 1, 0, frame);
  gfx::drawLine(s, 0, 1, 0, h - 1, frame);
  gfx::drawLine(s, w - 1, 1, w - 1, h - 1, frame);
  gfx::drawLine(s, 1, h - 1, w - 1, h - 1, frame);
  pixels(s, {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}}, fromHex(0x486E90));
  pixels(s, {{0, 1}, {1, 0}, {1, h - 1}, {0, h - 2}, {w - 1, h - 2}, {w - 2, h - 1}, {w - 2, 0}, {w - 1, 1}},
         fromHex(0x6A8BA2));
  pixels(s, {{1, 2}, {2, 1}, {2, h - 2}, {1, h - 3}, {w - 2, h - 3}, {w - 3, h - 2}, {w - 3, 1}, {w - 2, 2}},
         fromHex(0xBFC7CA));
  if (state == kStateHot) {
    gfx::drawLine(s, 2, 1, w - 2, 1, fromHex(0xFFF0CF));
    gfx::drawLine(s, 2, 2, w - 2, 2, fromHex(0xFDD889));
    gfx::drawLine(s, 2, h - 3, w - 2, h - 3, fromHex(0xF8B330));
    gfx::drawLine(s, 2, h - 2, w - 2, h - 2, fromHex(0xE59710));
    gfx::gradientRows(s, fromHex(0xFDD889), fromHex(0xF8B330), 1, 2, 3, h - 5);
    gfx::gradientRows(s, fromHex(0xFDD889), fromHex(0xF8B330), w - 3, 2, w - 1, h - 5);
  } else if (state == kStateNormal && (st.hasFocus || st.displayAsDefault)) {
    gfx::drawLine(s, 2, h - 2, w - 2, h - 2, fromHex(0x6982EE));
    gfx::drawLine(s, 2, 1, w - 2, 1, fromHex(0xCEE7FF));
    gfx::drawLine(s, 2, 2, w - 2, 2, fromHex(0xBCD4F6));
    gfx::drawLine(s, 2, h - 3, w - 2, h - 3, fromHex(0x89ADE4));
    gfx::gradientRows(s, fromHex(0xBCD4F6), fromHex(0x89ADE4), 1, 2, 3, h - 5);
    gfx::gradientRows(s, fromHex(0xBCD4F6), fromHex(0x89ADE4), w - 3, 2, w - 1, h - 5);
  }
}

void customGradientFrame(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height(), state = st.buttonState;
  const Colour c = p.backColor;
  if (state == kStateNormal || state == kStateHot || state == kStateDefaulted) {
    fillBackground(s, out, c);
    gfx::gradientRows(s, c, sh(c, -15), 1, 1, w - 2, h - 3);
    gfx::gradientRows(s, sh(c, 21), sh(c, -21), 1, 2, 2, h - 5);
    gfx::gradientRows(s, sh(c, -5), sh(c, -32), w - 2, 2, w - 3, h - 5);
    gfx::drawLine(s, 2, 1, w - 2, 1, sh(c, 5));
    gfx::drawLine(s, 1, 2, w - 1, 2, sh(c, 2));
    gfx::drawLine(s, 2, h - 4, w - 2, h - 4, sh(c, -16));
    gfx::drawLine(s, 2, h - 3, w - 2, h - 3, sh(c, -24));
    gfx::drawLine(s, 2, h - 2, w - 2, h - 2, sh(c, -37));
    const Colour dark = sh(c, -128);
    gfx::drawLine(s, 2, 0, w - 2, 0, dark);
    gfx::drawLine(s, 0, 2, 0, h - 2, dark);
    gfx::drawLine(s, 2, h - 1, w - 2, h - 1, dark);
    gfx::drawLine(s, w - 1, 0, w - 1, h, dark);
    pixels(s, {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}}, dark);
    pixels(s, {{1, 0}, {w - 2, 0}, {0, 1}, {0, h - 2}, {1, h - 1}, {w - 2, h - 1}, {w - 1, 1}, {w - 1, h - 2}},
           sh(c, -21));
    if (state == kStateHot || state == kStateDefaulted || (st.hasFocus && p.showFocus)) {
      // Only the hot look takes the custom highlight; focus and default use the system's.
      const Colour l = state == kStateHot ? p.highlightColor : sysColour(st, gfx::kColorHighlight);
      gfx::drawLine(s, 2, 1, w - 2, 1, sh(l, 85));
      gfx::drawLine(s, 2, 2, w - 2, 2, sh(l, 69));
      gfx::drawLine(s, 2, h - 3, w - 2, h - 3, sh(l, 16));
      gfx::drawLine(s, 2, h - 2, w - 2, h - 2, l);
      gfx::gradientRows(s, sh(l, 69), sh(l, 16), 1, 2, 3, h - 5);
      gfx::gradientRows(s, sh(l, 69), sh(l, 16), w - 3, 2, w - 1, h - 5);
    }
  } else if (state == kStatePressed) {
    gfx::gradientRows(s, sh(c, -37), sh(c, -21), 2, 1, w - 1, 4);
    gfx::gradientRows(s, sh(c, -21), sh(c, -5), 2, 4, w - 1, h - 8);
    gfx::gradientRows(s, sh(c, -5), sh(c, 5), 3, h - 4, w - 1, 3);
    gfx::gradientRows(s, sh(c, -32), sh(c, -22), 1, 3, 2, h - 5);
    gfx::gradientRows(s, sh(c, -24), sh(c, -15), 2, 4, 3, h - 7);
    pixels(s, {{1, 2}, {2, 1}, {w - 3, 1}}, sh(c, -48));
    s.setPixel(2, h - 2, sh(c, -5));
    s.setPixel(1, h - 3, sh(c, -16));
    s.setPixel(w - 2, h - 3, sh(c, 18));
    s.setPixel(w - 3, h - 2, sh(c, 8));
    s.setPixel(w - 2, 2, sh(c, -37));
    const Colour dark = sh(c, -128);
    gfx::drawLine(s, 1, 0, w - 1, 0, dark);
    gfx::drawLine(s, 0, 1, 0, h - 1, dark);
    gfx::drawLine(s, w - 1, 1, w - 1, h - 1, dark);
    gfx::drawLine(s, 1, h - 1, w - 1, h - 1, dark);
    pixels(s, {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}}, sh(c, -96));
  } else if (state == kStateDisabled) {
    fillBackground(s, out, c);
    gfx::outlineRect(s, 0, 0, w - 1, h - 1, sh(c, -64));
    disabledCorners(s, w, h, sh(c, -53));
  }
}

}  // namespace

void paintRaisedEdge(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height();
  Colour fill = sysColour(st, gfx::kColorBtnFace);
  if (p.useCustomColors) fill = st.buttonState == kStateNormal ? p.backColor : p.highlightColor;
  fillBackground(s, out, fill);
  gfx::edgeRect(s, 0, 0, w, h, st.buttonState == kStatePressed ? gfx::kEdgeSunken : gfx::kEdgeRaised, gfx::kSidesAll,
                edgeColours(st));
  if ((st.hasFocus && p.showFocus) || (!st.hasFocus && st.displayAsDefault)) gfx::outlineRect(s, 0, 0, w - 1, h - 1, 0);
}

void paintThinEdge(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height();
  const Colour fill = thinFill(p, st);
  fillBackground(s, out, fill);
  switch (st.buttonState) {
    case kStateNormal:
    case kStateHot:
    case kStateDefaulted: gfx::edgeRect(s, 0, 0, w, h, gfx::kRaisedInner, gfx::kSidesAll, edgeColours(st)); break;
    case kStatePressed: gfx::edgeRect(s, 0, 0, w, h, gfx::kSunkenOuter, gfx::kSidesAll, edgeColours(st)); break;
    case kStateDisabled: gfx::outlineRect(s, 0, 0, w - 1, h - 1, fill); break;
    default: break;
  }
}

void paintFlatHot(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height();
  const Colour fill = thinFill(p, st);
  fillBackground(s, out, fill);
  switch (st.buttonState) {
    case kStateNormal: {
      const Colour base = baseColour(p, st);
      fillBackground(s, out, base);
      gfx::outlineRect(s, 0, 0, w - 1, h - 1, base);
      break;
    }
    case kStateHot: gfx::edgeRect(s, 0, 0, w, h, gfx::kRaisedInner, gfx::kSidesAll, edgeColours(st)); break;
    case kStatePressed: gfx::edgeRect(s, 0, 0, w, h, gfx::kSunkenOuter, gfx::kSidesAll, edgeColours(st)); break;
    default: gfx::outlineRect(s, 0, 0, w - 1, h - 1, fill); break;
  }
}

void paintEtched(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height();
  const Colour base = baseColour(p, st), shadow = sysColour(st, gfx::kColorBtnShadow);
  fillBackground(s, out, base);
  Colour f = base;
  if (st.buttonState == kStateHot)
    f = p.useCustomColors ? gfx::mixColors(p.highlightColor, p.backColor)
                          : gfx::mixColors(shadow, sysColour(st, gfx::kColorBtnFace));
  else if (st.buttonState == kStatePressed) f = p.useCustomColors ? p.highlightColor : shadow;
  s.fillRect(st.clientRect, f);
  gfx::etchedFrame(s, 0, 0, w - 1, h - 1, shadow, sysColour(st, gfx::kColorWindow), f);
}

void paintTinted(gfx::Surface& s, const Properties& p, const BodyState& st) {
  const int w = s.width(), h = s.height();
  const Colour hl = highlightColour(p, st);
  switch (st.buttonState) {
    case kStateNormal:
    case kStateDisabled:
    case kStateDefaulted: gfx::fillBox(s, 0, 0, w, h, gfx::lightenColor(baseColour(p, st), 32)); break;
    case kStateHot:
      gfx::fillBox(s, 0, 0, w - 1, h - 1, gfx::lightenColor(hl, 176));
      gfx::outlineRect(s, 0, 0, w - 1, h - 1, hl);
      break;
    case kStatePressed:
      gfx::fillBox(s, 0, 0, w - 1, h - 1, gfx::lightenColor(hl, 128));
      gfx::outlineRect(s, 0, 0, w - 1, h - 1, hl);
      break;
    default: break;
  }
}

void paintGradientFrame(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  if (p.useCustomColors) customGradientFrame(s, p, st, out);
  else fixedGradientFrame(s, st, out);
}

void paintSystemTheme(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  fillBackground(s, out, sysColour(st, gfx::kColorBtnFace));
  const int t = st.hasFocus && st.buttonState == kStateNormal ? kThemeDefaulted : st.buttonState;
  bool drawn = false;
  if (std::unique_ptr<OpenTheme> theme = st.theme ? st.theme->open("Button") : nullptr) {
    if (p.roundedBordersByTheme) {
      const gfx::Rect r = st.clientRect;
      if (auto shape = theme->backgroundRegion(kThemePushButton, t, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}))
        out.windowRegion = std::move(*shape);
    }
    drawn = theme->drawBackground(s, kThemePushButton, t, st.clientRect, st.clientRect);
  }
  // For good: the next repaint, and a later store, have the fallback style.
  if (!drawn) out.style = p.nonThemeStyle;
}

}  // namespace controls::stylebutton::styles
