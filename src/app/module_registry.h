#pragma once
// ModuleRegistry: writes one named value into the registry, or one key into an INI file when the
// hive names an existing file. Strings are bytes of the ANSI code page, as the registry's ANSI
// calls take them.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "credentials/ports.h"
#include "platform/registry.h"

namespace app::ModuleRegistry {

// The value as a caller gives it: text, a number or a Boolean; converted as the type letter asks.
class RegValue {
 public:
  static RegValue text(std::string value) { return RegValue(Variant(std::move(value))); }
  static RegValue number(double value) { return RegValue(Variant(value)); }
  static RegValue boolean(bool value) { return RegValue(Variant(value)); }

  // "True"/"False" for a Boolean, the shortest exact decimal form for a number.
  std::string asText() const;
  // Text: "true"/"false" in any case, or a number (non-zero is true). Nothing when it is neither.
  std::optional<bool> asBoolean() const;
  // Rounded to the nearest integer, halves to even; true is -1. Nothing outside -32768..32767.
  std::optional<std::int16_t> asInt16() const;

 private:
  using Variant = std::variant<std::string, double, bool>;
  explicit RegValue(Variant value) : value_(std::move(value)) {}
  Variant value_;
};

inline constexpr std::uint32_t kIniFile = 1;
inline constexpr std::uint32_t kUnknownHive = 99;
// Returned, with nothing written, for a "B" or "D" value that has no Boolean or 16-bit form.
inline constexpr std::uint32_t kBadValue = 87;  // ERROR_INVALID_PARAMETER

// The predefined root key's handle value, kIniFile when the name is an existing file, else 0.
std::uint32_t ResolveHive(platform::Registry& registry, const std::string& name);

// 0, kUnknownHive, kBadValue or the error code of the failing registry call.
std::uint32_t WriteRegValue(platform::Registry& registry, const std::string& hive, const std::string& keyPath,
                            const std::string& valueName, const std::string& type, const RegValue& value);

// The credential windows' registry writer: string values through WriteRegValue.
class Writer final : public credentials::RegistryWriter {
 public:
  explicit Writer(platform::Registry& registry) : registry_(registry) {}
  std::uint32_t writeString(const std::string& hive, const std::string& keyPath, const std::string& valueName,
                            const std::string& value) override {
    return WriteRegValue(registry_, hive, keyPath, valueName, "S", RegValue::text(value));
  }

 private:
  platform::Registry& registry_;
};

}  // namespace app::ModuleRegistry
