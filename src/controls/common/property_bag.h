#pragma once
// Stored control settings: key/value text in the order written, keys matched ignoring case.
// Text form: one "key=value" line each; backslash, CR and LF in values are escaped.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace controls::common {

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
// "true"/"false" read too); colours as their 32-bit number (property_table.h).
std::optional<long long> parseInteger(std::string_view text);
std::optional<bool> parseBoolean(std::string_view text);

// Reads the stored settings in order; the first value that cannot be read ends the load.
class PropertyReader {
 public:
  explicit PropertyReader(const PropertyBag& bag) : bag_(bag) {}
  explicit PropertyReader(PropertyBag&&) = delete;  // it keeps a reference to the bag
  bool ok() const { return ok_; }

  // Turns the key's text (or the fallback text when the key is missing) into out with parse,
  // which gives an empty optional for a text it refuses. False once anything failed.
  template <class T, class Parse>
  bool read(std::string_view key, std::string_view fallback, T& out, Parse&& parse) {
    if (!ok_) return false;
    const auto text = bag_.find(key);
    std::optional<T> value = parse(text ? std::string_view(*text) : fallback);
    if (!value) return ok_ = false;
    out = std::move(*value);
    return true;
  }

 private:
  const PropertyBag& bag_;
  bool ok_ = true;
};

}  // namespace controls::common
