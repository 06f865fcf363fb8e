#include "controls/common/font.h"

#include <sstream>
#include <vector>

#include "core/text.h"

namespace controls::common {

std::string formatFont(const FontSpec& font) {
  std::ostringstream out;
  out.imbue(std::locale::classic());  // "8.25" whatever the user's decimal separator
  out << font.face << ',' << font.size;
  if (font.bold) out << ",bold";
  if (font.italic) out << ",italic";
  if (font.underline) out << ",underline";
  if (font.strikeout) out << ",strikeout";
  return out.str();
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
  std::istringstream in(size);
  in.imbue(std::locale::classic());
  if (font.face.empty() || !(in >> font.size) || !in.eof() || !(font.size > 0) || font.size > 1638) return std::nullopt;
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
