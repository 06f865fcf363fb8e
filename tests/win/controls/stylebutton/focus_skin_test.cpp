// Tab onto a resting pixel-skin button (style 10): the button that takes the focus shows the focus
// skin on screen, and the one that lost it goes back to the resting skin, pixel for pixel as the
// painter draws them.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "controls/stylebutton/properties.h"
#include "controls/stylebutton/styles/pixel_skin.h"
#include "controls/win32/create_button.h"
#include "gfx/surface.h"
#include "platform/win32/handles.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"

namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 113;
constexpr int kHeight = 33;

// Where the skin shows and the caption never reaches: both side bands and the top rows.
bool skinOnly(int x, int y) {
  const bool sideBand = (x < 17 || x >= kWidth - 17) && y >= 11 && y < kHeight - 11;
  const bool topRows = x >= 17 && x < kWidth - 17 && y < 6;
  return sideBand || topRows;
}

// The first pixel on screen that differs from the painter's, or "" when there is none.
std::string firstDifference(HWND button, bool focused) {
  gfx::Surface expected(kWidth, kHeight);
  controls::stylebutton::styles::paintPixelSkin(expected, controls::stylebutton::kStateNormal, focused);
  platform::win32::WindowDc dc(button);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (!skinOnly(x, y)) continue;
      const COLORREF shown = ::GetPixel(dc.get(), x, y);
      if (shown != expected.at(x, y)) {
        char text[96];
        std::snprintf(text, sizeof text, "(%d, %d): shown %06lX, painter %06X", x, y, shown,
                      static_cast<unsigned>(expected.at(x, y)));
        return text;
      }
    }
  }
  return "";
}

class FocusSkin : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"FocusSkinTestParent";
    ::RegisterClassExW(&wc);
    parent_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, L"FocusSkinTestParent", L"Focus skin", WS_OVERLAPPED | WS_CAPTION,
                                120, 120, 300, 200, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(parent_);
    first_ = make(101, L"Lock Folders", 20, 20);
    second_ = make(102, L"Close", 20, 80);
    ASSERT_TRUE(first_ && second_);
    ::ShowWindow(parent_, SW_SHOW);
    ::SetForegroundWindow(parent_);
    testsupport::pump(300ms);
  }
  void TearDown() override {
    if (parent_) ::DestroyWindow(parent_);
    testsupport::pump();
  }
  HWND make(int id, const wchar_t* caption, int x, int y) {
    controls::win32::ButtonSpec button;
    button.id = id;
    button.caption = caption;
    button.x = x;
    button.y = y;
    button.width = kWidth;
    button.height = kHeight;
    button.settings = {{"style", "10"}, {"font", "Verdana,8.25"}};
    return controls::win32::createButton(parent_, button);
  }
  HWND parent_ = nullptr, first_ = nullptr, second_ = nullptr;
};

TEST_F(FocusSkin, TabOntoARestingButtonShowsItsFocusSkin) {
  ::SetFocus(first_);
  testsupport::pump(testsupport::kInputSettles);
  ASSERT_EQ(firstDifference(second_, false), "") << "the second button rests before Tab";
  ASSERT_EQ(firstDifference(first_, true), "") << "the first button shows the focus skin";

  testsupport::sendKey(VK_TAB, false);
  testsupport::sendKey(VK_TAB, true);
  testsupport::pump(testsupport::kInputSettles);
  ASSERT_EQ(::GetFocus(), second_) << "Tab moved the focus on";
  EXPECT_EQ(firstDifference(second_, true), "") << "the button Tab reached shows the focus skin";
  EXPECT_EQ(firstDifference(first_, false), "") << "the button Tab left rests again";
}

}  // namespace
