// Properties, their stored settings and what each setter does.
#include <gtest/gtest.h>

#include "controls/stylebutton/style_button.h"
#include "unit/controls/stylebutton/fake_host.h"

namespace {

using controls::stylebutton::PropertyBag;
using controls::stylebutton::StyleButton;
using testhost::FakeHost;

std::vector<std::string> keys(const PropertyBag& bag) {
  std::vector<std::string> out;
  for (const auto& e : bag.entries()) out.push_back(e.first);
  return out;
}

TEST(StyleButtonSettings, NewControlStartsWithTheNewValues) {
  FakeHost host;
  StyleButton b(host);
  b.initNew("StyleButton1");
  EXPECT_EQ(b.style(), 0);
  EXPECT_EQ(b.caption(), "StyleButton1");
  EXPECT_EQ(b.nonThemeStyle(), 0);
  EXPECT_EQ(b.maskColor(), 0u);
  EXPECT_FALSE(b.roundedBordersByTheme());
  EXPECT_EQ(b.toolTipBackColor(), 0u);
  EXPECT_EQ(b.toolTipForeColor(), 0u);
  EXPECT_EQ(b.backColor(), host.system[gfx::kColorBtnFace]);
  EXPECT_EQ(b.font(), (controls::stylebutton::FontSpec{"Verdana", 8.25}));
  EXPECT_EQ(b.buttonState(), 0);
  EXPECT_EQ(b.iconMargin(), 4);
  EXPECT_EQ(b.captionFormat(), 17u);
  EXPECT_EQ(host.repaints, 0) << "nothing is painted yet";
}

TEST(StyleButtonSettings, NewControlStoredAtOnceWritesOnlyWhatDiffers) {
  FakeHost host;
  StyleButton b(host);
  b.initNew("StyleButton1");
  PropertyBag bag;
  b.store(bag);
  EXPECT_EQ(keys(bag),
            (std::vector<std::string>{"Icon", "Style", "Caption", "iNonThemeStyle", "Tooltiptitle", "ToolTipIcon",
                                      "ToolTipType", "ttForeColor", "Font", "MaskColor", "RoundedBordersByTheme"}));
  EXPECT_EQ(bag.find("Style"), "0");
  EXPECT_EQ(bag.find("ttForeColor"), "0") << "0 differs from the info-background default";
  EXPECT_FALSE(bag.find("ttBackColor")) << "0 is the info-text colour here, the write default";
  EXPECT_EQ(bag.find("RoundedBordersByTheme"), "0");
  EXPECT_EQ(bag.find("Font"), "Verdana,8.25");

  FakeHost again;
  StyleButton loaded(again);
  ASSERT_TRUE(loaded.load(bag));
  EXPECT_EQ(loaded.toolTipForeColor(), 0u);
  EXPECT_EQ(loaded.toolTipBackColor(), again.system[gfx::kColorInfoText]);
  EXPECT_EQ(loaded.style(), 0);
  EXPECT_EQ(loaded.caption(), "StyleButton1");
}

TEST(StyleButtonSettings, EmptyCaptionAndStyle3AreNotStoredAndComeBackAsTheLoadedValues) {
  FakeHost host;
  StyleButton b(host);
  b.initNew("StyleButton1");
  b.setCaption("");
  b.setStyle(3);
  PropertyBag bag;
  b.store(bag);
  EXPECT_FALSE(bag.find("Caption"));
  EXPECT_FALSE(bag.find("Style"));
  FakeHost again;
  StyleButton loaded(again);
  ASSERT_TRUE(loaded.load(bag));
  EXPECT_EQ(loaded.caption(), "StyleButton");
  EXPECT_EQ(loaded.style(), 3);
}

TEST(StyleButtonSettings, EmptyBagLoadsTheLoadedColumn) {
  FakeHost host;
  host.tip = "container tip";
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{}));
  EXPECT_EQ(b.style(), 3);
  EXPECT_EQ(b.caption(), "StyleButton");
  EXPECT_EQ(b.nonThemeStyle(), 5);
  EXPECT_EQ(b.iconAlign(), 1);
  EXPECT_EQ(b.iconSize(), 16);
  EXPECT_TRUE(b.enabled());
  EXPECT_EQ(b.maskColor(), 0xC0C0C0u);
  EXPECT_TRUE(b.roundedBordersByTheme());
  EXPECT_EQ(b.toolTipBackColor(), host.system[gfx::kColorInfoText]);
  EXPECT_EQ(b.toolTipForeColor(), host.system[gfx::kColorInfoBk]);
  EXPECT_EQ(b.font(), (controls::stylebutton::FontSpec{"MS Sans Serif", 8.25})) << "the surface's font";
  EXPECT_EQ(b.toolTipText(), "");
  EXPECT_EQ(host.tip, "") << "the control's own (empty) tip text goes to the container";
  EXPECT_EQ(b.buttonState(), controls::stylebutton::kStateNormal);
  EXPECT_TRUE(b.hookInstalled());
}

TEST(StyleButtonSettings, FormsSettingsWithLowerCaseKeys) {
  FakeHost host(40, 20);
  StyleButton b(host);
  const PropertyBag bag{{"style", "10"},        {"caption", "Lock Folders"}, {"tooltiptitle", ""},
                        {"tooltipicon", "0"},   {"tooltiptype", "1"},        {"font", "Verdana,8.25"},
                        {"tooltiptext", "tip"}, {"brtltext", "-1"},          {"usecustomcolors", "-1"}};
  ASSERT_TRUE(b.load(bag));
  EXPECT_EQ(b.style(), 10);
  EXPECT_EQ(b.caption(), "Lock Folders");
  EXPECT_EQ(b.font(), (controls::stylebutton::FontSpec{"Verdana", 8.25}));
  EXPECT_EQ(host.font(), b.font()) << "the font is handed to the surface";
  EXPECT_EQ(b.toolTipText(), "tip");
  EXPECT_EQ(host.tip, "tip");
  EXPECT_TRUE(b.rightToLeft());
  EXPECT_TRUE(b.useCustomColors());
}

TEST(StyleButtonSettings, StoreWritesEveryKeyInOrderWhenNothingIsDefault) {
  FakeHost host;
  host.tip = "container";
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{}));
  b.setIcon(*host.loadPicture("known.ico"));
  b.setStyle(10);
  b.setCaption("Ok");
  b.setIconSize(32);
  b.setIconAlign(2);
  b.setCaptionAlign(3);
  b.setNonThemeStyle(1);
  b.setEnabled(false);
  b.setShowFocus(true);
  b.setUseCustomColors(true);
  b.setBackColor(1);
  b.setHighlightColor(2);
  b.setFontColor(3);
  b.setFontHighlightColor(4);
  // The setter takes the container's tip (and empties the container's), whatever it is given.
  host.tip = "mine";
  b.setToolTipText("replaced");
  b.setToolTipTitle("t");
  b.setToolTipBackColor(5);
  b.setToolTipForeColor(6);
  b.setFont({"Tahoma", 10, true});
  b.setButtonType(1);
  b.setValue(true);
  b.setMaskColor(7);
  b.setUseMaskColor(true);
  b.setMousePointer(11);
  b.setRoundedBordersByTheme(false);
  b.setRightToLeft(true);
  PropertyBag bag;
  b.store(bag);
  EXPECT_EQ(keys(bag), (std::vector<std::string>{"Icon",
                                                 "Style",
                                                 "Caption",
                                                 "IconSize",
                                                 "IconAlign",
                                                 "CaptionAlign",
                                                 "iNonThemeStyle",
                                                 "Enabled",
                                                 "ShowFocus",
                                                 "USeCustomColors",
                                                 "BackColor",
                                                 "HighlightColor",
                                                 "FontColor",
                                                 "FontHighlightColor",
                                                 "ToolTipText",
                                                 "Tooltiptitle",
                                                 "ToolTipIcon",
                                                 "ToolTipType",
                                                 "ttBackColor",
                                                 "ttForeColor",
                                                 "Font",
                                                 "ButtonType",
                                                 "Value",
                                                 "MaskColor",
                                                 "UseMaskColor",
                                                 "MousePointer",
                                                 "RoundedBordersByTheme",
                                                 "bRTLText"}));
  EXPECT_EQ(bag.find("Icon"), "known.ico");
  EXPECT_EQ(bag.find("bRTLText"), "-1");
  EXPECT_EQ(bag.find("Enabled"), "0");
  EXPECT_EQ(bag.find("Font"), "Tahoma,10,bold");

  FakeHost again;
  again.tip = "container";
  StyleButton loaded(again);
  ASSERT_TRUE(loaded.load(bag));
  PropertyBag second;
  loaded.store(second);
  // Loading hands the stored tip to the container, so it now equals the write default.
  PropertyBag withoutTip;
  for (const auto& [k, v] : bag.entries())
    if (k != "ToolTipText") withoutTip.write(k, v);
  EXPECT_EQ(second.entries(), withoutTip.entries()) << "store, load, store: the same settings but the tip";
  EXPECT_EQ(again.tip, "mine");
  EXPECT_FALSE(again.windowEnabled) << "a control stored disabled loads with its window disabled";
}

TEST(StyleButtonSettings, ToolTipTextIsNotStoredWhenItEqualsTheContainersTip) {
  FakeHost host;
  host.tip = "same";
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"tooltiptext", "same"}}));
  PropertyBag bag;
  b.store(bag);
  EXPECT_FALSE(bag.find("ToolTipText"));
}

TEST(StyleButtonSettings, ColourEqualToTheSystemColourFollowsTheSystem) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{}));
  PropertyBag bag;
  b.store(bag);
  EXPECT_FALSE(bag.find("BackColor"));
  FakeHost other;
  other.system[gfx::kColorBtnFace] = 0x123456;
  StyleButton loaded(other);
  ASSERT_TRUE(loaded.load(bag));
  EXPECT_EQ(loaded.backColor(), 0x123456u);
}

TEST(StyleButtonSettings, AFailingReadStopsTheLoadAndLeavesLaterPropertiesAlone) {
  struct Case {
    const char* key;
    const char* value;
  };
  const Case cases[] = {{"iconsize", "40000"},
                        {"iconsize", "big"},
                        {"mousepointer", "70000"},
                        {"font", "Verdana"},
                        {"icon", "missing.ico"}};
  for (const Case& c : cases) {
    FakeHost host;
    StyleButton b(host);
    b.initNew("StyleButton1");
    EXPECT_FALSE(b.load(PropertyBag{{"caption", "Before"}, {c.key, c.value}, {"bRTLText", "-1"}})) << c.key;
    EXPECT_FALSE(b.rightToLeft()) << c.key << " read after the failure";
    EXPECT_FALSE(b.hookInstalled()) << c.key;
  }
  FakeHost host;
  StyleButton b(host);
  b.initNew("StyleButton1");
  EXPECT_FALSE(b.load(PropertyBag{{"captionalign", "3"}, {"iconsize", "big"}, {"style", "10"}}));
  EXPECT_EQ(b.style(), 10) << "style is read before the icon size";
  EXPECT_EQ(b.captionAlign(), 0) << "caption alignment is read after it";
}

TEST(StyleButtonSettings, SettersNotifyUnderTheirNamesAndDoTheirSteps) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{}));
  b.show();
  host.log.clear();
  b.setToolTipTitle("x");
  b.setToolTipIcon(1);
  b.setRightToLeft(true);
  b.setShowFocus(true);
  EXPECT_EQ(host.log, (std::vector<std::string>{"changed TooltipTitle", "changed TooltipIcon", "changed bRTLText",
                                                "changed ShowFocus"}));

  int before = host.repaints;
  b.setMousePointer(3);
  EXPECT_EQ(host.repaints, before) << "MousePointer does not repaint";
  EXPECT_EQ(host.pointer, 3);

  before = host.repaints;
  b.setStyle(10);
  EXPECT_EQ(host.repaints - before, 4) << "resize (with its repaint), repaint, twice";

  before = host.repaints;
  b.setCaption("Ok");
  EXPECT_EQ(host.repaints - before, 2);

  b.setEnabled(false);
  EXPECT_FALSE(host.windowEnabled);
  EXPECT_EQ(b.buttonState(), controls::stylebutton::kStateDisabled);
}

TEST(StyleButtonSettings, RightToLeftReachesTheCaptionOnlyAtTheNextResize) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{}));
  b.setRightToLeft(true);
  EXPECT_EQ(b.captionFormat(), 21u);
  b.resized();
  EXPECT_EQ(b.captionFormat(), 21u + 0x20000u);
  EXPECT_EQ(host.textRenderer.lastMeasureFlags, 1040u + 0x20000u);
}

TEST(StyleButtonMethods, VersionAndOpenLink) {
  FakeHost host;
  StyleButton b(host);
  EXPECT_EQ(StyleButton::version(), "3.6.2");
  host.shellResult = 2;
  EXPECT_EQ(b.openLink(""), 2) << "an empty link still goes to the shell";
  EXPECT_EQ(host.log.back(), "open ");
}

TEST(StyleButtonMethods, FontText) {
  EXPECT_EQ(controls::stylebutton::parseFont("Verdana, 8.25"), (controls::stylebutton::FontSpec{"Verdana", 8.25}));
  EXPECT_EQ(controls::stylebutton::parseFont("Arial,12,Bold,italic,underline,strikeout"),
            (controls::stylebutton::FontSpec{"Arial", 12, true, true, true, true}));
  EXPECT_FALSE(controls::stylebutton::parseFont("Arial,0"));
  EXPECT_FALSE(controls::stylebutton::parseFont("Arial,8,heavy"));
  EXPECT_FALSE(controls::stylebutton::parseFont(",8"));
}

}  // namespace
