// The about window's Homepage and Close buttons on screen: style 7 bodies at rest, under the
// pointer and pressed, after real pointer moves and a real button press.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/splash_window.h"
#include "controls/stylebutton/win32/style_button_window.h"
#include "gfx/colour_ops.h"
#include "gfx/surface.h"
#include "platform/win32/handles.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"
#include "support/win32/screenshot.h"

namespace {

using app::win32::SplashWindow;
using controls::stylebutton::win32::ButtonWindow;
using testsupport::kInputSettles;
using testsupport::pump;

// What the user sees at a point of a control: the screen, not the control's own surface.
gfx::Colour onScreen(HWND control, int x, int y) {
  POINT at{x, y};
  ::ClientToScreen(control, &at);
  platform::win32::WindowDc screen(nullptr);
  return ::GetPixel(screen.get(), at.x, at.y);
}

std::string hex(gfx::Colour c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

struct Look {
  const char* name;
  gfx::Colour body;        // (2, 16): the body gradient's middle row
  gfx::Colour outline;     // (5, 0)
  gfx::Colour topLine;     // (5, 1)
  gfx::Colour bottomLine;  // (5, 31)
};

// From the style-7 table with the system colours of this desktop (H = 33).
Look lookFor(int state) {
  using gfx::gradientColour;
  using gfx::shiftColor;
  const gfx::Colour face = ::GetSysColor(COLOR_BTNFACE), hl = ::GetSysColor(COLOR_HIGHLIGHT);
  switch (state) {
    case 2: {
      const gfx::Colour k = shiftColor(face, 24);
      return {"hot", gradientColour(shiftColor(k, 16), shiftColor(k, -16), 15, 30), shiftColor(k, -96),
              shiftColor(hl, 21), shiftColor(hl, -21)};
    }
    case 3: {
      const gfx::Colour k = shiftColor(face, -9);
      return {"pressed", gradientColour(shiftColor(k, -15), k, 15, 31), shiftColor(k, -96), shiftColor(face, -21),
              shiftColor(face, 8)};
    }
    default: {
      const gfx::Colour k = shiftColor(face, 8);
      return {"resting", gradientColour(shiftColor(k, 15), shiftColor(k, -15), 15, 30), shiftColor(k, -96),
              shiftColor(face, 21), shiftColor(face, -37)};
    }
  }
}

testing::AssertionResult shows(HWND control, const Look& want) {
  const struct {
    int x, y;
    gfx::Colour colour;
    const char* what;
  } probes[] = {{2, 16, want.body, "body"},
                {5, 0, want.outline, "outline"},
                {5, 1, want.topLine, "top inner line"},
                {5, 31, want.bottomLine, "bottom inner line"}};
  for (const auto& p : probes) {
    const gfx::Colour got = onScreen(control, p.x, p.y);
    if (got != p.colour)
      return testing::AssertionFailure() << want.name << ": first wrong pixel (" << p.x << ", " << p.y << ") " << p.what
                                         << ": got " << hex(got) << ", want " << hex(p.colour);
  }
  return testing::AssertionSuccess();
}

TEST(SplashButtons, Style7RestingHotAndPressedOnScreen) {
  std::vector<std::string> opened;
  SplashWindow about([&](const char* url) { opened.emplace_back(url); });
  ASSERT_TRUE(about.create());
  HWND window = about.hwnd();
  ::ShowWindow(window, SW_SHOW);
  ::SetForegroundWindow(window);
  HWND home = ::GetDlgItem(window, SplashWindow::kHomepageId), close = ::GetDlgItem(window, SplashWindow::kCloseId);
  ButtonWindow *homeButton = ButtonWindow::fromHwnd(home), *closeButton = ButtonWindow::fromHwnd(close);
  ASSERT_TRUE(homeButton && closeButton);
  EXPECT_EQ(homeButton->control().style(), 7);
  EXPECT_EQ(closeButton->control().style(), 7);
  // Focus (and with it the default-button look) on Homepage; Close rests. The pointer waits over
  // the window's own background.
  ::SetFocus(home);
  testsupport::moveTo(window, {20, 200});
  pump(std::chrono::milliseconds(600));
  ASSERT_FALSE(closeButton->control().hasFocus());
  ASSERT_FALSE(closeButton->displayAsDefault());
  EXPECT_TRUE(shows(close, lookFor(1)));
  testsupport::saveScreenshot(window, "about-resting");

  testsupport::moveTo(close, {48, 16});
  pump(std::chrono::milliseconds(600));
  EXPECT_EQ(closeButton->control().buttonState(), controls::stylebutton::kStateHot);
  EXPECT_TRUE(shows(close, lookFor(2)));
  testsupport::saveScreenshot(window, "about-hot");

  // Off Close over the window's background, then onto Homepage. (Whether Close has rested again
  // by then depends on when Wine's leave timer fires, so it is not checked here.)
  testsupport::moveTo(window, {20, 200});
  pump(std::chrono::milliseconds(600));
  testsupport::moveTo(home, {48, 16});
  pump(std::chrono::milliseconds(600));
  testsupport::mouseButton(true);
  pump(kInputSettles);
  EXPECT_EQ(homeButton->control().buttonState(), controls::stylebutton::kStatePressed);
  EXPECT_TRUE(shows(home, lookFor(3)));
  testsupport::saveScreenshot(window, "about-pressed");
  testsupport::mouseButton(false);
  pump(kInputSettles);
  EXPECT_EQ(opened, std::vector<std::string>{app::win32::kHomePage});
  testsupport::moveTo(window, {20, 200});
  pump(std::chrono::milliseconds(300));
}

}  // namespace
