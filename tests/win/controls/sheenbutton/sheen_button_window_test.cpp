// A real SheenButton in a real window: its shape as GDI holds it, real pointer and keyboard input
// recorded as messages and events in order, the hook beside other subclasses, and a gallery of
// every style and state.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "controls/sheenbutton/painters.h"
#include "controls/sheenbutton/shapes.h"
#include "controls/sheenbutton/win32/sheen_button_window.h"
#include "controls/win32/create_button.h"
#include "platform/win32/handles.h"
#include "support/sequence.h"
#include "support/win32/input.h"
#include "support/win32/pump.h"
#include "support/win32/screenshot.h"

namespace {

using controls::sheenbutton::win32::SheenWindow;
using testsupport::pump;
using testsupport::sameSequence;
using Strings = std::vector<std::string>;

Strings g_log;

LRESULT CALLBACK parentProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    g_log.push_back("WM_COMMAND " + std::to_string(LOWORD(wparam)) + " BN_CLICKED");
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

// Ahead of everything else on the button: the input messages it gets, in the same log.
LRESULT CALLBACK recorder(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  const char* name = nullptr;
  switch (message) {
    case WM_LBUTTONDOWN: name = "WM_LBUTTONDOWN"; break;
    case WM_LBUTTONUP: name = "WM_LBUTTONUP"; break;
    case WM_MOUSELEAVE: name = "WM_MOUSELEAVE"; break;
    case WM_KEYDOWN: name = wparam == VK_RETURN ? "WM_KEYDOWN Enter" : nullptr; break;
    case WM_KEYUP: name = wparam == VK_RETURN ? "WM_KEYUP Enter" : nullptr; break;
    default: break;
  }
  if (name) g_log.push_back(name);
  return ::DefSubclassProc(hwnd, message, wparam, lparam);
}

class SheenWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = parentProcedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"SheenParent";
    ::RegisterClassExW(&wc);
    parent = ::CreateWindowExW(0, L"SheenParent", L"SheenButton test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 700,
                               420, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(parent);
    ::SetForegroundWindow(parent);
    pump();
  }
  void TearDown() override {
    if (parent) ::DestroyWindow(parent);
    pump();
  }
  HWND button(controls::common::PropertyBag settings, int x = 40, int y = 40, int w = 49, int h = 41, int id = 7) {
    controls::win32::ButtonSpec description{id, L"", x, y, w, h, std::move(settings)};
    if (!description.settings.find("colorscheme")) description.settings.write("colorscheme", "0");
    HWND b = controls::win32::createButton(parent, description);
    if (SheenWindow* s = SheenWindow::fromHwnd(b)) {
      s->onEvent = [](const std::string& e) {
        if (e.rfind("MouseMove", 0) != 0) g_log.push_back(e);
      };
    }
    pump();
    return b;
  }
  // Where the pointer goes during the test: well away from the button first.
  void away() {
    testsupport::moveTo(parent, {600, 300});
    pump(std::chrono::milliseconds(200));
  }

  HWND parent = nullptr;
};

// Over (x0, y0) to (x1, y1), both included.
std::string firstDifference(HRGN theirs, int x0, int y0, int x1, int y1, const std::function<bool(int, int)>& ours) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const bool a = ours(x, y), b = ::PtInRegion(theirs, x, y) != FALSE;
      if (a != b) {
        char buf[80];
        std::snprintf(buf, sizeof buf, "(%d, %d): ours %s, GDI %s", x, y, a ? "in" : "out", b ? "in" : "out");
        return buf;
      }
    }
  return "";
}

TEST_F(SheenWindowTest, WindowShapeIsThePixelTestAsGdiHoldsIt) {
  const struct { int w, h; } sizes[] = {{49, 41}, {20, 60}, {113, 33}, {30, 12}};
  for (int style = 2; style <= 7; ++style) {
    for (const auto& s : sizes) {
      HWND b = button({{"style", std::to_string(style)}, {"caption", ""}}, 10, 10, s.w, s.h);
      ASSERT_TRUE(b);
      platform::win32::UniqueRegion rgn(::CreateRectRgn(0, 0, 0, 0));
      ASSERT_NE(::GetWindowRgn(b, rgn.get()), ERROR) << "style " << style;
      const int r = controls::sheenbutton::cornerRadius(style, s.w, s.h, 0);
      EXPECT_EQ(SheenWindow::fromHwnd(b)->control().cornerRadius(), r);
      EXPECT_EQ(firstDifference(rgn.get(), -1, -1, s.w, s.h,
                                [&](int x, int y) {
                                  return x >= 0 && y >= 0 && x < s.w && y < s.h &&
                                         controls::sheenbutton::inRoundRect(x, y, 0, 0, s.w, s.h, r);
                                }),
                "")
          << "style " << style << " " << s.w << "x" << s.h;
      ::DestroyWindow(b);
    }
  }
  HWND flat = button({{"style", "0"}});
  platform::win32::UniqueRegion none(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(::GetWindowRgn(flat, none.get()), ERROR) << "style 0 has no shape";
}

// The exact corner pixels of the platform's rounded rectangle are open; the box it fills and the
// size of the corners it cuts are not.
TEST_F(SheenWindowTest, GlossShapeFillsGdisRoundRectBoxAndCutsItsCorners) {
  for (int style : {2, 3, 4, 5, 7}) {
    for (auto [w, h] : {std::pair{49, 41}, {113, 33}}) {
      const int r = controls::sheenbutton::cornerRadius(style, w, h, 0);
      const auto p = controls::sheenbutton::glossParams(style, r, w, h);
      platform::win32::UniqueRegion gdi(::CreateRoundRectRgn(p.glossLeft, p.glossTop, p.glossRight, p.glossBottom,
                                                             2 * p.glossCorner, 2 * p.glossCorner));
      ASSERT_TRUE(gdi);
      const gfx::Region ours = gfx::Region::roundRect({p.glossLeft, p.glossTop, p.glossRight, p.glossBottom},
                                                      2 * p.glossCorner, 2 * p.glossCorner);
      const int cw = p.glossCorner, ch = p.glossCorner;  // half the corner ellipse
      const auto inCornerBox = [&](int x, int y) {
        const bool left = x < p.glossLeft + cw, right = x >= p.glossRight - 1 - cw;
        const bool top = y < p.glossTop + ch, bottom = y >= p.glossBottom - 1 - ch;
        return (left || right) && (top || bottom);
      };
      EXPECT_EQ(firstDifference(gdi.get(), p.glossLeft - 1, p.glossTop - 1, p.glossRight + 1, p.glossBottom + 1,
                                [&](int x, int y) {
                                  const bool gdiIn = ::PtInRegion(gdi.get(), x, y) != FALSE;
                                  return inCornerBox(x, y) ? gdiIn : ours.contains(x, y);
                                }),
                "")
          << "style " << style << " " << w << "x" << h << ": outside the corners";
      RECT theirs{};
      ::GetRgnBox(gdi.get(), &theirs);
      const gfx::Rect b = ours.bounds();
      EXPECT_EQ(b.left, theirs.left);
      EXPECT_EQ(b.right, theirs.right);
    }
  }
}

TEST_F(SheenWindowTest, RealPointerEntersPressesDragsOutReleasesAndLeaves) {
  HWND b = button({{"style", "7"}, {"caption", "Go"}});
  ::SetWindowSubclass(b, recorder, 1, 0);
  away();
  g_log.clear();
  testsupport::moveTo(b, {20, 20});
  pump(std::chrono::milliseconds(200));
  EXPECT_TRUE(SheenWindow::fromHwnd(b)->control().mouseOver());
  testsupport::mouseButton(true);
  pump(std::chrono::milliseconds(200));
  testsupport::moveTo(b, {120, 20});  // out, with the button held
  pump(std::chrono::milliseconds(200));
  EXPECT_FALSE(SheenWindow::fromHwnd(b)->control().mouseOver()) << "the drag out";
  testsupport::mouseButton(false);
  pump(std::chrono::milliseconds(300));
  away();
  const Strings log = g_log;
  // The leave that the drag's capture held back may come at the release or not at all; what
  // matters is the order of the rest and that there is no click.
  Strings withoutLeaves;
  for (const std::string& line : log)
    if (line != "WM_MOUSELEAVE" && line != "MouseLeave") withoutLeaves.push_back(line);
  EXPECT_TRUE(sameSequence(
      {"MouseEnter", "WM_LBUTTONDOWN", "MouseDown 1 0 21 20", "WM_LBUTTONUP", "MouseUp 1 0 121 20"}, withoutLeaves));
  EXPECT_LE(std::count(log.begin(), log.end(), "MouseLeave"), 1) << "one leave notice per hover";
}

TEST_F(SheenWindowTest, RealPointerClickRaisesMouseDownMouseUpClickAndTellsTheParent) {
  HWND b = button({{"style", "7"}, {"caption", "Go"}});
  ::SetWindowSubclass(b, recorder, 1, 0);
  away();
  g_log.clear();
  testsupport::moveTo(b, {20, 20});
  pump(std::chrono::milliseconds(200));
  testsupport::mouseButton(true);
  testsupport::mouseButton(false);
  pump(std::chrono::milliseconds(300));
  away();
  EXPECT_TRUE(sameSequence({"MouseEnter", "WM_LBUTTONDOWN", "MouseDown 1 0 21 20", "WM_LBUTTONUP", "MouseUp 1 0 21 20",
                            "Click", "WM_COMMAND 7 BN_CLICKED", "WM_MOUSELEAVE", "MouseLeave"},
                           g_log));
}

TEST_F(SheenWindowTest, DisabledRealPointerRaisesOnlyEnterAndLeave) {
  HWND b = button({{"style", "7"}, {"enabled", "0"}});
  ::SetWindowSubclass(b, recorder, 1, 0);
  away();
  g_log.clear();
  testsupport::moveTo(b, {20, 20});
  pump(std::chrono::milliseconds(200));
  testsupport::mouseButton(true);
  testsupport::mouseButton(false);
  pump(std::chrono::milliseconds(300));
  away();
  EXPECT_TRUE(sameSequence({"MouseEnter", "WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_MOUSELEAVE", "MouseLeave"}, g_log));
}

TEST_F(SheenWindowTest, EnterKeyRaisesMouseDownMouseUpAndClick) {
  HWND b = button({{"style", "7"}});
  ::SetWindowSubclass(b, recorder, 1, 0);
  ::SetFocus(b);
  pump();
  g_log.clear();
  testsupport::sendKey(VK_RETURN, false);
  testsupport::sendKey(VK_RETURN, true);
  testsupport::sendKey(VK_SPACE, false);
  testsupport::sendKey(VK_SPACE, true);
  pump(std::chrono::milliseconds(200));
  EXPECT_TRUE(sameSequence({"WM_KEYDOWN Enter", "MouseDown 1 0 0 0", "WM_KEYUP Enter", "MouseUp 1 0 0 0", "Click",
                            "WM_COMMAND 7 BN_CLICKED"},
                           g_log))
      << "Space does nothing";
}

// The hook is an ordinary subclass: the window procedure stays in the program's image, and taking
// the hook out leaves a subclass added after it working.
TEST_F(SheenWindowTest, HookIsAnOrdinarySubclassAndLeavesOthersInPlace) {
  HWND b = button({{"style", "7"}, {"caption", "Go"}});
  auto& control = SheenWindow::fromHwnd(b)->control();
  const auto handle = reinterpret_cast<controls::sheenbutton::WindowHandle>(b);
  ASSERT_TRUE(control.hook().hooked(handle));
  EXPECT_TRUE(control.trackingAvailable());
  EXPECT_TRUE(control.trackWithUser32()) << "the system's own tracking function is found first";
  MEMORY_BASIC_INFORMATION info{};
  ASSERT_NE(::VirtualQuery(reinterpret_cast<void*>(::GetWindowLongPtrW(b, GWLP_WNDPROC)), &info, sizeof info), 0u);
  EXPECT_EQ(info.Type, static_cast<DWORD>(MEM_IMAGE)) << "the window procedure is code of a loaded module";
  EXPECT_EQ(control.hook().HookCallPrevious(handle, WM_GETTEXTLENGTH, 0, 0), 2) << "the window's own answer";
  ::SetWindowSubclass(b, recorder, 1, 0);
  EXPECT_EQ(control.hook().HookCallPrevious(handle, WM_GETTEXTLENGTH, 0, 0), 2) << "with a subclass above it";
  control.hook().sc_UnSubclass(handle);
  EXPECT_FALSE(control.hook().hooked(handle));
  g_log.clear();
  ::SendMessageW(b, WM_KEYDOWN, VK_RETURN, 0);
  ::SendMessageW(b, WM_KEYUP, VK_RETURN, 0);
  EXPECT_TRUE(sameSequence({"WM_KEYDOWN Enter", "MouseDown 1 0 0 0", "WM_KEYUP Enter", "MouseUp 1 0 0 0", "Click",
                            "WM_COMMAND 7 BN_CLICKED"},
                           g_log));
  wchar_t text[32] = {};
  ::GetWindowTextW(b, text, 32);
  EXPECT_STREQ(text, L"Go") << "the window still answers with its caption";
}

TEST_F(SheenWindowTest, DisplayHandShowsTheSystemHandOverTheControl) {
  const struct {
    const char* displayHand;
    LPCWSTR cursor;
  } cases[] = {{"-1", IDC_HAND}, {"0", IDC_ARROW}};
  for (const auto& c : cases) {
    HWND b = button({{"style", "7"}, {"displayhand", c.displayHand}});
    ::SendMessageW(b, WM_SETCURSOR, reinterpret_cast<WPARAM>(b), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, c.cursor)) << "DisplayHand " << c.displayHand;
    ::DestroyWindow(b);
  }
}

// Eight styles in five states, in the default colours and in scheme 4, for the eye.
TEST_F(SheenWindowTest, Gallery) {
  ::SetWindowPos(parent, nullptr, 0, 0, 8 * 78 + 30, 2 * 5 * 40 + 70, SWP_NOMOVE | SWP_NOZORDER);
  int id = 100;
  for (int scheme : {0, 4}) {
    for (int state = 0; state < 5; ++state) {
      for (int style = 0; style < 8; ++style) {
        const int y = 8 + (scheme ? 5 * 40 + 10 : 0) + state * 40;
        HWND b = button({{"style", std::to_string(style)},
                         {"caption", "Sheen"},
                         {"colorscheme", std::to_string(scheme)},
                         {"font", "MS Sans Serif,8.25"},
                         {"picturealignment", "0"}},
                        8 + style * 78, y, 72, 34, id++);
        ASSERT_TRUE(b);
        auto& c = SheenWindow::fromHwnd(b)->control();
        if (scheme) c.setColorScheme(scheme);
        c.setCaption(std::string("Style ") + std::to_string(style));
        c.buildShape();
        EXPECT_EQ(c.redraw(state), controls::sheenbutton::PaintError::None) << style << " " << state;
      }
    }
  }
  away();
  pump(std::chrono::milliseconds(200));
  EXPECT_TRUE(testsupport::saveScreenshot(parent, "sheenbutton-gallery") || !std::getenv("QFV_SHOTS"));
}

}  // namespace
