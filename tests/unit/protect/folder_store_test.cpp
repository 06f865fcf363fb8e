#include "protect/folder_store.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "unit/protect/store_fixture.h"

namespace {

using protect::SqliteFolderStore;

TEST(FolderStatements, TextsAreExact) {
  struct Case {
    std::string got, expected;
  } cases[] = {
      {protect::sql::recordHandle("7", 1234), "update tab1 set Handle=1234 where ID=7"},
      {protect::sql::recordHandle("12", -5), "update tab1 set Handle=-5 where ID=12"},
      {protect::sql::recordHandle("3", 0x7FFFFFFFFFFFFFFF), "update tab1 set Handle=9223372036854775807 where ID=3"},
      {protect::sql::folderLookup("42"), "select Path,Handle from tab1 where ID=42"},
      {protect::sql::deleteFolder("42"), "delete from tab1 where ID=42"},
      {protect::sql::kLoadList, "select ID,Foldername,Path from tab1"},
      {protect::sql::kReadAllHandles, "select Path,Handle from tab1"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST(FolderStatements, AnIdThatIsNoNumberIsRefused) {
  for (const std::string id : {"", "-", "1.5", "7 or 1=1", "7;delete from tab1", " 7", "\xD9\xA3"}) {
    try {
      protect::sql::deleteFolder(id);
      ADD_FAILURE() << "accepted \"" << id << "\"";
    } catch (const core::StoreError& e) {
      EXPECT_EQ(e.number(), 21) << id;
    }
  }
}

TEST(FolderStore, EmptyTableThenFirstAddGivesOneRowWithEmptyHandle) {
  protecttest::StoreFile file;
  SqliteFolderStore store(file.path());
  EXPECT_TRUE(store.loadList().empty());
  store.addFolder("Photos", "D:\\Data\\Photos");
  const auto rows = store.loadList();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].id, "1");
  EXPECT_EQ(rows[0].foldername, "Photos");
  EXPECT_EQ(rows[0].path, "D:\\Data\\Photos");
  const auto handles = store.folderLookup("1");
  ASSERT_EQ(handles.size(), 1u);
  EXPECT_FALSE(handles[0].handle.has_value());
}

TEST(FolderStore, UserTextIsStoredAsItIs) {
  protecttest::StoreFile file;
  SqliteFolderStore store(file.path());
  const std::vector<std::pair<std::string, std::string>> folders = {
      {"it's", "C:\\it's"},
      {"100%", "C:\\100% done"},
      {"\"q\"", "C:\\a\"q\""},
      {"x'); drop table tab1; --", "C:\\x'); drop table tab1; --"},
      {"\xE6\x96\x87\xE4\xBB\xB6", "C:\\\xD0\x9F\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0\\\xE6\x96\x87\xE4\xBB\xB6"},
  };
  for (const auto& [name, path] : folders) store.addFolder(name, path);
  const auto rows = store.loadList();
  ASSERT_EQ(rows.size(), folders.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].id, std::to_string(i + 1));
    EXPECT_EQ(rows[i].foldername, folders[i].first);
    EXPECT_EQ(rows[i].path, folders[i].second);
  }
}

TEST(FolderStore, RecordLookupDelete) {
  protecttest::StoreFile file;
  SqliteFolderStore store(file.path());
  store.addFolder("A", "C:\\A");
  store.addFolder("B", "C:\\B");
  store.recordHandle("2", 1234);
  store.recordHandle("1", -8);
  // Seen by another connection: committed when the statement completed.
  EXPECT_EQ(file.pathsAndHandles(), (std::vector<std::string>{"C:\\A|-8", "C:\\B|1234"}));
  const auto b = store.folderLookup("2");
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0].path, "C:\\B");
  EXPECT_EQ(b[0].handle, "1234");
  EXPECT_TRUE(store.folderLookup("9").empty());
  store.recordHandle("9", 1);  // names no row: changes nothing
  store.deleteFolder("9");
  store.deleteFolder("1");
  EXPECT_EQ(file.pathsAndHandles(), (std::vector<std::string>{"C:\\B|1234"}));
  const auto all = store.readAllHandles();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].path, "C:\\B");
  // A removed row's ID is not given out again.
  store.addFolder("C", "C:\\C");
  EXPECT_EQ(store.loadList().back().id, "3");
}

TEST(FolderStore, EveryOperationFailsWithSqlitesNumberAndDescription) {
  testsupport::TempDir dir;
  struct Case {
    const char* name;
    std::string content;  // file bytes; empty name means missing
    bool exists;
    int number;
    std::string description;
  };
  const Case cases[] = {
      {"missing file", "", false, 14, "unable to open database file"},
      {"not a database", std::string(4096, 'x'), true, 26, "file is not a database"},
      {"empty file without tab1", "", true, 1, "no such table: tab1"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.file(std::string(c.name) + ".lsb");
    if (c.exists) testsupport::writeBytes(path, c.content);
    SqliteFolderStore store(path);
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"load list", [&] { store.loadList(); }},
        {"add folder", [&] { store.addFolder("A", "C:\\A"); }},
        {"record handle", [&] { store.recordHandle("1", 5); }},
        {"folder lookup", [&] { store.folderLookup("1"); }},
        {"delete folder", [&] { store.deleteFolder("1"); }},
        {"read all handles", [&] { store.readAllHandles(); }},
    };
    for (const auto& [operation, run] : operations) {
      try {
        run();
        ADD_FAILURE() << c.name << ": " << operation << " succeeded";
      } catch (const core::StoreError& e) {
        EXPECT_EQ(e.number(), c.number) << c.name << ": " << operation << ": " << e.description();
        EXPECT_EQ(e.description(), c.description) << c.name << ": " << operation;
      }
    }
    EXPECT_EQ(std::filesystem::exists(path), c.exists) << c.name;
  }
}

TEST(FolderStore, AFileThatIsNoFolderListIsLeftByteForByte) {
  testsupport::TempDir dir;
  const struct Case {
    const char* name;
    const char* schema;  // for a database; nullptr leaves the bytes as given
    std::string bytes;
    std::string description;
  } cases[] = {
      {"zero bytes", nullptr, "", "no such table: tab1"},
      {"random bytes", nullptr, std::string("SQLite format 3\0", 16) + std::string(2000, '\x5A'),
       "file is not a database"},
      {"no tab1", "CREATE TABLE other (x)", "", "no such table: tab1"},
      {"tab1 without Path", "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY, Foldername TEXT, Handle INTEGER)", "",
       "no such column: Path"},
      {"tab1 without Handle", "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY, Foldername TEXT, Path TEXT)", "",
       "no such column: Handle"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.file(std::string(c.name) + ".lsb");
    testsupport::writeBytes(path, c.bytes);
    if (c.schema) core::Database::openExisting(path).execute(c.schema);
    const std::string before = testsupport::readBytes(path);
    {
      SqliteFolderStore store(path);
      for (int attempt = 0; attempt < 2; ++attempt) {
        try {
          store.loadList();
          ADD_FAILURE() << c.name << ": the list was read";
        } catch (const core::StoreError& e) {
          EXPECT_EQ(e.description(), c.description) << c.name;
        }
      }
    }
    EXPECT_TRUE(testsupport::readBytes(path) == before) << c.name << ": the file changed";
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
      EXPECT_FALSE(std::filesystem::exists(path + suffix)) << c.name << ": " << suffix << " left beside it";
    }
  }
}

TEST(FolderStore, TableWithoutAColumnFailsTheAdd) {
  testsupport::TempDir dir;
  const std::string path = dir.file("accum.lsb");
  testsupport::writeBytes(path, "");
  core::Database::openExisting(path).execute("CREATE TABLE tab1 (ID INTEGER PRIMARY KEY, Foldername TEXT)");
  SqliteFolderStore store(path);
  try {
    store.addFolder("A", "C:\\A");
    FAIL() << "added to a table without Path";
  } catch (const core::StoreError& e) {
    EXPECT_EQ(e.number(), 1);
    EXPECT_EQ(e.description(), "no such column: Path");
  }
  EXPECT_TRUE(core::Database::openExisting(path).query("select * from tab1").empty());
}

TEST(FolderStore, WriteAheadLogWhileInUseRollbackJournalAtRest) {
  protecttest::StoreFile file;
  auto modeSeen = [&] {
    const auto mode = file.open().query("PRAGMA journal_mode");
    return mode.empty() || mode[0].empty() ? std::string("?") : mode[0][0].value_or("NULL");
  };
  {
    SqliteFolderStore store(file.path());
    store.addFolder("A", "C:\\A");
    EXPECT_EQ(modeSeen(), "wal");
    store.recordHandle("1", 77);
    // Committed and visible to another connection while the log is not yet checkpointed.
    EXPECT_EQ(file.pathsAndHandles(), (std::vector<std::string>{"C:\\A|77"}));
  }
  EXPECT_EQ(modeSeen(), "delete");
  EXPECT_FALSE(std::filesystem::exists(file.path() + "-wal"));
  EXPECT_EQ(file.pathsAndHandles(), (std::vector<std::string>{"C:\\A|77"}));
}

// Another program holds the list locked for writing while the program starts.
TEST(FolderStore, AListLockedByAnotherProgramFailsTheStartAndIsLeftAsItWas) {
  protecttest::StoreFile file;
  file.open().execute("insert into tab1 (Foldername,Path) values ('A','C:\\A')");
  const std::string before = testsupport::readBytes(file.path());
  auto other = file.open();
  other.execute("BEGIN EXCLUSIVE");
  {
    SqliteFolderStore store(file.path());
    try {
      store.loadList();
      ADD_FAILURE() << "read a list locked by another program";
    } catch (const core::StoreError& e) {
      EXPECT_EQ(e.number(), 5) << e.description();
      EXPECT_EQ(e.description(), "database is locked");
    }
  }
  other.execute("ROLLBACK");
  EXPECT_TRUE(testsupport::readBytes(file.path()) == before) << "the file changed";
  EXPECT_FALSE(std::filesystem::exists(file.path() + "-wal"));
}

// The session ends and the process goes without running destructors: finish leaves one file.
TEST(FolderStore, FinishLeavesTheListAsOneFileWhileTheStoreLives) {
  protecttest::StoreFile file;
  SqliteFolderStore store(file.path());
  store.addFolder("A", "C:\\A");
  ASSERT_TRUE(std::filesystem::exists(file.path() + "-wal"));
  store.finish();
  for (const char* suffix : {"-wal", "-shm"}) EXPECT_FALSE(std::filesystem::exists(file.path() + suffix)) << suffix;
  EXPECT_EQ(file.pathsAndHandles(), (std::vector<std::string>{"C:\\A|NULL"}));
}

// A killed process leaves the log; the next one takes every committed row from it.
TEST(FolderStore, RowsCommittedBeforeAKillAreThereAfterARestart) {
  protecttest::StoreFile file;
  constexpr int kAdds = 200;
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    SqliteFolderStore store(file.path());
    for (int i = 0; i < kAdds; ++i) store.addFolder("F" + std::to_string(i), "C:\\F" + std::to_string(i));
    ::kill(::getpid(), SIGKILL);  // no destructor runs, as when the user's session is cut short
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_TRUE(std::filesystem::exists(file.path() + "-wal")) << "the killed process left its log";
  SqliteFolderStore restarted(file.path());
  EXPECT_EQ(restarted.loadList().size(), static_cast<std::size_t>(kAdds));
  restarted.finish();
  EXPECT_FALSE(std::filesystem::exists(file.path() + "-wal"));
  EXPECT_EQ(core::Database::openExisting(file.path()).query("select * from tab1").size(),
            static_cast<std::size_t>(kAdds));
}

}  // namespace

namespace {

// A pass keeps its connection: with the file moved away a fresh connection cannot open it, the
// pass's still reads; every statement of the pass is committed as it completes.
TEST(FolderStore, APassSharesOneConnectionAndCommitsEachStatement) {
  protecttest::StoreFile file;
  SqliteFolderStore store(file.path());
  store.addFolder("A", "C:\\A");
  store.addFolder("B", "C:\\B");
  const std::string moved = file.path() + ".moved";
  {
    protect::StorePass pass(store);
    store.recordHandle("1", 11);
    EXPECT_EQ(file.pathsAndHandles(), (std::vector<std::string>{"C:\\A|11", "C:\\B|NULL"}));
    store.recordHandle("2", 22);
    EXPECT_EQ(file.pathsAndHandles(), (std::vector<std::string>{"C:\\A|11", "C:\\B|22"}));
    std::filesystem::rename(file.path(), moved);
    EXPECT_EQ(store.readAllHandles().size(), 2u);
  }
  EXPECT_THROW(store.readAllHandles(), core::StoreError);
  std::filesystem::rename(moved, file.path());
  EXPECT_EQ(store.readAllHandles().size(), 2u);
}

}  // namespace
