#pragma once
// A fresh accum.lsb in a temporary folder, made the way the installer makes it.
#include <string>

#include "core/sqlite_db.h"
#include "support/temp_dir.h"

namespace protecttest {

inline constexpr const char* kSchema =
    "CREATE TABLE tab1 (ID INTEGER PRIMARY KEY AUTOINCREMENT, Foldername TEXT, Path TEXT, Handle INTEGER)";

class StoreFile {
 public:
  StoreFile() {
    testsupport::writeBytes(path(), "");
    core::Database::openExisting(path()).execute(kSchema);
  }
  std::string path() const { return dir_.file("accum.lsb"); }
  core::Database open() const { return core::Database::openExisting(path()); }
  // Rows as "Path|Handle" for comparing, NULL shown as "NULL".
  std::vector<std::string> pathsAndHandles() const {
    std::vector<std::string> out;
    for (const auto& row : open().query("select Path,Handle from tab1 order by ID")) {
      out.push_back(row.at(0).value_or("NULL") + "|" + row.at(1).value_or("NULL"));
    }
    return out;
  }

 private:
  testsupport::TempDir dir_;
};

}  // namespace protecttest
