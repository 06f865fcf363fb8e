#pragma once
// The painters' arithmetic: 32-bit signed whole numbers, \ truncating toward zero, Round halves to
// even. A division by zero or a result beyond 32 bits ends the repaint (PaintFailure).
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/rounding.h"

namespace controls::sheenbutton {

enum class PaintError { None, DivisionByZero, Overflow, NoSurface };

struct PaintFailure {
  PaintError error;
};

inline int i32(long long v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    throw PaintFailure{PaintError::Overflow};
  return static_cast<int>(v);
}
inline int idiv(long long a, long long b) {
  if (b == 0) throw PaintFailure{PaintError::DivisionByZero};
  return i32(a / b);
}
inline double fdiv(double a, double b) {
  if (b == 0) throw PaintFailure{PaintError::DivisionByZero};
  return a / b;
}
inline int roundEven(double v) {
  if (!std::isfinite(v) || std::fabs(v) > 4.0e9) throw PaintFailure{PaintError::Overflow};
  return i32(core::roundHalfEven(v));
}

}  // namespace controls::sheenbutton
