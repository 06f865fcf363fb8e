#include "platform/win32/file_system_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"
#include "support/temp_dir.h"

namespace {

using platform::kInvalidHandle;

DWORD openError(const std::string& path) {
  platform::win32::UniqueFile h(::CreateFileW(platform::win32::extendedPath(path).c_str(), FILE_LIST_DIRECTORY,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return h ? 0 : ::GetLastError();
}

DWORD listError(const std::string& path) {
  WIN32_FIND_DATAW data{};
  HANDLE find = ::FindFirstFileW((platform::win32::extendedPath(path) + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return ::GetLastError();
  ::FindClose(find);
  return 0;
}

TEST(FileSystemWin32, HeldDirectoryRefusesEveryOtherOpenUntilClosed) {
  testsupport::TempDir dir;
  const std::string folder = dir.file("held");
  platform::win32::FileSystemWin32 fs;
  ASSERT_TRUE(fs.createDirectory(folder));

  const platform::HandleValue h = fs.openDirectory(folder, 0);
  ASSERT_NE(h, kInvalidHandle);
  EXPECT_EQ(openError(folder), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(listError(folder), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(
      ::MoveFileW(platform::win32::widen(folder).c_str(), platform::win32::widen(dir.file("renamed")).c_str()));
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(fs.openDirectory(folder, 0), kInvalidHandle) << "a second hold of the same folder";

  EXPECT_TRUE(fs.closeHandle(h));
  EXPECT_EQ(openError(folder), 0u);
  EXPECT_EQ(listError(folder), 0u);
}

TEST(FileSystemWin32, MissingFolderGivesInvalidHandle) {
  testsupport::TempDir dir;
  platform::win32::FileSystemWin32 fs;
  EXPECT_EQ(fs.openDirectory(dir.file("absent"), 0), kInvalidHandle);
}

TEST(FileSystemWin32, ExtendedPathForm) {
  const std::string longTail(260, 'x');
  const struct {
    std::string in;
    std::wstring out;
  } cases[] = {
      {"C:\\short", L"C:\\short"},
      {"C:/mixed/slashes", L"C:\\mixed\\slashes"},
      {"C:\\" + longTail, L"\\\\?\\C:\\" + std::wstring(260, L'x')},
      {"\\\\server\\share\\" + longTail, L"\\\\?\\UNC\\server\\share\\" + std::wstring(260, L'x')},
      {"\\\\?\\C:\\" + longTail, L"\\\\?\\C:\\" + std::wstring(260, L'x')},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::win32::extendedPath(c.in), c.out) << c.in.substr(0, 40);
}

TEST(FileSystemWin32, LongAndNonAnsiFoldersCanBeCreatedAndHeld) {
  testsupport::TempDir dir;
  platform::win32::FileSystemWin32 fs;
  std::string path = dir.path().string();
  while (path.size() < 300) {
    path += "\\segment-\xE6\x96\x87\xE4\xBB\xB6-0123456789";
    ASSERT_TRUE(fs.createDirectory(path)) << path.size();
  }
  const platform::HandleValue h = fs.openDirectory(path, 0);
  ASSERT_NE(h, kInvalidHandle) << "path of " << path.size() << " bytes";
  EXPECT_EQ(openError(path), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(fs.closeHandle(h));
  // The temp dir cleanup cannot take such paths; remove them deepest first.
  while (path.size() > dir.path().string().size()) {
    ::RemoveDirectoryW(platform::win32::extendedPath(path).c_str());
    path.resize(path.rfind('\\'));
  }
}

TEST(FileSystemWin32, AttributesAreSetExactly) {
  testsupport::TempDir dir;
  platform::win32::FileSystemWin32 fs;
  const std::string file = dir.file("a.txt");
  testsupport::writeBytes(file, "x");
  ASSERT_TRUE(fs.setAttributes(file, platform::attr::kReadOnly | platform::attr::kHidden));
  // Wine reports every plain file as archive as well; the two bits asked for must be there.
  const auto set = fs.attributes(file).value_or(0) & ~platform::attr::kArchive;
  EXPECT_EQ(set, platform::attr::kReadOnly | platform::attr::kHidden);
  ASSERT_TRUE(fs.setAttributes(file, platform::attr::kArchive));
  EXPECT_EQ(fs.attributes(file), platform::attr::kArchive);
  EXPECT_FALSE(fs.attributes(dir.file("none")).has_value());
  EXPECT_FALSE(fs.setAttributes(dir.file("none"), platform::attr::kSystem));
}

TEST(FileSystemWin32, ReplaceFileWritesWholeContentAndLeavesNoTemporary) {
  testsupport::TempDir dir;
  platform::win32::FileSystemWin32 fs;
  const std::string file = dir.file("Desktop.ini");
  testsupport::writeBytes(file, std::string(10000, 'o'));
  const std::string bytes = "[.ShellClassInfo]\r\nIconIndex=0\r\n\x80\xFF\r\n";
  ASSERT_TRUE(fs.replaceFile(file, bytes));
  EXPECT_EQ(fs.readFile(file), bytes);
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u) << "temporary file left beside the target";
}

TEST(FileSystemWin32, ReplaceFileInMissingFolderFailsCleanly) {
  testsupport::TempDir dir;
  platform::win32::FileSystemWin32 fs;
  EXPECT_FALSE(fs.replaceFile(dir.file("absent\\Desktop.ini"), "x"));
  EXPECT_FALSE(fs.readFile(dir.file("absent\\Desktop.ini")).has_value());
}

TEST(FileSystemWin32, DeleteAndExists) {
  testsupport::TempDir dir;
  platform::win32::FileSystemWin32 fs;
  const std::string file = dir.file("f");
  testsupport::writeBytes(file, "");
  EXPECT_TRUE(fs.exists(file));
  EXPECT_TRUE(fs.deleteFile(file));
  EXPECT_FALSE(fs.exists(file));
  EXPECT_FALSE(fs.deleteFile(file));
}

TEST(FileSystemWin32, SystemDirectoryIsTheRealOne) {
  platform::win32::FileSystemWin32 fs;
  const std::string sys = fs.systemDirectory();
  ASSERT_FALSE(sys.empty());
  EXPECT_NE(sys.back(), '\\');
  EXPECT_EQ(platform::win32::widen(sys).size(), ::GetSystemDirectoryW(nullptr, 0) - 1);
  EXPECT_TRUE(fs.exists(sys + "\\kernel32.dll")) << sys;
}

}  // namespace
