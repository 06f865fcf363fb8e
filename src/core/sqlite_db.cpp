#include "core/sqlite_db.h"

#include <sqlite3.h>

namespace core {
namespace {

[[noreturn]] void throwFor(sqlite3* db, int rc) {
  // The extended code names the cause precisely; the primary code is what callers compare.
  const char* message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  throw StoreError(rc & 0xFF, message ? message : sqlite3_errstr(rc));
}

}  // namespace

void Statement::Finalize::operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
void Database::Close::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

void Statement::fail(int rc) const { throwFor(db_, rc); }

void Statement::bindText(int index, const std::string& utf8) {
  const int rc = sqlite3_bind_text(stmt_.get(), index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) fail(rc);
}

void Statement::bindInt(int index, std::int64_t value) {
  const int rc = sqlite3_bind_int64(stmt_.get(), index, value);
  if (rc != SQLITE_OK) fail(rc);
}

bool Statement::step() {
  const int rc = sqlite3_step(stmt_.get());
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  fail(rc);
}

Row Statement::row() const {
  const int count = sqlite3_column_count(stmt_.get());
  Row out;
  out.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (sqlite3_column_type(stmt_.get(), i) == SQLITE_NULL) {
      out.emplace_back(std::nullopt);
      continue;
    }
    const auto* text = sqlite3_column_text(stmt_.get(), i);
    const int size = sqlite3_column_bytes(stmt_.get(), i);
    out.emplace_back(std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size)));
  }
  return out;
}

Database Database::openExisting(const std::string& path) { return openWith(path, SQLITE_OPEN_READWRITE); }
Database Database::openReadOnly(const std::string& path) { return openWith(path, SQLITE_OPEN_READONLY); }

Database Database::openWith(const std::string& path, int flags) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  Database db(raw);  // owns the handle even when the open failed
  if (rc != SQLITE_OK) throwFor(raw, rc);
  sqlite3_extended_result_codes(raw, 0);
  return db;
}

Statement Database::prepare(const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  const int rc = sqlite3_prepare_v2(db_.get(), sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
  Statement out(db_.get(), stmt);
  if (rc != SQLITE_OK) throwFor(db_.get(), rc);
  return out;
}

void Database::execute(const std::string& sql) {
  char* error = nullptr;
  const int rc = sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, &error);
  if (rc != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    throw StoreError(rc & 0xFF, message);
  }
}

std::vector<Row> Database::query(const std::string& sql) {
  Statement stmt = prepare(sql);
  std::vector<Row> rows;
  while (stmt.step()) rows.push_back(stmt.row());
  return rows;
}

std::int64_t Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_.get()); }

}  // namespace core
