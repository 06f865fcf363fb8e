#include "app/module_registry.h"

#include <array>
#include <charconv>
#include <cmath>
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
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(number)) {
    return std::nullopt;
  }
  return number;
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
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::get<double>(value_));
  return std::string(buffer.data(), result.ptr);
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
