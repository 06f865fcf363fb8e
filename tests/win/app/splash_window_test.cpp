#include "app/win32/splash_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/win32/input.h"
#include "support/win32/screenshot.h"
#include "support/win32/ui_driver.h"
#include "support/win32/window_checks.h"

namespace {

struct Child {
  std::wstring text;
  RECT rect;
};

std::vector<Child> children(HWND parent) {
  std::vector<Child> out;
  for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    out.push_back({testsupport::windowText(c), testsupport::rectIn(parent, c)});
  }
  return out;
}

HWND childWithText(HWND parent, const wchar_t* text) {
  for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    if (testsupport::windowText(c) == text) return c;
  }
  return nullptr;
}

// A work area that is not the screen, as a taskbar at the top leaves it; put back afterwards.
class TallTaskbar {
 public:
  TallTaskbar() {
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved_, 0);
    RECT shorter{0, 120, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SystemParametersInfoW(SPI_SETWORKAREA, 0, &shorter, 0);
  }
  ~TallTaskbar() { ::SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved_, 0); }
  TallTaskbar(const TallTaskbar&) = delete;
  TallTaskbar& operator=(const TallTaskbar&) = delete;

 private:
  RECT saved_{};
};

TEST(SplashWindow, FrameSizeAndPlaceAsDesigned) {
  TallTaskbar taskbar;
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ASSERT_EQ(work.top, 120) << "the work area could not be moved off the screen's";
  app::win32::SplashWindow about(nullptr);
  ASSERT_TRUE(about.create());
  HWND hwnd = about.hwnd();
  RECT client{};
  ::GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 514);
  EXPECT_EQ(client.bottom, 217);
  const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, static_cast<LONG_PTR>(WS_DLGFRAME)) << "a dialog frame without a title bar";
  EXPECT_FALSE(style & WS_SYSMENU);
  EXPECT_TRUE(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "not in the taskbar";
  EXPECT_EQ(testsupport::windowText(hwnd), L"");
  // In the middle of the screen, to the pixel an odd difference leaves over, whatever the taskbar.
  RECT frame{};
  ::GetWindowRect(hwnd, &frame);
  const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  EXPECT_LE(std::abs(frame.left + frame.right - screenWidth), 1)
      << frame.left << " to " << frame.right << " on a screen " << screenWidth << " wide";
  EXPECT_LE(std::abs(frame.top + frame.bottom - screenHeight), 1)
      << frame.top << " to " << frame.bottom << " on a screen " << screenHeight << " high";
}

TEST(SplashWindow, ClassCarriesOurFortyEightPixelIcon) {
  app::win32::SplashWindow about(nullptr);
  ASSERT_TRUE(about.create());
  auto icon = reinterpret_cast<HICON>(::GetClassLongPtrW(about.hwnd(), GCLP_HICON));
  ASSERT_NE(icon, nullptr) << "the class has no icon";
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(icon, &info));
  BITMAP colour{};
  ::GetObjectW(info.hbmColor, sizeof(colour), &colour);
  EXPECT_EQ(colour.bmWidth, 48);
  EXPECT_EQ(colour.bmHeight, 48);
  // Ours is drawn: a corner of the folder stays clear, its middle is opaque.
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 48, -48, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(48 * 48);
  HDC dc = ::GetDC(nullptr);
  ::GetDIBits(dc, info.hbmColor, 0, 48, pixels.data(), &bi, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, dc);
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  EXPECT_EQ(pixels[0] >> 24, 0u) << std::hex << pixels[0];
  EXPECT_EQ(pixels[24 * 48 + 8] >> 24, 0xFFu) << std::hex << pixels[24 * 48 + 8];
}

TEST(SplashWindow, ControlsWhereTheLayoutPutsThem) {
  app::win32::SplashWindow about(nullptr);
  ASSERT_TRUE(about.create());
  const struct {
    const wchar_t* text;
    RECT rect;
  } expected[] = {
      {L"Quillmar Folder Vardel 1.4", {120, 24, 477, 56}},
      {L"Win XP", {408, 88, 481, 112}},
      {L"https://www.quillmar.example", {288, 112, 480, 131}},
      {L"Homepage", {280, 160, 377, 193}},
      {L"Close", {400, 160, 497, 193}},
  };
  const auto actual = children(about.hwnd());
  ASSERT_EQ(actual.size(), std::size(expected));
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].text, expected[i].text) << i;
    EXPECT_TRUE(testsupport::sameRect(expected[i].rect, actual[i].rect)) << "control " << i;
  }
  ::ShowWindow(about.hwnd(), SW_SHOW);
  testsupport::saveScreenshot(about.hwnd(), "about");
}

TEST(SplashWindow, HomepageAndLinkOpenTheSiteCloseHidesAndNothingElseCloses) {
  std::vector<std::string> opened;
  app::win32::SplashWindow about([&](const char* url) { opened.emplace_back(url); });
  ASSERT_TRUE(about.create());
  HWND hwnd = about.hwnd();
  ::ShowWindow(hwnd, SW_SHOW);

  ASSERT_TRUE(testsupport::click(childWithText(hwnd, L"Homepage")));
  ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(app::win32::SplashWindow::kLinkId, STN_CLICKED),
                 reinterpret_cast<LPARAM>(childWithText(hwnd, L"https://www.quillmar.example")));
  EXPECT_EQ(opened, (std::vector<std::string>{"https://www.quillmar.example/", "https://www.quillmar.example/"}));
  EXPECT_TRUE(::IsWindowVisible(hwnd));

  ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(::IsWindowVisible(hwnd)) << "the window does not close by itself";

  RECT before{};
  ::GetWindowRect(hwnd, &before);
  ASSERT_TRUE(testsupport::click(childWithText(hwnd, L"Close")));
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  EXPECT_TRUE(::IsWindow(hwnd)) << "hidden, not destroyed";
  ::ShowWindow(hwnd, SW_SHOW);
  RECT after{};
  ::GetWindowRect(hwnd, &after);
  EXPECT_TRUE(::EqualRect(&before, &after)) << "shown again at the same place";
}

// The window is a control parent, so the dialog manager turns Escape and Enter into IDCANCEL
// and IDOK; neither is one of its commands. The buttons still answer the space bar.
TEST(SplashWindow, KeyboardEscapeAndEnterDoNothingSpacePressesTheFocusedButton) {
  std::vector<std::string> opened;
  app::win32::SplashWindow about([&](const char* url) { opened.emplace_back(url); });
  ASSERT_TRUE(about.create());
  HWND hwnd = about.hwnd();
  ::ShowWindow(hwnd, SW_SHOW);
  ::SetForegroundWindow(hwnd);
  HWND homepage = about.control(app::win32::SplashWindow::kHomepageId);
  HWND close = about.control(app::win32::SplashWindow::kCloseId);
  ASSERT_NE(homepage, nullptr);
  ASSERT_NE(close, nullptr);
  const int ids[] = {app::win32::SplashWindow::kProductNameId, app::win32::SplashWindow::kPlatformId,
                     app::win32::SplashWindow::kLinkId, app::win32::SplashWindow::kHomepageId,
                     app::win32::SplashWindow::kCloseId};
  for (int id : ids) EXPECT_GE(id, 100) << "clear of the dialog commands";

  for (HWND focus : {homepage, close}) {
    ::SetFocus(focus);
    testsupport::pump();
    for (UINT key : {VK_ESCAPE, VK_RETURN}) {
      ASSERT_TRUE(testsupport::pressKey(focus, key));
      EXPECT_TRUE(opened.empty()) << "key " << key << " opened " << (opened.empty() ? "" : opened.back());
      EXPECT_TRUE(::IsWindowVisible(hwnd)) << "key " << key;
    }
  }

  ::SetFocus(homepage);
  ASSERT_TRUE(testsupport::pressKey(homepage, VK_SPACE));
  EXPECT_EQ(opened, (std::vector<std::string>{"https://www.quillmar.example/"}));
  ASSERT_TRUE(testsupport::pressKey(homepage, VK_TAB));
  EXPECT_EQ(::GetFocus(), close) << "Tab goes on to Close";
  ASSERT_TRUE(testsupport::pressKey(close, VK_SPACE));
  EXPECT_FALSE(::IsWindowVisible(hwnd)) << "Close hides the window";
  EXPECT_EQ(opened.size(), 1u);
}

}  // namespace
