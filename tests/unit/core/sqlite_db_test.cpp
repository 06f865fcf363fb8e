#include "core/sqlite_db.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;

// Builds a database the way the installer does, through a separate creating connection.
void createSchema(const std::string& path) {
  testsupport::writeBytes(path, "");
  auto db = core::Database::openExisting(path);
  db.execute("CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER)");
}

TEST(SqliteDb, MissingFileIsAnErrorAndIsNotCreated) {
  TempDir dir;
  const std::string path = dir.file("accum.lsb");
  try {
    core::Database::openExisting(path);
    FAIL() << "opening a missing database succeeded";
  } catch (const core::StoreError& e) {
    EXPECT_EQ(e.number(), 14) << e.description();  // SQLITE_CANTOPEN
    EXPECT_EQ(e.description(), "unable to open database file");
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(SqliteDb, NotADatabaseFailsAtTheFirstStatement) {
  TempDir dir;
  const std::string path = dir.file("accum.lsb");
  testsupport::writeBytes(path, std::string(4096, 'x'));
  auto db = core::Database::openExisting(path);
  try {
    db.query("select ID,Foldername,Path from tab1");
    FAIL() << "query on a text file succeeded";
  } catch (const core::StoreError& e) {
    EXPECT_EQ(e.number(), 26) << e.description();  // SQLITE_NOTADB
    EXPECT_EQ(e.description(), "file is not a database");
  }
}

TEST(SqliteDb, MissingTableCarriesSqliteMessage) {
  TempDir dir;
  const std::string path = dir.file("accum.lsb");
  testsupport::writeBytes(path, "");
  auto db = core::Database::openExisting(path);
  try {
    db.execute("delete from tab1 where ID=1");
    FAIL();
  } catch (const core::StoreError& e) {
    EXPECT_EQ(e.number(), 1);
    EXPECT_EQ(e.description(), "no such table: tab1");
  }
}

TEST(SqliteDb, RowsComeBackWithNullsAndBoundTextIntact) {
  TempDir dir;
  const std::string path = dir.file("accum.lsb");
  createSchema(path);
  auto db = core::Database::openExisting(path);
  auto insert = db.prepare("insert into tab1 (Foldername, Path) values (?, ?)");
  const std::string tricky = "C:\\It's 100% \"mine\" \xE6\x96\x87";
  insert.bindText(1, "mine");
  insert.bindText(2, tricky);
  EXPECT_FALSE(insert.step());
  EXPECT_EQ(db.lastInsertId(), 1);
  db.execute("update tab1 set Handle=-1234 where ID=1");

  const auto rows = db.query("select ID,Foldername,Path,Handle from tab1");
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].size(), 4u);
  EXPECT_EQ(rows[0][0], "1");
  EXPECT_EQ(rows[0][2], tricky);
  EXPECT_EQ(rows[0][3], "-1234");

  db.execute("update tab1 set Handle=NULL");
  EXPECT_EQ(db.query("select Handle from tab1")[0][0], std::nullopt);
}

TEST(SqliteDb, SyntaxErrorIsReportedNotSwallowed) {
  TempDir dir;
  const std::string path = dir.file("accum.lsb");
  createSchema(path);
  auto db = core::Database::openExisting(path);
  EXPECT_THROW(db.execute("update tab1 set Handle= where ID="), core::StoreError);
}

}  // namespace
