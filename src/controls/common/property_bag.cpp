#include "controls/common/property_bag.h"

#include <charconv>

#include "core/text.h"

namespace controls::common {

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::string, std::string>> entries) {
  for (const auto& [k, v] : entries) write(k, v);
}

void PropertyBag::write(std::string_view key, std::string value) {
  const std::string folded = core::asciiLower(key);
  for (auto& entry : entries_) {
    if (core::asciiLower(entry.first) == folded) {
      entry.second = std::move(value);
      return;
    }
  }
  entries_.emplace_back(std::string(key), std::move(value));
}

std::optional<std::string> PropertyBag::find(std::string_view key) const {
  const std::string folded = core::asciiLower(key);
  for (const auto& entry : entries_)
    if (core::asciiLower(entry.first) == folded) return entry.second;
  return std::nullopt;
}

std::string PropertyBag::toText() const {
  std::string out;
  for (const auto& [key, value] : entries_) {
    out += key;
    out += '=';
    for (char ch : value) {
      if (ch == '\\') out += "\\\\";
      else if (ch == '\n') out += "\\n";
      else if (ch == '\r') out += "\\r";
      else out += ch;
    }
    out += '\n';
  }
  return out;
}

PropertyBag PropertyBag::fromText(std::string_view text) {
  PropertyBag bag;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    std::string value;
    for (std::size_t i = eq + 1; i < line.size(); ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        const char next = line[++i];
        value += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
      } else {
        value += line[i];
      }
    }
    bag.write(line.substr(0, eq), std::move(value));
  }
  return bag;
}

std::optional<long long> parseInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  long long value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

std::optional<bool> parseBoolean(std::string_view text) {
  const std::string folded = core::asciiLower(text);
  if (folded == "true") return true;
  if (folded == "false") return false;
  const auto n = parseInteger(text);
  if (!n) return std::nullopt;
  return *n != 0;
}

}  // namespace controls::common
