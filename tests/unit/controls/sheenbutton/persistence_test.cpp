// Properties and persistence: the table's New, Loaded and Written-unless values, the setters'
// effects, the colour schemes, create, load and store.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fake_host.h"
#include "core/text.h"
#include "support/sequence.h"

namespace controls::sheenbutton::fake {
namespace {

using testsupport::sameSequence;
using Strings = std::vector<std::string>;

std::string text(Colour c) { return std::to_string(c); }

TEST(SheenPersistence, EmptySettingsLoadTheLoadedColumn) {
  FakeHost host;
  SheenButton b(host);
  b.setChecked(true);  // Checked keeps the value it has when its key is missing
  ASSERT_TRUE(b.load({}));
  EXPECT_TRUE(b.enabled());
  EXPECT_EQ(b.caption(), "SheenButton");
  EXPECT_EQ(b.font(), (FontSpec{"Segoe UI", 9})) << "the container's ambient font";
  EXPECT_EQ(b.iconHighLiteColor(), core::fromHex(0x00FF00));
  EXPECT_EQ(b.captionHighLiteColor(), core::fromHex(0x00FF00));
  EXPECT_EQ(b.colorButtonUp(), core::fromHex(0x5099E9));
  EXPECT_EQ(b.colorButtonDown(), core::fromHex(0x5099E9));
  EXPECT_EQ(b.colorButtonHover(), core::fromHex(0x90C0FF));
  EXPECT_EQ(b.colorBright(), core::fromHex(0xB0EDFF));
  EXPECT_EQ(b.style(), 0);
  EXPECT_TRUE(b.checked());
  EXPECT_TRUE(b.isReady());
}

TEST(SheenPersistence, StoreWritesInItsOrderAndAlwaysTheAlwaysKeys) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(b.load({}));
  PropertyBag bag;
  b.store(bag);
  Strings keys;
  for (const auto& [k, v] : bag.entries()) keys.push_back(k + "=" + v);
  EXPECT_TRUE(sameSequence(
      {"Checked=0", "ColorButtonHover=" + text(core::fromHex(0x90C0FF)),
       "ColorButtonUp=" + text(core::fromHex(0x5099E9)), "ColorButtonDown=" + text(core::fromHex(0x5099E9)),
       "BorderBrightness=0", "ColorBright=" + text(core::fromHex(0xB0EDFF)), "DisplayHand=0", "ColorScheme=0"},
      keys));

  b.setEnabled(false);
  b.setCaption("Add");
  b.setStyle(7);
  b.setFont({"MS Sans Serif", 8.25});
  b.setIconHighLiteColor(0);
  b.setPictureAlignment(2);
  PropertyBag all;
  b.store(all);
  keys.clear();
  for (const auto& [k, v] : all.entries()) keys.push_back(k);
  EXPECT_TRUE(sameSequence(
      {"Enabled", "Font", "Caption", "IconHighLiteColor", "PictureAlignment", "Style", "Checked", "ColorButtonHover",
       "ColorButtonUp", "ColorButtonDown", "BorderBrightness", "ColorBright", "DisplayHand", "ColorScheme"},
      keys));
}

TEST(SheenPersistence, LoadTakesLowerCaseKeysAndStoresValuesWithoutSideEffects) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(b.load({{"style", "7"},
                      {"caption", ""},
                      {"borderbrightness", "150"},
                      {"colorscheme", "3"},
                      {"colorbuttonup", text(core::fromHex(0x123456))},
                      {"font", "MS Sans Serif,8.25"},
                      {"picturealignment", "9"}}));
  EXPECT_EQ(b.style(), 7);
  EXPECT_EQ(b.caption(), "");
  EXPECT_EQ(b.borderBrightness(), 150) << "no clamping at load";
  EXPECT_EQ(b.colorScheme(), 3);
  EXPECT_EQ(b.colorButtonUp(), core::fromHex(0x123456)) << "no scheme applied at load";
  EXPECT_EQ(b.pictureAlignment(), 9) << "out of range is kept";
  EXPECT_EQ(host.font(), (FontSpec{"MS Sans Serif", 8.25})) << "the font goes to the surface";
  EXPECT_TRUE(host.log.empty() || std::find(host.log.begin(), host.log.end(), "changed Style") == host.log.end());
  for (const std::string& line : host.log) EXPECT_EQ(line.rfind("changed", 0), std::string::npos) << line;
  EXPECT_EQ(host.paints, 0) << "load does not repaint";
}

// Every key holds a value that differs from a running control's first values; a bad value at one key keeps the
// keys read before it, in the load's order, and leaves the rest as they were.
TEST(SheenPersistence, AWrongTypeStopsTheLoadAtThatKeyInLoadOrder) {
  struct Key {
    const char* key;
    const char* good;
    std::function<bool(const SheenButton&)> loaded;
  };
  const std::vector<Key> order = {
      {"Enabled", "-1", [](const SheenButton& b) { return b.enabled(); }},
      {"Font", "Arial,10", [](const SheenButton& b) { return b.font().face == "Arial"; }},
      {"Caption", "Go", [](const SheenButton& b) { return b.caption() == "Go"; }},
      {"CaptionHighLite", "-1", [](const SheenButton& b) { return b.captionHighLite(); }},
      {"CaptionHighLiteColor", "5", [](const SheenButton& b) { return b.captionHighLiteColor() == 5; }},
      {"IconHighLite", "-1", [](const SheenButton& b) { return b.iconHighLite(); }},
      {"IconHighLiteColor", "6", [](const SheenButton& b) { return b.iconHighLiteColor() == 6; }},
      {"ForeColor", "7", [](const SheenButton& b) { return b.foreColor() == 7; }},
      {"Picture", "arrow.ico", [](const SheenButton& b) { return !b.picture().empty(); }},
      {"PictureAlignment", "2", [](const SheenButton& b) { return b.pictureAlignment() == 2; }},
      {"Style", "7", [](const SheenButton& b) { return b.style() == 7; }},
      {"Checked", "-1", [](const SheenButton& b) { return b.checked(); }},
      {"ColorButtonHover", "8", [](const SheenButton& b) { return b.colorButtonHover() == 8; }},
      {"ColorButtonUp", "9", [](const SheenButton& b) { return b.colorButtonUp() == 9; }},
      {"ColorButtonDown", "10", [](const SheenButton& b) { return b.colorButtonDown() == 10; }},
      {"ColorBright", "11", [](const SheenButton& b) { return b.colorBright() == 11; }},
      {"BorderBrightness", "12", [](const SheenButton& b) { return b.borderBrightness() == 12; }},
      {"DisplayHand", "-1", [](const SheenButton& b) { return b.displayHand(); }},
      {"ColorScheme", "4", [](const SheenButton& b) { return b.colorScheme() == 4; }},
  };
  for (std::size_t bad = 0; bad < order.size(); ++bad) {
    if (std::string(order[bad].key) == "Caption") continue;  // any text is a caption
    PropertyBag bag;
    for (std::size_t i = 0; i < order.size(); ++i)
      bag.write(core::asciiLower(order[i].key), i == bad ? "not a value" : order[i].good);
    FakeHost host;
    SheenButton b(host);
    EXPECT_FALSE(b.load(bag)) << order[bad].key;
    EXPECT_FALSE(b.isReady()) << order[bad].key;
    for (std::size_t i = 0; i < order.size(); ++i)
      EXPECT_EQ(order[i].loaded(b), i < bad) << "bad " << order[bad].key << ", key " << order[i].key;
  }
}

TEST(SheenPersistence, DisplayHandSelectsThePointerOnlyAtLoad) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(b.load({{"displayhand", "-1"}}));
  EXPECT_EQ(host.pointer, kPointerCustom);
  host.log.clear();
  const int paints = host.paints;
  b.setDisplayHand(false);
  EXPECT_EQ(host.pointer, kPointerCustom) << "not until the next load";
  EXPECT_TRUE(host.log.empty()) << "no notification";
  EXPECT_EQ(host.paints, paints) << "no repaint";
  ASSERT_TRUE(b.load({{"displayhand", "0"}}));
  EXPECT_EQ(host.pointer, kPointerArrow);
}

TEST(SheenPersistence, CreateGivesDesignDefaultsOnlyInDesignMode) {
  FakeHost design;
  design.user = false;
  SheenButton d(design);
  d.initNew("SheenButton3");
  EXPECT_EQ(d.caption(), "SheenButton3") << "one placed new shows its instance name";
  EXPECT_TRUE(d.enabled());
  EXPECT_EQ(d.colorButtonUp(), core::fromHex(0x5099E9));
  EXPECT_EQ(d.colorButtonHover(), core::fromHex(0x90C0FF));
  EXPECT_EQ(d.colorBright(), core::fromHex(0xB0EDFF));
  EXPECT_TRUE(d.isReady());

  FakeHost running;
  SheenButton r(running);
  r.initNew("SheenButton4");
  EXPECT_EQ(r.caption(), "SheenButton4");
  EXPECT_FALSE(r.enabled());
  EXPECT_EQ(r.colorButtonUp(), 0u);
  EXPECT_EQ(r.colorButtonHover(), 0u);
  EXPECT_EQ(r.colorBright(), 0u);
  EXPECT_TRUE(r.isReady());
}

TEST(SheenPersistence, TheHookIsSetUpAtLoadOnlyWhileRunningWithATrackingFunction) {
  const struct {
    bool user, tracking, hooked;
  } cases[] = {{true, true, true}, {false, true, false}, {true, false, false}};
  for (const auto& c : cases) {
    FakeHost host;
    host.user = c.user;
    host.tracking = c.tracking;
    SheenButton b(host);
    ASSERT_TRUE(b.load({}));
    EXPECT_EQ(b.hook().hooked(host.hwnd), c.hooked) << c.user << c.tracking;
    EXPECT_TRUE(host.dialogsPort.shown.empty()) << "no hook error";
    if (!c.hooked) continue;
    const MessageTable* before = b.hook().table(host.hwnd, kHookBefore);
    const MessageTable* after = b.hook().table(host.hwnd, kHookAfter);
    ASSERT_TRUE(before && after);
    EXPECT_EQ(before->count, 1);
    EXPECT_TRUE(before->has(kWmPaint));
    EXPECT_EQ(after->count, 2);
    EXPECT_TRUE(after->has(kWmMouseMove) && after->has(kWmMouseLeave));
  }
}

// What each setter tells the container and whether it repaints.
TEST(SheenPersistence, SettersNotifyAndRepaintAsTheTableSays) {
  const struct {
    const char* name;
    std::function<void(SheenButton&)> set;
    Strings notified;
    bool repaints;
  } cases[] = {
      {"DisplayHand", [](SheenButton& b) { b.setDisplayHand(true); }, {}, false},
      {"Enabled", [](SheenButton& b) { b.setEnabled(false); }, {"changed Enabled"}, true},
      {"BorderBrightness", [](SheenButton& b) { b.setBorderBrightness(5); }, {"changed m_BorderBrightness"}, true},
      {"IconHighLite", [](SheenButton& b) { b.setIconHighLite(true); }, {"changed IconHighLite"}, false},
      {"IconHighLiteColor", [](SheenButton& b) { b.setIconHighLiteColor(1); }, {"changed IconHighLiteColor"}, false},
      {"CaptionHighLite", [](SheenButton& b) { b.setCaptionHighLite(true); }, {"changed CaptionHighLite"}, false},
      {"CaptionHighLiteColor",
       [](SheenButton& b) { b.setCaptionHighLiteColor(1); },
       {"changed CaptionHighLiteColor"},
       false},
      {"ColorBright", [](SheenButton& b) { b.setColorBright(1); }, {"changed m_ColorBright"}, true},
      {"ColorButtonDown", [](SheenButton& b) { b.setColorButtonDown(1); }, {"changed m_ColorButtonDown"}, true},
      {"ColorButtonUp", [](SheenButton& b) { b.setColorButtonUp(1); }, {"changed m_ColorButtonUp"}, true},
      {"ColorButtonHover", [](SheenButton& b) { b.setColorButtonHover(1); }, {"changed m_ColorButtonHover"}, true},
      {"ForeColor", [](SheenButton& b) { b.setForeColor(1); }, {"changed ForeColor"}, true},
      {"Picture",
       [](SheenButton& b) { b.setPicture(*FakeHost().loadPicture("arrow.ico")); },
       {"changed Picture"},
       true},
      {"Checked", [](SheenButton& b) { b.setChecked(true); }, {"changed Checked"}, true},
      {"Style", [](SheenButton& b) { b.setStyle(7); }, {"changed Style", "shape"}, true},
      {"Style unchanged", [](SheenButton& b) { b.setStyle(0); }, {}, false},
      {"PictureAlignment", [](SheenButton& b) { b.setPictureAlignment(1); }, {"changed PictureAlignment"}, true},
      {"PictureAlignment unchanged", [](SheenButton& b) { b.setPictureAlignment(0); }, {}, false},
      {"Caption", [](SheenButton& b) { b.setCaption("x"); }, {"changed Caption"}, true},
      {"Font",
       [](SheenButton& b) {
         b.setFont({"Arial", 10});
       },
       {"changed Font"},
       true},
      {"ColorScheme 0", [](SheenButton& b) { b.setColorScheme(0); }, {"changed m_ColorScheme"}, true},
  };
  for (const auto& c : cases) {
    FakeHost host;
    SheenButton b(host);
    ASSERT_TRUE(b.load({}));
    host.log.clear();
    host.paints = 0;
    c.set(b);
    EXPECT_TRUE(sameSequence(c.notified, host.log)) << c.name;
    EXPECT_EQ(host.paints > 0, c.repaints) << c.name;
  }
}

TEST(SheenPersistence, SchemesApplyThroughTheColourSettersAndAHandSetColourResetsThem) {
  FakeHost host;
  SheenButton b(host);
  ASSERT_TRUE(b.load({}));
  host.log.clear();
  b.setColorScheme(3);
  EXPECT_EQ(b.colorButtonUp(), core::fromHex(0x000080));
  EXPECT_EQ(b.colorButtonHover(), core::fromHex(0x0000A0));
  EXPECT_EQ(b.colorButtonDown(), core::fromHex(0x0000F0));
  EXPECT_EQ(b.colorBright(), core::fromHex(0x0000FF));
  EXPECT_EQ(b.colorScheme(), 3);
  EXPECT_TRUE(sameSequence({"changed m_ColorButtonUp", "changed m_ColorButtonHover", "changed m_ColorButtonDown",
                            "changed m_ColorBright", "changed m_ColorScheme"},
                           host.log));
  host.log.clear();
  b.setColorButtonUp(core::fromHex(0x112233));
  EXPECT_EQ(b.colorScheme(), 0);
  EXPECT_TRUE(sameSequence({"changed m_ColorScheme", "changed m_ColorButtonUp"}, host.log)) << "reset first";
  EXPECT_EQ(b.colorButtonHover(), core::fromHex(0x0000A0));
  EXPECT_EQ(b.colorButtonDown(), core::fromHex(0x0000F0));
  EXPECT_EQ(b.colorBright(), core::fromHex(0x0000FF));

  const struct {
    int scheme;
    Colour up, hover, down, bright;
  } rows[] = {{1, core::fromHex(0x2067D0), core::fromHex(0x5099E9), core::fromHex(0x1067A0), core::fromHex(0xB0EDFF)},
              {2, core::fromHex(0x6090D0), core::fromHex(0x0060E0), core::fromHex(0x5080A9), core::fromHex(0xFAFAFF)},
              {4, core::fromHex(0x800000), core::fromHex(0xA00000), core::fromHex(0xF00000), core::fromHex(0xFF0000)},
              {5, core::fromHex(0x008000), core::fromHex(0x00A000), core::fromHex(0x00C000), core::fromHex(0x00FF00)},
              {6, core::fromHex(0x808000), core::fromHex(0xA0A000), core::fromHex(0xC0C000), core::fromHex(0xFFFF00)}};
  for (const auto& r : rows) {
    b.setColorScheme(r.scheme);
    EXPECT_EQ(b.colorScheme(), r.scheme);
    EXPECT_EQ(b.colorButtonUp(), r.up) << r.scheme;
    EXPECT_EQ(b.colorButtonHover(), r.hover) << r.scheme;
    EXPECT_EQ(b.colorButtonDown(), r.down) << r.scheme;
    EXPECT_EQ(b.colorBright(), r.bright) << r.scheme;
  }
  for (int v : {0, 9, -1}) {
    const Colour up = b.colorButtonUp();
    b.setColorScheme(v);
    EXPECT_EQ(b.colorScheme(), v);
    EXPECT_EQ(b.colorButtonUp(), up) << v << " changes no colour";
  }
}

TEST(SheenPersistence, BorderBrightnessIsClampedBySetter) {
  FakeHost host;
  SheenButton b(host);
  const struct { int set, stored; } cases[] = {{150, 100}, {-250, -100}, {100, 100}, {-100, -100}, {37, 37}};
  for (const auto& c : cases) {
    b.setBorderBrightness(c.set);
    EXPECT_EQ(b.borderBrightness(), c.stored) << c.set;
  }
}

}  // namespace
}  // namespace controls::sheenbutton::fake
