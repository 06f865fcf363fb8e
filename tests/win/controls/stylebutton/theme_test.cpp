// The SystemTheme style against the real visual styles: the theme's window shape against the
// region uxtheme itself returns, the drawing against uxtheme drawing the same part, and the
// fallback when a window has no theme data or the library is missing.
#include <windows.h>

#include <uxtheme.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "controls/stylebutton/win32/style_button_window.h"
#include "controls/stylebutton/win32/theme_win32.h"
#include "controls/win32/create_button.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/handles.h"
#include "support/win32/pump.h"

namespace {

using controls::stylebutton::win32::ButtonWindow;
using controls::stylebutton::win32::UxTheme;
using testsupport::pump;

constexpr int kW = 97, kH = 33;

struct ThemeCloser {
  using Type = HTHEME;
  static Type invalid() { return nullptr; }
  static void close(Type h) { ::CloseThemeData(h); }
};
using UniqueTheme = platform::win32::Unique<ThemeCloser>;

std::string firstDifference(const gfx::Region& ours, HRGN theirs, RECT box) {
  for (LONG y = box.top - 1; y <= box.bottom; ++y)
    for (LONG x = box.left - 1; x <= box.right; ++x) {
      const bool a = ours.contains(x, y), b = ::PtInRegion(theirs, x, y) != FALSE;
      if (a != b) {
        char buf[80];
        std::snprintf(buf, sizeof buf, "(%ld, %ld): ours %s, uxtheme %s", x, y, a ? "in" : "out", b ? "in" : "out");
        return buf;
      }
    }
  return "";
}

class SystemTheme : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"ThemeTestParent";
    ::RegisterClassExW(&wc);
    parent_ = ::CreateWindowExW(0, L"ThemeTestParent", L"theme", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 50, 50, 300,
                                150, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(parent_);
    // Loaded without the key, RoundedBordersByTheme is true and NonThemeStyle 5.
    controls::win32::ButtonSpec desc{7, L"Theme", 20, 20, kW, kH, {{"style", "6"}, {"font", "Verdana,8.25"}}};
    button_ = controls::win32::createButton(parent_, desc);
    ASSERT_TRUE(button_);
    pump(std::chrono::milliseconds(200));
    theme_.reset(::OpenThemeData(button_, L"Button"));
  }
  void TearDown() override {
    theme_.reset();
    if (parent_) ::DestroyWindow(parent_);
  }
  controls::stylebutton::StyleButton& control() { return ButtonWindow::fromHwnd(button_)->control(); }

  HWND parent_ = nullptr, button_ = nullptr;
  UniqueTheme theme_;
};

TEST_F(SystemTheme, WithAThemeTheWindowTakesTheThemesShapeAndKeepsItsStyle) {
  if (!theme_) GTEST_SKIP() << "this Wine prefix has no active theme: OpenThemeData gives nothing";
  EXPECT_EQ(control().style(), 6);
  const int state = control().hasFocus() ? 5 : 1;
  platform::win32::WindowDc dc(button_);
  const RECT grown{-1, -1, kW + 1, kH + 1};
  HRGN raw = nullptr;
  ASSERT_TRUE(SUCCEEDED(::GetThemeBackgroundRegion(theme_.get(), dc.get(), 1, state, &grown, &raw)));
  platform::win32::UniqueRegion theirs(raw);
  RECT box{};
  ::GetRgnBox(theirs.get(), &box);
  std::printf("[ theme    ] push-button region for (-1, -1, %d, %d): box (%ld, %ld, %ld, %ld)\n", kW + 1, kH + 1,
              box.left, box.top, box.right, box.bottom);

  // The adapter's read-back, and the shape the window was given.
  UxTheme port(button_, [&] { return dc.get(); });
  auto open = port.open("Button");
  ASSERT_NE(open, nullptr);
  const auto ours = open->backgroundRegion(1, state, {-1, -1, kW + 1, kH + 1});
  ASSERT_TRUE(ours.has_value());
  EXPECT_EQ(firstDifference(*ours, theirs.get(), box), "");
  platform::win32::UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(button_, shape.get()), ERROR) << "the painter gave the window a shape";
  EXPECT_TRUE(::EqualRgn(shape.get(), theirs.get())) << "the window's shape is the theme's region";
}

TEST_F(SystemTheme, WithAThemeTheBodyIsWhatUxthemeDrawsForThePart) {
  if (!theme_) GTEST_SKIP() << "this Wine prefix has no active theme: OpenThemeData gives nothing";
  ::SetFocus(parent_);
  control().refresh();
  gfx::win32::DibSurface expected;
  ASSERT_TRUE(expected.resize(kW, kH));
  expected.surface().clear(::GetSysColor(COLOR_BTNFACE));
  const RECT r{0, 0, kW, kH};
  ASSERT_TRUE(SUCCEEDED(::DrawThemeBackground(theme_.get(), expected.dc(), 1, 1, &r, &r)));
  ::GdiFlush();
  platform::win32::WindowDc screen(button_);
  // Down the left edge and along the top, clear of the caption.
  int compared = 0;
  for (int y = 2; y < kH - 2; ++y, ++compared)
    EXPECT_EQ(::GetPixel(screen.get(), 3, y), expected.surface().at(3, y)) << "(3, " << y << ")";
  for (int x = 2; x < kW - 2; ++x, ++compared)
    EXPECT_EQ(::GetPixel(screen.get(), x, 2), expected.surface().at(x, 2)) << "(" << x << ", 2)";
  EXPECT_GT(compared, 100);
}

TEST_F(SystemTheme, AWindowWithoutThemeDataFallsBackToNonThemeStyleForGood) {
  // A class list no theme has: the window has no theme data from now on. The theme change it
  // announces makes the control repaint; that repaint fails and falls back.
  ::SetWindowTheme(button_, L" ", L" ");
  pump(std::chrono::milliseconds(100));
  UniqueTheme none(::OpenThemeData(button_, L"Button"));
  ASSERT_FALSE(none) << "uxtheme still gives the window theme data";
  control().refresh();
  EXPECT_EQ(control().style(), 5);
  control().refresh();
  platform::win32::WindowDc screen(button_);
  EXPECT_EQ(::GetPixel(screen.get(), 5, 0), RGB(0x00, 0x3C, 0x74)) << "the fixed-palette frame of style 5";
}

TEST(UxThemeAdapter, AMissingLibraryGivesNoThemeAndNoCrash) {
  UxTheme port(
      ::GetDesktopWindow(), [] { return HDC(nullptr); }, L"qfv_no_such_uxtheme.dll");
  EXPECT_EQ(port.open("Button"), nullptr);
  EXPECT_EQ(port.open("Button"), nullptr) << "asked again";
}

}  // namespace
