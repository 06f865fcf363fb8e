#pragma once
// Paints one body straight through the dispatcher on a surface that starts magenta (a colour no
// painter uses), with the classic system colours of the fake host.
#include "controls/stylebutton/styles/painters.h"
#include "core/colour.h"
#include "unit/controls/stylebutton/fake_host.h"
#include "unit/gfx/pixel_expect.h"

namespace testpaint {

using controls::stylebutton::Properties;
using controls::stylebutton::styles::BodyResult;
using core::fromHex;

inline constexpr gfx::Colour kUntouched = 0xFF00FF;
// The custom colours the cases use: a mid gray body and a dark blue highlight.
inline constexpr gfx::Colour kBack = 0x808080;
inline const gfx::Colour kHighlight = fromHex(0x204060);

inline Properties props(int style, bool custom = false) {
  Properties p;
  p.style = style;
  p.useCustomColors = custom;
  p.backColor = kBack;
  p.highlightColor = kHighlight;
  p.nonThemeStyle = 5;
  return p;
}

struct Look {
  int state = 1;
  bool focus = false;
  bool asDefault = false;
};

struct Painted {
  gfx::Surface s;
  BodyResult result;
};

inline Painted paint(const Properties& p, Look look, int w, int h, controls::stylebutton::ThemePort* theme = nullptr) {
  static const gfx::SystemColours system = testhost::classicColours();
  Painted out{gfx::Surface(w, h), {}};
  out.s.clear(kUntouched);
  out.result = controls::stylebutton::styles::paintBody(
      out.s, p, {look.state, look.focus, look.asDefault, {0, 0, w, h}, system, theme});
  return out;
}

}  // namespace testpaint
