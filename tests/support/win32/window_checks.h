#pragma once
// Checks of where windows sit, each printing what it found.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace testsupport {

inline testing::AssertionResult sameRect(const RECT& expected, const RECT& actual) {
  if (::EqualRect(&expected, &actual)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "at " << actual.left << "," << actual.top << " to " << actual.right << ","
                                     << actual.bottom << ", expected " << expected.left << "," << expected.top << " to "
                                     << expected.right << "," << expected.bottom;
}

// Centred on the work area, to the pixel that an odd difference leaves over.
inline testing::AssertionResult centredOnWorkArea(HWND hwnd) {
  RECT window{};
  ::GetWindowRect(hwnd, &window);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  if (std::abs((window.left + window.right) - (work.left + work.right)) <= 1 &&
      std::abs((window.top + window.bottom) - (work.top + work.bottom)) <= 1) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "window at " << window.left << "," << window.top << " to " << window.right
                                     << "," << window.bottom << " in the work area " << work.left << "," << work.top
                                     << " to " << work.right << "," << work.bottom;
}

}  // namespace testsupport
