#pragma once
// The folder table tab1 of accum.lsb: the six operations the main window and the lock engine use.
// An operation opens its own connection and closes it when it is done, unless a pass is open: then
// every operation of the pass shares one connection. Each statement commits as it completes either
// way. Every failure is a core::StoreError with SQLite's number and description.
#include <optional>
#include <string>
#include <vector>

#include "core/sqlite_db.h"
#include "platform/file_system.h"

namespace protect {

struct FolderRow {  // from "select ID,Foldername,Path from tab1"
  std::string id;   // decimal text
  std::string foldername;
  std::string path;
};

struct HandleRow {  // from the two "select Path,Handle" statements
  std::string path;
  core::Field handle;  // empty when none was recorded
};

class FolderStore {
 public:
  virtual ~FolderStore() = default;
  virtual std::vector<FolderRow> loadList() = 0;
  virtual void addFolder(const std::string& foldername, const std::string& path) = 0;
  virtual void recordHandle(const std::string& id, platform::HandleValue handle) = 0;
  virtual std::vector<HandleRow> folderLookup(const std::string& id) = 0;
  virtual void deleteFolder(const std::string& id) = 0;
  virtual std::vector<HandleRow> readAllHandles() = 0;

  // A pass (lock all, unlock all) keeps one connection for all its operations: a connection per
  // folder costs more than the folder's own file work and leaves folders open longer at log-on.
  virtual void beginPass() {}
  virtual void endPass() {}
  // At the session's end, when no operation follows: whatever the store keeps open is closed and
  // the file is left complete on its own.
  virtual void finish() {}
};

class StorePass {
 public:
  explicit StorePass(FolderStore& store) : store_(store) { store_.beginPass(); }
  ~StorePass() { store_.endPass(); }
  StorePass(const StorePass&) = delete;
  StorePass& operator=(const StorePass&) = delete;

 private:
  FolderStore& store_;
};

// The statement texts. An ID goes into them as a number literal, so it must be decimal text.
namespace sql {
inline constexpr const char* kLoadList = "select ID,Foldername,Path from tab1";
inline constexpr const char* kAddFolder = "insert into tab1 (Foldername,Path) values (?,?)";
inline constexpr const char* kReadAllHandles = "select Path,Handle from tab1";
// Compiled, never run: the file is a database with the table and its four columns.
inline constexpr const char* kCheckTable = "select ID,Foldername,Path,Handle from tab1";
std::string recordHandle(const std::string& id, platform::HandleValue handle);
std::string folderLookup(const std::string& id);
std::string deleteFolder(const std::string& id);
}  // namespace sql

// True for an optional minus sign followed by one or more ASCII digits.
bool isDecimalId(const std::string& id);

// The store's file in a system directory.
std::string databasePathIn(const std::string& systemDirectory);

class SqliteFolderStore final : public FolderStore {
 public:
  explicit SqliteFolderStore(std::string databasePath) : path_(std::move(databasePath)) {}
  SqliteFolderStore(const SqliteFolderStore&) = delete;
  SqliteFolderStore& operator=(const SqliteFolderStore&) = delete;
  ~SqliteFolderStore() override;

  std::vector<FolderRow> loadList() override;
  void addFolder(const std::string& foldername, const std::string& path) override;
  void recordHandle(const std::string& id, platform::HandleValue handle) override;
  std::vector<HandleRow> folderLookup(const std::string& id) override;
  void deleteFolder(const std::string& id) override;
  std::vector<HandleRow> readAllHandles() override;
  void beginPass() override;
  void endPass() override;
  void finish() override;

  const std::string& path() const { return path_; }

 private:
  // Runs use(db) on the pass's connection, or on a fresh one that closes when use returns.
  template <typename Use>
  auto withConnection(Use&& use);
  core::Database connect();
  std::string path_;
  int passDepth_ = 0;
  bool checked_ = false;  // the file was read as a folder list once
  std::optional<core::Database> pass_;  // opened by the pass's first operation
  std::optional<core::Database> logKeeper_;  // opened by the first operation, kept to the end
};

}  // namespace protect
