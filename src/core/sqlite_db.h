#pragma once
// A thin owner of an SQLite connection. It opens an existing database read-write and never
// creates one; every failure is a StoreError carrying SQLite's result code and message.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace core {

class StoreError : public std::runtime_error {
 public:
  StoreError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
  int number() const { return number_; }
  std::string description() const { return what(); }

 private:
  int number_;
};

// One column value as read: text, or empty for NULL.
using Field = std::optional<std::string>;
using Row = std::vector<Field>;

class Statement {
 public:
  Statement(Statement&&) noexcept = default;
  Statement& operator=(Statement&&) noexcept = default;

  void bindText(int index, const std::string& utf8);  // 1-based, as SQLite counts
  void bindInt(int index, std::int64_t value);
  // Runs one step; true when a row is ready.
  bool step();
  Row row() const;

 private:
  friend class Database;
  struct Finalize {
    void operator()(sqlite3_stmt* s) const;
  };
  Statement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
  [[noreturn]] void fail(int rc) const;
  sqlite3* db_;
  std::unique_ptr<sqlite3_stmt, Finalize> stmt_;
};

class Database {
 public:
  // Opens the file at a UTF-8 path for reading and writing. A missing file is an error.
  static Database openExisting(const std::string& path);
  // Reads without changing anything: not even a journal is made.
  static Database openReadOnly(const std::string& path);

  Database(Database&&) noexcept = default;
  Database& operator=(Database&&) noexcept = default;

  Statement prepare(const std::string& sql);
  // Runs statements that return no rows; whatever they return is discarded.
  void execute(const std::string& sql);
  // Runs a query and returns every row.
  std::vector<Row> query(const std::string& sql);
  std::int64_t lastInsertId() const;
  sqlite3* raw() const { return db_.get(); }

 private:
  struct Close {
    void operator()(sqlite3* db) const;
  };
  explicit Database(sqlite3* db) : db_(db) {}
  static Database openWith(const std::string& path, int flags);
  std::unique_ptr<sqlite3, Close> db_;
};

}  // namespace core
