#pragma once
// The fixed-key codec the credential settings are stored with. Values written by earlier installs
// must stay readable, so nothing here may change: not the key, not the seven-letter cycle.
#include <optional>
#include <string>
#include <string_view>

namespace credentials::modpass {

// text: bytes of the ANSI code page. mode: "encode" or "decode", matched exactly; any other mode
// only carries spaces as code 128. Gives nothing when a code would leave 0..255 (an encoded
// character of code 134 or more, or a stored value that was not made by encoding).
std::optional<std::string> PassCodec(std::string_view text, std::string_view mode);

}  // namespace credentials::modpass
