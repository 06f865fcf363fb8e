// The surface's lines and edges against the platform's own GDI on a DIB of the same size, pixel
// by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "gfx/surface.h"
#include "gfx/win32/dib_surface.h"
#include "platform/win32/handles.h"

namespace {

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
  const L lines[] = {{1, 1, 20, 1},  {20, 3, 1, 3},  {2, 2, 2, 14}, {3, 14, 3, 2}, {0, 0, 15, 15},
                     {20, 14, 5, 0}, {1, 5, 22, 12}, {4, 15, 9, 0}, {22, 2, 1, 9}};
  for (const L& l : lines) {
    SetUp();
    platform::win32::UniquePen pen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
    {
      platform::win32::SelectObjectScope keep(gdi_.dc(), pen.get());
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

// A platform region read back into a pixel mask, against GDI's own hit test.
TEST(RegionReadBack, MatchesPtInRegionForEveryShapeKind) {
  struct Case {
    const char* name;
    platform::win32::UniqueRegion region;
  };
  const POINT star[] = {{10, 0}, {13, 20}, {0, 7}, {20, 7}, {7, 20}};
  Case cases[] = {
      {"ellipse", platform::win32::UniqueRegion(::CreateEllipticRgn(-1, -1, 22, 13))},
      {"round rectangle", platform::win32::UniqueRegion(::CreateRoundRectRgn(-1, -1, 99, 35, 7, 7))},
      {"winding star", platform::win32::UniqueRegion(::CreatePolygonRgn(star, 5, WINDING))},
  };
  for (Case& c : cases) {
    ASSERT_TRUE(c.region) << c.name;
    const gfx::Region ours = gfx::win32::fromRegion(c.region.get());
    RECT box{};
    ::GetRgnBox(c.region.get(), &box);
    EXPECT_FALSE(ours.empty()) << c.name;
    for (LONG y = box.top - 1; y <= box.bottom; ++y)
      for (LONG x = box.left - 1; x <= box.right; ++x) {
        const bool a = ours.contains(x, y), b = ::PtInRegion(c.region.get(), x, y) != FALSE;
        ASSERT_EQ(a, b) << c.name << " (" << x << ", " << y << "): ours " << a << ", GDI " << b;
      }
  }
}

}  // namespace
