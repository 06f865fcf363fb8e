#pragma once
// Integer arithmetic the program's layouts and colour maths rely on.
#include <cmath>
#include <cstdint>

namespace core {

// Round to nearest, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
inline std::int64_t roundHalfEven(double value) { return static_cast<std::int64_t>(std::nearbyint(value)); }

// The program's "\" operator: integer division truncating toward zero. Divisor must not be 0.
constexpr std::int64_t intDiv(std::int64_t a, std::int64_t b) { return a / b; }

}  // namespace core
