#include "credentials/settings.h"

#include "credentials/pass_codec.h"

namespace credentials {

std::string readStored(platform::SettingsStore& store, const char* key) {
  return store.get(kApplication, kSection, key, "");
}

bool writeStored(platform::SettingsStore& store, const char* key, const std::string& encoded) {
  return store.save(kApplication, kSection, key, encoded);
}

std::optional<std::string> readDecoded(platform::SettingsStore& store, const char* key) {
  return credentials::modpass::PassCodec(readStored(store, key), "decode");
}

Encoded encodeTyped(std::string_view utf8, const CodePage& codePage) {
  std::string ansi;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::string_view character = nextCharacter(utf8, at);
    const auto code = codePage.toAnsi(character);
    if (!code || code->size() != 1 || static_cast<unsigned char>((*code)[0]) == 128) {
      return {"", std::string(character)};
    }
    ansi += *code;
    // The key letter depends on the position, so each character is tried where it stands.
    if (!credentials::modpass::PassCodec(ansi, "encode")) return {"", std::string(character)};
  }
  auto encoded = credentials::modpass::PassCodec(ansi, "encode");
  return {encoded.value_or(""), ""};
}

bool matches(std::string_view typedUtf8, const std::optional<std::string>& decodedAnsi, const CodePage& codePage) {
  if (!decodedAnsi) return false;
  const auto typed = codePage.toAnsi(typedUtf8);
  return typed && *typed == *decodedAnsi;
}

}  // namespace credentials
