#include "credentials/pass_codec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using credentials::modpass::PassCodec;

std::string bytes(std::initializer_list<int> codes) {
  std::string out;
  for (int c : codes) out += static_cast<char>(c);
  return out;
}

struct Case {
  const char* name;
  std::string text;
  const char* mode;
  std::optional<std::string> expected;
};

// Key letters by position: t e r v o l i, then t again (the eighth letter 'n' never takes part).
const Case kCases[] = {
    {"empty encode", "", "encode", ""},
    {"empty decode", "", "decode", ""},
    {"first letters", "abc", "encode", bytes({97 + 116, 98 + 101, 99 + 114})},
    {"cycle of seven", "aaaaaaaaa", "encode", bytes({213, 198, 211, 215, 208, 205, 202, 213, 198})},
    {"space travels as 128", " ", "encode", bytes({128 + 116})},
    {"128 decodes to a space", bytes({244}), "decode", " "},
    {"decode of a cycle", bytes({213, 198, 211, 215, 208, 205, 202, 213, 198}), "decode", "aaaaaaaaa"},
    {"highest code that fits", bytes({97, 97, 97, 137}), "encode", bytes({213, 198, 211, 255})},
    {"one past 255", bytes({97, 97, 97, 138}), "encode", std::nullopt},
    {"same code fits under a smaller letter", bytes({138}), "encode", bytes({254})},
    {"code 255", bytes({255}), "encode", std::nullopt},
    {"stored value below the key", "A", "decode", std::nullopt},
    {"mode is matched exactly", "a b", "Encode", bytes({97, 128, 98})},
    {"unknown mode", "xy", "", "xy"},
};

TEST(PassCodec, Table) {
  for (const Case& c : kCases) {
    EXPECT_EQ(PassCodec(c.text, c.mode), c.expected) << c.name;
  }
}

TEST(PassCodec, PrintableAsciiRoundTripsAndEncodesWithoutSpaces) {
  std::string text;
  for (int c = 32; c < 127; ++c) text += static_cast<char>(c);
  text += "  two spaces  ";
  const auto encoded = PassCodec(text, "encode");
  ASSERT_TRUE(encoded);
  EXPECT_EQ(encoded->size(), text.size());
  EXPECT_EQ(encoded->find(' '), std::string::npos);
  EXPECT_EQ(PassCodec(*encoded, "decode"), text);
}

TEST(PassCodec, EighthAndNinthCharactersShareTheFirstAndSecondLetters) {
  for (int c = 0; c < 128; ++c) {
    const std::string text(9, static_cast<char>(c));
    const auto encoded = PassCodec(text, "encode");
    ASSERT_TRUE(encoded) << c;
    EXPECT_EQ((*encoded)[7], (*encoded)[0]) << "code " << c;
    EXPECT_EQ((*encoded)[8], (*encoded)[1]) << "code " << c;
  }
}

TEST(PassCodec, Code128ComesBackAsASpace) {
  const auto encoded = PassCodec(bytes({'a', 128, 'b'}), "encode");
  ASSERT_TRUE(encoded);
  EXPECT_EQ(PassCodec(*encoded, "decode"), "a b");
}

}  // namespace
