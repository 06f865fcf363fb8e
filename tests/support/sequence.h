#pragma once
// Compares what was recorded, in order, with what was expected. On a difference both are printed
// side by side, one line each, and the first line that differs is marked.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

inline testing::AssertionResult sameSequence(const std::vector<std::string>& expected,
                                             const std::vector<std::string>& actual) {
  if (expected == actual) return testing::AssertionSuccess();
  std::size_t width = std::string("expected").size();
  for (const std::string& line : expected) width = std::max(width, line.size());
  const auto padded = [&](const std::string& s) { return s + std::string(width - s.size(), ' '); };
  std::ostringstream out;
  out << "\n  " << padded("expected") << " | actual\n";
  bool marked = false;
  for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
    const std::string want = i < expected.size() ? expected[i] : "";
    const std::string got = i < actual.size() ? actual[i] : "";
    const bool first = !marked && (i >= expected.size() || i >= actual.size() || want != got);
    marked = marked || first;
    out << (first ? "> " : "  ") << padded(want) << " | " << got << "\n";
  }
  return testing::AssertionFailure() << out.str();
}

}  // namespace testsupport
