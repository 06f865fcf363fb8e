#pragma once
// Lock all, unlock all and release. A locked folder is held open by this process without sharing
// (no other process can open, list, rename, move or delete it) and carries the lock mark: the lock
// icon in its Desktop.ini and the system attribute. Its contents are held too, every file and
// subfolder without sharing and the mark with read sharing, so none of them can be read, changed,
// moved or deleted by its path. Every step that fails is skipped; the operation goes on with the
// next step and the next folder, and nothing is shown.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
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
  // The most handles held at once. Each open file costs the system kernel memory (a file object
  // and its name, about a kilobyte), and a system that runs out of them fails every other
  // program's opens too. The listed folders are held first and always; their contents only up
  // to this count.
  static constexpr std::size_t kMostHeld = 16384;

  // systemDirectory: where lock.ico lies; unlock all asks the file system for it again.
  LockEngine(platform::FileSystem& fs, platform::Shell& shell, FolderStore& store, std::string systemDirectory);
  // Closes what is still held, as the end of the process would.
  ~LockEngine();
  LockEngine(const LockEngine&) = delete;
  LockEngine& operator=(const LockEngine&) = delete;

  // Opens and marks every listed folder with an ID; records each new handle when the user is an
  // administrator. Then holds the contents of every locked folder, also what appeared in one
  // locked earlier.
  ButtonStates lockAll(const std::vector<ListRow>& rows);
  // Releases every row of the store.
  ButtonStates unlockAll();
  // Lets go of the folder and its contents, if the recorded value is the folder handle this
  // process holds for it, and takes the mark's Desktop.ini away (giving back the folder's own).
  // What also lies inside another locked folder stays held. id, when given, must match too.
  void release(const std::string& path, const core::Field& handle, const std::string& id = {});

  // The locked folders, by the value of the folder's own handle (the value its row records):
  // the row ID and path each was taken for.
  struct Held {
    std::string id;
    std::string path;
    std::vector<std::string> entries;  // name keys of what this lock holds, the folder first
  };
  const std::map<platform::HandleValue, Held>& held() const { return held_; }
  // Tries again the folders that another program had open at the last lock all; true while some
  // still cannot be opened. Their marks were written by lock all.
  bool retryBusy();
  bool anyBusy() const { return !busy_.empty(); }
  // Whether this process holds the folder now, as a lock of its own or inside another.
  bool isHeld(const std::string& path) const;

  // Every handle held for locks: folders, their contents and marks.
  std::size_t handlesHeld() const { return open_; }
  // How many entries the last lock all left unheld because kMostHeld was reached.
  std::size_t leftUnheld() const { return leftUnheld_; }

  // The IconFile value of the mark: the system directory's lock.ico.
  std::string lockIconValue() const { return systemDirectory_ + "\\lock.ico"; }

 private:
  // A held path, shared by every lock whose folder holds it (a listed folder inside another).
  struct Entry {
    platform::HandleValue handle = platform::kInvalidHandle;  // none while let go for a write
    std::vector<platform::HandleValue> owners;                // the locks, by folder handle
  };

  void lockOne(const ListRow& row, std::optional<bool>& admin);
  // Holds the folder itself (key: its name key) and records it; the handle, or none.
  platform::HandleValue holdFolder(const ListRow& row, const std::string& key, std::optional<bool>& admin);
  void dropBusy(const std::string& key);
  void holdContents(platform::HandleValue lock);
  void releaseOne(const std::string& path, const core::Field& handle, const std::string& id);
  void dropLock(std::map<platform::HandleValue, Held>::iterator lock);
  // Closes a held file for a write of ours; returns whether it was held.
  bool letGo(const std::string& key);
  // Tells the shell about changed folders: one notice for a directory where many changed.
  void notifyChanged(const std::vector<std::string>& folders);

  platform::FileSystem& fs_;
  platform::Shell& shell_;
  FolderStore& store_;
  std::string systemDirectory_;
  DesktopIniCopies copies_;
  std::map<platform::HandleValue, Held> held_;
  std::unordered_map<std::string, Entry> entries_;  // by name key
  std::size_t open_ = 0;
  std::vector<ListRow> busy_;  // open elsewhere at the last lock all, not held yet
  std::size_t leftUnheld_ = 0;
  // Folders this process wrote the mark into, until released, by name key: two rows may name one
  // folder in different letter cases.
  std::set<std::string> marked_;
};

// A path the engine may act on: a drive letter with a backslash, a \\?\ path or a UNC path. Any
// other (empty, relative) would land in the working directory's drive or folder.
bool isAbsoluteFolderPath(const std::string& path);

// From this many changed folders in one directory on, the directory gets one notice instead of
// one per folder: each notice makes the shell look the item up again.
inline constexpr std::size_t kFoldersPerDirectoryNotice = 3;

}  // namespace protect
