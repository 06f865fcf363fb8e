// The about box under Wine: About() on a real control, the window it makes, and real mouse input
// on it. What the screen shows is compared with what the painter paints on a surface.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "controls/stylebutton/about_box.h"
#include "controls/stylebutton/win32/style_button_window.h"
#include "platform/win32/handles.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"
#include "support/win32/screenshot.h"
#include "support/win32/ui_driver.h"
#include "win/controls/stylebutton/button_form.h"

namespace {

using controls::stylebutton::win32::ButtonWindow;
using testsupport::kInputSettles;
using testsupport::pump;

const wchar_t kTitle[] = L"About StyleButton 3.6.2";

// Where the Close button shows its face line 1 (the line below the outline's top).
constexpr POINT kFaceLine1{300, 81};

gfx::Colour closeFace(bool pressed) {
  gfx::SystemColours system{};
  for (std::size_t i = 0; i < system.size(); ++i) system[i] = ::GetSysColor(static_cast<int>(i));
  struct NoText final : controls::stylebutton::FontedText {
    void draw(gfx::Surface&, const controls::common::FontSpec&, std::string_view, gfx::Rect, unsigned,
              gfx::Colour) override {}
  } text;
  gfx::Surface s(377, 145);
  controls::stylebutton::paintAboutClose(s, text, system, pressed);
  return s.at(kFaceLine1.x, kFaceLine1.y);
}

gfx::Colour onScreen(HWND hwnd, POINT client) {
  platform::win32::WindowDc dc(hwnd);
  return ::GetPixel(dc.get(), client.x, client.y);
}

int windowsTitled(const wchar_t* title) {
  struct Count {
    const wchar_t* title;
    int n;
  } count{title, 0};
  ::EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Count*>(lp);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        if (pid == ::GetCurrentProcessId() && testsupport::windowText(hwnd) == c->title) ++c->n;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.n;
}

class AboutBox : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form_.make({{101, L"Lock Folders", 20, 20, 113, 33, {{"style", "10"}, {"font", "Verdana,8.25"}}}}));
    button_ = ButtonWindow::fromHwnd(form_.control(101));
    ASSERT_NE(button_, nullptr);
    pump(std::chrono::milliseconds(200));
  }
  HWND about() {
    button_->control().about();
    pump(std::chrono::milliseconds(300));
    return button_->aboutWindow();
  }
  void TearDown() override { pump(std::chrono::milliseconds(50)); }

  testforms::ButtonForm form_;
  ButtonWindow* button_ = nullptr;
};

TEST_F(AboutBox, ATopMostCaptionedWindowWithNoCloseBoxOnceHowEverOftenItIsAsked) {
  for (int call = 1; call <= 2; ++call) {
    SCOPED_TRACE(call);
    const HWND panel = about();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(::IsWindowVisible(panel));
    EXPECT_EQ(::GetAncestor(panel, GA_PARENT), ::GetDesktopWindow()) << "detached from the control";
    const LONG style = ::GetWindowLongW(panel, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX), WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX)
        << std::hex << style;
    EXPECT_EQ(style & (WS_SYSMENU | WS_CHILD), 0) << std::hex << style << ": no system menu, so no close box";
    EXPECT_TRUE(::GetWindowLongW(panel, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(testsupport::windowText(panel), kTitle);
    RECT r{};
    ::GetWindowRect(panel, &r);
    EXPECT_EQ(r.left, 496);
    EXPECT_EQ(r.top, 416);
    EXPECT_EQ(windowsTitled(kTitle), 1);
  }
  EXPECT_EQ(onScreen(button_->aboutWindow(), kFaceLine1), closeFace(false));
  testsupport::saveScreenshot(button_->aboutWindow(), "stylebutton-about");
}

TEST_F(AboutBox, PressShowsThePressedCloseAReleaseOutsideKeepsItAClickInsideHides) {
  const HWND panel = about();
  ASSERT_NE(panel, nullptr);
  ASSERT_NE(closeFace(true), closeFace(false));

  // Pressed on the author line, released outside the window: no click.
  testsupport::moveTo(panel, {60, 65});
  pump(kInputSettles);
  testsupport::mouseButton(true);
  pump(kInputSettles);
  EXPECT_EQ(onScreen(panel, kFaceLine1), closeFace(true)) << "any press draws the button pressed";
  testsupport::saveScreenshot(panel, "stylebutton-about-pressed");
  testsupport::moveTo(form_.hwnd(), {300, 170});
  pump(kInputSettles);
  testsupport::mouseButton(false);
  pump(kInputSettles);
  EXPECT_TRUE(::IsWindowVisible(panel));
  EXPECT_EQ(onScreen(panel, kFaceLine1), closeFace(true)) << "still drawn pressed";

  // A click on the link line hides it like any other; nothing is opened.
  testsupport::moveTo(panel, {60, 80});
  pump(kInputSettles);
  testsupport::mouseButton(true);
  testsupport::mouseButton(false);
  pump(kInputSettles);
  EXPECT_FALSE(::IsWindowVisible(panel));
  EXPECT_EQ(::GetAncestor(panel, GA_PARENT), ::GetDesktopWindow()) << "it stays a window of its own";

  EXPECT_EQ(about(), panel) << "shown again, the same window";
  EXPECT_TRUE(::IsWindowVisible(panel));
  EXPECT_EQ(onScreen(panel, kFaceLine1), closeFace(false)) << "painted anew, at rest";
}

}  // namespace
