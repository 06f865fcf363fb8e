#pragma once
// The windows hold UTF-8; the codec and the store work on codes of the ANSI code page.
#include <optional>
#include <string>
#include <string_view>

namespace credentials {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // Nothing when a character has no single-byte code in the code page.
  virtual std::optional<std::string> toAnsi(std::string_view utf8) const = 0;
  virtual std::string toUtf8(std::string_view ansi) const = 0;
};

// Windows-1252, the code page of Western installs; the system's own is in win32/.
class Cp1252 final : public CodePage {
 public:
  std::optional<std::string> toAnsi(std::string_view utf8) const override;
  std::string toUtf8(std::string_view ansi) const override;
};

// The characters of a UTF-8 text, each as its own UTF-8 sequence (a malformed byte stands alone).
std::string_view nextCharacter(std::string_view utf8, std::size_t& at);

}  // namespace credentials
