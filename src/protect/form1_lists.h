#pragma once
// The drive list and the directory list of the main window, as models the view draws.
// The directory list shows the current path's folders from the drive root down, opened, and
// the current folder's subfolders below them, one level deeper.
#include <optional>
#include <string>
#include <vector>

namespace protect {

enum class DriveKind { Fixed, Removable, Optical, Network, Memory };

struct DriveInfo {
  std::string root;   // "c:\"
  std::string label;  // volume label; empty when there is none or the drive cannot be read
  DriveKind kind = DriveKind::Fixed;
};

// What the two lists read from the machine.
class DirSource {
 public:
  virtual ~DirSource() = default;
  virtual std::vector<DriveInfo> drives() = 0;
  // The names of the folder's subfolders, or nothing when the folder cannot be read
  // (a drive without a medium, a folder that is gone or held by someone else).
  virtual std::optional<std::vector<std::string>> subfolders(const std::string& path) = 0;
};

class DriveList {
 public:
  void load(DirSource& source);
  const std::vector<DriveInfo>& drives() const { return drives_; }
  // The entry as the list shows it: "c: [System]", or "c:" without a label.
  static std::string caption(const DriveInfo& drive);
  // Selects the drive whose root matches (letter case ignored); false when there is none.
  bool select(const std::string& root);
  bool select(int index);
  int selected() const { return selected_; }
  // The selected drive's root, or "" when none is selected.
  std::string drive() const;

 private:
  std::vector<DriveInfo> drives_;
  int selected_ = -1;
};

struct DirItem {
  std::string path;     // full path: "c:\" for a root, "c:\Data\Photos" below it
  std::string caption;  // "c:\" for the root, else the folder's own name
  int level = 0;        // indent: 0 for the root
  bool opened = false;  // part of the current path (as opposed to a subfolder of it)
  friend bool operator==(const DirItem&, const DirItem&) = default;
};

class DirList {
 public:
  // Moves the list to the folder. When it cannot be read the list keeps its path and items
  // and the answer is false.
  bool setPath(const std::string& path, DirSource& source);
  // Opens the folder the user double-clicked: it becomes the path even when its subfolders
  // cannot be read (shown opened, with nothing below it), so what Add takes is always what the
  // user picked. False only for a path on no drive.
  bool open(const std::string& path, DirSource& source);
  // The last opened folder: "c:\" for a root, no trailing backslash below it.
  const std::string& path() const { return path_; }
  const std::vector<DirItem>& items() const { return items_; }
  // The item of the current folder (the last opened one), or -1 before the first path.
  int currentIndex() const { return current_; }

  // "c:", "C:\", "c:\Data\" -> "c:\", "C:\", "c:\Data"; "" for anything not on a drive.
  static std::string normalize(const std::string& path);

 private:
  void show(const std::string& target, std::vector<std::string> children);

  std::string path_;
  std::vector<DirItem> items_;
  int current_ = -1;
};

}  // namespace protect
