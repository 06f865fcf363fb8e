#include "credentials/pass_codec.h"

namespace credentials::modpass {
namespace {
constexpr std::string_view kKey = "tervolin";
// Only the first seven letters take part; stored values depend on this cycle.
constexpr std::size_t kCycle = 7;
constexpr int kSpace = 32;
constexpr int kCarriedSpace = 128;
}  // namespace

std::optional<std::string> PassCodec(std::string_view text, std::string_view mode) {
  const bool encode = mode == "encode";
  const bool decode = mode == "decode";
  std::string result;
  result.reserve(text.size());
  for (std::size_t p = 0; p < text.size(); ++p) {
    int c = static_cast<unsigned char>(text[p]);
    if (c == kSpace) c = kCarriedSpace;
    const int k = static_cast<unsigned char>(kKey[p % kCycle]);
    if (encode) {
      c += k;
    } else if (decode) {
      c -= k;
      if (c == kCarriedSpace) c = kSpace;
    }
    if (c < 0 || c > 255) return std::nullopt;
    result += static_cast<char>(c);
  }
  return result;
}

}  // namespace credentials::modpass
