#include "protect/lock_engine.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "protect/ini_write.h"
#include "protect/skip_on_failure.h"

namespace protect {
namespace {

constexpr const char* kSection = ".ShellClassInfo";

// A recorded Handle as a number; anything else (empty, text, fractions) names no handle.
std::optional<platform::HandleValue> handleNumber(const core::Field& field) {
  if (!field || !isDecimalId(*field) || field->size() > 19) return std::nullopt;
  try {
    return static_cast<platform::HandleValue>(std::stoll(*field));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

bool isAbsoluteFolderPath(const std::string& path) {
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (path.size() >= 3 && letter(path[0]) && path[1] == ':' && path[2] == '\\') return true;
  // \\?\C:\..., \\server\share: at least one character after the two backslashes.
  return path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
}

LockEngine::LockEngine(platform::FileSystem& fs, platform::Shell& shell, FolderStore& store,
                       std::string systemDirectory)
    : fs_(fs), shell_(shell), store_(store), systemDirectory_(std::move(systemDirectory)), copies_(fs) {}

LockEngine::~LockEngine() {
  for (const auto& [key, entry] : entries_) {
    if (entry.handle != platform::kInvalidHandle) fs_.closeHandle(entry.handle);
  }
}

ButtonStates LockEngine::lockAll(const std::vector<ListRow>& rows) {
  busy_.clear();
  {
    StorePass pass(store_);
    copies_.refresh();
    std::vector<std::string> changed;
    // Asked at the first held folder; the answer cannot change while the list is walked.
    std::optional<bool> admin;
    for (const ListRow& row : rows) {
      // A row without a usable path gets nothing: not opened, written or notified.
      if (row.id.empty() || !isAbsoluteFolderPath(row.path)) continue;
      lockOne(row, admin);
      changed.push_back(row.path);
    }
    notifyChanged(changed);
  }
  // Every listed folder is held before the first of their contents.
  leftUnheld_ = 0;
  for (const auto& [value, lock] : held_) holdContents(value);
  return {false, true};
}

void LockEngine::lockOne(const ListRow& row, std::optional<bool>& admin) {
  const std::string key = fs_.nameKey(row.path);
  holdFolder(row, key, admin);
  const std::string ini = row.path + "\\Desktop.ini";
  // A mark held from an earlier lock all is let go for the write and held again with the rest.
  letGo(fs_.nameKey(ini));
  skipOnFailure([&] { copies_.keep(row.path, lockIconValue()); });
  bool written = false;
  skipOnFailure([&] {
    protect::INIwrite::WriteINIKeys(fs_, ini, kSection, {{"IconFile", lockIconValue()}, {"IconIndex", "0"}});
    written = true;
  });
  if (written) marked_.insert(key);
  fs_.setAttributes(row.path, platform::attr::kSystem);
}

platform::HandleValue LockEngine::holdFolder(const ListRow& row, const std::string& key, std::optional<bool>& admin) {
  auto it = entries_.find(key);
  platform::HandleValue handle = platform::kInvalidHandle;
  if (it == entries_.end()) {
    handle = fs_.openDirectory(row.path, kShareMode);
    if (handle != platform::kInvalidHandle) {
      entries_[key] = {handle, {handle}};
      ++open_;
    } else if (fs_.lastOpenBusy()) {
      // Common at log-on, when indexers and sync tools start too: tried again for a while.
      dropBusy(key);
      busy_.push_back(row);
    }
  } else if (it->second.handle != platform::kInvalidHandle && !held_.count(it->second.handle)) {
    // Held already as the contents of another locked folder: now a lock of its own too.
    handle = it->second.handle;
    it->second.owners.push_back(handle);
  }
  // A folder locked before keeps its recorded value, as a second open of it would fail.
  if (handle != platform::kInvalidHandle) {
    held_[handle] = {row.id, row.path, {key}};
    if (!admin) admin = shell_.isUserAnAdmin();
    if (*admin) skipOnFailure([&] { store_.recordHandle(row.id, handle); });
  }
  return handle;
}

bool LockEngine::retryBusy() {
  if (busy_.empty()) return false;
  StorePass pass(store_);
  std::optional<bool> admin;
  std::vector<ListRow> waiting;
  waiting.swap(busy_);
  for (const ListRow& row : waiting) {
    const platform::HandleValue handle = holdFolder(row, fs_.nameKey(row.path), admin);
    if (handle == platform::kInvalidHandle) continue;  // still busy: back in the list; else gone
    holdContents(handle);
    shell_.folderChanged(row.path);
  }
  return !busy_.empty();
}

void LockEngine::dropBusy(const std::string& key) {
  busy_.erase(
      std::remove_if(busy_.begin(), busy_.end(), [&](const ListRow& row) { return fs_.nameKey(row.path) == key; }),
      busy_.end());
}

bool LockEngine::isHeld(const std::string& path) const {
  const auto it = entries_.find(fs_.nameKey(path));
  return it != entries_.end() && it->second.handle != platform::kInvalidHandle;
}

void LockEngine::holdContents(platform::HandleValue lock) {
  Held& owner = held_.at(lock);
  struct Pending {
    std::string path, key;
    platform::HandleValue handle;
  };
  // Walked with a list, not by recursion: a tree can be thousands of levels deep.
  std::vector<Pending> pending{{owner.path, owner.entries.front(), lock}};
  while (!pending.empty()) {
    const Pending dir = std::move(pending.back());
    pending.pop_back();
    const auto entries = fs_.listHeld(dir.handle);
    if (!entries) continue;
    const bool marked = marked_.count(dir.key) > 0;
    for (const platform::DirEntry& item : *entries) {
      std::string path = dir.path + "\\" + item.name;
      std::string key = fs_.nameKey(path);
      auto [it, fresh] = entries_.try_emplace(key);
      Entry& entry = it->second;
      if (entry.handle == platform::kInvalidHandle) {
        if (open_ >= kMostHeld) {
          ++leftUnheld_;
          if (fresh) entries_.erase(it);
          continue;
        }
        const bool mark = marked && !item.directory && core::asciiLower(item.name) == "desktop.ini";
        const platform::HoldAs as = item.directory ? platform::HoldAs::Directory
                                    : mark         ? platform::HoldAs::Mark
                                                   : platform::HoldAs::File;
        entry.handle = fs_.holdEntry(path, as, item.link);
        if (entry.handle == platform::kInvalidHandle) {
          // In use by another program or refused: skipped, the rest goes on.
          if (fresh) entries_.erase(it);
          continue;
        }
        ++open_;
      }
      if (std::find(entry.owners.begin(), entry.owners.end(), lock) == entry.owners.end()) {
        entry.owners.push_back(lock);
        owner.entries.push_back(key);
      }
      if (item.directory && !item.link) pending.push_back({std::move(path), std::move(key), entry.handle});
    }
  }
}

bool LockEngine::letGo(const std::string& key) {
  const auto it = entries_.find(key);
  if (it == entries_.end() || it->second.handle == platform::kInvalidHandle) return false;
  fs_.closeHandle(it->second.handle);
  it->second.handle = platform::kInvalidHandle;
  --open_;
  return true;
}

ButtonStates LockEngine::unlockAll() {
  if (std::string dir = fs_.systemDirectory(); !dir.empty()) systemDirectory_ = std::move(dir);
  busy_.clear();  // unlocked on purpose: no folder is locked behind the user's back
  StorePass pass(store_);
  std::vector<HandleRow> rows;
  skipOnFailure([&] { rows = store_.readAllHandles(); });
  copies_.refresh();
  std::vector<std::string> changed;
  for (const HandleRow& row : rows) {
    if (!isAbsoluteFolderPath(row.path)) continue;
    releaseOne(row.path, row.handle, {});
    changed.push_back(row.path);
  }
  notifyChanged(changed);
  return {true, false};
}

void LockEngine::release(const std::string& path, const core::Field& handle, const std::string& id) {
  if (!isAbsoluteFolderPath(path)) return;
  releaseOne(path, handle, id);
  shell_.folderChanged(path);
}

void LockEngine::notifyChanged(const std::vector<std::string>& folders) {
  std::map<std::string, std::vector<const std::string*>> byDirectory;
  for (const std::string& folder : folders) {
    const auto slash = folder.find_last_of('\\');
    byDirectory[slash == std::string::npos ? std::string() : folder.substr(0, slash)].push_back(&folder);
  }
  for (const auto& [directory, children] : byDirectory) {
    if (children.size() >= kFoldersPerDirectoryNotice && !directory.empty()) {
      shell_.directoryChanged(directory);
    } else {
      for (const std::string* folder : children) shell_.folderChanged(*folder);
    }
  }
}

void LockEngine::releaseOne(const std::string& path, const core::Field& handle, const std::string& id) {
  // Only a value this process took for this folder is let go; a value from an earlier run, or
  // one already closed, may now belong to something else of ours.
  const std::string key = fs_.nameKey(path);
  dropBusy(key);
  if (const auto value = handleNumber(handle)) {
    const auto it = held_.find(*value);
    if (it != held_.end() && fs_.nameKey(it->second.path) == key && (id.empty() || it->second.id == id)) {
      dropLock(it);
    }
  }
  const bool markedNow = marked_.erase(key) > 0;
  const std::string iniKey = fs_.nameKey(path + "\\Desktop.ini");
  letGo(iniKey);
  skipOnFailure([&] { copies_.restore(path, lockIconValue(), markedNow); });
  // The folder may still lie inside another locked folder: what is there now stays held.
  if (const auto it = entries_.find(iniKey); it != entries_.end()) {
    it->second.handle = fs_.holdEntry(path + "\\Desktop.ini", platform::HoldAs::File, false);
    if (it->second.handle != platform::kInvalidHandle) ++open_;
  }
}

void LockEngine::dropLock(std::map<platform::HandleValue, Held>::iterator lock) {
  const platform::HandleValue value = lock->first;
  for (const std::string& key : lock->second.entries) {
    const auto it = entries_.find(key);
    if (it == entries_.end()) continue;
    auto& owners = it->second.owners;
    owners.erase(std::remove(owners.begin(), owners.end(), value), owners.end());
    if (!owners.empty()) continue;
    if (it->second.handle != platform::kInvalidHandle) {
      fs_.closeHandle(it->second.handle);
      --open_;
    }
    entries_.erase(it);
  }
  held_.erase(lock);
}

}  // namespace protect
