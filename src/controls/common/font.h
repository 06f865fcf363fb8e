#pragma once
// A control's font as it is stored with the window that holds it.
#include <optional>
#include <string>
#include <string_view>

namespace controls::common {

struct FontSpec {
  std::string face = "Verdana";
  double size = 8.25;  // points
  bool bold = false, italic = false, underline = false, strikeout = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Stored as "face,size" followed by any of ",bold", ",italic", ",underline", ",strikeout".
std::string formatFont(const FontSpec& font);
std::optional<FontSpec> parseFont(std::string_view text);

}  // namespace controls::common
