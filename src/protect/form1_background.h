#pragma once
// The main window's backdrop. It is drawn when the window is built: stored as a bitmap it was a
// fifth of the program.
#include <cstdint>
#include <vector>

namespace protect {

inline constexpr int kBackgroundWidth = 623;
inline constexpr int kBackgroundHeight = 600;

// kBackgroundWidth x kBackgroundHeight pixels, top row first, 0x00RRGGBB.
std::vector<std::uint32_t> form1Background();

}  // namespace protect
