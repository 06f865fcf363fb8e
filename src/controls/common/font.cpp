#include "controls/common/font.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/text.h"

namespace controls::common {
namespace {

// A whole decimal number, optionally signed, with an optional fraction and exponent, after any
// white space: what a stream would read, and nothing after it.
bool readDecimal(const std::string& text, double& value) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  const std::size_t start = i;
  const auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - from;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  if (i != text.size()) return false;
  value = std::strtod(text.c_str() + start, nullptr);
  return true;
}

}  // namespace

std::string formatFont(const FontSpec& font) {
  // The C library's own formatting: the program never changes its locale, so "8.25" whatever the
  // user's decimal separator. (String streams would bring the whole locale machinery into the exe.)
  char size[32];
  std::snprintf(size, sizeof size, "%g", font.size);
  std::string out = font.face + ',' + size;
  if (font.bold) out += ",bold";
  if (font.italic) out += ",italic";
  if (font.underline) out += ",underline";
  if (font.strikeout) out += ",strikeout";
  return out;
}

std::optional<FontSpec> parseFont(std::string_view text) {
  std::vector<std::string> parts;
  std::string part;
  for (char ch : text) {
    if (ch == ',') {
      parts.push_back(part);
      part.clear();
    } else {
      part += ch;
    }
  }
  parts.push_back(part);
  auto trim = [](std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
  };
  if (parts.size() < 2) return std::nullopt;
  FontSpec font;
  font.face = trim(parts[0]);
  const std::string size = trim(parts[1]);
  if (font.face.empty() || !readDecimal(size, font.size) || !(font.size > 0) || font.size > 1638) return std::nullopt;
  for (std::size_t i = 2; i < parts.size(); ++i) {
    const std::string flag = core::asciiLower(trim(parts[i]));
    if (flag == "bold") font.bold = true;
    else if (flag == "italic") font.italic = true;
    else if (flag == "underline") font.underline = true;
    else if (flag == "strikeout") font.strikeout = true;
    else return std::nullopt;
  }
  return font;
}

}  // namespace controls::common
