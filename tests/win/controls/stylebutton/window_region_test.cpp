// The button shapes against the regions GDI builds for the same outlines, point by point.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "controls/stylebutton/renderer.h"
#include "controls/win32/create_button.h"
#include "gfx/win32/dib_surface.h"
#include "gfx/region.h"
#include "platform/win32/handles.h"

namespace {

std::string firstDifference(const gfx::Region& ours, HRGN theirs, int w, int h) {
  for (int y = -1; y <= h; ++y)
    for (int x = -1; x <= w; ++x) {
      const bool a = ours.contains(x, y), b = ::PtInRegion(theirs, x, y) != FALSE;
      if (a != b) {
        char buf[80];
        std::snprintf(buf, sizeof buf, "(%d, %d): ours %s, GDI %s", x, y, a ? "in" : "out", b ? "in" : "out");
        return buf;
      }
    }
  return "";
}

TEST(GdiMatch, RoundRectRegionOfStyle10) {
  for (auto [w, h] : {std::pair{113, 33}, {65, 33}, {73, 33}, {153, 20}, {89, 28}, {105, 25}, {121, 20}, {20, 20}}) {
    platform::win32::UniqueRegion gdi(::CreateRoundRectRgn(0, 0, w + 1, h + 1, 18, 18));
    ASSERT_TRUE(gdi);
    EXPECT_EQ(firstDifference(controls::stylebutton::windowRegion(10, w, h), gdi.get(), w + 1, h + 1), "")
        << w << "x" << h;
  }
}

TEST(GdiMatch, PolygonRegionsOfTheCutCornerStyles) {
  for (auto [w, h] : {std::pair{97, 33}, {20, 20}}) {
    const POINT one[] = {{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}};
    const POINT two[] = {{0, 2}, {2, 0}, {w - 3, 0}, {w, 3}, {w, h - 3}, {w - 3, h}, {4, h}, {0, h - 4}};
    platform::win32::UniqueRegion a(::CreatePolygonRgn(one, 8, ALTERNATE)), b(::CreatePolygonRgn(two, 8, ALTERNATE));
    EXPECT_EQ(firstDifference(controls::stylebutton::windowRegion(7, w, h), a.get(), w, h), "")
        << "style 7, " << w << "x" << h;
    EXPECT_EQ(firstDifference(controls::stylebutton::windowRegion(5, w, h), a.get(), w, h), "")
        << "style 5, " << w << "x" << h;
    EXPECT_EQ(firstDifference(controls::stylebutton::windowRegion(8, w, h), b.get(), w, h), "")
        << "style 8, " << w << "x" << h;
    EXPECT_EQ(firstDifference(controls::stylebutton::windowRegion(9, w, h), b.get(), w, h), "")
        << "style 9, " << w << "x" << h;
  }
}

TEST(GdiMatch, AStyle5ButtonWindowHasTheCutPolygonAsItsShape) {
  // The shape a real window was given by the resize step, read back from the window.
  HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 80, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(parent);
  controls::win32::ButtonSpec desc{5, L"Five", 10, 10, 97, 33, {{"style", "5"}}};
  HWND button = controls::win32::createButton(parent, desc);
  ASSERT_TRUE(button);
  const int w = 97, h = 33;
  const POINT one[] = {{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}};
  platform::win32::UniqueRegion gdi(::CreatePolygonRgn(one, 8, ALTERNATE));
  platform::win32::UniqueRegion shape(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(button, shape.get()), ERROR);
  EXPECT_TRUE(::EqualRgn(shape.get(), gdi.get())) << "the window's shape is GDI's polygon";
  EXPECT_EQ(firstDifference(gfx::win32::fromRegion(shape.get()), gdi.get(), w, h), "");
  ::DestroyWindow(parent);
}

TEST(GdiMatch, RectangleRegion) {
  platform::win32::UniqueRegion gdi(::CreateRectRgn(0, 0, 49, 25));
  EXPECT_EQ(firstDifference(controls::stylebutton::windowRegion(3, 49, 25), gdi.get(), 49, 25), "");
}

}  // namespace
