// The about box: what About() does to the panel, and the panel's paint.
#include "controls/stylebutton/about_box.h"

#include <algorithm>
#include <utility>

#include "controls/stylebutton/style_button.h"
#include "core/rounding.h"

namespace controls::stylebutton {

namespace {

using common::FontSpec;

constexpr gfx::Colour kLinkBlue = 0xFF0000;  // #0000FF
constexpr unsigned kLineFlags = kTextSingleLine | gfx::kTextVCenter;

// Three of the rectangles have their bottom above their top; what counts is the centre line
// between the two values and the span they clip the text to, so they are drawn top first.
gfx::Rect span(int left, int top, int right, int bottom) {
  return {left, std::min(top, bottom), right, std::max(top, bottom)};
}

// The author and link lines are ours: the program's own maker and site.
struct Line {
  std::string_view text;
  FontSpec font;
  gfx::Rect rect;
};

FontSpec verdana(double size, bool bold = false, bool underline = false) {
  FontSpec f;
  f.face = "Verdana";
  f.size = size;
  f.bold = bold;
  f.underline = underline;
  return f;
}

int channel(gfx::Colour c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// Line i of 26 between the ends, each channel rounded on its own.
gfx::Colour faceLine(gfx::Colour from, gfx::Colour to, int i) {
  gfx::Colour out = 0;
  for (int shift : {0, 8, 16}) {
    const int a = channel(from, shift), b = channel(to, shift);
    const auto v = core::roundHalfEven(a + (b - a) * static_cast<double>(i) / 26.0);
    out |= static_cast<gfx::Colour>(std::clamp<std::int64_t>(v, 0, 255)) << shift;
  }
  return out;
}

}  // namespace

std::string aboutTitle(std::string_view version) { return "About StyleButton " + std::string(version); }

void paintAbout(gfx::Surface& s, FontedText& text, const gfx::SystemColours& system, std::string_view version) {
  const gfx::Colour ink = system[gfx::kColorBtnText];
  const std::string versionLine = "Version " + std::string(version);
  const Line lines[] = {
      {"StyleButton", verdana(18), span(20, 10, 220, 40)},
      {versionLine, verdana(10), span(160, 70, 300, 20)},
      {"Quillmar Folder Vardel", verdana(10, true), span(20, 110, 250, 20)},
      {"https://www.quillmar.example", verdana(10), span(20, 140, 250, 20)},
  };
  for (const Line& l : lines) text.draw(s, l.font, l.text, l.rect, kLineFlags, ink);
  paintAboutClose(s, text, system, false);
}

void paintAboutClose(gfx::Surface& s, FontedText& text, const gfx::SystemColours& system, bool pressed) {
  const gfx::Colour face = system[gfx::kColorBtnFace];
  gfx::Colour light = gfx::shiftColor(face, 15), dark = gfx::shiftColor(face, -15);
  if (pressed) std::swap(light, dark);
  for (int i = 0; i <= 26; ++i) gfx::drawLine(s, 290, 80 + i, 360, 80 + i, faceLine(light, dark, i));

  const gfx::Colour shadow = system[gfx::kColorBtnShadow];
  static constexpr int kOutline[][4] = {{292, 80, 358, 80},   {292, 80, 290, 82},  {358, 80, 360, 82},
                                        {290, 82, 290, 104},  {360, 82, 360, 106}, {290, 104, 292, 106},
                                        {360, 104, 357, 107}, {292, 106, 358, 106}};
  for (const auto& l : kOutline) gfx::drawLine(s, l[0], l[1], l[2], l[3], shadow);

  static constexpr int kCorners[][2] = {{290, 80},  {291, 80},  {290, 81},  {360, 80},  {359, 80},  {360, 81},
                                        {290, 106}, {291, 106}, {290, 105}, {360, 106}, {359, 106}, {360, 105}};
  for (const auto& p : kCorners) s.setPixel(p[0], p[1], face);

  text.draw(s, verdana(8, false, true), "Close", {290, 80, 360, 106}, kLineFlags | gfx::kTextCenter, kLinkBlue);
}

void StyleButton::about() {
  AboutPort* panel = host_.aboutPanel();
  if (!panel) return;
  if (!panel->show()) return;
  if (!panel->setStyle(aboutStyle_ + kAboutFrameStyle)) return;
  if (!panel->makeTopmost()) return;
  if (!panel->applyFrame()) return;
  if (!panel->setTitle(aboutTitle(version()))) return;
  if (!panel->applyFrame()) return;
  panel->detach();
}

}  // namespace controls::stylebutton
