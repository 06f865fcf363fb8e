#pragma once
// An in-memory file system with Windows-style paths: directories, files with attributes, and
// directory handles that honour the share mode, so a held folder cannot be opened again.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "platform/file_system.h"

namespace protecttest {

class FakeFileSystem : public platform::FileSystem {
 public:
  struct File {
    std::string bytes;
    std::uint32_t attributes = platform::attr::kArchive;
  };

  FakeFileSystem() {
    addDirectory("C:");
    addDirectory(systemDir);
    addDirectory("C:\\ProgramData");
  }

  // Paths compare without regard to case, as on Windows.
  static std::string key(const std::string& path) { return core::asciiLower(path); }
  static std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
  }

  void addDirectory(const std::string& path, std::uint32_t attributes = platform::attr::kDirectory) {
    dirs[key(path)] = attributes | platform::attr::kDirectory;
  }
  void addFile(const std::string& path, const std::string& bytes, std::uint32_t attributes = platform::attr::kArchive) {
    files[key(path)] = {bytes, attributes};
  }
  const File* file(const std::string& path) const {
    const auto it = files.find(key(path));
    return it == files.end() ? nullptr : &it->second;
  }

  platform::HandleValue openDirectory(const std::string& path, std::uint32_t shareMode) override {
    calls.push_back("open " + path);
    lastBusy = false;
    if (!dirs.count(key(path))) return platform::kInvalidHandle;
    // An open handle without sharing, ours or another program's, blocks a new open, and an
    // open without sharing is refused while any handle is open.
    if (const auto it = openPaths.find(key(path)); it != openPaths.end()) {
      if (it->second.count > 0 && (it->second.unshared > 0 || shareMode == 0)) {
        lastBusy = true;
        return platform::kInvalidHandle;
      }
    }
    const platform::HandleValue value = nextHandle;
    nextHandle += 4;
    track(value, {key(path), shareMode});
    lastShareMode = shareMode;
    return value;
  }
  std::optional<std::vector<platform::DirEntry>> listHeld(platform::HandleValue handle) override {
    const auto held = handles.find(handle);
    if (held == handles.end() || !dirs.count(held->second.path) || unlistable.count(held->second.path)) {
      return std::nullopt;
    }
    std::vector<platform::DirEntry> entries;
    const auto childName = [&](const std::string& path) -> std::optional<std::string> {
      if (parentOf(path) != held->second.path) return std::nullopt;
      return path.substr(held->second.path.size() + 1);
    };
    // Only what lies below the folder: the maps are ordered by path.
    const std::string prefix = held->second.path + "\\";
    for (auto it = dirs.lower_bound(prefix); it != dirs.end() && it->first.rfind(prefix, 0) == 0; ++it) {
      if (auto name = childName(it->first)) entries.push_back({*name, true, links.count(it->first) > 0});
    }
    for (auto it = files.lower_bound(prefix); it != files.end() && it->first.rfind(prefix, 0) == 0; ++it) {
      if (auto name = childName(it->first)) entries.push_back({*name, false, links.count(it->first) > 0});
    }
    return entries;
  }
  platform::HandleValue holdEntry(const std::string& path, platform::HoldAs as, bool link) override {
    calls.push_back(std::string(as == platform::HoldAs::Mark ? "hold-mark " : "hold ") + path);
    const bool directory = as == platform::HoldAs::Directory;
    if (!(directory ? dirs.count(key(path)) : files.count(key(path))) || busy.count(key(path))) {
      return platform::kInvalidHandle;
    }
    if (links.count(key(path)) && !link) return platform::kInvalidHandle;  // would follow it
    if (const auto it = openPaths.find(key(path)); it != openPaths.end() && it->second.count > 0) {
      return platform::kInvalidHandle;  // every hold asks for no write or delete sharing
    }
    const platform::HandleValue value = nextHandle;
    nextHandle += 4;
    track(value, {key(path), as == platform::HoldAs::Mark ? kShareRead : 0u});
    return value;
  }
  // Whether another program could do what needs these share bits, given this process's handles.
  bool allowed(const std::string& path, std::uint32_t share) const {
    for (const auto& [value, open] : handles) {
      if (open.path == key(path) && (open.shareMode & share) != share) return false;
    }
    return true;
  }
  static constexpr std::uint32_t kShareRead = 1, kShareWrite = 2, kShareDelete = 4;

  bool lastOpenBusy() const override { return lastBusy; }
  bool lastBusy = false;
  // The other program lets go of a folder it held.
  void releaseElsewhere(platform::HandleValue value = 0x9990) {
    if (const auto it = handles.find(value); it != handles.end()) untrack(it);
  }

  bool closeHandle(platform::HandleValue handle) override {
    calls.push_back("close " + std::to_string(handle));
    closed.push_back(handle);
    const auto it = handles.find(handle);
    if (it == handles.end()) return false;
    if (dirs.count(it->second.path)) closedFolders.push_back(handle);
    untrack(it);
    return true;
  }
  std::optional<std::uint32_t> attributes(const std::string& path) override {
    if (const auto it = dirs.find(key(path)); it != dirs.end()) return it->second;
    if (const auto it = files.find(key(path)); it != files.end()) return it->second.attributes;
    return std::nullopt;
  }
  bool setAttributes(const std::string& path, std::uint32_t value) override {
    calls.push_back("attributes " + path + " " + std::to_string(value));
    if (const auto it = dirs.find(key(path)); it != dirs.end()) {
      it->second = value | platform::attr::kDirectory;
      return true;
    }
    if (const auto it = files.find(key(path)); it != files.end()) {
      it->second.attributes = value;
      return true;
    }
    return false;
  }
  bool exists(const std::string& path) override { return attributes(path).has_value(); }
  bool deleteFile(const std::string& path) override {
    calls.push_back("delete " + path);
    if (!allowed(path, kShareDelete)) return false;
    const auto it = files.find(key(path));
    if (it == files.end() || (it->second.attributes & platform::attr::kReadOnly)) return false;
    files.erase(it);
    return true;
  }
  bool createDirectory(const std::string& path) override {
    if (dirs.count(key(path)) || !dirs.count(key(parentOf(path)))) return false;
    addDirectory(path);
    return true;
  }
  bool removeDirectory(const std::string& path) override {
    if (!dirs.count(key(path))) return false;
    const std::string prefix = key(path) + "\\";
    for (const auto& [name, f] : files) {
      if (name.rfind(prefix, 0) == 0) return false;
    }
    for (const auto& [name, a] : dirs) {
      if (name.rfind(prefix, 0) == 0) return false;
    }
    dirs.erase(key(path));
    return true;
  }
  std::optional<std::string> readFile(const std::string& path) override {
    if (unreadable.count(key(path)) || !allowed(path, kShareRead)) return std::nullopt;
    const auto it = files.find(key(path));
    if (it == files.end()) return std::nullopt;
    return it->second.bytes;
  }
  bool replaceFile(const std::string& path, const std::string& bytes) override {
    calls.push_back("write " + path);
    if (!dirs.count(key(parentOf(path))) || unwritable.count(key(path))) return false;
    if (!allowed(path, kShareWrite | kShareDelete)) return false;
    const auto it = files.find(key(path));
    if (it != files.end() && (it->second.attributes & platform::attr::kReadOnly)) return false;
    files[key(path)] = {bytes, platform::attr::kArchive};
    return true;
  }
  bool createFile(const std::string& path, const std::string& bytes) override {
    calls.push_back("create " + path);
    if (!dirs.count(key(parentOf(path))) || files.count(key(path)) || unwritable.count(key(path))) return false;
    files[key(path)] = {bytes, platform::attr::kArchive};
    return true;
  }
  std::string systemDirectory() override { return systemDir; }
  std::string commonDataDirectory() override { return commonData; }

  // Another program opens a folder without sharing.
  void holdElsewhere(const std::string& path, platform::HandleValue value = 0x9990) { track(value, {key(path), 0}); }
  // The process ends: the system closes every handle it held.
  void endProcess() {
    handles.clear();
    openPaths.clear();
  }

  std::string systemDir = "C:\\Windows\\system32";
  std::string commonData = "C:\\ProgramData";
  struct Open {
    std::string path;
    std::uint32_t shareMode;
  };
  std::map<std::string, std::uint32_t> dirs;
  std::map<std::string, File> files;
  std::map<platform::HandleValue, Open> handles;  // read-only for tests: use the helpers
  struct OpenCount {
    int count = 0;
    int unshared = 0;
  };
  std::map<std::string, OpenCount> openPaths;
  void untrack(std::map<platform::HandleValue, Open>::iterator it) {
    auto& count = openPaths[it->second.path];
    --count.count;
    if (it->second.shareMode == 0) --count.unshared;
    handles.erase(it);
  }
  void track(platform::HandleValue value, const Open& open) {
    handles[value] = open;
    auto& count = openPaths[open.path];
    ++count.count;
    if (open.shareMode == 0) ++count.unshared;
  }
  std::set<std::string> unreadable;  // lower-case paths whose reads fail
  std::set<std::string> unlistable;  // lower-case directory paths whose listing fails
  std::set<std::string> busy;        // lower-case paths another program holds: holds fail
  std::set<std::string> links;       // lower-case paths that are junctions or symbolic links
  std::set<std::string> unwritable;  // lower-case paths whose writes fail
  std::vector<std::string> calls;
  std::vector<platform::HandleValue> closed;
  std::vector<platform::HandleValue> closedFolders;  // of those, the ones held on a directory
  // Handles held on directories (locked folders and their subfolders), not on files.
  std::size_t heldFolders() const {
    std::size_t n = 0;
    for (const auto& [value, open] : handles) n += dirs.count(open.path);
    return n;
  }
  platform::HandleValue nextHandle = 0x100;
  std::uint32_t lastShareMode = 0xFFFFFFFF;
};

}  // namespace protecttest
