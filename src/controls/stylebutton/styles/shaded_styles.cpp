#include "controls/stylebutton/styles/shaded_styles.h"

namespace controls::stylebutton::styles {

namespace {

using gfx::Colour;

Colour sh(Colour c, int d) { return gfx::shiftColor(c, d); }

}  // namespace

void paintShadedBevel(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height();
  const Colour base = baseColour(p, st), face = sysColour(st, gfx::kColorBtnFace);
  // States outside the table take the resting column.
  int state = st.buttonState;
  if (state < kStateNormal || state > kStateDefaulted) state = kStateNormal;
  const bool resting = state == kStateNormal || state == kStateDefaulted;
  Colour k = sh(base, 8);
  if (state == kStateHot) k = sh(base, 24);
  else if (state == kStatePressed) k = sh(base, -9);
  else if (state == kStateDisabled) k = sh(base, 18);

  if (state == kStatePressed) {
    gfx::gradientRows(s, sh(k, -15), k, 1, 1, w - 2, h - 2);
    gfx::gradientRows(s, sh(k, -32), sh(k, -5), 1, 2, 2, h - 5);
    gfx::gradientRows(s, sh(k, -21), sh(k, 21), w - 2, 2, w - 3, h - 5);
  } else {
    fillBackground(s, out, k);
    const int spread = state == kStateHot ? 16 : 15;
    gfx::gradientRows(s, sh(k, spread), sh(k, -spread), 1, 1, w - 2, h - 3);
    gfx::gradientRows(s, sh(k, 21), sh(k, -21), 1, 2, 2, h - 5);
    gfx::gradientRows(s, sh(k, -5), sh(k, -32), w - 2, 2, w - 3, h - 5);
  }
  const Colour outline = sh(k, -96);
  gfx::drawLine(s, 2, 0, w - 2, 0, outline);
  gfx::drawLine(s, 0, 2, 0, h - 2, outline);
  gfx::drawLine(s, 2, h - 1, w - 2, h - 1, outline);
  gfx::drawLine(s, w - 1, 0, w - 1, h, outline);
  for (gfx::Point q : {gfx::Point{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}}) s.setPixel(q.x, q.y, outline);
  const Colour corner = state == kStateDisabled ? sh(base, 5) : sh(base, -21);
  for (gfx::Point q :
       {gfx::Point{1, 0}, {w - 2, 0}, {0, 1}, {0, h - 2}, {1, h - 1}, {w - 2, h - 1}, {w - 1, 1}, {w - 1, h - 2}})
    s.setPixel(q.x, q.y, corner);
  Colour top = sh(base, 21), bottom = sh(base, -37);
  if (state == kStateHot) top = sh(face, 21), bottom = sh(face, -16);
  else if (state == kStatePressed) top = sh(base, -21), bottom = sh(base, 8);
  gfx::drawLine(s, 2, 1, w - 2, 1, top);
  gfx::drawLine(s, 2, h - 2, w - 2, h - 2, bottom);
  if (state == kStateHot || (resting && (state == kStateDefaulted || st.hasFocus))) {
    const Colour hl = highlightColour(p, st);
    gfx::drawLine(s, 2, 1, w - 2, 1, sh(hl, 21));
    gfx::drawLine(s, 1, 2, w - 1, 2, sh(hl, 21));
    gfx::drawLine(s, 1, h - 3, w - 1, h - 3, sh(hl, -5));
    gfx::drawLine(s, 2, h - 2, w - 2, h - 2, sh(hl, -21));
  }
}

void paintShadedOutline(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height();
  const Colour base = baseColour(p, st);
  const bool pressed = st.buttonState == kStatePressed;
  const Colour body = st.buttonState == kStateNormal
                          ? base
                          : (p.useCustomColors ? p.highlightColor : sh(sysColour(st, gfx::kColorBtnFace), 15));
  const Colour o = !pressed && st.hasFocus ? sh(base, -96) : sh(base, -48);
  fillBackground(s, out, body);
  if (pressed) gfx::gradientRows(s, sh(body, -15), sh(body, 15), 2, 2, w - 3, h - 6);
  else gfx::gradientRows(s, sh(body, 15), sh(body, -15), 2, 2, w - 3, h - 6);
  const Colour lit = sh(body, 96);
  gfx::drawLine(s, 2, 1, w - 3, 1, pressed ? body : lit);
  gfx::drawLine(s, 1, 2, 1, h - 3, pressed ? body : lit);
  gfx::drawLine(s, 2, h - 3, w - 2, h - 3, pressed ? lit : body);
  gfx::drawLine(s, w - 2, 2, w - 2, h - 3, pressed ? lit : body);
  gfx::drawLine(s, 2, 0, w - 3, 0, o);
  gfx::drawLine(s, 0, 2, 0, h - 3, o);
  gfx::drawLine(s, 2, h - 2, w - 3, h - 2, o);
  gfx::drawLine(s, w - 2, 2, w - 2, h - 3, o);
  for (gfx::Point q : {gfx::Point{1, 1}, {1, h - 3}, {w - 3, 1}, {w - 3, h - 3}}) s.setPixel(q.x, q.y, o);
  const Colour soft = sh(o, 21);
  gfx::drawLine(s, 3, h - 1, w - 4, h - 1, soft);
  gfx::drawLine(s, w - 1, 3, w - 1, h - 4, soft);
  gfx::drawLine(s, w - 4, h - 1, w, h - 5, soft);
  gfx::drawLine(s, w - 3, h - 1, w, h - 4, sh(soft, 15));
}

void paintSplitGloss(gfx::Surface& s, const Properties& p, const BodyState& st, BodyResult& out) {
  const int w = s.width(), h = s.height();
  const Colour base = baseColour(p, st);
  const Colour x = p.useCustomColors ? p.highlightColor : sysColour(st, gfx::kColorBtnFace);
  Colour k = sh(base, 15);
  if (st.buttonState == kStateNormal) k = sh(base, -15);
  else if (st.buttonState == kStateHot) k = sh(x, 1);
  else if (st.buttonState == kStatePressed) k = sh(x, 24);
  // H / 2 - j rounded once, halves to even, in whole numbers: 2 (H / 2 - j) = H - 2 j.
  const auto half = [h](int j) {
    const int twice = h - 2 * j;
    if (twice % 2 == 0) return twice / 2;
    const int below = (twice - 1) / 2;  // exact: twice - 1 is even
    return below % 2 == 0 ? below : below + 1;
  };
  const auto rows = [&s, k](int d1, int d2, int x1, int y0, int x2, int n) {
    gfx::gradientRows(s, sh(k, d1), sh(k, d2), x1, y0, x2, n);
  };
  const auto columns = [&s, k](int d1, int d2, int x1, int y1, int x2, int y2) {
    gfx::gradientColumns(s, sh(k, d1), sh(k, d2), x1, y1, x2, y2);
  };
  const auto line = [&s, k](int d, int x1, int y1, int x2, int y2) { gfx::drawLine(s, x1, y1, x2, y2, sh(k, d)); };

  fillBackground(s, out, k);
  rows(32, -32, 5, 2, w - 5, h - 6);
  rows(128, -128, 0, 0, 1, h - 4);
  rows(0, -37, 2, 4, 3, half(7));
  rows(0, -53, 3, 3, 4, half(7));
  rows(0, -37, 4, 2, 5, half(7));
  rows(37, 5, 5, 2, 6, half(4));
  rows(-37, -32, 2, half(2), 3, half(5));
  rows(-53, -32, 3, half(3), 4, half(3));
  rows(-37, -32, 4, half(4), 5, half(1));
  rows(5, -5, 5, half(4), 6, half(3));
  columns(-53, -32, 5, h - 5, 12, h - 6);
  columns(-56, -32, 4, h - 6, 7, h - 7);
  columns(-37, -32, 3, h - 7, 5, h - 8);
  rows(128, -128, w - 2, 0, w - 1, h - 4);
  rows(128, -48, w - 1, 0, w, half(0));
  rows(-64, -8, w - 1, half(0), w, half(4));
  rows(0, -37, w - 4, 4, w - 3, half(5));
  rows(0, -48, w - 5, 3, w - 4, half(4));
  rows(0, -37, w - 6, 2, w - 5, half(3));
  rows(37, 5, w - 7, 2, w - 6, half(4));
  rows(-37, -21, w - 4, half(0), w - 3, half(5));
  rows(-48, -37, w - 5, half(0), w - 4, half(5));
  rows(-37, -53, w - 6, half(0), w - 5, half(4));
  rows(-5, -37, w - 7, half(0), w - 6, half(4));
  columns(-32, -53, w - 15, h - 4, w - 7, h - 3);
  line(48, 3, 0, w - 3, 0);
  line(48, 1, 1, w - 1, 1);
  line(0, 5, 1, w - 5, 1);
  columns(32, 0, w - 11, 2, w - 4, 3);
  columns(32, 0, w - 10, 3, w - 5, 4);
  columns(32, 0, w - 9, 4, w - 6, 5);
  line(128, 6, 3, 7, 3);
  line(-16, 3, h - 1, w - 3, h - 1);
  line(-128, 2, h - 2, w - 3, h - 2);
  line(0, 7, h - 3, w - 7, h - 3);
  s.setPixel(1, h - 3, sh(k, -112));
  s.setPixel(w - 3, h - 3, sh(k, -112));
  line(-21, w - 4, h - 1, w - 1, h - 4);
}

}  // namespace controls::stylebutton::styles
