#include "protect/lock_engine.h"

#include <exception>
#include <optional>

#include "protect/ini_write.h"

namespace protect {
namespace {

constexpr const char* kSection = ".ShellClassInfo";

// A recorded Handle as a number; anything else (empty, text, fractions) names no handle.
std::optional<platform::HandleValue> handleNumber(const store::Field& field) {
  if (!field || !isDecimalId(*field) || field->size() > 19) return std::nullopt;
  try {
    return static_cast<platform::HandleValue>(std::stoll(*field));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// Runs one step of an operation that goes on past failures.
template <typename Step>
void skipOnFailure(Step&& step) {
  try {
    step();
  } catch (const std::exception&) {
    // The operation continues with its next step; nothing is shown.
  }
}

}  // namespace

LockEngine::LockEngine(platform::FileSystem& fs, platform::Shell& shell, FolderStore& store,
                       std::string systemDirectory)
    : fs_(fs),
      shell_(shell),
      store_(store),
      systemDirectory_(std::move(systemDirectory)),
      copies_(fs) {}

ButtonStates LockEngine::lockAll(const std::vector<ListRow>& rows) {
  for (const ListRow& row : rows) lockOne(row);
  return {false, true};
}

void LockEngine::lockOne(const ListRow& row) {
  if (row.id.empty()) return;
  const platform::HandleValue handle = fs_.openDirectory(row.path, kShareMode);
  if (handle != platform::kInvalidHandle) {
    held_[handle] = {row.id, row.path};
    if (shell_.isUserAnAdmin()) skipOnFailure([&] { store_.recordHandle(row.id, handle); });
  }
  const std::string ini = row.path + "\\Desktop.ini";
  skipOnFailure([&] { copies_.keep(row.path, lockIconValue()); });
  skipOnFailure([&] { INIwrite::WriteINIKey(fs_, ini, kSection, "IconFile", lockIconValue()); });
  skipOnFailure([&] { INIwrite::WriteINIKey(fs_, ini, kSection, "IconIndex", "0"); });
  fs_.setAttributes(row.path, platform::attr::kSystem);
  shell_.folderChanged(row.path);
}

ButtonStates LockEngine::unlockAll() {
  if (std::string dir = fs_.systemDirectory(); !dir.empty()) systemDirectory_ = std::move(dir);
  std::vector<HandleRow> rows;
  skipOnFailure([&] { rows = store_.readAllHandles(); });
  for (const HandleRow& row : rows) release(row.path, row.handle);
  return {true, false};
}

void LockEngine::release(const std::string& path, const store::Field& handle, const std::string& id) {
  // Only a value this process took for this folder is closed; a value from an earlier run, or
  // one already closed, may now belong to something else of ours.
  if (const auto value = handleNumber(handle)) {
    const auto it = held_.find(*value);
    if (it != held_.end() && it->second.path == path && (id.empty() || it->second.id == id)) {
      fs_.closeHandle(it->first);
      held_.erase(it);
    }
  }
  skipOnFailure([&] { copies_.restore(path, lockIconValue()); });
  shell_.folderChanged(path);
}

}  // namespace protect
