#include "protect/lock_engine.h"

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

LockEngine::LockEngine(platform::FileSystem& fs, platform::Shell& shell, FolderStore& store,
                       std::string systemDirectory)
    : fs_(fs), shell_(shell), store_(store), systemDirectory_(std::move(systemDirectory)), copies_(fs) {}

LockEngine::~LockEngine() {
  for (const auto& [value, held] : held_) fs_.closeHandle(value);
}

ButtonStates LockEngine::lockAll(const std::vector<ListRow>& rows) {
  StorePass pass(store_);
  copies_.refresh();
  std::vector<std::string> changed;
  // Asked at the first held folder; the answer cannot change while the list is walked.
  std::optional<bool> admin;
  for (const ListRow& row : rows) {
    if (row.id.empty()) continue;
    lockOne(row, admin);
    changed.push_back(row.path);
  }
  notifyChanged(changed);
  return {false, true};
}

void LockEngine::lockOne(const ListRow& row, std::optional<bool>& admin) {
  const platform::HandleValue handle = fs_.openDirectory(row.path, kShareMode);
  if (handle != platform::kInvalidHandle) {
    held_[handle] = {row.id, row.path};
    if (!admin) admin = shell_.isUserAnAdmin();
    if (*admin) skipOnFailure([&] { store_.recordHandle(row.id, handle); });
  }
  const std::string ini = row.path + "\\Desktop.ini";
  skipOnFailure([&] { copies_.keep(row.path, lockIconValue()); });
  bool written = false;
  skipOnFailure([&] {
    protect::INIwrite::WriteINIKeys(fs_, ini, kSection, {{"IconFile", lockIconValue()}, {"IconIndex", "0"}});
    written = true;
  });
  if (written) marked_.insert(fs_.nameKey(row.path));
  fs_.setAttributes(row.path, platform::attr::kSystem);
}

ButtonStates LockEngine::unlockAll() {
  if (std::string dir = fs_.systemDirectory(); !dir.empty()) systemDirectory_ = std::move(dir);
  StorePass pass(store_);
  std::vector<HandleRow> rows;
  skipOnFailure([&] { rows = store_.readAllHandles(); });
  copies_.refresh();
  std::vector<std::string> changed;
  for (const HandleRow& row : rows) {
    releaseOne(row.path, row.handle, {});
    changed.push_back(row.path);
  }
  notifyChanged(changed);
  return {true, false};
}

void LockEngine::release(const std::string& path, const core::Field& handle, const std::string& id) {
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
  // Only a value this process took for this folder is closed; a value from an earlier run, or
  // one already closed, may now belong to something else of ours.
  const std::string key = fs_.nameKey(path);
  if (const auto value = handleNumber(handle)) {
    const auto it = held_.find(*value);
    if (it != held_.end() && fs_.nameKey(it->second.path) == key && (id.empty() || it->second.id == id)) {
      fs_.closeHandle(it->first);
      held_.erase(it);
    }
  }
  const bool markedNow = marked_.erase(key) > 0;
  skipOnFailure([&] { copies_.restore(path, lockIconValue(), markedNow); });
}

}  // namespace protect
