#include "credentials/code_page.h"

#include "core/text.h"

namespace credentials {

std::optional<std::string> Cp1252::toAnsi(std::string_view utf8) const {
  if (!core::fitsCp1252(utf8)) return std::nullopt;
  return core::utf8ToCp1252(utf8);
}

std::string Cp1252::toUtf8(std::string_view ansi) const { return core::cp1252ToUtf8(ansi); }

std::string_view nextCharacter(std::string_view utf8, std::size_t& at) {
  const std::size_t start = at;
  const auto lead = static_cast<unsigned char>(utf8[at]);
  std::size_t length = 1;
  if (lead >= 0xF0) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = 3;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  std::size_t n = 1;
  while (n < length && start + n < utf8.size() && (static_cast<unsigned char>(utf8[start + n]) & 0xC0) == 0x80) ++n;
  at = start + n;
  return utf8.substr(start, n);
}

}  // namespace credentials
