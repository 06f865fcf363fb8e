#pragma once
// Stored control settings: key/value text in the order written, keys matched ignoring case.
// Text form: one "key=value" line each; backslash, CR and LF in values are escaped.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace stylebutton {

class PropertyBag {
 public:
  PropertyBag() = default;
  PropertyBag(std::initializer_list<std::pair<std::string, std::string>> entries);

  // Replaces an existing key (any case) in place, else appends.
  void write(std::string_view key, std::string value);
  std::optional<std::string> find(std::string_view key) const;
  const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }

  std::string toText() const;
  static PropertyBag fromText(std::string_view text);

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// Value forms: integers in decimal (or 0x hex); booleans -1/0 (any non-zero number or
// "true"/"false" read too); colours as their 32-bit number.
std::optional<long long> parseInteger(std::string_view text);
std::optional<bool> parseBoolean(std::string_view text);

}  // namespace stylebutton
