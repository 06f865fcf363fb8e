#include "credentials/settings.h"

#include <gtest/gtest.h>

#include "credentials/pass_codec.h"
#include "support/fakes.h"

namespace {

using credentials::Cp1252;
using credentials::encodeTyped;

TEST(CredentialSettings, StoredUnderQmSettingsAndMissingReadsEmpty) {
  testsupport::FakeSettings store;
  EXPECT_EQ(credentials::readStored(store, credentials::kPasswordKey), "");
  EXPECT_EQ(credentials::readDecoded(store, credentials::kAnswerKey), std::optional<std::string>(""));
  ASSERT_TRUE(credentials::writeStored(store, credentials::kQuestionKey, "q"));
  EXPECT_EQ(store.values.count({"QM", "Settings", "cmdsq"}), 1u);
  store.qm("init") = *credentials::modpass::PassCodec("secret 1", "encode");
  EXPECT_EQ(credentials::readDecoded(store, credentials::kPasswordKey), std::optional<std::string>("secret 1"));
  store.qm("cmds") = "A";  // not made by the codec
  EXPECT_EQ(credentials::readDecoded(store, credentials::kAnswerKey), std::nullopt);
}

struct EncodeCase {
  const char* name;
  const char* typed;  // UTF-8
  const char* refused;
};

const EncodeCase kEncodeCases[] = {
    {"ascii with spaces", "my pass word", ""},
    {"empty", "", ""},
    {"e acute passes 255 everywhere", "abc\xC3\xA9", "\xC3\xA9"},
    {"euro sign is code 128 and would come back as a space", "ab\xE2\x82\xAC", "\xE2\x82\xAC"},
    {"no code in the code page", "x\xE6\xBC\xA2y", "\xE6\xBC\xA2"},
    {"S caron (138) fits under the first letter", "\xC5\xA0", ""},
    {"S caron (138) passes 255 under the fourth letter", "abc\xC5\xA0", "\xC5\xA0"},
    {"the first refused character is named", "\xC3\xA9\xC3\xBC", "\xC3\xA9"},
};

TEST(CredentialSettings, EncodeTypedRefusesWhatTheCodecCannotCarry) {
  const Cp1252 cp;
  for (const auto& c : kEncodeCases) {
    const auto result = encodeTyped(c.typed, cp);
    EXPECT_EQ(result.refused, c.refused) << c.name;
    if (*c.refused == '\0') {
      const auto back = credentials::modpass::PassCodec(result.ansi, "decode");
      ASSERT_TRUE(back) << c.name;
      EXPECT_EQ(cp.toUtf8(*back), c.typed) << c.name;
    } else {
      EXPECT_EQ(result.ansi, "") << c.name;
    }
  }
}

TEST(CredentialSettings, MatchesExactlyAndNeverAnUndecodableValue) {
  const Cp1252 cp;
  EXPECT_TRUE(credentials::matches("Caf\xC3\xA9", std::string("Caf\xE9"), cp));
  EXPECT_FALSE(credentials::matches("caf\xC3\xA9", std::string("Caf\xE9"), cp));
  EXPECT_FALSE(credentials::matches("Caf\xC3\xA9 ", std::string("Caf\xE9"), cp));
  EXPECT_FALSE(credentials::matches("", std::nullopt, cp));
  EXPECT_FALSE(credentials::matches("\xE6\xBC\xA2", std::string("?"), cp)) << "no code is not '?'";
}

}  // namespace
