#include "controls/common/property_table.h"

#include <limits>

namespace controls::common {

namespace {

// A number the key's type can hold, lo to hi; by default the range of N.
template <class N>
std::optional<N> number(std::string_view text, long long lo = std::numeric_limits<N>::min(),
                        long long hi = std::numeric_limits<N>::max()) {
  const auto v = parseInteger(text);
  if (!v || *v < lo || *v > hi) return std::nullopt;
  return static_cast<N>(*v);
}

}  // namespace

std::string StoredForm<int>::write(int v) { return std::to_string(v); }
std::optional<int> StoredForm<int>::read(std::string_view text) { return number<std::int32_t>(text); }

std::string StoredForm<std::int16_t>::write(std::int16_t v) { return std::to_string(v); }
std::optional<std::int16_t> StoredForm<std::int16_t>::read(std::string_view text) { return number<std::int16_t>(text); }

std::string StoredForm<bool>::write(bool v) { return v ? "-1" : "0"; }
std::optional<bool> StoredForm<bool>::read(std::string_view text) { return parseBoolean(text); }

std::string StoredForm<core::Colour>::write(core::Colour v) { return std::to_string(v); }
std::optional<core::Colour> StoredForm<core::Colour>::read(std::string_view text) {
  // Either a signed or an unsigned 32-bit number: -1 is 0xFFFFFFFF.
  return number<core::Colour>(text, std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::uint32_t>::max());
}

}  // namespace controls::common
