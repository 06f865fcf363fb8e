// The control's own tooltip natively: the container's tip text taken and given back, where the
// building and removal come among the repaints and events, and what is sent to the tooltip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/stylebutton/style_button.h"
#include "support/sequence.h"
#include "unit/controls/stylebutton/fake_host.h"

namespace {

using controls::stylebutton::PropertyBag;
using controls::stylebutton::StyleButton;
using testhost::FakeHost;
using testhost::FakeTooltip;
using testsupport::sameSequence;
using Strings = std::vector<std::string>;

// A loaded, shown control whose repaints, events and tooltip calls go into one log.
class Tooltip : public testing::Test {
 protected:
  void start(PropertyBag bag) {
    host.tooltipPort = &tip;
    tip.log = &host.events;
    host.onEndPaint = [this] { host.events.push_back("paint"); };
    ASSERT_TRUE(b.load(bag));
    b.show();
    host.events.clear();
  }
  FakeHost host;
  FakeTooltip tip;
  StyleButton b{host};
};

TEST_F(Tooltip, TwoEntriesAndLeavesTakeTheContainersTipAndGiveItBack) {
  host.tip = "from before";
  start({{"tooltiptext", "Lock every listed folder"},
         {"tooltiptitle", "Lock"},
         {"tooltipicon", "1"},
         {"ttforecolor", "0"},
         {"ttbackcolor", "0"}});
  ASSERT_EQ(host.tip, "Lock every listed folder") << "the load gave the stored tip to the container";
  for (int cycle = 1; cycle <= 2; ++cycle) {
    SCOPED_TRACE(cycle);
    host.events.clear();
    b.hookMouseMove();
    EXPECT_EQ(host.tip, "") << "no second tip from the container while the pointer is over the control";
    EXPECT_EQ(b.toolTipText(), "Lock every listed folder");
    EXPECT_TRUE(tip.alive);
    b.hookMouseLeave();
    EXPECT_TRUE(sameSequence({"paint", "MouseEnter", "create 000043", "add 0,0,113,33 \"Lock every listed folder\"",
                              "title 1 \"Lock\"", "remove", "paint", "MouseLeave"},
                             host.events));
    EXPECT_EQ(host.tip, "Lock every listed folder");
    EXPECT_FALSE(tip.alive);
  }
  EXPECT_EQ(tip.made, 2);
}

struct SendCase {
  const char* name;
  PropertyBag settings;
  Strings sent;
};

TEST_F(Tooltip, WhatIsSentToTheTooltipWindow) {
  // The classic colours: info text black, info background #FFFFE1. A stored control that leaves
  // its tip colours at their defaults takes those two, crosswise.
  const SendCase cases[] = {
      {"the program's buttons: an untitled balloon; the defaults send only the info background",
       {{"tooltiptitle", ""}, {"tooltipicon", "0"}, {"tooltiptype", "1"}},
       {"create 000043", "add 0,0,113,33 \"\"", "text colour E1FFFF"}},
      {"a rectangular tip with the same title and icon",
       {{"tooltiptype", "0"}, {"tooltiptitle", "Lock"}, {"tooltipicon", "1"}, {"ttforecolor", "0"}},
       {"create 000003", "add 0,0,113,33 \"\"", "title 1 \"Lock\""}},
      {"any type but 1 is rectangular",
       {{"tooltiptype", "2"}, {"ttforecolor", "0"}},
       {"create 000003", "add 0,0,113,33 \"\""}},
      {"an icon without a title still sends the title",
       {{"tooltipicon", "3"}, {"ttforecolor", "0"}},
       {"create 000043", "add 0,0,113,33 \"\"", "title 3 \"\""}},
      {"black is never sent; plain colours go as they are",
       {{"ttforecolor", "0"}, {"ttbackcolor", "1193046"}},
       {"create 000043", "add 0,0,113,33 \"\"", "back colour 123456"}},
      {"system-colour references are resolved to the colour of now",
       {{"ttforecolor", "-2147483643"}, {"ttbackcolor", "-2147483624"}},
       {"create 000043", "add 0,0,113,33 \"\"", "text colour FFFFFF", "back colour AA0000"}},
      {"a reference to no system colour goes as it comes",
       {{"ttforecolor", "-2147483393"}},
       {"create 000043", "add 0,0,113,33 \"\"", "text colour FFFFFFFF"}},
  };
  for (const SendCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost h;
    FakeTooltip t;
    h.tooltipPort = &t;
    StyleButton button(h);
    ASSERT_TRUE(button.load(c.settings));
    h.system[gfx::kColorInfoBk] = 0xAA0000;  // changed since the load
    button.hookMouseMove();
    EXPECT_TRUE(sameSequence(c.sent, t.own));
  }
}

TEST_F(Tooltip, AFailingStepEndsTheBuilding) {
  const struct {
    const char* refuse;
    Strings sent;
  } cases[] = {
      {"create", {"create 000043"}},
      {"add", {"create 000043", "add 0,0,113,33 \"\""}},
      {"title", {"create 000043", "add 0,0,113,33 \"\"", "title 1 \"Lock\""}},
      {"text colour", {"create 000043", "add 0,0,113,33 \"\"", "title 1 \"Lock\"", "text colour 123456"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refuse);
    FakeHost h;
    FakeTooltip t;
    t.refuse = c.refuse;
    h.tooltipPort = &t;
    StyleButton button(h);
    ASSERT_TRUE(button.load(
        {{"tooltiptitle", "Lock"}, {"tooltipicon", "1"}, {"ttforecolor", "1193046"}, {"ttbackcolor", "255"}}));
    button.hookMouseMove();
    EXPECT_TRUE(sameSequence(c.sent, t.own));
    EXPECT_EQ(h.events, (Strings{"MouseEnter"})) << "the entry goes on as before";
  }
}

TEST_F(Tooltip, TheSetterTakesTheContainersTip) {
  start({{"ttforecolor", "0"}});
  host.tip = "the container's";
  b.setToolTipText("given");
  EXPECT_EQ(b.toolTipText(), "the container's") << "the value given is replaced at once";
  EXPECT_EQ(host.tip, "");
  EXPECT_TRUE(sameSequence({"create 000043", "add 0,0,113,33 \"the container's\"", "paint"}, host.events));

  // Over the control, the container's tip is empty, so the tip empties and stays so.
  b.hookMouseMove();
  host.events.clear();
  b.setToolTipText("given again");
  EXPECT_EQ(b.toolTipText(), "");
  EXPECT_TRUE(sameSequence({"remove", "create 000043", "add 0,0,113,33 \"\"", "paint"}, host.events))
      << "one tooltip window at a time";
  b.hookMouseLeave();
  EXPECT_EQ(b.toolTipText(), "");
  EXPECT_EQ(host.tip, "");
}

TEST_F(Tooltip, HidingGivesTheContainerItsTipAndLeavesTheWindow) {
  start({{"tooltiptext", "tip"}, {"ttforecolor", "0"}});
  b.hookMouseMove();
  ASSERT_EQ(host.tip, "");
  host.events.clear();
  b.hide();
  EXPECT_EQ(host.tip, "tip");
  EXPECT_TRUE(tip.alive);
  EXPECT_TRUE(host.events.empty()) << "nothing sent to the tooltip";
}

}  // namespace
