// A real StyleButton in a real window, driven by mouse and keyboard input; what it does is
// recorded in order: its events and the parent's WM_COMMAND messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "controls/stylebutton/win32/style_button_window.h"
#include "controls/win32/create_button.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/handles.h"
#include "support/sequence.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"

namespace {

using controls::stylebutton::Event;
using controls::stylebutton::win32::ButtonWindow;
using testsupport::kInputSettles;
using testsupport::pump;
using testsupport::sameSequence;
using testsupport::sendKey;
using Strings = std::vector<std::string>;

Strings g_log;

LRESULT CALLBACK parentProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND) {
    std::ostringstream line;
    line << "WM_COMMAND " << LOWORD(wparam);
    if (HIWORD(wparam) == BN_CLICKED) line << " BN_CLICKED";
    else line << " code " << HIWORD(wparam);
    g_log.push_back(line.str());
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

std::string eventName(Event e) {
  switch (e) {
    case Event::Click: return "Click";
    case Event::MouseEnter: return "MouseEnter";
    case Event::MouseLeave: return "MouseLeave";
  }
  return "?";
}

// Records the input messages a button receives, ahead of its own procedure, in the same log.
LRESULT CALLBACK recordingProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const char* name = nullptr;
  switch (message) {
    case WM_LBUTTONDOWN: name = "WM_LBUTTONDOWN"; break;
    case WM_LBUTTONUP: name = "WM_LBUTTONUP"; break;
    case WM_LBUTTONDBLCLK: name = "WM_LBUTTONDBLCLK"; break;
    case WM_MOUSELEAVE: name = "WM_MOUSELEAVE"; break;
    case WM_SETFOCUS: name = "WM_SETFOCUS"; break;
    case WM_KILLFOCUS: name = "WM_KILLFOCUS"; break;
    case WM_KEYDOWN: name = "WM_KEYDOWN"; break;
    case WM_KEYUP: name = "WM_KEYUP"; break;
    default: break;
  }
  if (name) {
    std::ostringstream line;
    line << ::GetDlgCtrlID(hwnd) << ' ' << name;
    if (message == WM_KEYDOWN || message == WM_KEYUP) line << ' ' << wparam;
    if (message == WM_MOUSELEAVE && ::GetCapture() == hwnd) line << " (captured)";
    g_log.push_back(line.str());
  }
  const auto previous = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, L"recording.previous"));
  return ::CallWindowProcW(previous, hwnd, message, wparam, lparam);
}

void record(HWND hwnd) {
  const LONG_PTR previous = ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&recordingProcedure));
  ::SetPropW(hwnd, L"recording.previous", reinterpret_cast<HANDLE>(previous));
}

// The system notices a leave on its own clock (a hover-time poll under Wine), so give it time.
void hover(HWND hwnd, int x, int y) {
  testsupport::moveTo(hwnd, {x, y});
  pump(std::chrono::milliseconds(600));
}

gfx::Colour pixelOf(HWND hwnd, int x, int y) {
  platform::win32::WindowDc dc(hwnd);
  return ::GetPixel(dc.get(), x, y);
}

class StyleButtonWindow : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = parentProcedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"StyleButtonTestParent";
    ::RegisterClassExW(&wc);
    parent_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, L"StyleButtonTestParent", L"StyleButton test",
                                WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 100, 100, 400, 220, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(parent_);
    first_ = make(101, L"Lock Folders", 20, 20);
    second_ = make(102, L"Close", 20, 80);
    ASSERT_TRUE(first_ && second_);
    ::SetForegroundWindow(parent_);
    ::SetFocus(nullptr);
    pump(std::chrono::milliseconds(300));
    hover(parent_, 300, 180);  // park the mouse away from the buttons
    g_log.clear();
  }
  void TearDown() override {
    if (parent_) ::DestroyWindow(parent_);
    pump(std::chrono::milliseconds(50));
  }
  HWND make(int id, const wchar_t* caption, int x, int y) {
    controls::win32::ButtonSpec desc;
    desc.id = id;
    desc.caption = caption;
    desc.x = x;
    desc.y = y;
    desc.width = 113;
    desc.height = 33;
    desc.settings = {
        {"style", "10"}, {"tooltiptitle", ""}, {"tooltipicon", "0"}, {"tooltiptype", "1"}, {"font", "Verdana,8.25"}};
    HWND hwnd = controls::win32::createButton(parent_, desc);
    record(hwnd);
    if (ButtonWindow* b = ButtonWindow::fromHwnd(hwnd))
      b->onEvent = [id](Event e) {
        std::ostringstream line;
        line << id << ' ' << eventName(e);
        g_log.push_back(line.str());
      };
    return hwnd;
  }
  controls::stylebutton::StyleButton& control(HWND hwnd) { return ButtonWindow::fromHwnd(hwnd)->control(); }

  HWND parent_ = nullptr, first_ = nullptr, second_ = nullptr;
};

TEST_F(StyleButtonWindow, IsAStyleButtonWhoseWindowTextIsItsCaption) {
  ASSERT_NE(ButtonWindow::fromHwnd(first_), nullptr);
  wchar_t text[64] = {};
  ::GetWindowTextW(first_, text, 64);
  EXPECT_STREQ(text, L"Lock Folders");
  EXPECT_EQ(control(first_).style(), 10);
  EXPECT_EQ(control(first_).font(), (controls::stylebutton::FontSpec{"Verdana", 8.25}));
  EXPECT_TRUE(control(first_).hookInstalled());
  ::SetWindowTextW(first_, L"Unlock Folders");
  EXPECT_EQ(control(first_).caption(), "Unlock Folders");
  control(first_).setCaption("Lock");
  ::GetWindowTextW(first_, text, 64);
  EXPECT_STREQ(text, L"Lock");
  EXPECT_EQ(::GetDlgCtrlID(first_), 101);
  EXPECT_LE(control(first_).openLink(""), 32) << "an empty link reaches the shell, which refuses it";
  EXPECT_EQ(controls::stylebutton::StyleButton::version(), "3.6.2");
}

TEST_F(StyleButtonWindow, CreateButtonTakesTheCaptionFromTheButtonSpecAndLeavesOtherControlsSettingsAlone) {
  controls::win32::ButtonSpec plain{201, L"Help", 150, 20, 65, 33, {{"style", "10"}}};
  HWND help = controls::win32::createButton(parent_, plain);
  ASSERT_NE(ButtonWindow::fromHwnd(help), nullptr);
  EXPECT_EQ(control(help).caption(), "Help");
  wchar_t text[32] = {};
  ::GetWindowTextW(help, text, 32);
  EXPECT_STREQ(text, L"Help");

  controls::win32::ButtonSpec sheen{202, L"", 150, 80, 41, 41, {{"style", "7"}, {"caption", ""}, {"colorscheme", "0"}}};
  HWND arrow = controls::win32::createButton(parent_, sheen);
  ASSERT_TRUE(arrow);
  EXPECT_EQ(ButtonWindow::fromHwnd(arrow), nullptr);
  wchar_t cls[32] = {};
  ::GetClassNameW(arrow, cls, 32);
  EXPECT_EQ(lstrcmpiW(cls, L"SheenButton"), 0) << "the other control's settings make the other control";
}

TEST_F(StyleButtonWindow, ButtonMadeUnderAHiddenParentPaintsWhenTheParentIsShown) {
  ::ShowWindow(parent_, SW_HIDE);
  HWND late = make(103, L"Ok", 150, 20);
  ASSERT_TRUE(late);
  ::ShowWindow(parent_, SW_SHOW);
  pump(std::chrono::milliseconds(300));
  EXPECT_TRUE(control(late).isShown());
  EXPECT_EQ(pixelOf(late, 2, 15), 0x999999u) << "the resting skin, painted";
}

TEST_F(StyleButtonWindow, MouseClickSequence) {
  hover(first_, 50, 16);
  EXPECT_EQ(control(first_).buttonState(), controls::stylebutton::kStateHot);
  EXPECT_EQ(pixelOf(first_, 2, 15), 0x712E13u) << "hot skin on screen";
  testsupport::mouseButton(true);
  pump(kInputSettles);
  EXPECT_EQ(control(first_).buttonState(), controls::stylebutton::kStatePressed);
  EXPECT_EQ(pixelOf(first_, 2, 15), 0x632D17u) << "pressed skin on screen";
  testsupport::mouseButton(false);
  pump(kInputSettles);
  hover(parent_, 300, 180);
  static const Strings kClick{"101 MouseEnter", "101 WM_LBUTTONDOWN",        "101 WM_SETFOCUS",   "101 WM_LBUTTONUP",
                              "101 Click",      "WM_COMMAND 101 BN_CLICKED", "101 WM_MOUSELEAVE", "101 MouseLeave"};
  EXPECT_TRUE(sameSequence(kClick, g_log));
  EXPECT_EQ(control(first_).buttonState(), controls::stylebutton::kStateNormal);
  EXPECT_EQ(::GetFocus(), first_) << "a click takes the focus";
  EXPECT_EQ(pixelOf(first_, 2, 15), 0x712E13u) << "normal but focused: the hot skin";
  ::SetFocus(second_);
  pump(kInputSettles);
  EXPECT_EQ(pixelOf(first_, 2, 15), 0x999999u) << "resting skin on screen";
}

TEST_F(StyleButtonWindow, ReleaseOutsideRaisesNoClick) {
  hover(first_, 50, 16);
  testsupport::mouseButton(true);
  pump(kInputSettles);
  hover(parent_, 300, 180);
  testsupport::mouseButton(false);
  pump(kInputSettles);
  // Wine's leave tracking polls, so a leave may or may not arrive while the mouse is captured;
  // the control holds such a leave back either way, and the release outside queues the one
  // that counts.
  const auto captured = std::remove(g_log.begin(), g_log.end(), "101 WM_MOUSELEAVE (captured)");
  g_log.erase(captured, g_log.end());
  static const Strings kReleaseOutside{"101 MouseEnter",   "101 WM_LBUTTONDOWN", "101 WM_SETFOCUS",
                                       "101 WM_LBUTTONUP", "101 WM_MOUSELEAVE",  "101 MouseLeave"};
  EXPECT_TRUE(sameSequence(kReleaseOutside, g_log));
  EXPECT_EQ(control(first_).buttonState(), controls::stylebutton::kStateNormal);
}

TEST_F(StyleButtonWindow, DoubleClickRaisesTwoClicks) {
  hover(first_, 50, 16);
  // Two presses well inside the double-click time, each handled before the next comes, as a
  // hand makes them (sent at once, the second would be handled inside the first release's wait).
  for (int i = 0; i < 2; ++i) {
    testsupport::mouseButton(true);
    testsupport::mouseButton(false);
    pump(std::chrono::milliseconds(60));
  }
  static const Strings kDoubleClick{"101 MouseEnter",           "101 WM_LBUTTONDOWN", "101 WM_SETFOCUS",
                                    "101 WM_LBUTTONUP",         "101 Click",          "WM_COMMAND 101 BN_CLICKED",
                                    "101 WM_LBUTTONDBLCLK",     "101 WM_LBUTTONUP",   "101 Click",
                                    "WM_COMMAND 101 BN_CLICKED"};
  EXPECT_TRUE(sameSequence(kDoubleClick, g_log));
}

TEST_F(StyleButtonWindow, KeyboardSpaceClicksAndTabMovesOn) {
  ::SetFocus(first_);
  pump(kInputSettles);
  EXPECT_EQ(pixelOf(first_, 2, 15), 0x712E13u) << "the focused button shows the hot skin";
  g_log.clear();
  sendKey(VK_SPACE, false);
  EXPECT_EQ(control(first_).buttonState(), controls::stylebutton::kStatePressed);
  sendKey(VK_SPACE, true);
  sendKey(VK_TAB, false);
  sendKey(VK_TAB, true);
  EXPECT_EQ(::GetFocus(), second_);
  sendKey(VK_RIGHT, false);
  sendKey(VK_RIGHT, true);
  EXPECT_EQ(::GetFocus(), first_) << "Right sends the focus on round the tab order";
  static const Strings kKeys{"101 WM_KEYDOWN 32", "101 WM_KEYUP 32",  "101 Click",       "WM_COMMAND 101 BN_CLICKED",
                             "101 MouseLeave",    "101 WM_KILLFOCUS", "102 WM_SETFOCUS", "102 WM_KEYUP 9",
                             "102 WM_KEYDOWN 39", "102 WM_KILLFOCUS", "101 WM_SETFOCUS", "101 WM_KEYUP 39"};
  EXPECT_TRUE(sameSequence(kKeys, g_log));
}

TEST_F(StyleButtonWindow, DisablingTheWindowDisablesTheControl) {
  ::EnableWindow(first_, FALSE);
  pump(kInputSettles);
  EXPECT_FALSE(control(first_).enabled());
  EXPECT_EQ(control(first_).buttonState(), controls::stylebutton::kStateDisabled);
  control(first_).setEnabled(true);
  EXPECT_TRUE(::IsWindowEnabled(first_));
}

TEST_F(StyleButtonWindow, TinyButtonGrowsTo20x20AndGetsTheRoundedShape) {
  ::SetWindowPos(first_, nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
  RECT r;
  ::GetClientRect(first_, &r);
  EXPECT_EQ(r.right, 20);
  EXPECT_EQ(r.bottom, 20);
  platform::win32::UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(first_, shape.get()), ERROR);
  EXPECT_FALSE(::PtInRegion(shape.get(), 0, 0));
  EXPECT_TRUE(::PtInRegion(shape.get(), 10, 0));
}

// A 16 x 16 icon of three colours, through the public gray-icon method onto a DIB.
TEST(PaintIconGrayscale, ExactGrays) {
  std::vector<std::uint32_t> colour(16 * 16, 0x909090);
  colour[0] = 0xFF0000;  // red, as a DIB stores it
  colour[1] = 0x808080;
  colour[2] = 0xFFFFFF;
  BITMAPINFO bmi{};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  platform::win32::WindowDc screen(nullptr);
  void* bits = nullptr;
  platform::win32::UniqueBitmap colourBitmap(::CreateDIBSection(screen.get(), &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(colourBitmap && bits);
  std::memcpy(bits, colour.data(), colour.size() * 4);
  std::vector<std::uint8_t> andMask(16 * 2, 0);
  platform::win32::UniqueBitmap maskBitmap(::CreateBitmap(16, 16, 1, 1, andMask.data()));
  ICONINFO info{TRUE, 0, 0, maskBitmap.get(), colourBitmap.get()};
  platform::win32::UniqueIcon icon(::CreateIconIndirect(&info));
  ASSERT_TRUE(icon);
  gfx::win32::DibSurface target;
  ASSERT_TRUE(target.resize(20, 20));
  target.surface().clear(0x00FF00);
  EXPECT_FALSE(ButtonWindow::paintIconGrayscale(target.dc(), nullptr, 0, 0, 16, 16));
  EXPECT_TRUE(ButtonWindow::paintIconGrayscale(target.dc(), icon.get(), 2, 2, 16, 16));
  ::GdiFlush();
  const gfx::Surface& s = target.surface();
  EXPECT_EQ(s.at(2, 2), 0x545454u);
  EXPECT_EQ(s.at(3, 2), 0x808080u);
  EXPECT_EQ(s.at(4, 2), 0xFFFFFFu);
  EXPECT_EQ(s.at(10, 10), 0x949494u);
  EXPECT_EQ(s.at(1, 1), 0x00FF00u);
}

}  // namespace
