#pragma once
// Keeps a folder's own Desktop.ini while the folder carries the lock mark, so unlocking gives the
// folder its file back byte for byte, with its attributes, also after a restart. The copies live
// outside the folder (a copy inside would show in the folder), one file per folder.
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace protect {

// True when the INI text sets IconFile to the given lock icon (names and value without regard
// to ASCII case). Only a file with this line is the lock's own doing.
bool carriesLockMark(const std::string& iniBytes, const std::string& lockIconValue);

class DesktopIniCopies {
 public:
  explicit DesktopIniCopies(platform::FileSystem& fs) : fs_(fs) {}

  // Before the mark is written: keeps the folder's Desktop.ini unless there is none or it already
  // carries the mark (a folder locked earlier, whose copy is already kept).
  void keep(const std::string& folder, const std::string& lockIconValue);
  // On release: puts a kept copy back and drops it; with no copy, deletes a Desktop.ini that
  // carries the mark and leaves any other alone. markedNow: this process wrote the mark, so the
  // file need not be read to know it.
  void restore(const std::string& folder, const std::string& lockIconValue, bool markedNow = false);
  // Forgets whether any copy is kept; the next look asks the file system again.
  void refresh() { anyKept_.reset(); }

  // Where the copy for a folder is kept; empty when the platform gives no place for it. Paths that
  // name the same folder in another letter case share it.
  std::string copyPath(const std::string& folder) const;

 private:
  std::string folderOfCopies() const;
  std::string copyNamed(const std::string& text) const;

  platform::FileSystem& fs_;
  mutable std::optional<std::string> root_;  // asked of the platform once
  // Whether the folder of copies exists: while it does not, no folder has a copy to look for.
  std::optional<bool> anyKept_;
};

}  // namespace protect
