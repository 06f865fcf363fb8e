#pragma once
// Stand-ins for the main window's own surroundings: its view, the folder store and the folders on
// the machine. The platform ports' fakes are in support/fakes.h.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "protect/form1.h"

namespace protecttest {

class FakeView : public protect::Form1View {
 public:
  int listCount() override { return static_cast<int>(rows.size()); }
  protect::Form1Row listRow(int index) override { return rows.at(static_cast<std::size_t>(index)); }
  bool listSelected(int index) override { return selected.at(static_cast<std::size_t>(index)); }
  void listClear() override {
    rows.clear();
    selected.clear();
    pictures.clear();
  }
  void listAdd(const protect::Form1Row& row) override {
    rows.push_back(row);
    selected.push_back(false);
    pictures.push_back(protect::form1text::kFolderPicture);
  }
  void listSetPicture(int index, int picture) override { pictures.at(static_cast<std::size_t>(index)) = picture; }
  std::vector<int> pictures;
  void listAddColumn(const std::string& caption) override { columns.push_back({caption, 0}); }
  void listSetColumnWidth(int column, int twips) override {
    columns.at(static_cast<std::size_t>(column)).second = twips;
  }
  void setLockEnabled(bool enabled) override { lockEnabled = enabled; }
  void setUnlockEnabled(bool enabled) override { unlockEnabled = enabled; }
  void removeCloseCommand() override { ++closeCommandRemoved; }
  void showDrives() override { ++drivesShown; }
  void showDirectories() override { ++directoriesShown; }

  void select(int index) { selected.at(static_cast<std::size_t>(index)) = true; }

  std::vector<protect::Form1Row> rows;
  std::vector<bool> selected;
  std::vector<std::pair<std::string, int>> columns;
  std::optional<bool> lockEnabled;
  std::optional<bool> unlockEnabled;
  int closeCommandRemoved = 0;
  int drivesShown = 0;
  int directoriesShown = 0;
};

// tab1 in memory. failing names the operations that throw, as a broken database file would.
class FakeStore : public protect::FolderStore {
 public:
  struct Row {
    int id;
    std::string name;
    std::string path;
    core::Field handle;
  };

  std::vector<protect::FolderRow> loadList() override {
    check("loadList");
    std::vector<protect::FolderRow> out;
    for (const Row& r : rows) out.push_back({std::to_string(r.id), r.name, r.path});
    return out;
  }
  void addFolder(const std::string& name, const std::string& path) override {
    check("addFolder");
    rows.push_back({nextId++, name, path, std::nullopt});
  }
  void recordHandle(const std::string& id, platform::HandleValue handle) override {
    check("recordHandle");
    if (Row* r = find(id)) r->handle = std::to_string(handle);
  }
  std::vector<protect::HandleRow> folderLookup(const std::string& id) override {
    check("folderLookup");
    std::vector<protect::HandleRow> out;
    if (const Row* r = find(id)) out.push_back({r->path, r->handle});
    return out;
  }
  void deleteFolder(const std::string& id) override {
    check("deleteFolder");
    std::erase_if(rows, [&](const Row& r) { return std::to_string(r.id) == id; });
  }
  void finish() override { ++finished; }
  int finished = 0;
  std::vector<protect::HandleRow> readAllHandles() override {
    check("readAllHandles");
    std::vector<protect::HandleRow> out;
    for (const Row& r : rows) out.push_back({r.path, r.handle});
    return out;
  }

  Row* find(const std::string& id) {
    for (Row& r : rows)
      if (std::to_string(r.id) == id) return &r;
    return nullptr;
  }

  std::vector<Row> rows;
  int nextId = 1;
  std::vector<std::string> calls;
  std::vector<std::string> failing;

 private:
  void check(const std::string& op) {
    calls.push_back(op);
    for (const std::string& f : failing)
      if (f == op) throw core::StoreError(14, "unable to open database file");
  }
};

// Folders by exact path; a path that is not listed cannot be read.
class FakeDirSource : public protect::DirSource {
 public:
  std::vector<protect::DriveInfo> drives() override { return driveList; }
  std::optional<std::vector<std::string>> subfolders(const std::string& path) override {
    const auto it = folders.find(path);
    if (it == folders.end()) return std::nullopt;
    return it->second;
  }
  std::vector<protect::DriveInfo> driveList;
  std::map<std::string, std::vector<std::string>> folders;
};

}  // namespace protecttest
