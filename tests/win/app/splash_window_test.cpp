#include "app/win32/splash_window.h"

#include <gtest/gtest.h>

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

TEST(SplashWindow, FrameSizeAndPlaceAsDesigned) {
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
  EXPECT_TRUE(testsupport::centredOnWorkArea(hwnd));
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

}  // namespace
