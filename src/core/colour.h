#pragma once
// Colours are 32-bit values laid out 0x00BBGGRR; 0x800000nn refers to system colour nn.
#include <cstdint>

namespace core {

using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}
constexpr std::uint8_t red(Colour c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t green(Colour c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t blue(Colour c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

constexpr bool isSystemColour(Colour c) { return (c & 0xFF000000u) == 0x80000000u; }
constexpr int systemColourIndex(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr Colour systemColour(int index) { return 0x80000000u | (static_cast<Colour>(index) & 0xFFu); }

// #RRGGBB as written in documents, to the stored layout.
constexpr Colour fromHex(std::uint32_t rrggbb) {
  return rgb(static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
             static_cast<std::uint8_t>(rrggbb));
}

}  // namespace core
