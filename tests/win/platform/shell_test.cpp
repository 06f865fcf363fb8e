#include "platform/win32/shell_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/text_win32.h"

namespace {

TEST(ShellWin32, AdministratorTestAndApplicationDirectory) {
  platform::win32::ShellWin32 shell;
  EXPECT_TRUE(shell.isUserAnAdmin()) << "the Wine user is an administrator";
  const std::string dir = shell.applicationDirectory();
  ASSERT_GE(dir.size(), 3u);
  EXPECT_NE(dir.back(), '\\');
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  EXPECT_EQ(platform::win32::widen(dir) + L"\\platform_win_tests.exe", std::wstring(self));
}

TEST(ShellWin32, OpenOfAMissingDocumentFails) {
  platform::win32::ShellWin32 shell;
  EXPECT_FALSE(shell.open("C:\\no-such-folder\\no-such-file.qfvx"));
}

}  // namespace
