// Input, states and the hook's callback: looks and events in order for a click, Enter, a drag out,
// hover and a disabled control.
#include <gtest/gtest.h>

#include "fake_host.h"
#include "looks.h"
#include "support/sequence.h"

namespace controls::sheenbutton::fake {
namespace {

using testsupport::sameSequence;
using Strings = std::vector<std::string>;

constexpr std::intptr_t at(int x, int y) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) | (x & 0xFFFF));
}

struct Rig {
  explicit Rig(PropertyBag settings = styleZeroSettings()) : button(host) {
    EXPECT_TRUE(button.load(settings));
    button.shown();
  }
  // The event raised and the look it left, one line per step.
  void step(const std::string& what, const std::function<void()>& action) {
    const std::size_t before = host.events.size();
    action();
    std::string line = what + " ->";
    for (std::size_t i = before; i < host.events.size(); ++i) line += " " + host.events[i] + ";";
    line += " " + look(host);
    steps.push_back(line);
  }
  void hover(int x, int y, std::uintptr_t buttons = 0) { host.hooks.send(host.hwnd, kWmMouseMove, buttons, at(x, y)); }
  void leave() { host.hooks.send(host.hwnd, kWmMouseLeave); }
  FakeHost host;
  SheenButton button;
  Strings steps;
};

TEST(SheenInput, AMouseClickPressesHoversThenClicks) {
  Rig r;
  r.step("enter", [&] { r.hover(10, 10); });
  r.step("move", [&] {
    r.button.mouseMove({0, 0, 12, 10});
    r.hover(12, 10);
  });
  r.step("press", [&] { r.button.mouseDown({1, 0, 12, 10}); });
  r.step("release", [&] { r.button.mouseUp({1, 0, 12, 10}); });
  r.step("click", [&] { r.button.click(); });
  r.step("leave", [&] { r.leave(); });
  EXPECT_TRUE(sameSequence(
      {"enter -> MouseEnter; hover", "move -> MouseMove 0 0 12 10; hover", "press -> MouseDown 1 0 12 10; pressed",
       "release -> MouseUp 1 0 12 10; hover", "click -> Click; hover", "leave -> MouseLeave; focused"},
      r.steps));
  EXPECT_EQ(std::count(r.host.log.begin(), r.host.log.end(), "track"), 1) << "one leave notice per hover";
}

TEST(SheenInput, EnterDownAndUpRaiseMouseDownMouseUpAndClick) {
  Rig r;
  r.step("Enter down", [&] { r.button.keyDown(13); });
  r.step("Enter up", [&] { r.button.keyUp(13); });
  r.step("Space", [&] {
    r.button.keyDown(32);
    r.button.keyUp(32);
  });
  EXPECT_TRUE(sameSequence(
      {"Enter down -> MouseDown 1 0 0 0; pressed", "Enter up -> MouseUp 1 0 0 0; Click; focused", "Space -> focused"},
      r.steps));
}

TEST(SheenInput, DraggingOutLooksNormalAndReleasingOutsideShowsFocus) {
  Rig r;
  r.step("enter", [&] { r.hover(10, 10); });
  r.step("press", [&] { r.button.mouseDown({1, 0, 10, 10}); });
  r.step("drag out", [&] {
    r.button.mouseMove({1, 0, -3, 10});
    r.hover(-3, 10, 1);
  });
  r.step("drag back", [&] {
    r.button.mouseMove({1, 0, 10, 10});
    r.hover(10, 10, 1);
  });
  r.step("release", [&] { r.button.mouseUp({1, 0, 60, 10}); });
  EXPECT_TRUE(sameSequence(
      {"enter -> MouseEnter; hover", "press -> MouseDown 1 0 10 10; pressed", "drag out -> MouseMove 1 0 -3 10; normal",
       "drag back -> MouseMove 1 0 10 10; normal", "release -> MouseUp 1 0 60 10; focused"},
      r.steps));
  EXPECT_FALSE(r.button.mouseOver());
  EXPECT_TRUE(r.button.hasFocus());
}

TEST(SheenInput, EnteringWithTheLeftButtonHeldIsNoHover) {
  Rig r;
  r.step("drag in", [&] { r.hover(10, 10, 1); });
  r.step("edge", [&] { r.hover(0, 10); });
  EXPECT_TRUE(sameSequence({"drag in -> normal", "edge -> normal"}, r.steps));
  EXPECT_FALSE(r.button.mouseOver());
}

TEST(SheenInput, ADisabledControlRaisesOnlyEnterAndLeave) {
  PropertyBag settings = styleZeroSettings();
  settings.write("enabled", "0");
  Rig r(settings);
  r.hover(10, 10);
  r.button.mouseDown({1, 0, 10, 10});
  r.button.mouseMove({1, 0, 11, 10});
  r.button.mouseUp({1, 0, 11, 10});
  r.button.click();
  r.button.doubleClick();
  r.button.keyDown(13);
  r.button.keyUp(13);
  r.leave();
  EXPECT_TRUE(sameSequence({"MouseEnter", "MouseLeave"}, r.host.events));
}

TEST(SheenInput, DoubleClickPressesAndRaisesDblClick) {
  Rig r;
  r.step("double click", [&] { r.button.doubleClick(); });
  EXPECT_TRUE(sameSequence({"double click -> DblClick; pressed"}, r.steps));
}

TEST(SheenInput, FocusLooks) {
  Rig r;
  r.step("focus", [&] { r.button.gotFocus(); });
  r.step("focus lost", [&] { r.button.lostFocus(); });
  r.hover(10, 10);
  r.step("focus while hovered", [&] { r.button.gotFocus(); });
  EXPECT_TRUE(sameSequence({"focus -> focused", "focus lost -> normal", "focus while hovered -> hover"}, r.steps));
  EXPECT_TRUE(r.button.hasFocus());
}

TEST(SheenInput, WhileCheckedLeavingDoesNotRepaintAndEveryRepaintIsChecked) {
  PropertyBag settings = styleZeroSettings("1");
  settings.write("checked", "-1");
  Rig r(settings);
  r.hover(10, 10);
  EXPECT_EQ(r.host.surface.at(5, 20), 0xFFFFFFu) << "the hover repaint shows the checked look";
  const int paints = r.host.paints;
  r.leave();
  EXPECT_EQ(r.host.paints, paints) << "no repaint on leave";
  r.button.setChecked(false);
  EXPECT_NE(r.host.surface.at(5, 20), 0xFFFFFFu);
}

TEST(SheenInput, CheckedSetterRepaintsCheckedOrHoverOrNormal) {
  PropertyBag settings = styleZeroSettings("1");
  Rig r(settings);
  r.button.setChecked(true);
  EXPECT_EQ(r.host.surface.at(5, 20), 0xFFFFFFu) << "checked";
  r.hover(10, 10);
  r.button.setChecked(false);
  EXPECT_EQ(r.host.surface.at(5, 20), core::fromHex(0xF4F3ED)) << "hover while the pointer is over it";
  r.leave();
  r.button.setChecked(false);
  EXPECT_EQ(r.host.surface.at(5, 20), 0xC8D0D4u) << "normal";
}

TEST(SheenInput, PaintThroughTheHookBuildsTheShapeAndTerminateReleasesAll) {
  Rig r(styleZeroSettings("7"));
  ASSERT_TRUE(r.button.hook().hooked(r.host.hwnd));
  r.host.setSize(60, 41);
  EXPECT_EQ(r.host.hooks.send(r.host.hwnd, kWmPaint), 7) << "the window's own result";
  EXPECT_TRUE(r.host.region.contains(58, 20)) << "the shape follows the size before the paint";
  r.button.terminate();
  EXPECT_FALSE(r.button.hook().hooked(r.host.hwnd));
  EXPECT_TRUE(r.host.hooks.chains[r.host.hwnd].empty());
  EXPECT_FALSE(r.button.innerShape().has_value());
  EXPECT_TRUE(r.host.dialogsPort.shown.empty());
}

TEST(SheenInput, WithoutATrackingFunctionThereIsNoHover) {
  FakeHost host;
  host.tracking = false;
  SheenButton b(host);
  ASSERT_TRUE(b.load(styleZeroSettings()));
  host.hooks.send(host.hwnd, kWmMouseMove, 0, at(10, 10));
  EXPECT_TRUE(host.events.empty());
  b.mouseDown({1, 0, 1, 1});
  b.mouseUp({1, 0, 1, 1});
  b.click();
  EXPECT_TRUE(sameSequence({"MouseDown 1 0 1 1", "MouseUp 1 0 1 1", "Click"}, host.events)) << "it still clicks";
}

}  // namespace
}  // namespace controls::sheenbutton::fake
