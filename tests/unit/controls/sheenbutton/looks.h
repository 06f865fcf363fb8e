#pragma once
// Reads which look a 49 x 41 Style 0 control shows from one pixel of its rims and body.
#include <string>

#include "fake_host.h"

namespace controls::sheenbutton::fake {

inline std::string look(const FakeHost& host) {
  if (host.surface.width() < 2) return "nothing";
  switch (host.surface.at(1, 20)) {
    case core::fromHex(0xF5F4F1): return "normal";
    case core::fromHex(0xA2C0ED): return "focused";
    case core::fromHex(0xFAC55C): return "hover";
    case core::fromHex(0xE3E3DB): return "pressed";
    default: return "unknown";
  }
}

// Settings of a running control with distinct colours for each state.
inline PropertyBag styleZeroSettings(const std::string& style = "0") {
  return {{"style", style},
          {"caption", ""},
          {"colorbuttonup", std::to_string(core::fromHex(0x5099E9))},
          {"colorbuttondown", std::to_string(core::fromHex(0x1067A0))},
          {"colorbuttonhover", std::to_string(core::fromHex(0x90C0FF))}};
}

}  // namespace controls::sheenbutton::fake
