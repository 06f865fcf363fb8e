// The credential settings and the system code page against the real API.
#include <gtest/gtest.h>
#include <windows.h>

#include "credentials/pass_codec.h"
#include "credentials/settings.h"
#include "credentials/win32/system_code_page.h"
#include "platform/win32/registry_win32.h"

namespace {

// A temporary value under the real credential key, removed when the test ends.
class CredentialStoreTest : public ::testing::Test {
 protected:
  void TearDown() override { store_.remove("QM", "Settings", key_); }
  platform::win32::SettingsStoreWin32 store_;
  std::string key_ = "qfv-test-" + std::to_string(::GetCurrentProcessId());
};

TEST_F(CredentialStoreTest, EncodedValuesRoundTripThroughTheAnsiCalls) {
  // Every code an encoded value can hold, in the order the codec would write them.
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  ASSERT_TRUE(store_.save("QM", "Settings", key_, all));
  EXPECT_EQ(store_.get("QM", "Settings", key_, "default"), all);

  const std::string encoded = *credentials::modpass::PassCodec("my secret pass", "encode");
  ASSERT_TRUE(store_.save("QM", "Settings", key_, encoded));
  EXPECT_EQ(credentials::modpass::PassCodec(store_.get("QM", "Settings", key_, ""), "decode"), "my secret pass");

  // Stored as a string in HKCU\Software\QM\Settings, in the system code page's characters.
  wchar_t wide[64] = {};
  DWORD size = sizeof(wide);
  DWORD type = 0;
  ASSERT_EQ(::RegGetValueW(HKEY_CURRENT_USER, L"Software\\QM\\Settings", std::wstring(key_.begin(), key_.end()).c_str(),
                           RRF_RT_ANY, &type, wide, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  wchar_t expected[64] = {};
  ::MultiByteToWideChar(CP_ACP, 0, encoded.c_str(), -1, expected, 64);
  EXPECT_STREQ(wide, expected);

  EXPECT_TRUE(store_.remove("QM", "Settings", key_));
  EXPECT_EQ(store_.get("QM", "Settings", key_, ""), "") << "missing reads as empty";
}

TEST(SystemCodePage, RefusesWhatTheCodePageCannotSpell) {
  if (::GetACP() != 1252) GTEST_SKIP() << "code page " << ::GetACP();
  const credentials::win32::SystemCodePage cp;
  EXPECT_EQ(cp.toAnsi("Caf\xC3\xA9 \xE2\x82\xAC"), std::optional<std::string>("Caf\xE9 \x80"));
  EXPECT_EQ(cp.toAnsi("\xE6\xBC\xA2"), std::nullopt) << "no code: not '?'";
  EXPECT_EQ(cp.toAnsi("\xC4\x80"), std::nullopt) << "A macron has no best-fit stand-in here";
  EXPECT_EQ(cp.toUtf8("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
  const auto refused = credentials::encodeTyped("abc\xC5\xA0", cp);
  EXPECT_EQ(refused.refused, "\xC5\xA0");
}

}  // namespace
