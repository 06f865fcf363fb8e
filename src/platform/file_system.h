#pragma once
// The file-system calls the lock engine and the INI writer make. Paths are UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/text.h"

namespace platform {

// A directory handle as a number, the way it is recorded in the folder table.
using HandleValue = std::int64_t;
constexpr HandleValue kInvalidHandle = -1;

namespace attr {
constexpr std::uint32_t kReadOnly = 0x1;
constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
}  // namespace attr

// An entry of a directory, read through a handle held on the directory.
struct DirEntry {
  std::string name;
  bool directory = false;
  bool link = false;  // a junction or symbolic link: held itself, never followed
};

// What an entry inside a locked folder is held for. Each open asks for an access that takes
// part in sharing checks: an open for attributes alone would block no one.
enum class HoldAs {
  File,       // read-data, no sharing
  Directory,  // list, no sharing, as a locked folder itself
  Mark,       // read-data, read sharing only: the shell still reads the lock icon
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens a directory itself (list access, backup semantics) with the given share mode.
  // Returns kInvalidHandle on any failure.
  virtual HandleValue openDirectory(const std::string& path, std::uint32_t shareMode) = 0;
  // Whether the last failed openDirectory failed because another program has the folder open.
  virtual bool lastOpenBusy() const { return false; }
  virtual bool closeHandle(HandleValue handle) = 0;
  // The entries of the directory behind a handle this process holds, without "." and "..";
  // nothing when they cannot be read. Read through the handle: the path cannot be opened again.
  virtual std::optional<std::vector<DirEntry>> listHeld(HandleValue directory) {
    (void)directory;
    return std::nullopt;
  }
  // Opens an entry itself for holding (a link is opened, not followed); kInvalidHandle on any
  // failure.
  virtual HandleValue holdEntry(const std::string& path, HoldAs as, bool link) {
    (void)path, (void)as, (void)link;
    return kInvalidHandle;
  }

  virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
  virtual bool setAttributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual bool exists(const std::string& path) = 0;
  virtual bool deleteFile(const std::string& path) = 0;
  virtual bool createDirectory(const std::string& path) = 0;
  // Removes an empty directory.
  virtual bool removeDirectory(const std::string& path) {
    (void)path;
    return false;
  }

  // Whole files as bytes. readFile gives nothing when the file cannot be read.
  virtual std::optional<std::string> readFile(const std::string& path) = 0;
  // Writes to a temporary file beside the target and moves it over the target in one step,
  // so the target is never left half-written.
  virtual bool replaceFile(const std::string& path, const std::string& bytes) = 0;
  // Creates a file that does not exist yet and writes it directly; fails when it exists.
  virtual bool createFile(const std::string& path, const std::string& bytes) {
    return !exists(path) && replaceFile(path, bytes);
  }

  // A path as the file system compares names: paths that differ only in letter case give the
  // same key, so one folder listed twice under such paths is one folder.
  virtual std::string nameKey(const std::string& path) { return core::asciiLower(path); }

  // The Windows system directory (where accum.lsb and lock.ico live), without a trailing slash.
  virtual std::string systemDirectory() = 0;

  // The machine-wide folder for program data (ProgramData), without a trailing slash; empty when
  // there is none. The lock engine keeps copies of folders' own Desktop.ini files under it.
  virtual std::string commonDataDirectory() { return {}; }
};

}  // namespace platform
