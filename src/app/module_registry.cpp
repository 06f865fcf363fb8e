#include "app/module_registry.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "core/rounding.h"
#include "core/text.h"

namespace app::ModuleRegistry {
namespace {

using platform::RootKey;

constexpr std::array<std::pair<const char*, RootKey>, 6> kHives = {{
    {"HKCU", RootKey::CurrentUser},
    {"HKLM", RootKey::LocalMachine},
    {"HKU", RootKey::Users},
    {"HKDD", RootKey::DynData},
    {"HKCC", RootKey::CurrentConfig},
    {"HKCR", RootKey::ClassesRoot},
}};

std::optional<double> parseNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  // A plain decimal number with an optional sign, fraction and exponent, and nothing else; the
  // C library reads it (the program never changes its locale). The number conversions of the
  // standard library would bring 200 KB of tables into the exe.
  std::size_t i = 0;
  const auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i - from;
  };
  if (i < text.size() && text[i] == '-') ++i;
  std::size_t mantissa = digits();
  if (i < text.size() && text[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (digits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const std::string plain(text);
  errno = 0;
  const double number = std::strtod(plain.c_str(), nullptr);
  // Too large, or so small that nothing of it is left.
  if (!std::isfinite(number) || (errno == ERANGE && number == 0)) return std::nullopt;
  return number;
}

// The shortest text that reads back as the same number, in plain or exponent form, whichever is
// shorter (plain on a tie).
std::string shortestText(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buffer[320];
  int precision = 1;
  for (; precision < 17; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
    if (std::strtod(buffer, nullptr) == value) break;
  }
  std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, value);
  const std::string scientific = buffer;
  const std::size_t e = scientific.find('e');
  const int exponent = std::atoi(scientific.c_str() + e + 1);
  std::string digits;
  for (std::size_t i = 0; i < e; ++i) {
    if (scientific[i] >= '0' && scientific[i] <= '9') digits += scientific[i];
  }
  const std::string sign = std::signbit(value) ? "-" : "";
  const int count = static_cast<int>(digits.size());
  std::string plain;
  if (exponent >= count - 1) {
    // A whole number is written with all its digits, as it is exactly.
    std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(value));
    plain = buffer;
  } else if (exponent >= 0) {
    // Appended piece by piece: GCC 12 sees an overlap that is not there in "." + string.
    plain.assign(digits, 0, static_cast<std::size_t>(exponent + 1))
        .append(1, '.')
        .append(digits, static_cast<std::size_t>(exponent + 1));
  } else {
    plain.assign("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  }
  std::string exponentForm = digits.substr(0, 1);
  if (count > 1) exponentForm.append(1, '.').append(digits, 1);
  const int magnitude = exponent < 0 ? -exponent : exponent;
  exponentForm += std::string(exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
  return sign + (plain.size() <= exponentForm.size() ? plain : exponentForm);
}

std::vector<std::uint8_t> littleEndian(std::uint32_t value, std::size_t bytes) {
  std::vector<std::uint8_t> out(bytes);
  for (std::size_t i = 0; i < bytes; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
  return out;
}

}  // namespace

std::string RegValue::asText() const {
  if (const auto* text = std::get_if<std::string>(&value_)) return *text;
  if (const auto* flag = std::get_if<bool>(&value_)) return *flag ? "True" : "False";
  return shortestText(std::get<double>(value_));
}

std::optional<bool> RegValue::asBoolean() const {
  if (const auto* flag = std::get_if<bool>(&value_)) return *flag;
  if (const auto* number = std::get_if<double>(&value_)) return *number != 0;
  const std::string lower = core::asciiLower(std::get<std::string>(value_));
  if (lower == "true") return true;
  if (lower == "false") return false;
  if (const auto number = parseNumber(lower)) return *number != 0;
  return std::nullopt;
}

std::optional<std::int16_t> RegValue::asInt16() const {
  if (const auto* flag = std::get_if<bool>(&value_)) return static_cast<std::int16_t>(*flag ? -1 : 0);
  std::optional<double> number;
  if (const auto* n = std::get_if<double>(&value_)) {
    number = *n;
  } else {
    number = parseNumber(std::get<std::string>(value_));
  }
  if (!number || !std::isfinite(*number) || std::abs(*number) > 1e9) return std::nullopt;
  const std::int64_t rounded = core::roundHalfEven(*number);
  if (rounded < -32768 || rounded > 32767) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

std::uint32_t ResolveHive(platform::Registry& registry, const std::string& name) {
  const std::string upper = core::asciiUpper(name);
  for (const auto& [hive, root] : kHives) {
    if (upper == hive) return static_cast<std::uint32_t>(root);
  }
  return !name.empty() && registry.fileExists(name) ? kIniFile : 0;
}

std::uint32_t WriteRegValue(platform::Registry& registry, const std::string& hive, const std::string& keyPath,
                            const std::string& valueName, const std::string& type, const RegValue& value) {
  const std::uint32_t root = ResolveHive(registry, hive);
  if (root == 0) return kUnknownHive;
  const std::string letter = core::asciiUpper(type);
  if (root == kIniFile) {
    if (letter != "S") return kUnknownHive;
    registry.writeProfileString(keyPath, valueName, value.asText(), hive);
    return 0;
  }

  // The data is made before the key is touched, so a value with no form for its type creates
  // nothing.
  std::uint32_t regType = 0;
  std::vector<std::uint8_t> data;
  if (letter == "S") {
    const std::string text = value.asText();
    regType = platform::regtype::kString;
    data.assign(text.begin(), text.end());
    data.push_back(0);
  } else if (letter == "B") {
    const auto flag = value.asBoolean();
    if (!flag) return kBadValue;
    regType = platform::regtype::kBinary;
    data = littleEndian(*flag ? 0xFFFFu : 0u, 2);
  } else if (letter == "D") {
    const auto number = value.asInt16();
    if (!number) return kBadValue;
    regType = platform::regtype::kDword;
    data = littleEndian(static_cast<std::uint32_t>(static_cast<std::int32_t>(*number)), 4);
  }

  platform::Registry::Key key = 0;
  const long created = registry.createKey(static_cast<RootKey>(root), keyPath, key);
  if (created != 0) return static_cast<std::uint32_t>(created);
  if (regType != 0) {
    const long set = registry.setValue(key, valueName, regType, data);
    if (set != 0) {
      registry.closeKey(key);
      return static_cast<std::uint32_t>(set);
    }
  }
  return static_cast<std::uint32_t>(registry.closeKey(key));
}

}  // namespace app::ModuleRegistry
