#include "platform/win32/text_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(TextWin32, WideConversionsRoundTrip) {
  const std::string samples[] = {"", "C:\\Data", "\xE6\x96\x87\xE4\xBB\xB6", "\xF0\x9F\x94\x92"};
  for (const auto& s : samples) EXPECT_EQ(platform::win32::narrow(platform::win32::widen(s)), s);
  EXPECT_EQ(platform::win32::widen("\xC3\xA9"), L"\u00E9");
}

TEST(TextWin32, AnsiCodePageRoundTripsItsOwnCharacters) {
  ASSERT_EQ(::GetACP(), 1252u) << "these cases assume the Western code page";
  EXPECT_EQ(platform::win32::utf8ToAnsi("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
  EXPECT_EQ(platform::win32::ansiToUtf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
  EXPECT_EQ(platform::win32::utf8ToAnsi("\xE6\x96\x87"), "?");
}

}  // namespace
