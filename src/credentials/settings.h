#pragma once
// The three credential settings, each stored encoded under "QM" / "Settings". Nothing is cached:
// every reader reads the store when it needs the value.
#include <optional>
#include <string>
#include <string_view>

#include "credentials/code_page.h"
#include "platform/settings_store.h"

namespace credentials {

inline constexpr const char* kApplication = "QM";
inline constexpr const char* kSection = "Settings";
inline constexpr const char* kPasswordKey = "init";
inline constexpr const char* kQuestionKey = "cmdsq";
inline constexpr const char* kAnswerKey = "cmds";

// The value as stored (encoded), "" when missing.
std::string readStored(platform::SettingsStore& store, const char* key);
bool writeStored(platform::SettingsStore& store, const char* key, const std::string& encoded);
// The stored value decoded; nothing when it cannot be decoded (it was not made by encoding).
std::optional<std::string> readDecoded(platform::SettingsStore& store, const char* key);

// What the user typed (UTF-8), encoded for the store; or else the first character the codec
// cannot carry: one without a single-byte code, code 128 (it would come back as a space), or a
// code that passes 255 when shifted by its key letter.
struct Encoded {
  std::string ansi;
  std::string refused;  // UTF-8 of the refused character; empty when the text was encoded
};
Encoded encodeTyped(std::string_view utf8, const CodePage& codePage);

// Compares what the user typed with a decoded setting, exactly. An undecodable setting matches
// nothing.
bool matches(std::string_view typedUtf8, const std::optional<std::string>& decodedAnsi, const CodePage& codePage);

}  // namespace credentials
