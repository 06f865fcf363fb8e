// The about box natively: what About() does to the panel, and the panel's paint on a surface.
#include "controls/stylebutton/about_box.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "support/sequence.h"
#include "unit/controls/stylebutton/fake_host.h"
#include "unit/gfx/pixel_expect.h"

namespace {

using controls::common::FontSpec;
using controls::stylebutton::StyleButton;
using core::fromHex;
using testhost::FakeAbout;
using testhost::FakeHost;
using Strings = std::vector<std::string>;

struct AboutCase {
  const char* name;
  bool placedNew;  // a new control records the panel's style; a loaded one does not
  std::uint32_t panelStyle;
  std::string refuse;
  Strings calls;
};

TEST(About, TurnsThePanelIntoACaptionedTopMostWindow) {
  const AboutCase cases[] = {
      {"loaded control: the frame alone",
       false,
       0x44000000,
       "",
       {"show", "style C60000", "topmost", "frame", "title \"About StyleButton 3.6.2\"", "frame", "detach"}},
      {"new control: added to the recorded style",
       true,
       0x44000000,
       "",
       {"show", "style 44C60000", "topmost", "frame", "title \"About StyleButton 3.6.2\"", "frame", "detach"}},
      {"a failing step ends it", false, 0, "topmost", {"show", "style C60000", "topmost"}},
  };
  for (const AboutCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    FakeAbout panel;
    panel.designStyle = c.panelStyle;
    host.aboutPort = &panel;
    StyleButton b(host);
    if (c.placedNew) b.initNew("StyleButton1");
    else ASSERT_TRUE(b.load({}));
    panel.refuse = c.refuse;
    b.about();
    EXPECT_TRUE(testsupport::sameSequence(c.calls, panel.log));
  }
}

// Each text with its font and where it went, and whether the Close face was under it already.
struct Drawn {
  std::string text;
  FontSpec font;
  gfx::Rect rect;
  unsigned flags;
  gfx::Colour colour;
  bool overFace;
};

class RecordingText final : public controls::stylebutton::FontedText {
 public:
  void draw(gfx::Surface& s, const FontSpec& font, std::string_view utf8, gfx::Rect r, unsigned flags,
            gfx::Colour colour) override {
    drawn.push_back({std::string(utf8), font, r, flags, colour, s.at(300, 90) != kBackground});
  }
  static constexpr gfx::Colour kBackground = 0xFF00FF;
  std::vector<Drawn> drawn;
};

FontSpec verdana(double size, bool bold = false, bool underline = false) {
  FontSpec f{"Verdana", size};
  f.bold = bold;
  f.underline = underline;
  return f;
}

TEST(AboutPaint, TextsInTheirFontsOnTheirCentreLinesThenCloseOverTheFace) {
  gfx::Surface s(377, 118);
  s.clear(RecordingText::kBackground);
  RecordingText text;
  controls::stylebutton::paintAbout(s, text, testhost::classicColours(), StyleButton::version());
  struct Want {
    std::string text;
    FontSpec font;
    int left, right, centre;
    unsigned flags;
    gfx::Colour colour;
    bool overFace;
  };
  const Want want[] = {
      {"StyleButton", verdana(18), 20, 220, 25, 36, 0, false},
      {"Version 3.6.2", verdana(10), 160, 300, 45, 36, 0, false},
      {"Quillmar Folder Vardel", verdana(10, true), 20, 250, 65, 36, 0, false},
      {"https://www.quillmar.example", verdana(10), 20, 250, 80, 36, 0, false},
      {"Close", verdana(8, false, true), 290, 360, 93, 37, fromHex(0x0000FF), true},
  };
  ASSERT_EQ(text.drawn.size(), std::size(want));
  for (std::size_t i = 0; i < std::size(want); ++i) {
    const Drawn& d = text.drawn[i];
    const Want& w = want[i];
    SCOPED_TRACE(w.text);
    EXPECT_EQ(d.text, w.text);
    EXPECT_EQ(d.font, w.font);
    EXPECT_EQ(d.rect.left, w.left);
    EXPECT_EQ(d.rect.right, w.right);
    EXPECT_LE(d.rect.top, d.rect.bottom) << "drawn top first";
    EXPECT_EQ((d.rect.top + d.rect.bottom) / 2, w.centre) << d.rect.top << ".." << d.rect.bottom;
    EXPECT_EQ(d.flags, w.flags);
    EXPECT_EQ(d.colour, w.colour);
    EXPECT_EQ(d.overFace, w.overFace);
  }
}

// The face of the classic button colour #D4D0C8 runs from #E3DFD7 (line 0) to #C5C1B9 (line 26).
// Line i of the resting face is line 26 - i of the pressed one.
const gfx::Colour kFace = fromHex(0xD4D0C8), kShadow = fromHex(0x808080);
const std::map<int, gfx::Colour> kLine = {{1, fromHex(0xE2DED6)},  {2, fromHex(0xE1DDD5)},  {3, fromHex(0xE0DCD4)},
                                          {4, fromHex(0xDEDAD2)},  {13, fromHex(0xD4D0C8)}, {22, fromHex(0xCAC6BE)},
                                          {23, fromHex(0xC8C4BC)}, {24, fromHex(0xC7C3BB)}, {25, fromHex(0xC6C2BA)}};

// The corners, as pictures: '.' untouched, F face, S shadow, digits a face line (a=1 ... , see legend).
testing::AssertionResult cornerMatches(const gfx::Surface& s, int x0, int y0, const std::vector<std::string>& rows,
                                       const std::map<char, gfx::Colour>& legend) {
  return testpix::pixelsMatch(s, [&](int x, int y) -> std::optional<gfx::Colour> {
    if (y < y0 || y >= y0 + static_cast<int>(rows.size())) return std::nullopt;
    const std::string& row = rows[static_cast<std::size_t>(y - y0)];
    if (x < x0 || x >= x0 + static_cast<int>(row.size())) return std::nullopt;
    return legend.at(row[static_cast<std::size_t>(x - x0)]);
  });
}

TEST(AboutPaint, CloseButtonFaceOutlineAndCornersRestingAndPressed) {
  for (bool pressed : {false, true}) {
    SCOPED_TRACE(pressed ? "pressed" : "resting");
    gfx::Surface s(377, 118);
    s.clear(RecordingText::kBackground);
    RecordingText text;
    controls::stylebutton::paintAboutClose(s, text, testhost::classicColours(), pressed);
    const auto line = [&](int i) { return kLine.at(pressed ? 26 - i : i); };
    const std::map<char, gfx::Colour> legend = {{'.', RecordingText::kBackground},
                                                {'F', kFace},
                                                {'S', kShadow},
                                                {'1', line(1)},
                                                {'2', line(2)},
                                                {'3', line(3)},
                                                {'w', line(22)},
                                                {'x', line(23)},
                                                {'y', line(24)},
                                                {'z', line(25)}};
    // Top left, from (288, 79).
    EXPECT_TRUE(cornerMatches(s, 288, 79,
                              {
                                  "......",
                                  "..FFSS",
                                  "..FS11",
                                  "..S222",
                                  "..S333",
                              },
                              legend));
    // Bottom right, from (355, 102): the last outline line runs on to (357, 107), end left out.
    EXPECT_TRUE(cornerMatches(s, 355, 102,
                              {
                                  "wwwwwS..",
                                  "xxxxxS..",
                                  "yyyyyS..",
                                  "zzzzSF..",
                                  "SSSSFF..",
                                  "........",
                              },
                              legend));
    EXPECT_TRUE(testpix::probesMatch(s, {{291, 93, kLine.at(13), "face reaches the left outline"},
                                         {359, 93, kLine.at(13), "and the right one"},
                                         {289, 93, RecordingText::kBackground, "nothing left of the button"},
                                         {361, 93, RecordingText::kBackground, "nothing right of it"}}));
    ASSERT_EQ(text.drawn.size(), 1u) << "the Close button alone";
    EXPECT_EQ(text.drawn[0].text, "Close");
    EXPECT_TRUE(text.drawn[0].overFace);
  }
}

}  // namespace
