#include "protect/folder_store.h"

#include <sqlite3.h>

namespace protect {
namespace {

// An ID is pasted into the statement as a number: anything else would change the statement.
const std::string& checkedId(const std::string& id) {
  if (!isDecimalId(id)) throw core::StoreError(SQLITE_MISUSE, "ID is not a decimal number: \"" + id + "\"");
  return id;
}

std::vector<HandleRow> pathsAndHandles(core::Database& db, const std::string& statement) {
  std::vector<HandleRow> out;
  for (auto& row : db.query(statement)) {
    out.push_back({row.at(0).value_or(std::string()), std::move(row.at(1))});
  }
  return out;
}

}  // namespace

namespace sql {
std::string recordHandle(const std::string& id, platform::HandleValue handle) {
  return "update tab1 set Handle=" + std::to_string(handle) + " where ID=" + checkedId(id);
}
std::string folderLookup(const std::string& id) { return "select Path,Handle from tab1 where ID=" + checkedId(id); }
std::string deleteFolder(const std::string& id) { return "delete from tab1 where ID=" + checkedId(id); }
}  // namespace sql

bool isDecimalId(const std::string& id) {
  const std::size_t start = (!id.empty() && id[0] == '-') ? 1 : 0;
  if (id.size() == start) return false;
  for (std::size_t i = start; i < id.size(); ++i) {
    if (id[i] < '0' || id[i] > '9') return false;
  }
  return true;
}

std::string databasePathIn(const std::string& systemDirectory) { return systemDirectory + "\\accum.lsb"; }

SqliteFolderStore::~SqliteFolderStore() { finish(); }

void SqliteFolderStore::finish() {
  pass_.reset();
  if (!logKeeper_) return;
  // At rest the file goes back to a rollback journal: a reader that may not create files beside
  // it (a user without rights in the system directory) can read that, but not a log it would have
  // to create. The switch also checkpoints the log and deletes it.
  try {
    logKeeper_->query("PRAGMA journal_mode=DELETE");
  } catch (const core::StoreError&) {
    // Left in write-ahead mode; the next run reads it as well.
  }
  logKeeper_.reset();
}

core::Database SqliteFolderStore::connect() {
  if (!checked_) {
    // Read before anything is changed: a file that is no folder list (empty, another database, a
    // table without its columns) must stay byte for byte as it was, and switching the journal
    // below writes the file's header.
    core::Database::openReadOnly(path_).prepare(sql::kCheckTable);
    checked_ = true;
  }
  auto db = core::Database::openExisting(path_);
  // Write-ahead log with normal syncing while the program runs: a commit is an append to the log
  // with no flush to disk, so recording a handle costs little. A statement that has completed
  // survives a crash of the program (its log frames are with the operating system), and a power
  // cut can lose at most the last commits, never the file.
  db.execute("PRAGMA synchronous=NORMAL");
  if (logKeeper_) {
    // The keeper's connection checkpoints at the end; this one need not try to.
    sqlite3_db_config(db.raw(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    return db;
  }
  std::vector<core::Row> mode;
  try {
    mode = db.query("PRAGMA journal_mode=WAL");
  } catch (const core::StoreError&) {
    // A file this process may only read stays as it is; the statement itself reports real faults.
  }
  if (mode.empty() || mode[0].empty() || mode[0][0] != std::string("wal")) return db;
  // While one connection stays open, closing an operation's connection neither checkpoints the
  // log nor deletes it, and the next one need not rebuild the log's index: without it every
  // operation would pay for a checkpoint with two flushes to disk. It runs no statements after
  // this one and holds no transaction, so it blocks neither writers nor checkpoints.
  try {
    auto keeper = core::Database::openExisting(path_);
    keeper.query("PRAGMA user_version");
    logKeeper_.emplace(std::move(keeper));
  } catch (const core::StoreError&) {
    // Only slower without it.
  }
  return db;
}

void SqliteFolderStore::beginPass() { ++passDepth_; }

void SqliteFolderStore::endPass() {
  if (passDepth_ > 0 && --passDepth_ == 0) pass_.reset();
}

template <typename Use>
auto SqliteFolderStore::withConnection(Use&& use) {
  if (passDepth_ == 0) {
    auto db = connect();
    return use(db);
  }
  if (!pass_) pass_.emplace(connect());
  return use(*pass_);
}

std::vector<FolderRow> SqliteFolderStore::loadList() {
  return withConnection([](core::Database& db) {
    std::vector<FolderRow> out;
    for (auto& row : db.query(sql::kLoadList)) {
      out.push_back(
          {row.at(0).value_or(std::string()), row.at(1).value_or(std::string()), row.at(2).value_or(std::string())});
    }
    return out;
  });
}

void SqliteFolderStore::addFolder(const std::string& foldername, const std::string& path) {
  withConnection([&](core::Database& db) {
    // The list's statement is compiled first so a table without its columns fails the same way
    // as the list does.
    db.prepare(sql::kLoadList);
    auto insert = db.prepare(sql::kAddFolder);
    insert.bindText(1, foldername);
    insert.bindText(2, path);
    insert.step();
  });
}

void SqliteFolderStore::recordHandle(const std::string& id, platform::HandleValue handle) {
  const std::string statement = sql::recordHandle(id, handle);
  withConnection([&](core::Database& db) { db.execute(statement); });
}

std::vector<HandleRow> SqliteFolderStore::folderLookup(const std::string& id) {
  const std::string statement = sql::folderLookup(id);
  return withConnection([&](core::Database& db) { return pathsAndHandles(db, statement); });
}

void SqliteFolderStore::deleteFolder(const std::string& id) {
  const std::string statement = sql::deleteFolder(id);
  withConnection([&](core::Database& db) { db.execute(statement); });
}

std::vector<HandleRow> SqliteFolderStore::readAllHandles() {
  return withConnection([](core::Database& db) { return pathsAndHandles(db, sql::kReadAllHandles); });
}

}  // namespace protect
