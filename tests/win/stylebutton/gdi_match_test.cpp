// The portable primitives against the platform's own GDI, pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "controls/stylebutton/renderer.h"
#include "gfx/region.h"
#include "gfx/surface.h"
#include "gfx/win32/dib_surface.h"
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
    win::UniqueRegion gdi(::CreateRoundRectRgn(0, 0, w + 1, h + 1, 18, 18));
    ASSERT_TRUE(gdi);
    EXPECT_EQ(firstDifference(stylebutton::windowRegion(10, w, h), gdi.get(), w + 1, h + 1), "") << w << "x" << h;
  }
}

TEST(GdiMatch, PolygonRegionsOfTheCutCornerStyles) {
  for (auto [w, h] : {std::pair{97, 33}, {20, 20}}) {
    const POINT one[] = {{0, 1}, {1, 0}, {w - 1, 0}, {w, 1}, {w, h - 2}, {w - 2, h}, {2, h}, {0, h - 2}};
    const POINT two[] = {{0, 2}, {2, 0}, {w - 3, 0}, {w, 3}, {w, h - 3}, {w - 3, h}, {4, h}, {0, h - 4}};
    win::UniqueRegion a(::CreatePolygonRgn(one, 8, ALTERNATE)), b(::CreatePolygonRgn(two, 8, ALTERNATE));
    EXPECT_EQ(firstDifference(stylebutton::windowRegion(7, w, h), a.get(), w, h), "") << "style 7, " << w << "x" << h;
    EXPECT_EQ(firstDifference(stylebutton::windowRegion(9, w, h), b.get(), w, h), "") << "style 9, " << w << "x" << h;
  }
}

TEST(GdiMatch, RectangleRegion) {
  win::UniqueRegion gdi(::CreateRectRgn(0, 0, 49, 25));
  EXPECT_EQ(firstDifference(stylebutton::windowRegion(3, 49, 25), gdi.get(), 49, 25), "");
}

// Draws with GDI and with the surface on two DIBs of the same size and compares them.
class TwoSurfaces : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gdi_.resize(kW, kH));
    ASSERT_TRUE(ours_.resize(kW, kH));
    gdi_.surface().clear(0xFFFFFF);
    ours_.surface().clear(0xFFFFFF);
  }
  std::string compare() {
    ::GdiFlush();
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        if (gdi_.surface().at(x, y) != ours_.surface().at(x, y)) {
          char buf[96];
          std::snprintf(buf, sizeof buf, "(%d, %d): GDI %06X, ours %06X", x, y, gdi_.surface().at(x, y),
                        ours_.surface().at(x, y));
          return buf;
        }
    return "";
  }
  static constexpr int kW = 24, kH = 16;
  gfx::win32::DibSurface gdi_, ours_;
};

TEST_F(TwoSurfaces, LinesMatchLineTo) {
  struct L {
    int x1, y1, x2, y2;
  };
  const L lines[] = {{1, 1, 20, 1}, {20, 3, 1, 3}, {2, 2, 2, 14}, {3, 14, 3, 2}, {0, 0, 15, 15},
                     {20, 14, 5, 0}, {1, 5, 22, 12}, {4, 15, 9, 0},  {22, 2, 1, 9}};
  for (const L& l : lines) {
    SetUp();
    win::UniquePen pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
    {
      win::SelectObjectScope keep(gdi_.dc(), pen.get());
      ::MoveToEx(gdi_.dc(), l.x1, l.y1, nullptr);
      ::LineTo(gdi_.dc(), l.x2, l.y2);
    }
    gfx::drawLine(ours_.surface(), l.x1, l.y1, l.x2, l.y2, 0xFF0000);
    EXPECT_EQ(compare(), "") << "line (" << l.x1 << ", " << l.y1 << ") -> (" << l.x2 << ", " << l.y2 << ")";
  }
}

TEST_F(TwoSurfaces, EdgesMatchDrawEdge) {
  const gfx::EdgeColours colours{::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_3DLIGHT),
                                 ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_3DDKSHADOW)};
  for (unsigned edge : {5u, 10u, 4u, 2u}) {
    SetUp();
    RECT r{2, 2, 20, 13};
    ::DrawEdge(gdi_.dc(), &r, edge, BF_RECT);
    gfx::edgeRect(ours_.surface(), 2, 2, 18, 11, edge, gfx::kSidesAll, colours);
    EXPECT_EQ(compare(), "") << "edge " << edge;
  }
}

}  // namespace
