// The store file where the program keeps it, in the system directory, through the real file API.
#include "core/sqlite_db.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/text_win32.h"

namespace {

class SqliteSystemDir : public ::testing::Test {
 protected:
  // Process ids come back under Wine: a file left by an interrupted run must not decide the test.
  void SetUp() override { TearDown(); }
  void TearDown() override {
    ::DeleteFileW(platform::win32::widen(path_).c_str());
    ::DeleteFileW(platform::win32::widen(path_ + "-journal").c_str());
  }
  std::string path_ = platform::win32::FileSystemWin32().systemDirectory() + "\\qfv-test-" +
                      std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount64()) + ".lsb";
};

TEST_F(SqliteSystemDir, MissingStoreIsReportedAndNotCreated) {
  try {
    core::Database::openExisting(path_);
    FAIL() << "opened a missing store";
  } catch (const core::StoreError& e) {
    EXPECT_EQ(e.number(), 14) << e.description();
  }
  EXPECT_EQ(::GetFileAttributesW(platform::win32::widen(path_).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SqliteSystemDir, ExistingStoreInTheSystemDirectoryReadsAndWrites) {
  {
    platform::win32::UniqueFile create(
        ::CreateFileW(platform::win32::widen(path_).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(create) << "cannot create " << path_;
  }
  auto db = core::Database::openExisting(path_);
  db.execute("CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER)");
  auto add = db.prepare("insert into tab1 (Foldername,Path) values (?,?)");
  add.bindText(1, "\xE6\x96\x87");
  add.bindText(2, "C:\\\xE6\x96\x87");
  add.step();
  db.execute("update tab1 set Handle=1234 where ID=1");
  auto again = core::Database::openExisting(path_);
  const auto rows = again.query("select Path,Handle from tab1");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], "C:\\\xE6\x96\x87");
  EXPECT_EQ(rows[0][1], "1234");
}

}  // namespace
