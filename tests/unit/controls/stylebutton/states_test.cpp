// Input and states, as recorded sequences of notifications, events and states.
#include <gtest/gtest.h>

#include <functional>

#include "controls/stylebutton/style_button.h"
#include "unit/controls/stylebutton/fake_host.h"
#include "unit/gfx/pixel_expect.h"

namespace {

using controls::stylebutton::PropertyBag;
using controls::stylebutton::StyleButton;
using testhost::FakeHost;
using Strings = std::vector<std::string>;

constexpr int N = controls::stylebutton::kStateNormal, Hot = controls::stylebutton::kStateHot,
              P = controls::stylebutton::kStatePressed;

struct Step {
  const char* what;
  std::function<void(StyleButton&, FakeHost&)> run;
  int state;  // ButtonState afterwards
};

void enter(StyleButton& b, FakeHost&) { b.hookMouseMove(); }
void leave(StyleButton& b, FakeHost&) { b.hookMouseLeave(); }
void down(StyleButton& b, FakeHost&) { b.mouseDown(1); }
void up(StyleButton& b, FakeHost&) { b.mouseUp(1); }
void clicked(StyleButton& b, FakeHost&) { b.click(); }
void dbl(StyleButton& b, FakeHost&) { b.doubleClick(); }

class StateMachine : public testing::Test {
 protected:
  void start(PropertyBag bag = {}) {
    bag.write("style", "10");
    ASSERT_TRUE(b.load(bag));
    b.show();
    host.events.clear();
    host.log.clear();
  }
  void play(const std::vector<Step>& steps) {
    for (const Step& s : steps) {
      s.run(b, host);
      EXPECT_EQ(b.buttonState(), s.state) << "after " << s.what;
    }
  }
  FakeHost host;
  StyleButton b{host};
};

TEST_F(StateMachine, Click) {
  start();
  play({{"enter", enter, Hot}, {"down", down, P}, {"up", up, Hot}, {"click", clicked, Hot}, {"leave", leave, N}});
  EXPECT_EQ(host.events, (Strings{"MouseEnter", "Click", "MouseLeave"}));
  EXPECT_EQ(host.log, (Strings{"track", "pending", "track"})) << "tracking armed on entry and again after the release";
  EXPECT_FALSE(b.mouseInside());
}

TEST_F(StateMachine, ReleaseOutsideRaisesNoClickAndEndsNormal) {
  start();
  play({{"enter", enter, Hot}, {"down", down, P}});
  host.pending = [this] { b.hookMouseLeave(); };  // the leave waiting in the queue
  play({{"up outside", up, N}});
  EXPECT_EQ(host.events, (Strings{"MouseEnter", "MouseLeave"}));
}

TEST_F(StateMachine, DoubleClickRaisesTwoClicks) {
  start();
  play({{"enter", enter, Hot},
        {"down", down, P},
        {"up", up, Hot},
        {"click", clicked, Hot},
        {"double click", dbl, P},
        {"up", up, Hot},
        {"click", clicked, Hot}});
  EXPECT_EQ(host.events, (Strings{"MouseEnter", "Click", "Click"}));
}

TEST_F(StateMachine, ToggleOnRaisesNoClickToggleOffDoes) {
  start({{"buttontype", "1"}});
  play({{"enter", enter, Hot}, {"down", down, P}, {"up (switching on)", up, P}});
  EXPECT_FALSE(b.value());
  play({{"click", clicked, P}});  // Value true: every repaint draws it pressed
  EXPECT_TRUE(b.value());
  EXPECT_EQ(host.events, (Strings{"MouseEnter"}));
  play({{"down", down, P}, {"up (switching off)", up, P}});
  EXPECT_EQ(host.events, (Strings{"MouseEnter", "Click"})) << "raised while Value is still true";
  EXPECT_TRUE(b.value());
  play({{"click", clicked, Hot}});
  EXPECT_FALSE(b.value());
}

TEST_F(StateMachine, SpaceClicksButFlipsAToggleOnlyAfterALeftRelease) {
  start({{"buttontype", "1"}});
  play({{"space down", [](StyleButton& b, FakeHost&) { b.keyDown(32); }, P},
        {"space up", [](StyleButton& b, FakeHost&) { b.keyUp(32); }, N}});
  EXPECT_EQ(host.events, (Strings{"Click"}));
  EXPECT_FALSE(b.value()) << "never clicked with the left button";

  b.mouseUp(1);  // a left release somewhere before
  b.keyDown(32);
  b.keyUp(32);
  EXPECT_TRUE(b.value());
  EXPECT_EQ(host.events.size(), 2u);

  b.mouseUp(2);
  EXPECT_EQ(b.lastButton(), 2);
  b.keyDown(32);
  b.keyUp(32);
  EXPECT_TRUE(b.value()) << "a right release stops the keyboard flip";
  EXPECT_EQ(host.events, (Strings{"Click", "Click", "Click"}));
}

TEST_F(StateMachine, TabRaisesMouseLeaveWithoutChangingTheState) {
  start();
  b.hookMouseMove();
  host.events.clear();
  b.keyDown(9);
  EXPECT_EQ(host.events, (Strings{"MouseLeave"}));
  EXPECT_EQ(b.buttonState(), Hot);
  EXPECT_TRUE(b.mouseInside());
}

TEST_F(StateMachine, ArrowsMoveTheFocus) {
  start();
  for (int key : {39, 40, 37, 38}) b.keyDown(key);
  EXPECT_EQ(host.log, (Strings{"focus next", "focus next", "focus previous", "focus previous"}));
}

TEST_F(StateMachine, AccessKeyFlipsAToggleWithoutClickAndWithoutRepaintingNormal) {
  start({{"buttontype", "1"}});
  const int before = host.repaints;
  b.accessKey();
  EXPECT_TRUE(b.value());
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(b.buttonState(), N);
  EXPECT_EQ(host.repaints - before, 1) << "only the click handling repaints";
  EXPECT_EQ(b.lastButton(), 1);
}

TEST_F(StateMachine, RightButtonDownDoesNothing) {
  start();
  b.hookMouseMove();
  const int before = host.repaints;
  b.mouseDown(2);
  EXPECT_EQ(b.buttonState(), Hot);
  EXPECT_EQ(host.repaints, before);
}

TEST_F(StateMachine, FocusShowHideAndTerminate) {
  start({{"tooltiptext", "own tip"}});
  b.gotFocus();
  EXPECT_TRUE(b.hasFocus());
  b.lostFocus();
  EXPECT_FALSE(b.hasFocus());
  host.tip = "emptied";
  b.hide();
  EXPECT_FALSE(b.isShown());
  EXPECT_EQ(host.tip, "own tip");
  b.terminate();
  EXPECT_EQ(host.log.back(), "unhook");
  EXPECT_FALSE(b.hookInstalled());
}

TEST(StateMachineWithoutTracking, MouseNeverClicksButSpaceDoes) {
  FakeHost host;
  host.tracking = false;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "10"}}));
  b.show();
  EXPECT_FALSE(b.trackingAvailable());
  EXPECT_FALSE(b.hookInstalled());
  b.mouseDown(1);
  b.mouseUp(1);
  b.click();
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "track"), 0) << "arming does nothing";
  b.keyDown(32);
  b.keyUp(32);
  EXPECT_EQ(host.events, (Strings{"Click"}));
}

}  // namespace

namespace {

TEST(SystemColourChange, TheFaceBehindTheOpenCornersFollowsIt) {
  FakeHost host;
  StyleButton b(host);
  ASSERT_TRUE(b.load(PropertyBag{{"style", "10"}}));
  b.show();
  ASSERT_EQ(host.surface.at(0, 0), host.system[gfx::kColorBtnFace]) << "(0, 0) lies outside the skin's outline";
  host.system[gfx::kColorBtnFace] = 0x336699;
  b.hookSysColorChange();
  EXPECT_EQ(testpix::hex(host.surface.at(0, 0)), testpix::hex(0x336699));
  EXPECT_EQ(testpix::hex(host.surface.at(112, 32)), testpix::hex(0x336699)) << "the bottom-right open corner";
}

}  // namespace
