#include "core/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, Utf8AndUtf16RoundTrip) {
  const std::string samples[] = {"", "plain", "D:\\Daten\\Fotos \xC3\xA4\xC3\xB6\xC3\xBC",
                                 "\xE6\x96\x87\xE4\xBB\xB6\xE5\xA4\xB9", "\xF0\x9F\x94\x92 lock"};
  for (const auto& s : samples) EXPECT_EQ(core::utf16ToUtf8(core::utf8ToUtf16(s)), s) << s;
  EXPECT_EQ(core::utf8ToUtf16("\xF0\x9F\x94\x92"), (std::u16string{0xD83D, 0xDD12}));
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters) {
  const struct {
    std::string in;
    std::u16string out;
  } cases[] = {
      {"a\xFF"
       "b",
       u"a\uFFFDb"},
      {"\xC3", u"\uFFFD"},                      // truncated at the end
      {"\xC0\xAF", u"\uFFFD\uFFFD"},            // overlong slash
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
      {"\xE2\x82", u"\uFFFD\uFFFD"},
  };
  for (const auto& c : cases) EXPECT_EQ(core::utf8ToUtf16(c.in), c.out);
  EXPECT_EQ(core::utf16ToUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx");  // lone surrogate
}

TEST(Text, Cp1252MapsEveryByteBothWays) {
  for (int code = 0; code < 256; ++code) {
    const std::string byte(1, static_cast<char>(code));
    EXPECT_EQ(core::utf8ToCp1252(core::cp1252ToUtf8(byte)), byte) << "code " << code;
  }
  EXPECT_EQ(core::cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(core::cp1252ToUtf8("\xE9"), "\xC3\xA9");      // e acute
  EXPECT_EQ(core::utf8ToCp1252("\xE6\x96\x87x"), "?x");   // not in the code page
}

TEST(Text, FitsCp1252) {
  EXPECT_TRUE(core::fitsCp1252("caf\xC3\xA9 \xE2\x82\xAC"));
  EXPECT_FALSE(core::fitsCp1252("\xE6\x96\x87"));
  EXPECT_FALSE(core::fitsCp1252("bad\xFF"));
}

TEST(Text, AsciiCaseFoldingLeavesOtherBytesAlone) {
  EXPECT_EQ(core::asciiLower(".ShellClassInfo \xC3\x84"), ".shellclassinfo \xC3\x84");
  EXPECT_EQ(core::asciiUpper("hklm"), "HKLM");
}

}  // namespace
