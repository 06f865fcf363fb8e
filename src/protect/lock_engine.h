#pragma once
// Lock all, unlock all and release. A locked folder is held open by this process without sharing
// (no other process can open, list, rename, move or delete it) and carries the lock mark: the lock
// icon in its Desktop.ini and the system attribute. Every step that fails is skipped; the
// operation goes on with the next step and the next folder, and nothing is shown.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/shell.h"
#include "protect/desktop_ini_copies.h"
#include "protect/folder_store.h"

namespace protect {

// One row of the main window's folder list: its ID text (empty for a row without one) and path.
struct ListRow {
  std::string id;
  std::string path;
};

struct ButtonStates {
  bool lockEnabled;
  bool unlockEnabled;
};

class LockEngine {
 public:
  // The share mode of every open: none, so no one else can open a held folder.
  static constexpr std::uint32_t kShareMode = 0;

  // systemDirectory: where lock.ico lies; unlock all asks the file system for it again.
  LockEngine(platform::FileSystem& fs, platform::Shell& shell, FolderStore& store, std::string systemDirectory);
  // Closes what is still held, as the end of the process would.
  ~LockEngine();
  LockEngine(const LockEngine&) = delete;
  LockEngine& operator=(const LockEngine&) = delete;

  // Opens and marks every listed folder with an ID; records each new handle when the user is an
  // administrator.
  ButtonStates lockAll(const std::vector<ListRow>& rows);
  // Releases every row of the store.
  ButtonStates unlockAll();
  // Closes the handle this process holds for the folder, if the recorded value is one, and takes
  // the mark's Desktop.ini away (giving back the folder's own). id, when given, must match too.
  void release(const std::string& path, const core::Field& handle, const std::string& id = {});

  // The handles this process holds, by value: the row ID and path each was taken for.
  struct Held {
    std::string id;
    std::string path;
  };
  const std::map<platform::HandleValue, Held>& held() const { return held_; }

  // The IconFile value of the mark: the system directory's lock.ico.
  std::string lockIconValue() const { return systemDirectory_ + "\\lock.ico"; }

 private:
  void lockOne(const ListRow& row, std::optional<bool>& admin);
  void releaseOne(const std::string& path, const core::Field& handle, const std::string& id);
  // Tells the shell about changed folders: one notice for a directory where many changed.
  void notifyChanged(const std::vector<std::string>& folders);

  platform::FileSystem& fs_;
  platform::Shell& shell_;
  FolderStore& store_;
  std::string systemDirectory_;
  DesktopIniCopies copies_;
  std::map<platform::HandleValue, Held> held_;
  // Folders this process wrote the mark into, until released, by name key: two rows may name one
  // folder in different letter cases.
  std::set<std::string> marked_;
};

// From this many changed folders in one directory on, the directory gets one notice instead of
// one per folder: each notice makes the shell look the item up again.
inline constexpr std::size_t kFoldersPerDirectoryNotice = 3;

}  // namespace protect
