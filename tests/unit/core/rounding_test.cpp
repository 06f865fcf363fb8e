#include "core/rounding.h"

#include <gtest/gtest.h>

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  const struct {
    double in;
    std::int64_t out;
  } cases[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},    {3.5, 4},      {-0.5, 0}, {-1.5, -2},
               {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {7.0, 7},  {1e9 + 0.5, 1000000000}};
  for (const auto& c : cases) EXPECT_EQ(core::roundHalfEven(c.in), c.out) << "round(" << c.in << ")";
}

TEST(Rounding, IntegerDivisionTruncatesTowardZero) {
  const struct {
    std::int64_t a, b, q;
  } cases[] = {{7, 2, 3}, {-7, 2, -3}, {7, -2, -3}, {-7, -2, 3}, {1, 3, 0}, {-1, 3, 0}, {6, 3, 2}};
  for (const auto& c : cases) EXPECT_EQ(core::intDiv(c.a, c.b), c.q) << c.a << " \\ " << c.b;
}

}  // namespace
